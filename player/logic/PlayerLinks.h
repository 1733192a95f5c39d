#pragma once
// The addresses the player opens for itself: the page for adding subscribers,
// the About page's links and the Help page's support address. They come from
// the [Links] section of "TavoPlayer.ini" beside the player program:
//
//   [Links]
//   Web Site=help/              the page for adding subscribers is this
//                               + "tavoplayer/tavoplayer-addsubs.html"
//   Product Page=help/index.html
//   Creator Page=help/creator.html
//   Content Page=help/content.html
//   Support Page=help/index.html
//
// A value with a scheme ("https://...", "file:...", "mailto:...") is used as
// written; any other value names a file relative to the program's folder and
// becomes its full path. A missing file, key or empty value gives the default
// above, which points at the help pages shipped beside the player.

#include <string>
#include <string_view>

namespace tavo::player {

inline constexpr const char* kPlayerConfigFileName = "TavoPlayer.ini";
inline constexpr const char* kLinksSection = "Links";
inline constexpr const char* kAddSubscribersPath = "tavoplayer/tavoplayer-addsubs.html";

struct PlayerLinks {
  std::string webSite;       // ends with "/"
  std::string productPage;
  std::string creatorPage;
  std::string contentPage;
  std::string supportPage;
  std::string addSubscribersPage() const { return webSite + kAddSubscribersPath; }
};

// `programFolder` ends with a separator.
PlayerLinks readPlayerLinks(const std::string& programFolder);
PlayerLinks parsePlayerLinks(std::string_view configText, const std::string& programFolder);

// A configured value as an address: kept when it has a scheme, else the
// program folder + the value ("\" read as "/").
std::string resolveConfiguredLink(std::string_view value, const std::string& programFolder);

}  // namespace tavo::player
