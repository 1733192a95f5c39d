#include "creator/wizard/TFmStep4.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QImageReader>
#include <QPixmap>

#include "common/PresentationPath.h"
#include "common/QxMisc.h"
#include "creator/logic/AppearanceRules.h"
#include "creator/main/TFmMain.h"
#include "creator/wizard/TFmTickerText.h"
#include "format/ProviderSettings.h"
#include "platform/QtText.h"

namespace tavo::creator {

namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }
std::string s(const QString& text) { return text.toStdString(); }

constexpr const char* kPictureFilter =
    "Bitmaps (*.bmp)|*.bmp|JPEG Image File (*.jpg, *jpeg)|*.jpg;*.jpeg|All (*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp|"
    "PNG Image File (*.png)|*.png";
constexpr const char* kLinkFilter = "HTML files (*.htm, *.html)|*.htm;*.html|All files (*.*)|*.*";

QLabel* label(const QString& text, QWidget* parent, int x, int y, int w, int h = 16) {
  auto* l = new QLabel(text, parent);
  l->setGeometry(x, y, w, h);
  return l;
}
QLineEdit* edit(QWidget* parent, int x, int y, int w) {
  auto* e = new QLineEdit(parent);
  e->setGeometry(x, y, w, 20);
  return e;
}
QPushButton* button(const QString& text, QWidget* parent, int x, int y, int w, int h = 22) {
  auto* b = new QPushButton(text, parent);
  b->setGeometry(x, y, w, h);
  return b;
}
QComboBox* combo(const QStringList& items, QWidget* parent, int x, int y, int w) {
  auto* c = new QComboBox(parent);
  c->addItems(items);
  c->setGeometry(x, y, w, 20);
  return c;
}
// The edit's hint shows its own text as it changes.
void hintFollowsText(QLineEdit* e) {
  QObject::connect(e, &QLineEdit::textChanged, e, [e](const QString& text) { e->setToolTip(text); });
}

}  // namespace

