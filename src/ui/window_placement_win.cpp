#include "ui/window_placement_win.h"

namespace orvx::ui {

config::WorkArea primary_work_area() {
  RECT area{};
  if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0)) {
    area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  return {area.right, area.bottom};
}

class WindowPlacement::Owner final : public config::PlacementOwner {
 public:
  Owner(HWND window, std::string name) : window_(window), name_(std::move(name)) {}

  std::string window_name() const override { return name_; }
  config::WindowBounds bounds() const override {
    RECT r{};
    GetWindowRect(window_, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
  }
  void move_to(int32_t left, int32_t top) override {
    SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

 private:
  HWND window_;
  std::string name_;
};

WindowPlacement::WindowPlacement(HWND window, std::string window_name, const std::string& data_folder, Prompts& prompts)
    : owner_(std::make_unique<Owner>(window, std::move(window_name))),
      placement_(std::make_unique<config::SavedPosition>(*owner_, prompts)) {
  placement_->data_folder = data_folder;
  placement_->restore_placement(primary_work_area());
}

WindowPlacement::~WindowPlacement() {
  // Without save() nothing was recorded, and the placement writes nothing.
  placement_.reset();
}

void WindowPlacement::save() {
  if (!placement_) return;
  placement_->remember_position();
  placement_.reset();  // SavePlacement
}

}  // namespace orvx::ui
