#include "creator/wizard/TFmStepOutline.h"

#include "creator/logic/WizardSteps.h"

namespace tavo::creator {

QString stepInstructions(int step) {
  switch (step) {
    case 1:
      return "Name the content providers of your presentation. Each content provider becomes one channel of the "
             "player, with its own buttons, pictures, ticker text, slideshows and playlist. Type a name in the grid "
             "to create a content provider; change it to rename it; clear it to delete it.";
    case 2:
      return "Build slideshows from your pictures. Choose a slideshow or create a new one, add pictures with their "
             "captions and set how long each picture is shown. A slideshow can also serve as the screensaver.";
    case 3:
      return "Build thumbnail sets: pages of six small pictures, each with a caption and a link that opens a web "
             "page, a document, a slideshow or another content provider.";
    case 4:
      return "Choose how the player looks for the selected content provider: the sponsor logo and box, the button "
             "colours, the ticker font and colours, and the texts of the ticker.";
    case 5:
      return "Create playlists for the selected content provider: videos, music, pictures and web pages in the "
             "order they play, each with its play time.";
    case 6:
      return "Assign text to the items of a playlist. The text scrolls in the player's ticker panel while the item "
             "plays.";
    case 7:
      return "Set the options of the whole presentation: its name, the content provider the player starts with, "
             "the sound, and what the player shows when it starts.";
    case 8:
      return "Assign the buttons of the player's button bar for the selected content provider: each button gets a "
             "caption and a link.";
    case 9:
      return "Choose the search engines the player offers in its search box, each with the search string that "
             "receives the words typed.";
    case 10:
      return "Set the broadcast options of the selected content provider: the streaming ad, its interval, and the "
             "times the presentation plays.";
    case 11:
      return "Test your presentation in the player, then publish it: to an FTP site, a CD master folder, a "
             "self-extracting program or a network folder.";
    default:
      return {};
  }
}

TFmStepOutline::TFmStepOutline(TFmMain& main, QWidget* panel, int step) : TFmCustWizardPage(main, panel) {
  stepNumber = step;
  showProviderSelector = !(step == 1 || step == 2 || step == 3 || step == 11);
  LbTitle->setText(QString::fromUtf8(stepInfo(step).title.data(), static_cast<int>(stepInfo(step).title.size())));
  MemoInstructions->setPlainText(stepInstructions(step));
  LbEditorPending = new QLabel("The editor of this step is not part of this version of TavoCreator yet.", PnContent);
  LbEditorPending->setGeometry(10, 10, 700, 20);
  LbEditorPending->setStyleSheet("QLabel { color: gray; }");
}

void TFmStepOutline::FormShow() {
  TFmCustWizardPage::FormShow();
  if (stepNumber >= 1 && stepNumber <= 10) playStepSound("Step" + std::to_string(stepNumber) + ".wav");
}

}  // namespace tavo::creator