TFmStep4::TFmStep4(TFmMain& main, QWidget* panel) : TFmCustWizardPage(main, panel) {
  stepNumber = 4;
  LbTitle->setText("Step 4 - Player Appearance");
  MemoInstructions->setPlainText(
      "The Tavo Creator lets you customize the player appearance by assigning text, links, and graphics.  Set each "
      "of the parameters below to create a custom ticker.  Make sure the graphic files are the exact size specified "
      "below!\n\nDon't forget to customize the ticker for each content provider in your presentation.");
  openFile = [this](const DialogChoice& choice) {
    OpenDialog = choice;
    return executeOpenDialog();
  };
  openTickerEditor = [this](const std::string& fileName) {
    TFmTickerText editor(main_, this, fileName, providerFolder);
    editor.ShowModal();
  };

  QWidget* p = PnContent;
  auto* red = label("*", p, 2, 4, 8);
  red->setStyleSheet("QLabel { color: red; font-weight: bold; }");
  label("Sponsor Logo  (40 x 40 BMP)", p, 10, 4, 190);
  LbLogoSize = label("", p, 200, 4, 90);
  BtnLogo = button("Logo", p, 10, 22, 50);
  BtnLogo->setToolTip("Select sponsor logo");
  ImgLogo = label("", p, 64, 22, 40, 40);
  ImgLogo->setFrameShape(QFrame::Box);
  label("Link", p, 110, 24, 30);
  EdLogoLink = edit(p, 140, 22, 190);
  auto* BtnLogoLink = button("...", p, 332, 22, 24, 20);

  label("Sponsor Box  (24 x 120 BMP)", p, 10, 68, 190);
  LbBoxSize = label("", p, 200, 68, 90);
  BtnBox = button("Image", p, 10, 86, 50);
  BtnBox->setToolTip("Select sponsor box image");
  ImgBox = label("", p, 64, 86, 120, 24);
  ImgBox->setFrameShape(QFrame::Box);
  label("Link", p, 190, 90, 30);
  EdBoxLink = edit(p, 220, 88, 110);
  hintFollowsText(EdBoxLink);
  auto* BtnBoxLink = button("...", p, 332, 88, 24, 20);

  label("Caption Text Line", p, 10, 118, 120);
  CBxCaption = new QComboBox(p);
  CBxCaption->setEditable(true);
  CBxCaption->setGeometry(10, 134, 180, 20);
  label("Link", p, 194, 136, 26);
  EdCaptionLink = edit(p, 220, 134, 110);
  hintFollowsText(EdCaptionLink);
  auto* BtnCaptionLink = button("...", p, 332, 134, 24, 20);

  label("Streaming Ad Text File", p, 10, 162, 150);
  BtnAdText = button("Assign Text", p, 10, 178, 100);
  label("Text Line Interval (min/sec)", p, 116, 180, 180);
  EdInterval = edit(p, 296, 178, 50);
  EdInterval->setInputMask("90:00;_");
  EdInterval->setMaxLength(5);
  EdInterval->setText("00:05");
  BtnIdleTicker = button("Assign Idle Ticker Text", p, 10, 210, 180, 26);

  label("Sound Player Graphic", p, 370, 4, 140);
  EdGraphic = edit(p, 370, 22, 150);
  hintFollowsText(EdGraphic);
  BtnGraphic = button("...", p, 522, 22, 24, 20);
  BtnGraphic->setToolTip("Browse to image file ");
  ImgGraphic = nullptr;
  label("Title", p, 370, 48, 40);
  EdGraphicTitle = edit(p, 410, 46, 136);
  hintFollowsText(EdGraphicTitle);
  label("Link", p, 370, 72, 40);
  EdGraphicLink = edit(p, 410, 70, 110);
  hintFollowsText(EdGraphicLink);
  auto* BtnGraphicLink = button("...", p, 522, 70, 24, 20);

  GBxViewing = new QGroupBox("Viewing Options", p);
  GBxViewing->setGeometry(370, 96, 370, 150);
  CkBxOverride = new QCheckBox("Override user settings when running the playlist", GBxViewing);
  CkBxOverride->setGeometry(8, 18, 350, 18);
  CBxSpeed = combo({"1", "2", "3", "4", "5", "6", "7", "8", "9"}, GBxViewing, 0, 0, 10);
  CBxSpeed->hide();
  label("Ticker Position", GBxViewing, 8, 44, 110);
  CBxTickerPosition = combo({"Top", "Bottom"}, GBxViewing, 8, 60, 100);
  label("Ticker Text", GBxViewing, 128, 44, 110);
  CBxTickerText = combo({"Bold", "Regular"}, GBxViewing, 128, 60, 100);
  label("Ticker Text Size", GBxViewing, 248, 44, 110);
  CBxTickerSize = combo({"Small", "Large", "Jumbo"}, GBxViewing, 248, 60, 100);
  label("Button Bar Location", GBxViewing, 8, 90, 118);
  CBxButtonBarLocation = combo({"Top", "Bottom"}, GBxViewing, 8, 106, 100);
  label("Button Bar Text", GBxViewing, 128, 90, 110);
  CBxButtonBarText = combo({"Bold", "Regular"}, GBxViewing, 128, 106, 100);

  connect(BtnLogo, &QPushButton::clicked, this, [this] { BtnLogoClick(); });
  connect(BtnBox, &QPushButton::clicked, this, [this] { BtnBoxClick(); });
  connect(BtnGraphic, &QPushButton::clicked, this, [this] { BtnGraphicClick(); });
  connect(BtnLogoLink, &QPushButton::clicked, this, [this] { browseLink(*EdLogoLink); });
  connect(BtnBoxLink, &QPushButton::clicked, this, [this] { browseLink(*EdBoxLink); });
  connect(BtnCaptionLink, &QPushButton::clicked, this, [this] { browseLink(*EdCaptionLink); });
  connect(BtnGraphicLink, &QPushButton::clicked, this, [this] { browseLink(*EdGraphicLink); });
  connect(BtnIdleTicker, &QPushButton::clicked, this, [this] { BtnIdleTickerClick(); });
  connect(BtnAdText, &QPushButton::clicked, this, [this] { BtnAdTextClick(); });
  connect(CkBxOverride, &QCheckBox::clicked, this, [this] { CkBxOverrideClick(); });
  // The list's pop-up showing is its drop-down: what the author did so far is saved then.
  CBxProviders->view()->window()->installEventFilter(this);
}

