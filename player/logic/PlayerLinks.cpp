#include "player/logic/PlayerLinks.h"

#include <algorithm>
#include <cctype>

#include "format/ProfileFile.h"

namespace tavo::player {

namespace {

// "https:", "file:", "mailto:"; a drive letter ("C:") is no scheme.
bool hasScheme(std::string_view value) {
  const std::size_t colon = value.find(':');
  if (colon == std::string_view::npos || colon < 2) return false;
  if (!std::isalpha(static_cast<unsigned char>(value[0]))) return false;
  return std::all_of(value.begin(), value.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) || c == '+' || c == '-' || c == '.';
  });
}

std::string configured(const ProfileFile& file, std::string_view key, std::string_view fallback,
                       const std::string& programFolder) {
  std::string value = file.readString(kLinksSection, key, fallback);
  // Blanks around a value typed by hand are no part of an address.
  const auto first = value.find_first_not_of(" \t");
  value = first == std::string::npos ? std::string() : value.substr(first, value.find_last_not_of(" \t") - first + 1);
  if (value.empty()) value = fallback;
  return resolveConfiguredLink(value, programFolder);
}

}  // namespace

std::string resolveConfiguredLink(std::string_view value, const std::string& programFolder) {
  if (hasScheme(value)) return std::string(value);
  std::string relative(value);
  std::replace(relative.begin(), relative.end(), '\\', '/');
  if (!relative.empty() && relative.front() == '/') return relative;  // already a full path
  return programFolder + relative;
}

namespace {

PlayerLinks linksFrom(const ProfileFile& file, const std::string& programFolder) {
  PlayerLinks links;
  links.webSite = configured(file, "Web Site", "help/", programFolder);
  if (links.webSite.back() != '/') links.webSite += '/';
  links.productPage = configured(file, "Product Page", "help/index.html", programFolder);
  links.creatorPage = configured(file, "Creator Page", "help/creator.html", programFolder);
  links.contentPage = configured(file, "Content Page", "help/content.html", programFolder);
  links.supportPage = configured(file, "Support Page", "help/index.html", programFolder);
  return links;
}

}  // namespace

PlayerLinks parsePlayerLinks(std::string_view configText, const std::string& programFolder) {
  return linksFrom(ProfileFile::parse(configText), programFolder);
}

PlayerLinks readPlayerLinks(const std::string& programFolder) {
  return linksFrom(ProfileFile::load(programFolder + kPlayerConfigFileName), programFolder);
}

}  // namespace tavo::player
