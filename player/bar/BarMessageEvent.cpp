#include "player/bar/BarMessageEvent.h"

#include <QCoreApplication>

namespace tavo::player {

QEvent::Type BarMessageEvent::eventType() {
  static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

int sendBarMessage(QObject* bar, BarMessage message) {
  if (!bar) return 0;
  BarMessageEvent event(message);
  QCoreApplication::sendEvent(bar, &event);
  return event.result;
}

}  // namespace tavo::player
