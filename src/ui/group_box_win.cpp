#include "ui/group_box_win.h"

#include "ui/paint_win.h"
#include "ui/panel_win.h"

namespace orvx::ui {

GroupBox::GroupBox(const GroupBoxArgs& args)
    : Widget(args.name, "", Texts::kCaptionAndHint), look_(args), font_(make_font(args.font)) {
  WindowArgs w;
  w.class_name = kGroupBoxClass;
  w.title = args.caption;
  w.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
  w.ex_style = WS_EX_CONTROLPARENT;
  w.parent = args.parent;
  w.bounds = args.bounds;
  create(w);
}

void GroupBox::paint() {
  PaintBuffer paint(hwnd());
  const RECT& client = paint.client();
  fill_rect(paint.dc(), client, look_.background);
  const std::string caption = text();
  const Size text_size = measure_text(paint.dc(), font_.get(), caption, DT_SINGLELINE | DT_NOPREFIX);
  RECT frame = client;
  frame.top += text_size.height / 2;
  frame_rect(paint.dc(), frame, style::kFrame);
  RECT caption_box{8, 0, 8 + text_size.width + 4, text_size.height};
  fill_rect(paint.dc(), caption_box, look_.background);
  caption_box.left += 2;
  draw_text(paint.dc(), font_.get(), caption, caption_box, style::kBlack, DT_SINGLELINE | DT_NOPREFIX);
}

LRESULT GroupBox::widget_message(UINT msg, WPARAM wp, LPARAM lp) {
  if (is_parent_notification(msg)) {
    HWND parent = GetParent(hwnd());
    return parent ? SendMessageA(parent, msg, wp, lp) : default_handling(msg, wp, lp);
  }
  if (msg == WM_PAINT) {
    paint();
    return 0;
  }
  return default_handling(msg, wp, lp);
}

}  // namespace orvx::ui
