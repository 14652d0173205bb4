#include "ui/section_stack.h"

namespace orvx::ui {

size_t SectionStack::add(int body_height) {
  body_heights_.push_back(body_height < 0 ? 0 : body_height);
  return body_heights_.size() - 1;
}

void SectionStack::expand(size_t index) {
  if (index < body_heights_.size()) expanded_ = index;
}

void SectionStack::collapse(size_t index) {
  if (expanded_ == index) expanded_.reset();
}

void SectionStack::toggle(size_t index) {
  if (is_expanded(index)) {
    collapse(index);
  } else {
    expand(index);
  }
}

int SectionStack::height_of(size_t index) const {
  if (index >= body_heights_.size()) return 0;
  return header_height_ + (is_expanded(index) ? body_heights_[index] : 0);
}

int SectionStack::top_of(size_t index) const {
  int top = 0;
  for (size_t i = 0; i < index && i < body_heights_.size(); ++i) top += height_of(i);
  return top;
}

int SectionStack::total_height() const { return top_of(body_heights_.size()); }

}  // namespace orvx::ui
