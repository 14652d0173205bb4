#include "support/windows_win.h"

namespace orvx::test {
namespace {

bool has_class(HWND window, const char* class_name) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return lstrcmpiA(name, class_name) == 0;
}

struct WindowSearch {
  DWORD process_id;
  const char* class_name;
  const char* title;
  bool visible_only;
  std::vector<HWND> found;
};

BOOL CALLBACK collect_top_level(HWND window, LPARAM lp) {
  auto* search = reinterpret_cast<WindowSearch*>(lp);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->process_id) return TRUE;
  if (search->visible_only && !IsWindowVisible(window)) return TRUE;
  if (!has_class(window, search->class_name)) return TRUE;
  if (search->title && window_text(window) != search->title) return TRUE;
  search->found.push_back(window);
  return TRUE;
}

std::vector<HWND> process_windows(DWORD process_id, const char* class_name, const char* title, bool visible_only) {
  WindowSearch search{process_id, class_name, title, visible_only, {}};
  EnumWindows(&collect_top_level, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct ChildSearch {
  const char* class_name;
  std::vector<HWND> found;
};

BOOL CALLBACK collect_children(HWND window, LPARAM lp) {
  auto* search = reinterpret_cast<ChildSearch*>(lp);
  if (has_class(window, search->class_name)) search->found.push_back(window);
  return TRUE;
}

std::string describe(const char* class_name, const char* title) {
  std::string text = std::string("a window of class \"") + class_name + "\"";
  if (title) text += std::string(" titled \"") + title + "\"";
  return text;
}

}  // namespace

std::vector<HWND> find_process_windows(DWORD process_id, const char* class_name, const char* title, bool visible_only) {
  return process_windows(process_id, class_name, title, visible_only);
}

HWND find_process_window(DWORD process_id, const char* class_name, const char* title, bool visible_only) {
  const std::vector<HWND> found = process_windows(process_id, class_name, title, visible_only);
  return found.empty() ? nullptr : found.front();
}

HWND wait_process_window(DWORD process_id, const char* class_name, const char* title, bool visible_only,
                         int timeout_ms) {
  HWND found = nullptr;
  const auto shown = wait_for(
      describe(class_name, title),
      [&] { return (found = find_process_window(process_id, class_name, title, visible_only)) != nullptr; },
      timeout_ms);
  if (!shown) ADD_FAILURE() << shown.message();
  return found;
}

HWND wait_own_window(const char* class_name, const char* title, int timeout_ms) {
  return wait_process_window(GetCurrentProcessId(), class_name, title, true, timeout_ms);
}

std::vector<HWND> children_of_class(HWND parent, const char* class_name) {
  ChildSearch search{class_name, {}};
  EnumChildWindows(parent, &collect_children, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND find_child(HWND parent, const char* class_name, const std::string& text) {
  for (HWND child : children_of_class(parent, class_name)) {
    if (window_text(child) == text) return child;
  }
  return nullptr;
}

HWND find_child(HWND parent, const char* class_name) {
  const std::vector<HWND> found = children_of_class(parent, class_name);
  return found.empty() ? nullptr : found.front();
}

HWND find_visible_child(HWND parent, const char* class_name) {
  for (HWND child : children_of_class(parent, class_name)) {
    if (IsWindowVisible(child)) return child;
  }
  return nullptr;
}

std::vector<std::string> child_texts(HWND parent, const char* class_name) {
  std::vector<std::string> texts;
  for (HWND child : children_of_class(parent, class_name)) texts.push_back(window_text(child));
  return texts;
}

std::string window_text(HWND window) {
  char text[2048] = {};
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000, nullptr);
  return text;
}

bool round_trip(HWND window, int timeout_ms) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, static_cast<UINT>(timeout_ms), &result) != 0;
}

HWND wait_message_box(DWORD process_id, int timeout_ms) {
  return wait_process_window(process_id, "#32770", nullptr, true, timeout_ms);
}

std::string message_box_text(HWND box) { return window_text(GetDlgItem(box, 0xFFFF)); }

int open_menu_levels(DWORD process_id) {
  return static_cast<int>(process_windows(process_id, "#32768", nullptr, true).size());
}

HWND wait_popup_menu(DWORD process_id, int timeout_ms) {
  return wait_process_window(process_id, "#32768", nullptr, true, timeout_ms);
}

}  // namespace orvx::test
