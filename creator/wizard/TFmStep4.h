#pragma once
// Step 4: the player's appearance for each content provider: sponsor logo and
// box with their links, caption, streaming ad interval, sound player graphic,
// viewing options, and the two ticker texts. Everything goes into the
// provider's "!Tavo.ini"; loaded on show and on every provider change, saved
// on close, before prior/next and when the provider list drops down.

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <functional>

#include "creator/logic/PageRules.h"
#include "creator/wizard/TFmCustWizardPage.h"

namespace tavo::creator {

class TFmStep4 : public TFmCustWizardPage {
  Q_OBJECT

 public:
  TFmStep4(TFmMain& main, QWidget* panel);

  void FormShow() override;
  void closePage() override;
  void CBxProvidersChange() override;
  void BtnNextProviderClick() override;
  void BtnPriorProviderClick() override;
  void CBxProvidersDropDown();

  void loadProvider();
  void saveProvider();
  void CkBxOverrideClick();
  void BtnLogoClick();
  void BtnBoxClick();
  void BtnGraphicClick();
  // The four "..." buttons: an HTML page (with its _files folder) as the link.
  void browseLink(QLineEdit& edit);
  void BtnIdleTickerClick();
  void BtnAdTextClick();

  // The file dialogs: the set-up in, the chosen file (empty: cancelled) out.
  std::function<QString(const DialogChoice&)> openFile;
  // Opens the ticker text editor on a file of the current provider.
  std::function<void(const std::string& fileName)> openTickerEditor;

  // Sponsor Options.
  QPushButton* BtnLogo;
  QLabel* ImgLogo;
  QLabel* LbLogoSize;
  QLineEdit* EdLogoLink;
  QPushButton* BtnBox;
  QLabel* ImgBox;
  QLabel* LbBoxSize;
  QLineEdit* EdBoxLink;
  QComboBox* CBxCaption;
  QLineEdit* EdCaptionLink;
  QLineEdit* EdInterval;
  QLineEdit* EdGraphic;
  QPushButton* BtnGraphic;
  QLabel* ImgGraphic;
  QLineEdit* EdGraphicTitle;
  QLineEdit* EdGraphicLink;
  QPushButton* BtnIdleTicker;
  QPushButton* BtnAdText;
  // Viewing Options.
  QGroupBox* GBxViewing;
  QCheckBox* CkBxOverride;
  QComboBox* CBxSpeed;
  QComboBox* CBxTickerPosition;
  QComboBox* CBxTickerText;
  QComboBox* CBxTickerSize;
  QComboBox* CBxButtonBarLocation;
  QComboBox* CBxButtonBarText;

  std::string logoFile;
  std::string boxFile;
  std::string pictureFolder;
  int storedSpeed = 7;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void choosePicture(QLabel& image, QLabel& sizeLabel, std::string& value, int w, int h);
  void showPicture(QLabel& image, QLabel& sizeLabel, const std::string& file, int w, int h);
  std::string imported(const std::string& previous, const QString& chosen);
};

}  // namespace tavo::creator
