#include "ui/form_win.h"

#include "ui/paint_win.h"
#include "ui/window_placement_win.h"

namespace orvx::ui {

Form::~Form() {
  save_position();
  if (registry_) registry_->remove(this);
}

void Form::create_form(const FormArgs& args) {
  name_ = args.name;
  background_ = args.background;
  WindowArgs w;
  w.class_name = args.class_name;
  w.title = args.caption;
  w.style = args.style;
  w.ex_style = args.ex_style;
  w.class_style = args.class_style;
  w.parent = args.owner;
  w.bounds = args.bounds;
  w.icon = args.icon;
  create(w);
  hints_ = std::make_unique<HintWindow>(hwnd());
  registry_ = args.registry;
  if (registry_) registry_->add(this);
}

void Form::keep_position(std::string window_name, const std::string& data_folder, Prompts& prompts) {
  placement_ = std::make_unique<WindowPlacement>(hwnd(), std::move(window_name), data_folder, prompts);
}

void Form::forget_position() { placement_.reset(); }

void Form::save_position() {
  if (placement_ && hwnd()) placement_->save();
}

std::optional<std::string> Form::string_property(std::string_view property) const {
  if (same_name(property, "Caption")) return text();
  return std::nullopt;
}

bool Form::set_string_property(std::string_view property, const std::string& value) {
  if (!same_name(property, "Caption")) return false;
  SetWindowTextA(hwnd(), value.c_str());
  return true;
}

LRESULT Form::handle_message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_DESTROY:
      save_position();
      break;
    case WM_ERASEBKGND: {
      RECT r{};
      GetClientRect(hwnd(), &r);
      fill_rect(reinterpret_cast<HDC>(wp), r, background_);
      return 1;
    }
    case WM_SETTEXT: {
      // The caption bar draws the title: let every child show the new one.
      LRESULT r = default_handling(msg, wp, lp);
      RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
      return r;
    }
    case WM_ACTIVATEAPP:  // another program comes to the front
    case WM_SHOWWINDOW:   // the form hides (into the notification area)
      if (!wp && hints_) hints_->hide();
      break;
    default:
      break;
  }
  return default_handling(msg, wp, lp);
}

}  // namespace orvx::ui
