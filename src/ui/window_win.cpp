#include "ui/window_win.h"

#include <string>

#include "platform/error_report.h"
#include "platform/message_ids.h"

namespace orvx::ui {

Window::~Window() {
  // Unbind first: the derived parts are gone, so the remaining messages of
  // the destruction must not reach this object.
  win::destroy_unbound(hwnd_.release());
}

Window* Window::from_handle(HWND hwnd) { return dynamic_cast<Window*>(win::target_of(hwnd)); }

void Window::create(const WindowArgs& args) {
  win::register_window_class(args.class_name, args.class_style, args.icon);
  HWND h = CreateWindowExA(args.ex_style, args.class_name, args.title.c_str(), args.style, args.bounds.left,
                           args.bounds.top, args.bounds.width, args.bounds.height, args.parent, nullptr,
                           GetModuleHandleA(nullptr), win::creation_parameter(this));
  if (!h) throw errors::MessageError(message_ids::kWindowNotCreated, args.class_name);
}

void Window::destroy() {
  if (hwnd_) DestroyWindow(hwnd_.get());  // WM_NCDESTROY releases hwnd_
}

LRESULT Window::handle_message(UINT msg, WPARAM wp, LPARAM lp) { return default_handling(msg, wp, lp); }

LRESULT Window::default_handling(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(hwnd_.get(), msg, wp, lp); }

void Window::bind(HWND window) noexcept { hwnd_.reset(window); }

void Window::unbind() {
  (void)hwnd_.release();
  on_window_destroyed();
}

void Window::set_bounds(const Rect& r) {
  SetWindowPos(hwnd(), nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

Rect Window::bounds() const {
  RECT r{};
  GetWindowRect(hwnd(), &r);
  HWND parent = (GetWindowLongA(hwnd(), GWL_STYLE) & WS_CHILD) ? GetParent(hwnd()) : nullptr;
  if (parent) MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Window::set_visible(bool visible) { ShowWindow(hwnd(), visible ? SW_SHOWNA : SW_HIDE); }

bool Window::visible() const { return hwnd() && (GetWindowLongA(hwnd(), GWL_STYLE) & WS_VISIBLE); }

void Window::set_enabled(bool enabled) {
  EnableWindow(hwnd(), enabled ? TRUE : FALSE);
  invalidate();
}

bool Window::enabled() const { return hwnd() && IsWindowEnabled(hwnd()); }

std::string Window::text() const {
  int length = GetWindowTextLengthA(hwnd());
  std::string s(static_cast<size_t>(length) + 1, '\0');
  int got = GetWindowTextA(hwnd(), s.data(), length + 1);
  s.resize(static_cast<size_t>(got > 0 ? got : 0));
  return s;
}

void Window::invalidate() {
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

HintWindow* Window::hint_window_of_root() const {
  Window* root = from_handle(GetAncestor(hwnd(), GA_ROOT));
  return root ? root->own_hint_window() : nullptr;
}

}  // namespace orvx::ui
