#pragma once
// The state and layout of a group of collapsible sections stacked one under
// the other. Sections are grouped: expanding one collapses the others, so at
// most one is expanded. Each section is a header line, followed by its body
// while it is expanded.
#include <cstddef>
#include <optional>
#include <vector>

namespace orvx::ui {

class SectionStack {
 public:
  explicit SectionStack(int header_height) : header_height_(header_height) {}

  // Adds a collapsed section at the bottom; returns its index.
  size_t add(int body_height);
  size_t size() const { return body_heights_.size(); }

  // Expands one section and collapses every other. Out-of-range indexes are
  // ignored.
  void expand(size_t index);
  void collapse(size_t index);
  // A click on the header: a collapsed section expands, an expanded one
  // collapses.
  void toggle(size_t index);

  std::optional<size_t> expanded() const { return expanded_; }
  bool is_expanded(size_t index) const { return expanded_ == index; }

  // The section's top edge in the group and its current height.
  int top_of(size_t index) const;
  int height_of(size_t index) const;
  int total_height() const;
  int header_height() const { return header_height_; }

 private:
  int header_height_;
  std::vector<int> body_heights_;
  std::optional<size_t> expanded_;
};

}  // namespace orvx::ui
