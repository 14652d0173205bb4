#pragma once
// The base of the top-level windows (main window, about box, settings
// dialog, error list, input box): a borderless window with a background
// colour, its own styled hint window, and the named-window side of the
// translation seam.
//
// A form's "Caption" is its title (the window text, drawn by its caption
// bar). Its named components are the widgets and menu items it registers
// with add_component(), in that order; the translation engine reaches them
// through owned_components(). A form given a WindowRegistry is listed there
// from creation until the object is destroyed.
//
// A form may keep its position in config.qcf (keep_position): it is moved
// there at once and writes where it is when its window is destroyed, or,
// should the window outlive that, when the form goes; once either way.
//
// A concrete form calls create_form() in its constructor, creates its
// widgets as members (unique_ptr, so that they go before the form's own
// window), and handles its messages in handle_message(), passing the rest
// on to Form::handle_message().
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "lang/named_components.h"
#include "platform/prompts.h"
#include "ui/geometry.h"
#include "ui/hint_window_win.h"
#include "ui/style.h"
#include "ui/window_placement_win.h"
#include "ui/window_win.h"

namespace orvx::ui {

struct FormArgs {
  std::string name;  // component name, e.g. "orvx_form"
  const char* class_name = nullptr;
  std::string caption;  // the title
  Rect bounds;          // on screen; borderless, so also the client size
  Rgb background = style::kWhite;
  HWND owner = nullptr;
  DWORD style = WS_POPUP | WS_CLIPCHILDREN;
  DWORD ex_style = WS_EX_CONTROLPARENT;
  UINT class_style = 0;  // e.g. CS_DROPSHADOW where the system has it
  HICON icon = nullptr;  // class icon (not owned)
  WindowRegistry* registry = nullptr;
};

class Form : public Window, public NamedWindow {
 public:
  ~Form() override;

  std::string component_name() const override { return name_; }
  std::optional<std::string> string_property(std::string_view property) const override;
  bool set_string_property(std::string_view property, const std::string& value) override;
  std::vector<NamedComponent*> owned_components() override { return components_; }

  HintWindow& hints() { return *hints_; }
  Rgb background() const { return background_; }

 protected:
  Form() = default;
  void create_form(const FormArgs& args);
  void add_component(NamedComponent& component) { components_.push_back(&component); }
  // The form's position is kept in section `window_name` of config.qcf in
  // `data_folder`; the form moves there now.
  void keep_position(std::string window_name, const std::string& data_folder, Prompts& prompts);
  // The kept position is no longer written (the data folder is gone).
  void forget_position();

  LRESULT handle_message(UINT msg, WPARAM wp, LPARAM lp) override;
  HintWindow* own_hint_window() override { return hints_.get(); }

 private:
  std::string name_;
  Rgb background_;
  std::vector<NamedComponent*> components_;
  std::unique_ptr<HintWindow> hints_;
  WindowRegistry* registry_ = nullptr;
  std::unique_ptr<WindowPlacement> placement_;

  void save_position();
};

}  // namespace orvx::ui
