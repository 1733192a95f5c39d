#include "creator/wizard/TFmStep3.h"

#include <QEvent>
#include <QMouseEvent>

#include "common/PresentationPath.h"
#include "common/QxMisc.h"
#include "common/widgets/TQxGrid.h"
#include "creator/main/TFmMain.h"
#include "creator/wizard/PicturePreview.h"
#include "platform/QtText.h"
#include "platform/TFileOperation.h"

namespace tavo::creator {

namespace {

QString q(const std::string& utf8) { return QString::fromStdString(utf8); }
std::string s(const QString& text) { return text.toStdString(); }

struct GroupRow {
  const char* caption;
  int tag;
  std::vector<const char*> extensions;
};

const std::vector<GroupRow>& groupRows() {
  static const std::vector<GroupRow> rows = {
      {"1.  Web Links -", 1, {"HTM,", "HTML,", "RAM"}},
      {"2.  Video Formats -", 2, {"AVI,", "MOV,", "MPG,", "MPEG,", "WMV"}},
      {"3.  Audio Formats -", 3, {"RAM,", "MP3,", "WAV"}},
      {"4.  Executable Formats -", 4, {"EXE,"}},
      {"5.  Office File Formats -", 5, {"DOC,", "XLS,", "PPT,", "RTF,", "TXT,", "PDF"}},
      {"6.  Image Formats -", 6, {"BMP,", "EPS,", "GIF,", "JPG,", "TIF,", "LYX,", "SCR"}},
      {"7.  Tavo Formats -", 7, {"Provider,", "Slideshows,", "Thumbnails", "TavoSetup.exe"}},
  };
  return rows;
}

}  // namespace

QString thumbnailInstructions() {
  return "You can create Thumbnails (six pictures that display simultaneously) with as many images as you want.   "
         "Click 'NEW' to define the 'Thumbnail Name' and 'Title Caption' first, then import your images by clicking "
         "'Import'.\n\n"
         "Each Thumbnail can link to more than 25 file types including video, audio, slideshows, other content "
         "providers.  See the list of file types below left.  Set the 'Cycle Interval' and add a sound file if you "
         "want one.\n\n"
         "If you want to make Thumbnails that launch other Thumbnails, don't try to assign them until you've created "
         "all the Thumbnails you want in your presentation.";
}

TFmStep3::TFmStep3(TFmMain& main, QWidget* panel) : TFmSetPage(main, panel, 3, SetKind::Thumbnail) {
  MemoInstructions->setPlainText(thumbnailInstructions());
  BtnMoreInfo->setToolTip("More info on viewer creation");
  // The title caption stands where the slideshow's sound file is; the sound moves right.
  LbTitleCaption = new QLabel("Title Caption", PnContent);
  LbTitleCaption->setGeometry(306, 0, 150, 16);
  EdTitleCaption = new QLineEdit(PnContent);
  EdTitleCaption->setGeometry(306, 18, 120, 22);
  LbSound->setGeometry(430, 0, 120, 16);
  EdSound->setGeometry(430, 18, 86, 22);
  BtnSound->setGeometry(518, 18, 22, 22);
  BtnImport->setGeometry(544, 18, 48, 22);
  BtnNew->setGeometry(594, 18, 48, 22);
  LbStartHere->setGeometry(596, 2, 70, 16);
  BtnSaveAs->setGeometry(644, 18, 54, 22);
  BtnTest->setGeometry(700, 18, 44, 22);

  Grid1->setColCount(4);
  Grid1->setTitles({"#", "Image File", "Thumbnail Caption", "Image Link"});
  Grid1->showTitles();
  Grid1->LeftColNumber(true);
  const int widths[] = {25, 77, 143, 96};
  for (int c = 0; c < 4; ++c) Grid1->setColWidth(c, widths[c]);
  Grid1->AutoInsert = false;
  Grid1->AutoDelete = false;
  Grid1->setGeometry(10, 46, 364, 166);
  BtnLink = new QPushButton("Link", Grid1);
  BtnLink->hide();
  Grid1->setColComponents({"", "browse", "", "link"}, {nullptr, BtnBrowse, nullptr, BtnLink});
  Grid1->OnButton1Click = [this](QObject* sender) {
    if (sender == BtnBrowse) BtnBrowseClick();
    if (sender == BtnLink) BtnLinkClick();
  };
  numberRows(*Grid1, 0);
  Preview->setGeometry(380, 46, 120, 90);

  auto* lbTypes = new QLabel("Your Thumbnail images can launch any of the 25 file types defined below:", PnContent);
  lbTypes->setGeometry(10, 214, 500, 16);
  PnTypes = new QWidget(PnContent);
  PnTypes->setGeometry(506, 46, 140, 166);
  PnExtensions = new QWidget(PnContent);
  PnExtensions->setGeometry(10, 230, 734, 40);
  int y = 0;
  int x = 0;
  int line = 0;
  for (const GroupRow& group : groupRows()) {
    auto* label = new QLabel(group.caption, PnTypes);
    label->setProperty("tag", group.tag);
    label->setGeometry(0, y, 140, 16);
    y += 22;
    labels_.push_back(label);
    for (const char* ext : group.extensions) {
      auto* e = new QLabel(ext, PnExtensions);
      e->setProperty("tag", std::string(ext) == "TavoSetup.exe" ? 0 : group.tag);
      const int w = e->fontMetrics().horizontalAdvance(ext) + 6;
      if (x + w > 734) {
        x = 0;
        ++line;
      }
      e->setGeometry(x, line * 18, w, 16);
      x += w;
      labels_.push_back(e);
    }
    x += 10;
  }
  LbChange = new QLabel("Change", PnContent);
  LbChange->setGeometry(660, 46, 80, 18);
  LbChange->setAlignment(Qt::AlignCenter);
  LbChange->setStyleSheet("QLabel { font: bold 10px; color: black; border: 1px solid gray; }");
  labels_.push_back(LbChange);
  for (QLabel* label : labels_) {
    label->setCursor(Qt::PointingHandCursor);
    label->installEventFilter(this);
  }
}

QLabel* TFmStep3::labelNamed(const QString& caption) const {
  for (QLabel* label : labels_)
    if (label->text() == caption) return label;
  return nullptr;
}

bool TFmStep3::eventFilter(QObject* watched, QEvent* event) {
  if (auto* label = qobject_cast<QLabel*>(watched)) {
    if (event->type() == QEvent::MouseButtonPress) {
      labelClick(*label);
      return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
      labelDoubleClick(*label);
      return true;
    }
  }
  return TFmSetPage::eventFilter(watched, event);
}

void TFmStep3::labelClick(QLabel& label) {
  if (&label == LbChange) {
    if (QLabel* provider = labelNamed("Provider,")) labelClick(*provider);
    return;
  }
  if (label.parentWidget() == PnTypes) {
    selectFileType(label, *PnTypes, *PnExtensions);
    return;
  }
  selectExtension(label, *PnTypes);
  LbChange->setStyleSheet(QString("QLabel { font: bold 10px; color: %1; border: 1px solid gray; }")
                              .arg(label.text() == "Provider," ? kHighlightColour : "black"));
}

void TFmStep3::labelDoubleClick(QLabel&) {
  const int row = Grid1->Row() < 1 ? 1 : Grid1->Row();
  Grid1->setCurrentCell(3, row);
  BtnLinkClick();
}

void TFmStep3::BtnNewClick() {
  TwoStringsRequest request;
  request.caption = "New Thumbnail";
  request.label1 = "Thumbnail Name";
  request.label2 = "Title Caption";
  request.targetFolder = q(library());
  const auto answer = main_.dialogs().getTwoStrings(request);
  if (!answer) return;
  if (!answer->first.isEmpty()) {
    saveCurrentSet();
    emptyGrid();
    addAndSelect(s(answer->first));
  }
  EdTitleCaption->setText(answer->second);
}

bool TFmStep3::copySetToProvider(int kind, const std::string& name) {
  if (providerFolder.empty()) {
    main_.platformServices().messages.showInfo("Choose a content provider in Step 1 before linking to a set.");
    return false;
  }
  const std::string from =
      libraryFolder(programFolder, kind == 2 ? SetKind::Slideshow : SetKind::Thumbnail) + name;
  const std::string to = withTrailingSeparator(providerFolder) + name;
  // A set of that name edited in the provider's folder is replaced only when the author agrees;
  // keeping it still links to it.
  if (isFolder(to) && setFoldersDiffer(from, to) &&
      !main_.platformServices().messages.askYesNo(
          q("The content provider already has a set named " + name +
            " that differs from the library's. Do you want to overwrite it?"),
          "Overwrite set?"))
    return true;
  // A failed copy reaches the error handler and the link is not written.
  platform::copyFolderQuiet(platform::fromPath(from), platform::fromPath(withTrailingSeparator(providerFolder)));
  return true;
}

void TFmStep3::BtnLinkClick() {
  if (Grid1->Col() != 3 || setFolder.empty()) return;
  const int row = Grid1->Row();
  if (linkKind <= 0) {
    const QString chosen = executeOpenDialog();
    if (chosen.isEmpty()) return;
    if (importIntoCell(chosen, 3, row)) rememberFolder(s(chosen));
    return;
  }
  if (linkKind == 4) {
    Grid1->setCell(3, row, q(linkText(4, {})));
    return;
  }
  const std::string name = chooseLinkTarget(linkKind);
  if (name.empty()) return;
  if ((linkKind == 2 || linkKind == 3) && !copySetToProvider(linkKind, name)) return;
  Grid1->setCell(3, row, q(linkText(linkKind, name)));
}

DialogChoice TFmStep3::browseDialog() const {
  return {"JPG files (*.jpg, *.jpeg)|*.jpg;*.jpeg|All files (*.*)|*.*", {}, 1};
}

void TFmStep3::rowsToGrid(const EditorSet& set) {
  EdTitleCaption->setText(q(set.titleCaption));
  for (std::size_t i = 0; i < set.rows.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    Grid1->setCell(1, row, q(set.rows[i].file));
    Grid1->setCell(2, row, q(set.rows[i].caption));
    Grid1->setCell(3, row, q(set.rows[i].link));
  }
}

EditorSet TFmStep3::setFromGrid() const {
  EditorSet set;
  set.cycleInterval = intervalText();
  set.audioFile = EdSound->text().toStdString();
  set.titleCaption = EdTitleCaption->text().toStdString();
  for (int row = 1; row < Grid1->RowCount(); ++row) {
    SetImage image;
    image.file = s(Grid1->cell(1, row));
    image.caption = s(Grid1->cell(2, row));
    image.link = s(Grid1->cell(3, row));
    set.rows.push_back(image);
  }
  return set;
}

}  // namespace tavo::creator