bool TFmStep4::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Show && watched == CBxProviders->view()->window()) CBxProvidersDropDown();
  return TFmCustWizardPage::eventFilter(watched, event);
}

void TFmStep4::FormShow() {
  TFmCustWizardPage::FormShow();
  CBxCaption->clear();
  loadProvider();
  BtnSamples->setEnabled(false);
  pictureFolder = programFolder + "FileSet";
  CkBxOverrideClick();
  playStepSound("Step4.wav");
}

void TFmStep4::closePage() {
  TFmCustWizardPage::closePage();
  saveProvider();
}

void TFmStep4::CBxProvidersChange() {
  TFmCustWizardPage::CBxProvidersChange();
  loadProvider();
}

void TFmStep4::BtnNextProviderClick() {
  saveProvider();
  TFmCustWizardPage::BtnNextProviderClick();
  loadProvider();
}

void TFmStep4::BtnPriorProviderClick() {
  saveProvider();
  TFmCustWizardPage::BtnPriorProviderClick();
  loadProvider();
}

void TFmStep4::CBxProvidersDropDown() { saveProvider(); }

void TFmStep4::loadProvider() {
  if (providerFolder.empty()) return;
  const ProfileFile file = ProfileFile::load(provider::settingsFilePath(providerFolder));
  const provider::ProviderViewingOptions v = provider::readViewingOptions(file);
  storedSpeed = v.tickerDataSpeed;
  CBxSpeed->setCurrentIndex(speedItemOf(v.tickerDataSpeed));
  CBxTickerPosition->setCurrentIndex(v.tickerAtTop ? 0 : 1);
  CBxTickerText->setCurrentIndex(v.tickerTextBold ? 0 : 1);
  CBxTickerSize->setCurrentIndex(static_cast<int>(v.tickerTextSize));
  CBxButtonBarLocation->setCurrentIndex(v.buttonBarAtTop ? 0 : 1);
  CBxButtonBarText->setCurrentIndex(v.buttonBarTextBold ? 0 : 1);

  const provider::SponsorOptions o = provider::readSponsorOptions(file, ReadMode::Editor);
  logoFile = o.logoImage;
  boxFile = o.boxImage;
  showPicture(*ImgLogo, *LbLogoSize, logoFile, 40, 40);
  showPicture(*ImgBox, *LbBoxSize, boxFile, 120, 24);
  EdLogoLink->setText(q(o.logoLink));
  EdBoxLink->setText(q(o.boxLink));
  EdCaptionLink->setText(q(o.captionLink));
  if (CBxCaption->findText(q(o.captionText), Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
    CBxCaption->addItem(q(o.captionText));
  CBxCaption->setCurrentIndex(CBxCaption->findText(q(o.captionText), Qt::MatchExactly | Qt::MatchCaseSensitive));
  EdInterval->setText(q(o.streamingAdInterval));
  EdGraphic->setText(q(o.soundPlayerGraphic));
  EdGraphicTitle->setText(q(o.soundPlayerGraphicLinkName));
  EdGraphicLink->setText(q(o.soundPlayerGraphicLink));
}

void TFmStep4::saveProvider() {
  if (providerFolder.empty() || !isFolder(providerFolder)) return;
  provider::ProviderViewingOptions v;
  v.tickerDataSpeed = speedToWrite(CBxSpeed->currentIndex(), storedSpeed);
  v.tickerAtTop = CBxTickerPosition->currentIndex() == 0;
  v.tickerTextBold = CBxTickerText->currentIndex() == 0;
  v.tickerTextSize = static_cast<provider::TickerTextSize>(std::max(0, CBxTickerSize->currentIndex()));
  v.buttonBarAtTop = CBxButtonBarLocation->currentIndex() == 0;
  v.buttonBarTextBold = CBxButtonBarText->currentIndex() == 0;
  provider::SponsorOptions o;
  o.logoImage = logoFile;
  o.logoLink = s(EdLogoLink->text());
  o.boxImage = boxFile;
  o.boxLink = s(EdBoxLink->text());
  o.captionText = s(CBxCaption->currentText());
  o.captionLink = s(EdCaptionLink->text());
  o.streamingAdInterval = s(EdInterval->text());
  o.soundPlayerGraphic = s(EdGraphic->text());
  o.soundPlayerGraphicLinkName = s(EdGraphicTitle->text());
  o.soundPlayerGraphicLink = s(EdGraphicLink->text());
  if (!provider::writeAppearance(providerFolder, v, o))
    throw std::runtime_error("Could not write " + provider::settingsFilePath(providerFolder));
}

void TFmStep4::CkBxOverrideClick() {
  const bool on = CkBxOverride->isChecked();
  for (QWidget* w : GBxViewing->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (w == CkBxOverride) continue;
    w->setEnabled(on);
    if (auto* l = qobject_cast<QLabel*>(w)) l->setStyleSheet(on ? "QLabel { color: black; }" : "QLabel { color: rgb(128, 128, 128); }");
  }
}

void TFmStep4::showPicture(QLabel& image, QLabel& sizeLabel, const std::string& file, int w, int h) {
  image.clear();
  sizeLabel.clear();
  if (file.empty() || !fileExistsIn(providerFolder + "/", file)) return;
  QImageReader reader(platform::fromPath(resolveName(providerFolder + "/", file)));
  const QSize size = reader.size();
  const QImage picture = reader.read();
  if (!picture.isNull()) image.setPixmap(QPixmap::fromImage(picture).scaled(w, h));
  const SizeNote note = pictureSizeNote(size.width(), size.height(), w, h);
  sizeLabel.setText(q(note.text));
  sizeLabel.setStyleSheet(note.matches ? "QLabel { color: black; }" : "QLabel { color: red; }");
}

std::string TFmStep4::imported(const std::string& previous, const QString& chosen) {
  const std::string path = platform::toPath(chosen);
  importFile(path, providerFolder);
  const ImportedValue result = importedValue(previous, path, providerFolder);
  if (result.copyFailed) main_.platformServices().messages.showError(q("Could not copy " + path));
  return result.value;
}

void TFmStep4::choosePicture(QLabel& image, QLabel& sizeLabel, std::string& value, int w, int h) {
  if (providerFolder.empty()) return;
  const QString chosen = openFile({kPictureFilter, pictureFolder, 0});
  if (chosen.isEmpty()) return;
  value = imported(value, chosen);
  pictureFolder = folderOf(platform::toPath(chosen));
  showPicture(image, sizeLabel, value, w, h);
}

void TFmStep4::BtnLogoClick() { choosePicture(*ImgLogo, *LbLogoSize, logoFile, 40, 40); }
void TFmStep4::BtnBoxClick() { choosePicture(*ImgBox, *LbBoxSize, boxFile, 120, 24); }

void TFmStep4::BtnGraphicClick() {
  if (providerFolder.empty()) return;
  const QString chosen = openFile({kPictureFilter, pictureFolder, 2});
  if (chosen.isEmpty()) return;
  EdGraphic->setText(q(imported(s(EdGraphic->text()), chosen)));
  pictureFolder = folderOf(platform::toPath(chosen));
}

void TFmStep4::browseLink(QLineEdit& edit) {
  if (providerFolder.empty()) return;
  const QString chosen = openFile({kLinkFilter, initialDir, 0});
  if (chosen.isEmpty()) return;
  edit.setText(q(imported(s(edit.text()), chosen)));
  rememberFolder(platform::toPath(chosen));
}

void TFmStep4::BtnIdleTickerClick() {
  if (!providerFolder.empty()) openTickerEditor("Ticker.txt");
}
void TFmStep4::BtnAdTextClick() {
  if (!providerFolder.empty()) openTickerEditor("Adstream.txt");
}

}  // namespace tavo::creator
