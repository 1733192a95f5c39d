#include "creator/wizard/TFmCopySubscriber.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QLabel>

#include "common/QxMisc.h"
#include "creator/logic/Presentations.h"

namespace tavo::creator {

namespace {
constexpr const char* kPlaceholder = "Select a project";
}

TFmCopySubscriber::TFmCopySubscriber(platform::Messages& messages, const std::string& projectsFolder,
                                     const std::string& currentPresentation, QWidget* parent)
    : QDialog(parent), messages_(messages), projectsFolder_(projectsFolder) {
  setWindowTitle("Copy Content Provider");
  setFixedSize(360, 330);
  auto* text = new QLabel(
      "Select a project below, and then select a content provider's presentation on the bottom and click 'OK' to "
      "copy it to this project.",
      this);
  text->setWordWrap(true);
  text->setGeometry(10, 8, 340, 44);
  (new QLabel("Existing Projects", this))->setGeometry(10, 56, 200, 16);
  CBxProjects = new QComboBox(this);
  CBxProjects->setGeometry(10, 74, 340, 22);
  CBxProjects->addItem(kPlaceholder);
  for (const std::string& name : listVisibleSubfoldersSorted(projectsFolder))
    if (name != currentPresentation && isPlainFolderName(name)) CBxProjects->addItem(QString::fromStdString(name));
  CBxProjects->setCurrentIndex(0);
  (new QLabel("Content Providers", this))->setGeometry(10, 102, 200, 16);
  LBxProviders = new QListWidget(this);
  LBxProviders->setGeometry(10, 120, 340, 120);
  auto* note = new QLabel(
      "Note: You cannot copy a content provider if the same name already exists in your presentation.", this);
  note->setWordWrap(true);
  note->setGeometry(10, 244, 340, 36);
  BtnOK = new QPushButton("OK", this);
  BtnOK->setGeometry(180, 292, 80, 26);
  BtnOK->setDefault(true);
  BtnCancel = new QPushButton("Cancel", this);
  BtnCancel->setGeometry(270, 292, 80, 26);
  connect(CBxProjects, &QComboBox::activated, this, [this](int) { CBxProjectsChange(); });
  connect(BtnOK, &QPushButton::clicked, this, [this] { BtnOKClick(); });
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(LBxProviders, &QListWidget::itemDoubleClicked, this, [this] { BtnOKClick(); });
  CBxProjects->view()->window()->installEventFilter(this);
}

bool TFmCopySubscriber::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched == CBxProjects->view()->window()) CBxProjectsDropDown();
  return QDialog::eventFilter(watched, event);
}

void TFmCopySubscriber::CBxProjectsDropDown() {
  // The prompt entry goes the first time the list opens.
  if (!placeholderShown_) return;
  placeholderShown_ = false;
  if (CBxProjects->count() > 0 && CBxProjects->itemText(0) == kPlaceholder) CBxProjects->removeItem(0);
}

void TFmCopySubscriber::CBxProjectsChange() {
  LBxProviders->clear();
  const QString project = CBxProjects->currentText();
  if (project.isEmpty() || (placeholderShown_ && CBxProjects->currentIndex() == 0)) return;
  for (const std::string& name : listVisibleSubfoldersSorted(projectsFolder_ + project.toStdString()))
    LBxProviders->addItem(QString::fromStdString(name));
}

void TFmCopySubscriber::BtnOKClick() {
  QListWidgetItem* item = LBxProviders->currentItem();
  if (!item || !item->isSelected()) {
    messages_.showInfo("Please select a content provider to copy");
    LBxProviders->setFocus();
    return;
  }
  providerName = item->text().toStdString();
  sourceFolder = projectsFolder_ + CBxProjects->currentText().toStdString() + "/" + providerName;
  accept();
}

}  // namespace tavo::creator
