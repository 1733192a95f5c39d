#include "player/preferences/TFmOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/PresentationPath.h"
#include "format/ProfileFile.h"
#include "platform/QtText.h"
#include "platform/Shell.h"
#include "player/bar/TFmMain.h"
#include "player/preferences/TRadioGroup.h"

namespace tavo::player {

namespace {

constexpr int kWidth = 505;
constexpr int kHeight = 425;

QStringList names(const auto& list) {
  QStringList out;
  for (const char* n : list) out << QString::fromLatin1(n);
  return out;
}

const QStringList kDisplayMethods = {"Actual Size", "Full Screen, Constrain Proportions",
                                     "Full Screen, Do Not Constrain (Image may be distorted)"};

// A label that reads as a link; a click runs `onClick`.
QLabel* linkLabel(const QString& text, QWidget* parent, std::function<void()> onClick) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::RichText);
  label->setText("<a href=\"#\">" + text.toHtmlEscaped() + "</a>");
  label->setCursor(Qt::PointingHandCursor);
  QObject::connect(label, &QLabel::linkActivated, label, [onClick = std::move(onClick)] { onClick(); });
  return label;
}

}  // namespace

TFmOptions::TFmOptions(const PlayerSettings& settings, const PreferencesDialogPort::Request& request,
                       PlayerLinks links, platform::Shell& shell, NotifyBar notifyBar, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      request_(request),
      links_(std::move(links)),
      shell_(shell),
      notifyBar_(std::move(notifyBar)) {
  setObjectName("TFmOptions");
  setWindowTitle("Preferences");
  setFixedSize(kWidth, kHeight);

  PageControl = new QTabWidget(this);
  PageControl->setObjectName("PageControl");
  PageControl->setGeometry(8, 8, kWidth - 16, kHeight - 56);
  createTickerPage();
  createVideoPage();
  createSlideshowPage();
  createAboutPage();
  createHelpPage();

  BtnOK = new QPushButton("OK", this);
  BtnCancel = new QPushButton("Cancel", this);
  BtnApply = new QPushButton("Apply", this);
  int left = kWidth - 8 - 3 * 80 - 2 * 6;
  for (QPushButton* b : {BtnOK, BtnCancel, BtnApply}) {
    b->setGeometry(left, kHeight - 38, 80, 27);
    left += 86;
  }
  BtnOK->setObjectName("BtnOK");
  BtnCancel->setObjectName("BtnCancel");
  BtnApply->setObjectName("BtnApply");
  BtnOK->setDefault(true);
  connect(BtnOK, &QPushButton::clicked, this, &TFmOptions::BtnOKClick);
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(BtnApply, &QPushButton::clicked, this, &TFmOptions::BtnApplyClick);

  readLanguageCaptions();
}

void TFmOptions::createTickerPage() {
  TabTicker = new QWidget;
  TabTicker->setObjectName("TabTicker");
  PageControl->addTab(TabTicker, "Ticker");

  RGrpTextSize = new TRadioGroup(" Text Size ", names(kTextSizeNames), TabTicker);
  RGrpTextSize->setObjectName("RGrpTextSize");
  RGrpTextSize->setGeometry(8, 8, 130, 104);

  StreamingText = new QGroupBox(" Streaming Text ", TabTicker);
  StreamingText->setObjectName("StreamingText");
  StreamingText->setGeometry(146, 8, 318, 104);
  auto* speedLabel = new QLabel("Ticker Speed", StreamingText);
  speedLabel->setGeometry(10, 20, 120, 16);
  TrackBar1 = new QSlider(Qt::Horizontal, StreamingText);
  TrackBar1->setObjectName("TrackBar1");
  TrackBar1->setRange(kMinTickerSpeed, kMaxTickerSpeed);
  TrackBar1->setSingleStep(1);
  TrackBar1->setPageStep(1);
  TrackBar1->setTickInterval(1);
  TrackBar1->setTickPosition(QSlider::TicksBelow);
  TrackBar1->setGeometry(10, 38, 200, 26);
  Slow = new QLabel("Slow", StreamingText);
  Slow->setObjectName("Slow");
  Slow->setGeometry(10, 66, 60, 16);
  Fast = new QLabel("Fast", StreamingText);
  Fast->setObjectName("Fast");
  Fast->setAlignment(Qt::AlignRight);
  Fast->setGeometry(150, 66, 60, 16);
  CkBxStreamingTextBoldFont = new QCheckBox("Bold Font", StreamingText);
  CkBxStreamingTextBoldFont->setObjectName("CkBxStreamingTextBoldFont");
  CkBxStreamingTextBoldFont->setGeometry(222, 40, 90, 20);

  auto* colors = new QGroupBox(" Color Scheme ", TabTicker);
  colors->setGeometry(8, 120, 188, 60);
  CBxColors = new QComboBox(colors);
  CBxColors->setObjectName("CBxColors");
  CBxColors->addItems(names(kColorSchemeNames));
  CBxColors->setGeometry(10, 24, 168, 24);

  RGrpButtonBarLoc = new TRadioGroup(" Button Bar Location ", names(kPlaceNames), TabTicker);
  RGrpButtonBarLoc->setObjectName("RGrpButtonBarLoc");
  RGrpButtonBarLoc->setGeometry(204, 120, 140, 76);
  RGrpTickerPos = new TRadioGroup(" Ticker Position ", names(kPlaceNames), TabTicker);
  RGrpTickerPos->setObjectName("RGrpTickerPos");
  RGrpTickerPos->setGeometry(352, 120, 120, 76);

  auto* buttonBar = new QGroupBox(" Button Bar ", TabTicker);
  buttonBar->setGeometry(8, 188, 188, 52);
  CkBxButtonFont = new QCheckBox("Bold Font", buttonBar);
  CkBxButtonFont->setObjectName("CkBxButtonFont");
  CkBxButtonFont->setGeometry(10, 22, 120, 20);
}

void TFmOptions::createVideoPage() {
  TabVideo = new QWidget;
  TabVideo->setObjectName("TabVideo");
  PageControl->addTab(TabVideo, "Video && Screen Saver");
  auto* video = new QGroupBox(" Video Options ", TabVideo);
  video->setGeometry(8, 8, 200, 52);
  CkBxMute = new QCheckBox("Mute", video);
  CkBxMute->setObjectName("CkBxMute");
  CkBxMute->setGeometry(10, 22, 120, 20);
}

void TFmOptions::createSlideshowPage() {
  TabSlideshow = new QWidget;
  TabSlideshow->setObjectName("TabSlideshow");
  PageControl->addTab(TabSlideshow, "Slideshow");
  RGrpSlideshow = new TRadioGroup(" Slideshow Image Size ", kDisplayMethods, TabSlideshow);
  RGrpSlideshow->setObjectName("RGrpSlideshow");
  RGrpSlideshow->setGeometry(8, 8, 456, 104);
  RGrpThumbnail = new TRadioGroup(" Thumbnail Image Size ", kDisplayMethods, TabSlideshow);
  RGrpThumbnail->setObjectName("RGrpThumbnail");
  RGrpThumbnail->setGeometry(8, 120, 456, 104);
}

void TFmOptions::createAboutPage() {
  TabAbout = new QWidget;
  TabAbout->setObjectName("TabAbout");
  PageControl->addTab(TabAbout, "About");
  auto* layout = new QVBoxLayout(TabAbout);
  layout->setContentsMargins(12, 12, 12, 12);
  LbInstallPath = new QLabel(TabAbout);
  LbVersion = new QLabel(TabAbout);
  LbFirstInstall = new QLabel(TabAbout);
  LbSubscribers = new QLabel(TabAbout);
  for (QLabel* l : {LbInstallPath, LbVersion, LbFirstInstall, LbSubscribers}) {
    l->setTextFormat(Qt::PlainText);
    layout->addWidget(l);
  }
  layout->addSpacing(12);
  LbProductSite = linkLabel("Tavo Player web site", TabAbout, [this] { LbProductSiteClick(); });
  LbCreatorPage = linkLabel("Tavo Creator: make your own presentations", TabAbout, [this] { LbCreatorPageClick(); });
  LbContentPage = linkLabel("Tavo Content: presentations to watch", TabAbout, [this] { LbContentPageClick(); });
  for (QLabel* l : {LbProductSite, LbCreatorPage, LbContentPage}) layout->addWidget(l);
  layout->addSpacing(12);
  BtnAddSubscribers = new QPushButton("Add Tavo Subscribers", TabAbout);
  BtnAddSubscribers->setObjectName("BtnAddSubscribers");
  connect(BtnAddSubscribers, &QPushButton::clicked, this, &TFmOptions::BtnAddSubscribersClick);
  layout->addWidget(BtnAddSubscribers, 0, Qt::AlignLeft);
  layout->addStretch();
}

void TFmOptions::createHelpPage() {
  TabHelp = new QWidget;
  TabHelp->setObjectName("TabHelp");
  PageControl->addTab(TabHelp, "Help");
  auto* layout = new QVBoxLayout(TabHelp);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->addWidget(new QLabel("Help for Tavo Player is available at:", TabHelp));
  LbSupport = linkLabel(platform::fromPath(links_.supportPage), TabHelp, [this] { LbSupportClick(); });
  LbSupport->setObjectName("LbSupport");
  LbSupport->setWordWrap(true);
  layout->addWidget(LbSupport);
  layout->addStretch();
}

// A "language.ini" in the current folder replaces the speed group's captions.
void TFmOptions::readLanguageCaptions() {
  const std::string folder = platform::toPath(QDir::currentPath()) + "/";
  if (!fileExistsIn(folder, "language.ini")) return;
  const ProfileFile file = ProfileFile::load(resolveName(folder, "language.ini"));
  auto caption = [&file](const char* key) { return platform::fromFileText(file.readString("Ticker", key, "ERROR")); };
  StreamingText->setTitle(caption("StreamingText"));
  Slow->setText(caption("Slow"));
  Fast->setText(caption("Fast"));
}

void TFmOptions::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    FormShow();
  }
}

