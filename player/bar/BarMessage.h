#pragma once
// The notices other player windows send to the bar. The numbers are the ones
// the windows have always used (counted from the first application-defined
// window message, 1024), so that they read the same in every window.

namespace tavo::player {

inline constexpr int kFirstApplicationMessage = 1024;

enum class BarMessage : int {
  QuestionPrompt = kFirstApplicationMessage + 100,       // video window: offer its link with a question
  SettingsChanged = kFirstApplicationMessage + 101,      // preferences applied: re-read options and settings
  VideoNotice102 = kFirstApplicationMessage + 102,       // video window: end of video (no effect)
  Unused103 = kFirstApplicationMessage + 103,
  Unused104 = kFirstApplicationMessage + 104,
  OpenPromptLink = kFirstApplicationMessage + 105,       // video window: the user accepted the prompt
  OpenAddSubscribersPage = kFirstApplicationMessage + 106,  // preferences: the page for adding subscribers
  Query107 = kFirstApplicationMessage + 107,             // answered with 2
  PreferencesNotice108 = kFirstApplicationMessage + 108,  // no effect
  Unused109 = kFirstApplicationMessage + 109,
  ChannelListChanged = kFirstApplicationMessage + 110,   // preferences: the channel list changed
  ThumbnailViewerClosed = kFirstApplicationMessage + 118,  // show the bar and give it the focus
};

// The answer to BarMessage::Query107.
inline constexpr int kQuery107Answer = 2;

}  // namespace tavo::player
