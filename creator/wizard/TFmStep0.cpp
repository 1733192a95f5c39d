#include "creator/wizard/TFmStep0.h"

#include "creator/main/TFmMain.h"
#include "creator/wizard/TFmMoreInfo.h"
#include "creator/wizard/TFmWizard.h"

namespace tavo::creator {

namespace {

const char* const kAdvice[11] = {
    "The names of the companies, clubs or people whose content you show.",
    "The pictures of your slideshows (JPEG files) and a caption for each.",
    "The pictures of your thumbnail pages and where each one should lead.",
    "Each provider's logo and sponsor box pictures, its colours and the ticker's texts and links.",
    "The videos, music and web pages of each provider's playlist, and how long each plays.",
    "The text that scrolls with each playlist item (optional).",
    "The presentation's name and the content provider it starts with.",
    "The captions and links of each provider's player buttons.",
    "The search engines your viewers should be able to use.",
    "The streaming ad pictures and the times your presentation plays.",
    "Where your viewers get it: FTP site, CD, self-extracting program or network."};

}  // namespace

TFmStep0::TFmStep0(TFmMain& main, QWidget* panel) : TFmEmbedded(panel), main_(main) {
  LbTitle = new QLabel("What You Need to Complete The Tavo Creator Wizard", this);
  LbTitle->setGeometry(10, 2, 730, 28);
  LbTitle->setStyleSheet("QLabel { color: navy; font: bold 19px; }");
  for (int line = 0; line < 11; ++line) {
    const int y = 34 + line * 30;
    const QString step = line < 10 ? QString("Step %1.").arg(line + 1) : QString("Publish Presentation - ");
    LbStep[line] = new QLabel(step, this);
    LbStep[line]->setGeometry(10, y + 4, line < 10 ? 60 : 150, 18);
    LbStep[line]->setStyleSheet("QLabel { font-weight: bold; color: maroon; }");
    LbAdvice[line] = new QLabel(kAdvice[line], this);
    LbAdvice[line]->setGeometry(line < 10 ? 74 : 164, y + 4, line < 10 ? 560 : 470, 18);
    BtnMoreInfo[line] = new QPushButton("More Info", this);
    BtnMoreInfo[line]->setGeometry(650, y, 90, 26);
    connect(BtnMoreInfo[line], &QPushButton::clicked, this, [this, line] { BtnMoreInfoClick(line); });
  }
  BtnCompleteInstructions = new QPushButton("Complete Tavo Instructions", this);
  BtnCompleteInstructions->setToolTip("Tavo Creator User Guide & Screenshot Videos");
  BtnCompleteInstructions->setGeometry(10, 34 + 11 * 30 + 4, 220, 28);
  connect(BtnCompleteInstructions, &QPushButton::clicked, this, [this] { BtnCompleteInstructionsClick(); });
}

void TFmStep0::BtnMoreInfoClick(int line) {
  TFmMoreInfo info(main_, topicOf(line), &main_.wizard());
  info.exec();
}

void TFmStep0::BtnCompleteInstructionsClick() {
  main_.platformServices().shell.openDocument(
      QString::fromStdString(main_.programFolder() + "Help/TavoUserGuide.htm"));
}

}  // namespace tavo::creator
