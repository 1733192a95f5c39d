#pragma once
// A notice for the bar (BarMessage.h) as a Qt event. Another window hands it
// to the bar with sendBarMessage and gets the bar's answer, as it would from
// the window message it stands for.

#include <QEvent>

#include "player/bar/BarMessage.h"

class QObject;

namespace tavo::player {

class BarMessageEvent : public QEvent {
 public:
  explicit BarMessageEvent(BarMessage message) : QEvent(eventType()), message(message) {}
  static QEvent::Type eventType();
  BarMessage message;
  int result = 0;
};

// Delivers `message` to `bar` now; the bar's answer, or 0 without a bar.
int sendBarMessage(QObject* bar, BarMessage message);

}  // namespace tavo::player
