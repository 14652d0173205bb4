#pragma once
// A list in report style: columns with captions and widths, one row per
// item, whole-row selection, grid lines, read-only, rows kept sorted by the
// first column's text (without regard to case). One row at most is
// selected.
//
// The column captions are set by code (the settings dialog takes them from
// the messages), so the list has only a "Hint" as a named property.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/hosted_control_win.h"

namespace orvx::ui {

inline constexpr char kReportListClass[] = "OrvxReportList";

struct ReportColumn {
  std::string caption;
  int width = 0;
};

struct ReportListArgs {
  std::string name;
  std::string hint;
  HWND parent = nullptr;
  Rect bounds;
  std::vector<ReportColumn> columns;
  // A key released while the list has the focus (virtual-key code).
  std::function<void(UINT)> on_key_up;
  // After the selection changed (also when it went).
  std::function<void()> on_selection_changed;
};

class ReportList final : public HostedControl {
 public:
  explicit ReportList(const ReportListArgs& args);

  void set_column_caption(size_t column, const std::string& caption);
  std::string column_caption(size_t column) const;

  // Replaces every row; each row holds one text per column.
  void set_rows(const std::vector<std::vector<std::string>>& rows);
  size_t row_count() const;
  std::string cell(size_t row, size_t column) const;

  std::optional<size_t> selected_row() const;
  void select_row(std::optional<size_t> row);
  void remove_row(size_t row);

 private:
  LRESULT control_message(UINT msg, WPARAM wp, LPARAM lp) override;
  void on_child_key_up(UINT key) override;

  std::function<void(UINT)> on_key_up_;
  std::function<void()> on_selection_changed_;
  size_t column_count_ = 0;
};

}  // namespace orvx::ui
