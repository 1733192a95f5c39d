#include "creator/wizard/TFmEmbedded.h"

#include <QLayout>
#include <QVBoxLayout>

namespace tavo::creator {

TFmEmbedded::TFmEmbedded(QWidget* panel) : QWidget(panel) {
  if (!panel->layout()) {
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
  }
  panel->layout()->addWidget(this);
}

}  // namespace tavo::creator
