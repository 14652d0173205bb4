#include "ui/window_win.h"

#include <set>
#include <stdexcept>
#include <string>

#include "ui/crash_report.h"

namespace orvx::ui {

namespace {

void register_class_once(const WindowArgs& args, WNDPROC proc) {
  static std::set<std::string> registered;
  std::string name = args.class_name;
  if (registered.count(name)) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.style = args.class_style;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hIcon = args.icon;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = args.class_name;
  // Every widget paints its whole area itself; no class brush.
  if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw std::runtime_error("Fensterklasse " + name + " konnte nicht registriert werden.");
  }
  registered.insert(name);
}

}  // namespace

Window::~Window() {
  // Unbind first: the derived parts are gone, so the remaining messages of
  // the destruction must not reach this object.
  if (HWND h = hwnd_.release()) {
    SetWindowLongPtrA(h, GWLP_USERDATA, 0);
    DestroyWindow(h);
  }
}

Window* Window::from_handle(HWND hwnd) {
  if (!hwnd) return nullptr;
  // Only windows of our own procedure carry an object in their user data.
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC)) != &Window::trampoline) return nullptr;
  return reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void Window::create(const WindowArgs& args) {
  register_class_once(args, &Window::trampoline);
  HWND h = CreateWindowExA(args.ex_style, args.class_name, args.title.c_str(), args.style,
                           args.bounds.left, args.bounds.top, args.bounds.width, args.bounds.height,
                           args.parent, nullptr, GetModuleHandleA(nullptr), this);
  if (!h) throw std::runtime_error(std::string("Fenster ") + args.class_name + " konnte nicht erstellt werden.");
}

void Window::destroy() {
  if (hwnd_) DestroyWindow(hwnd_.get());  // WM_NCDESTROY releases hwnd_
}

LRESULT Window::handle_message(UINT msg, WPARAM wp, LPARAM lp) { return default_handling(msg, wp, lp); }

LRESULT Window::default_handling(UINT msg, WPARAM wp, LPARAM lp) {
  return DefWindowProcA(hwnd_.get(), msg, wp, lp);
}

LRESULT Window::answer_after_failure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCCREATE:
      return FALSE;
    case WM_CREATE:
      return -1;
    case WM_CLOSE:  // a failed close handler must not close the window after all
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

LRESULT CALLBACK Window::trampoline(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Window* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    if (self) {
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
      self->hwnd_.reset(hwnd);
    }
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcA(hwnd, msg, wp, lp);

  LRESULT result = 0;
  try {
    result = self->handle_message(msg, wp, lp);
  } catch (...) {
    report_current_exception();
    result = answer_after_failure(hwnd, msg, wp, lp);
  }
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_.release();
    try {
      self->on_window_destroyed();
    } catch (...) {
      report_current_exception();
    }
  }
  return result;
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
