#include "format/Links.h"

#include "common/QxMisc.h"

namespace tavo {

std::string fileExtension(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return {};
  const std::size_t sep = name.find_last_of("\\/:");
  if (sep != std::string_view::npos && sep > dot) return {};
  return std::string(name.substr(dot));
}

ClassifiedLink classifyLink(std::string_view link) {
  if (startsWithIgnoreCase(link, "Subscriber")) return {LinkClass::Channel, copyFrom(link, 12)};
  if (startsWithIgnoreCase(link, "SlideShow")) return {LinkClass::Slideshow, copyFrom(link, 11)};
  if (startsWithIgnoreCase(link, "ThumbNail")) return {LinkClass::Thumbnails, copyFrom(link, 11)};
  if (startsWithIgnoreCase(link, "Browser")) return {LinkClass::Browser, std::string(link)};
  if (startsWithIgnoreCase(link, "TavoSetup")) return {LinkClass::Setup, std::string(link)};
  const std::string ext = toLowerAnsi(fileExtension(link));
  if (ext == ".exe") return {LinkClass::Program, std::string(link)};
  if (ext == ".txt") return {LinkClass::TickerText, std::string(link)};
  return {LinkClass::Document, std::string(link)};
}

bool isAddress(std::string_view link) {
  if (startsWithIgnoreCase(link, "www.")) return true;
  const std::size_t colon = link.find(':');
  if (colon == std::string_view::npos || colon < 2) return false;
  const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  if (!letter(link[0])) return false;
  for (std::size_t i = 1; i < colon; ++i) {
    const char c = link[i];
    if (!letter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return false;
  }
  return !equalsIgnoreCase(link.substr(0, colon), "file");
}

std::string channelLink(std::string_view name) { return "Subscriber " + std::string(name); }
std::string slideshowLink(std::string_view setName) { return "Slideshow " + std::string(setName); }
std::string thumbnailLink(std::string_view setName) { return "Thumbnail " + std::string(setName); }

}  // namespace tavo
