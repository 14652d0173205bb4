#include "minidesk/error_icon_list.h"

namespace orvx::minidesk {

bool ErrorIconList::refill(const std::vector<std::string>& captions) {
  if (visible_) return false;
  if (entries_ == captions && !selected_) return false;
  entries_ = captions;
  selected_.reset();
  return true;
}

bool ErrorIconList::show() {
  if (visible_) return false;
  visible_ = true;
  return true;
}

bool ErrorIconList::close() {
  if (!visible_) return false;
  visible_ = false;
  return true;
}

void ErrorIconList::select(std::optional<size_t> index) {
  selected_ = index && *index < entries_.size() ? index : std::nullopt;
}

std::optional<std::string> ErrorIconList::take_selected() {
  if (!selected_) return std::nullopt;
  std::string caption = std::move(entries_[*selected_]);
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(*selected_));
  selected_.reset();
  if (entries_.empty()) visible_ = false;
  return caption;
}

}  // namespace orvx::minidesk