void TFmOptions::FormShow() {
  if (QScreen* s = screen()) {
    const QRect r = s->geometry();
    move(r.x() + (r.width() - width()) / 2, r.y() + (r.height() - height()) / 2);
  }
  LoadSettings();
  PageControl->setCurrentWidget(request_.page == PreferencesDialogPort::Page::About ? TabAbout : TabTicker);
}

void TFmOptions::LoadSettings() {
  LbInstallPath->setText("Installation Directory = " + platform::fromPath(settings_.installPath()));
  LbVersion->setText("Version = " + platform::fromFileText(settings_.version()));
  LbFirstInstall->setText("First Installation = " + platform::fromFileText(settings_.firstInstall()));
  LbSubscribers->setText("Tavo Subscribers = " + QString::number(request_.channelCount));

  loaded_ = loadPreferences(settings_);
  loadedOnce_ = true;
  const PreferenceValues& v = loaded_;
  RGrpTickerPos->setItemIndex(v.tickerPosition);
  RGrpButtonBarLoc->setItemIndex(v.buttonBarLocation);
  RGrpTextSize->setItemIndex(v.textSize);
  TrackBar1->setValue(v.tickerSpeed);
  CkBxStreamingTextBoldFont->setChecked(v.tickerBold);
  CkBxButtonFont->setChecked(v.buttonBarBold);
  CkBxMute->setChecked(v.mute);
  CBxColors->setCurrentIndex(static_cast<int>(v.colorScheme));
  RGrpSlideshow->setItemIndex(v.slideMethod);
  RGrpThumbnail->setItemIndex(v.thumbMethod);
}

