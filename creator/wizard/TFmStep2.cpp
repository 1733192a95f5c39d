#include "creator/wizard/TFmStep2.h"

#include <QVBoxLayout>

#include "common/widgets/TQxGrid.h"
#include "creator/main/TFmMain.h"
#include "creator/wizard/PicturePreview.h"

namespace tavo::creator {

QString slideshowInstructions() {
  return "You can create multiple Slideshows with up to 100 images each for your presentation by importing all the "
         "Slideshow images from a single directory and clicking 'Import'.  After creating your Slideshow you can "
         "assign it to run in your playlist or from a button (Steps 5 & 8).\n\n"
         "Enter the caption text after the names of the files you want to show, then enter the synchronized ticker "
         "text (if any) that you want to display when the image appears.  The 'Image Caption' appears at the top of "
         "each image.\n\n"
         "Your Slideshow must include JPEG files or TIFF images that are in RGB format.  If they are CMYK files you "
         "must convert your Slideshow files to RGB in a program like Photoshop or Illustrator.";
}

TFmStep2::TFmStep2(TFmMain& main, QWidget* panel) : TFmSetPage(main, panel, 2, SetKind::Slideshow) {
  MemoInstructions->setPlainText(slideshowInstructions());
  Grid1->setColCount(5);
  Grid1->setTitles({"#", "Slideshow File Name", "Slideshow Image Caption", "Synchronized Ticker Text", "Hotlinks"});
  Grid1->showTitles();
  Grid1->LeftColNumber(true);
  const int widths[] = {25, 109, 143, 324, 89};
  for (int c = 0; c < 5; ++c) Grid1->setColWidth(c, widths[c]);
  Grid1->AutoInsert = true;
  Grid1->AutoDelete = true;
  Grid1->setGeometry(10, 46, 734, 166);
  BtnHotlink = new QPushButton("Hotlink", Grid1);
  BtnHotlink->hide();
  Grid1->setColComponents({"", "browse", "", "", "hotlink"}, {nullptr, BtnBrowse, nullptr, nullptr, BtnHotlink});
  Grid1->OnButton1Click = [this](QObject* sender) {
    if (sender == BtnBrowse) BtnBrowseClick();
    if (sender == BtnHotlink) BtnHotlinkClick();
  };
  numberRows(*Grid1, 0);
  // The preview sits in the rules box's corner: the grid takes the page's width.
  Preview->setGeometry(644, 216, 100, 52);

  GbRules = new QGroupBox(" Image Rules ", PnContent);
  GbRules->setGeometry(10, 212, 630, 58);
  GbRules->setStyleSheet("QGroupBox { font-size: 10px; }");
  auto* rules = new QVBoxLayout(GbRules);
  rules->setContentsMargins(6, 0, 6, 0);
  rules->setSpacing(0);
  for (const char* text :
       {"1.  NO CMYK Files - Only RGB! Convert in Photoshop or similar program.",
        "2.  If you want a border on your images, add them to each image before importing them.",
        "3.  Files should be uniform in size for best performance.  Save your files at either 800 x 600, 1024 x 768, "
        "or 1280 x 960.",
        "4.  Caption can be no more than 36 characters."}) {
    auto* line = new QLabel(text, GbRules);
    line->setStyleSheet("QLabel { font-size: 9px; }");
    line->setFixedHeight(10);
    rules->addWidget(line);
  }
}

DialogChoice TFmStep2::browseDialog() const {
  return {"All files (*.*)|*.*|JPG files (*.jpg;*.jpeg)|*.jpg;*.jpeg", {}, 2};
}

void TFmStep2::BtnHotlinkClick() {
  const int row = Grid1->Row();
  const auto answer = main_.dialogs().inputBox("Hotlink", "Enter hotlink for this image", Grid1->cell(4, row));
  if (answer) Grid1->setCell(4, row, *answer);
}

void TFmStep2::rowsToGrid(const EditorSet& set) {
  for (std::size_t i = 0; i < set.rows.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    const SetImage& image = set.rows[i];
    Grid1->setCell(1, row, QString::fromStdString(image.file));
    Grid1->setCell(2, row, QString::fromStdString(image.caption));
    Grid1->setCell(3, row, QString::fromStdString(image.syncText));
    Grid1->setCell(4, row, QString::fromStdString(image.hotlink));
  }
}

EditorSet TFmStep2::setFromGrid() const {
  EditorSet set;
  set.cycleInterval = intervalText();
  set.audioFile = EdSound->text().toStdString();
  for (int row = 1; row < Grid1->RowCount(); ++row) {
    SetImage image;
    image.file = Grid1->cell(1, row).toStdString();
    image.caption = Grid1->cell(2, row).toStdString();
    image.syncText = Grid1->cell(3, row).toStdString();
    image.hotlink = Grid1->cell(4, row).toStdString();
    set.rows.push_back(image);
  }
  return set;
}

}  // namespace tavo::creator
