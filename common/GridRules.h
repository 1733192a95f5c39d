#pragma once
// Plain rules of the editable grid (common/widgets/TQxGrid.h) that need no
// widgets: where row numbers are drawn and where a column control goes.

namespace tavo {

// Left offset of a row number inside its cell: 12 pixels for 0 to 9, 7 for
// 10 to 99, 2 from 100 on (so that one to three digits end near the same place).
constexpr int rowNumberLeftOffset(int row) { return row <= 9 ? 12 : row <= 99 ? 7 : 2; }
// Top offset of a row number: the row height less 15.
constexpr int rowNumberTopOffset(int defaultRowHeight) { return defaultRowHeight - 15; }

enum class ColumnControlKind { ComboBox, DateTimePicker, Button };

struct ControlRect {
  int left, top, width, height;
  friend bool operator==(const ControlRect&, const ControlRect&) = default;
};

// Where a column control goes over a cell whose top-left corner, as seen on
// screen in the control's parent, is (cellLeft, cellTop). Combo boxes and
// date-time pickers cover the cell and its right grid line; a button sits
// inside the cell's right edge and keeps its own width.
constexpr ControlRect columnControlRect(ColumnControlKind kind, int cellLeft, int cellTop, int columnWidth,
                                        int defaultRowHeight, int buttonWidth) {
  switch (kind) {
    case ColumnControlKind::ComboBox:
      return {cellLeft, cellTop, columnWidth + 2, defaultRowHeight};
    case ColumnControlKind::DateTimePicker:
      return {cellLeft, cellTop, columnWidth + 2, defaultRowHeight + 4};
    case ColumnControlKind::Button:
      return {cellLeft + columnWidth - buttonWidth + 1, cellTop, buttonWidth, defaultRowHeight + 2};
  }
  return {cellLeft, cellTop, columnWidth, defaultRowHeight};
}

}  // namespace tavo
