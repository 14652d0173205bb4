#pragma once
// A drop-down list without free text: the user picks one of its entries,
// or none is selected. Only its "Hint" is a named property.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/hosted_control_win.h"

namespace orvx::ui {

inline constexpr char kChoiceListClass[] = "OrvxChoiceList";

struct ChoiceListArgs {
  std::string name;
  std::string hint;
  HWND parent = nullptr;
  Rect bounds;  // the closed list; it drops below by up to drop_height
  int drop_height = 160;
  bool visible = true;
  bool enabled = true;
  std::function<void()> on_change;  // the user picked an entry
};

class ChoiceList final : public HostedControl {
 public:
  explicit ChoiceList(const ChoiceListArgs& args);

  // Replaces the entries, in this order; nothing is selected afterwards.
  void set_entries(const std::vector<std::string>& entries);
  std::vector<std::string> entries() const;
  std::optional<size_t> selected() const;
  void select(std::optional<size_t> index);
  void remove(size_t index);
  void set_on_change(std::function<void()> handler) { on_change_ = std::move(handler); }

 private:
  LRESULT control_message(UINT msg, WPARAM wp, LPARAM lp) override;

  std::function<void()> on_change_;
};

}  // namespace orvx::ui
