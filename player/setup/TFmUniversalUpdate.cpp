#include "player/setup/TFmUniversalUpdate.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace tavo::player {

TFmUniversalUpdate::TFmUniversalUpdate(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Universal Update");
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint);
  setFixedSize(494, 369);

  auto* outer = new QVBoxLayout(this);
  auto* group = new QGroupBox(" Change Universal Update Time ", this);
  auto* g = new QVBoxLayout(group);
  auto* intro = new QLabel("The Tavo Player will update subscribers included in the Universal Update between:", group);
  intro->setWordWrap(true);
  g->addWidget(intro);

  auto* times = new QHBoxLayout;
  TimeFrom = new QTimeEdit(QTime(0, 0), group);
  TimeTo = new QTimeEdit(QTime(6, 0), group);
  TimeFrom->setDisplayFormat("HH:mm");
  TimeTo->setDisplayFormat("HH:mm");
  times->addWidget(TimeFrom);
  times->addWidget(new QLabel("and", group));
  times->addWidget(TimeTo);
  times->addStretch();
  g->addLayout(times);

  auto* basis = new QHBoxLayout;
  CBxBasis = new QComboBox(group);
  CBxBasis->addItems({"Hourly", "Daily", "Weekly", "Monthly", "Yearly"});
  CBxBasis->setCurrentIndex(1);
  basis->addWidget(new QLabel("On a", group));
  basis->addWidget(CBxBasis);
  basis->addWidget(new QLabel("basis", group));
  basis->addStretch();
  g->addLayout(basis);

  for (const char* text :
       {"The Universal Update lets you select a time range when all subscriber presentations can be downloaded "
        "together.",
        "A random time within the range is selected to download.  This prevents Tavo Players installed around the "
        "world from downloading subscriber content all at once."}) {
    auto* l = new QLabel(text, group);
    l->setWordWrap(true);
    g->addWidget(l);
  }
  g->addStretch();
  outer->addWidget(group);

  auto* buttons = new QHBoxLayout;
  BtnOK = new QPushButton("OK", this);
  BtnOK->setDefault(true);
  buttons->addStretch();
  buttons->addWidget(BtnOK);
  buttons->addStretch();
  outer->addLayout(buttons);
  connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);

  if (QScreen* s = screen()) move(s->geometry().center() - rect().center());
}

}  // namespace tavo::player
