#pragma once
// Helpers on controls shared by the programs' forms.

#include <QString>

class QWidget;
class QComboBox;

namespace tavo {

// Disables the container and every control inside it; the captions of panels,
// group boxes, radio groups and labels turn grey (128, 128, 128).
void disableTree(QWidget* container);
// The reverse: enabled, with black captions.
void enableTree(QWidget* container);
// Left edge = (parent width - control width) / 2, remainder dropped.
void centerInParent(QWidget* control);
// Stretches the control across its parent's client area from `left` to `rightMargin` before its right edge.
void fillWidth(QWidget* control, int left, int rightMargin);
// Stretches the control from `top` to `bottomMargin` above the parent's bottom edge.
void fillHeight(QWidget* control, int top, int bottomMargin);
// The sub-folders whose names do not begin with ".", sorted without regard to
// case, become the combo box's items.
void fillComboWithSubfolders(const QString& folder, QComboBox* combo);

}  // namespace tavo