PreferenceValues TFmOptions::shownValues() const {
  PreferenceValues v;
  v.tickerPosition = RGrpTickerPos->itemIndex();
  v.buttonBarLocation = RGrpButtonBarLoc->itemIndex();
  v.textSize = RGrpTextSize->itemIndex();
  v.tickerSpeed = TrackBar1->value();
  v.tickerBold = CkBxStreamingTextBoldFont->isChecked();
  v.buttonBarBold = CkBxButtonFont->isChecked();
  v.mute = CkBxMute->isChecked();
  v.colorScheme = schemeFromName(CBxColors->currentText().toStdString());
  v.slideMethod = RGrpSlideshow->itemIndex();
  v.thumbMethod = RGrpThumbnail->itemIndex();
  return v;
}

void TFmOptions::SaveSettings() {
  if (!loadedOnce_) return;  // nothing was shown, so nothing was changed
  const PreferenceValues shown = shownValues();
  savePreferences(settings_, shown, loaded_);
  loaded_ = shown;
}

void TFmOptions::BtnOKClick() {
  SaveSettings();
  accept();
}

void TFmOptions::BtnApplyClick() {
  SaveSettings();
  if (notifyBar_) notifyBar_(BarMessage::SettingsChanged);
}

void TFmOptions::open(const std::string& address) { shell_.openDocument(platform::fromPath(address)); }

void TFmOptions::BtnAddSubscribersClick() { open(links_.addSubscribersPage()); }
void TFmOptions::LbProductSiteClick() { open(links_.productPage); }
void TFmOptions::LbCreatorPageClick() { open(links_.creatorPage); }
void TFmOptions::LbContentPageClick() { open(links_.contentPage); }
void TFmOptions::LbSupportClick() { open(links_.supportPage); }

void PreferencesDialog::runModal(const Request& request) {
  auto* bar = qobject_cast<TFmMain*>(request.bar);
  TFmOptions dialog(settings_, request, readPlayerLinks(programFolder_), shell_, [bar](BarMessage m) {
    if (bar) bar->BarMessageReceived(m);
  }, request.bar);
  dialog.exec();
}

}  // namespace tavo::player
