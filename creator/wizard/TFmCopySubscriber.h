#pragma once
// The copy dialog of Step 1: a presentation of the creator, then one of its
// content providers. Its results are the provider's name and folder.

#include <QComboBox>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <string>

#include "platform/Messages.h"

namespace tavo::creator {

class TFmCopySubscriber : public QDialog {
  Q_OBJECT

 public:
  // `projectsFolder` with a trailing separator; `currentPresentation` is left out of the list.
  TFmCopySubscriber(platform::Messages& messages, const std::string& projectsFolder,
                    const std::string& currentPresentation, QWidget* parent = nullptr);

  void CBxProjectsDropDown();
  void CBxProjectsChange();
  void BtnOKClick();

  QComboBox* CBxProjects;
  QListWidget* LBxProviders;
  QPushButton* BtnOK;
  QPushButton* BtnCancel;

  std::string providerName;
  std::string sourceFolder;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  platform::Messages& messages_;
  std::string projectsFolder_;
  bool placeholderShown_ = true;
};

}  // namespace tavo::creator
