#include "ui/progress_bar_win.h"

#include <commctrl.h>

namespace orvx::ui {

ProgressBar::ProgressBar(const ProgressBarArgs& args)
    : HostedControl(HostedControlArgs{.widget_class = kProgressBarClass,
                                      .control_class = PROGRESS_CLASSA,
                                      .name = args.name,
                                      .hint = args.hint,
                                      .parent = args.parent,
                                      .bounds = args.bounds,
                                      .visible = args.visible}) {
  SendMessageA(control(), PBM_SETRANGE32, 0, 100);
}

void ProgressBar::set_position(int percent) { SendMessageA(control(), PBM_SETPOS, percent, 0); }

int ProgressBar::position() const { return static_cast<int>(SendMessageA(control(), PBM_GETPOS, 0, 0)); }

}  // namespace orvx::ui
