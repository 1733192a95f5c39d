#pragma once
// Small helpers the bar's files share for moving its controls and turning
// stored colours into Qt's.

#include <QColor>
#include <QWidget>

#include "format/PlayerSettings.h"

namespace tavo::player::barwidgets {

inline QColor toQColor(WinColor c) { return QColor(c.red(), c.green(), c.blue()); }

inline void setLeft(QWidget* w, int left) { w->move(left, w->y()); }

inline void setTop(QWidget* w, int top) { w->move(w->x(), top); }

}  // namespace tavo::player::barwidgets
