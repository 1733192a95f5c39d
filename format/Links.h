#pragma once
// The one grammar of links shared by buttons, ticker hotlinks, slideshow and
// thumbnail links and playlist items, and its classification.
//
// The class is decided by the beginning of the link, without regard to case,
// in this order:
//   first 10 characters "Subscriber"  -> Channel     (name from the 12th character)
//   first 9  characters "SlideShow"   -> Slideshow   (name from the 11th character)
//   first 9  characters "ThumbNail"   -> Thumbnails  (name from the 11th character)
//   first 7  characters "Browser"     -> Browser
//   first 9  characters "TavoSetup"   -> Setup
//   otherwise by the file extension (lower case): ".exe" -> Program,
//   ".txt" -> TickerText, anything else -> Document.
// Classification only reads the text; acting on a link is the player's business.

#include <string>
#include <string_view>

namespace tavo {

enum class LinkClass { Channel, Slideshow, Thumbnails, Browser, Setup, Program, TickerText, Document };

struct ClassifiedLink {
  LinkClass kind = LinkClass::Document;
  // Channel, Slideshow, Thumbnails: the name after the word; every other class: the whole link.
  std::string name;
};

ClassifiedLink classifyLink(std::string_view link);

// The extension of a file name: from its last "." after the last "\", "/" or
// ":", including the "."; empty when there is none.
std::string fileExtension(std::string_view name);

// True when a link that names no file is an address to hand to the browser:
// it begins with a scheme ("http:", "https:", "mailto:", "ftp:", ... two or
// more letters, digits, "+", "-" or "." after a letter, then ":") or with
// "www.". A drive letter ("C:") is no scheme, and "file:" addresses are not
// addresses here: they name files, which are looked up as files or not at all.
// Everything else ("menu.pdf", "..\x.htm") is a file name.
bool isAddress(std::string_view link);

// The texts that build links of the first three classes ("Subscriber " + name, ...).
std::string channelLink(std::string_view name);
std::string slideshowLink(std::string_view setName);
std::string thumbnailLink(std::string_view setName);

}  // namespace tavo
