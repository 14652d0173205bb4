#include "ui/choice_list_win.h"

namespace orvx::ui {

ChoiceList::ChoiceList(const ChoiceListArgs& args)
    : HostedControl(HostedControlArgs{.widget_class = kChoiceListClass,
                                      .control_class = "COMBOBOX",
                                      .control_style = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                                      .name = args.name,
                                      .hint = args.hint,
                                      .parent = args.parent,
                                      .bounds = args.bounds,
                                      .visible = args.visible,
                                      .enabled = args.enabled,
                                      .extra_height = args.drop_height}),
      on_change_(args.on_change) {}

void ChoiceList::set_entries(const std::vector<std::string>& entries) {
  SendMessageA(control(), CB_RESETCONTENT, 0, 0);
  for (const std::string& entry : entries) {
    SendMessageA(control(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  }
}

std::vector<std::string> ChoiceList::entries() const {
  std::vector<std::string> result;
  const LRESULT count = SendMessageA(control(), CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageA(control(), CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length < 0) continue;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(control(), CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    result.push_back(std::move(text));
  }
  return result;
}

std::optional<size_t> ChoiceList::selected() const {
  const LRESULT index = SendMessageA(control(), CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return std::nullopt;
  return static_cast<size_t>(index);
}

void ChoiceList::select(std::optional<size_t> index) {
  SendMessageA(control(), CB_SETCURSEL, index ? static_cast<WPARAM>(*index) : static_cast<WPARAM>(-1), 0);
}

void ChoiceList::remove(size_t index) { SendMessageA(control(), CB_DELETESTRING, index, 0); }

LRESULT ChoiceList::control_message(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COMMAND && reinterpret_cast<HWND>(lp) == control() && HIWORD(wp) == CBN_SELCHANGE) {
    std::function<void()> handler = on_change_;
    if (handler) handler();
    return 0;
  }
  return default_handling(msg, wp, lp);
}

}  // namespace orvx::ui
