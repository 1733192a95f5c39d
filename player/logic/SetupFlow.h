#pragma once
// The pages of the player's setup wizard and how the user moves between them,
// with every text the pages show that depends on the user's answers. The
// wizard form (player/setup/TFmTavoSetup) shows what this says.
//
//   1 Reasons      "Receive Content Updates?"   only with ShowReasonsList
//   2 InstallPath  the installation path
//   3 AutoUpdate   "Receive Updates Automatically?" only with ShowReasonsList
//   4 Ready        the chosen parameters; Next reads "&Install"
//   5 Complete     the launcher choice, a small window without header and footer
//   6 DownloadNew  "Would you like to see if content updates are available ..."
//
// Page 1 is special: on its first visit the footer (Back, Next, Cancel) is
// hidden and the window is 41 pixels less high; only "&Yes" (on to page 2,
// footer back) and "&No" (close) lead away. Shown again through Back, it has
// the footer, no "&Yes"/"&No", and a 162-pixel list.

#include <string>
#include <vector>

namespace tavo::player::setup {

enum class Page { Reasons = 1, InstallPath = 2, AutoUpdate = 3, Ready = 4, Complete = 5, DownloadNew = 6 };

// What the form does after a button: show a page, run the installation (and
// show page 5 when it succeeded), or close the wizard. Nothing happens when a
// button does not apply to the page.
struct Move {
  enum class Kind { Nothing, Show, Install, Close };
  Kind kind = Kind::Nothing;
  Page page = Page::Reasons;  // for Show
  bool operator==(const Move&) const = default;
  static Move nothing() { return {}; }
  static Move show(Page p) { return {Kind::Show, p}; }
  static Move install() { return {Kind::Install, Page::Ready}; }
  static Move close() { return {Kind::Close, Page::Reasons}; }
};

// Sizes and visible parts of the window on the current page.
struct PageLayout {
  int clientWidth = 457;
  int clientHeight = 331;
  bool headerVisible = true;
  bool footerVisible = true;
  bool creatorLinkVisible = false;  // the "Tavo Creator" label in the footer
  bool backEnabled = false;
  bool reasonsButtonsVisible = false;  // "&Yes" / "&No" of page 1
  int reasonsListHeight = 0;           // 0: as designed; 162 on a later visit of page 1
  bool operator==(const PageLayout&) const = default;
};

inline constexpr int kClientWidth = 457;
inline constexpr int kClientHeight = 331;
inline constexpr int kFooterHeight = 41;
inline constexpr int kReasonsListHeightLater = 162;
inline constexpr int kCompleteWidth = 340;
inline constexpr int kCompleteHeight = 151;

class SetupFlow {
 public:
  // `updatesPagesOn`: the presentation's ShowReasonsList.
  explicit SetupFlow(bool updatesPagesOn) : updatesPagesOn_(updatesPagesOn) {}

  // The first page (1 with the updates pages, else 2); call once when shown.
  Page start();
  Page page() const { return page_; }
  bool updatesPagesOn() const { return updatesPagesOn_; }
  // Set by "&Yes" on page 1 (shown back to the user, stored nowhere).
  bool agreedToUpdates() const { return agreed_; }
  // Page 3's choice: "Yes, send me updates automatically." (chosen at first).
  bool autoUpdate() const { return autoUpdate_; }
  void setAutoUpdate(bool on) { autoUpdate_ = on; }

  PageLayout layout() const;

  Move back();
  // Next (page 2: call after the path was accepted); on page 4 it is "&Install".
  Move next();
  Move reasonsYes();
  Move reasonsNo();
  Move cancel();
  // The installation succeeded: page 5.
  Move installed();
  // "&OK" on page 5 (after the launchers were written): page 6.
  Move ok();
  // "&Yes" or "&No" on page 6.
  Move downloadAnswer();

 private:
  Move go(Page p);
  bool updatesPagesOn_;
  Page page_ = Page::Reasons;
  bool agreed_ = false;
  bool autoUpdate_ = true;
  bool footerRestored_ = false;  // page 1 was left through "&Yes"
  int reasonsVisits_ = 0;
};

// ---- texts -------------------------------------------------------------------

// LbTitle of a page (page 6 has none of its own: the window caption changes).
std::string pageTitle(Page page);
// "&Install" on page 4, else "&Next".
std::string nextCaption(Page page);
// "Tavo Setup - " + name; page 6: "Download New Content - " + name.
std::string windowCaption(Page page, const std::string& presentationName);
// Page 1's question, second line: "the" + name + " Presentation?" as written.
std::string reasonsQuestionLine(const std::string& presentationName);
// Page 1's list: each value of [Download Item List], numbered from 1.
std::vector<std::string> reasonsListItems(const std::vector<std::string>& values);
// Page 2's first line.
std::string installIntro(const std::string& presentationName);
// Page 4: "Yes" or "No", and the one or two message lines.
std::string autoUpdateText(bool autoUpdate);
std::vector<std::string> readyLines(bool autoUpdate);

}  // namespace tavo::player::setup
