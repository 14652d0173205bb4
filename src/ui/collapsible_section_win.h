#pragma once
// Collapsible sections, stacked in a group: each section is a header line
// with its caption and, while expanded, a body below it that holds the
// section's controls. The sections of a group are grouped: expanding one
// collapses the others. A click on a header toggles its section.
//
//   SectionGroup tabs({.name = "tab_container", .parent = ..., .bounds = ...});
//   CollapsibleSection& s = tabs.add_section({.name = "tab_1", .caption = "Einstellungen", .body_height = 300});
//   ... create the section's controls with s.body() as their parent ...
//   tabs.expand(0);
//
// Sections start collapsed. A collapsed section's body is hidden, so Tab
// does not reach its controls.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/scoped_win.h"
#include "ui/panel_win.h"
#include "ui/section_stack.h"
#include "ui/style.h"
#include "ui/widget_win.h"

namespace orvx::ui {

inline constexpr char kSectionClass[] = "OrvxSection";
inline constexpr char kSectionGroupClass[] = "OrvxSectionGroup";

struct SectionArgs {
  std::string name;
  std::string caption;
  std::string hint;
  int body_height = 0;
  Rgb body_colour = style::kWhite;
};

class CollapsibleSection final : public Widget {
 public:
  CollapsibleSection(HWND group, Rect bounds, int header_height, const SectionArgs& args,
                     std::function<void()> on_header_click);

  // The parent for the section's controls; (0, 0) is just below the header.
  HWND body() const { return body_->hwnd(); }
  bool expanded() const { return expanded_; }
  // Called by the group when it lays the sections out.
  void show_expanded(bool expanded);

 private:
  LRESULT widget_message(UINT msg, WPARAM wp, LPARAM lp) override;
  void paint();

  int header_height_;
  win::ScopedGdi<HFONT> font_;
  std::function<void()> on_header_click_;
  std::unique_ptr<Panel> body_;
  bool expanded_ = false;
  bool hot_ = false;
  bool pressed_ = false;
};

struct SectionGroupArgs {
  std::string name;
  std::string hint;
  HWND parent = nullptr;
  Rect bounds;
  int header_height = 20;
  Rgb colour = style::kWhite;
  // Runs after a section was expanded by a click on its header.
  std::function<void(size_t)> on_expand;
};

class SectionGroup final : public Widget {
 public:
  explicit SectionGroup(const SectionGroupArgs& args);

  CollapsibleSection& add_section(const SectionArgs& args);
  size_t size() const { return sections_.size(); }
  CollapsibleSection& section(size_t index) { return *sections_.at(index); }

  void expand(size_t index);
  void collapse(size_t index);
  void toggle(size_t index);
  std::optional<size_t> expanded() const { return stack_.expanded(); }

 private:
  LRESULT widget_message(UINT msg, WPARAM wp, LPARAM lp) override;
  void lay_out();

  Rgb colour_;
  std::function<void(size_t)> on_expand_;
  SectionStack stack_;
  std::vector<std::unique_ptr<CollapsibleSection>> sections_;
};

}  // namespace orvx::ui
