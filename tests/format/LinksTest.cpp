#include <gtest/gtest.h>

#include "format/Links.h"

namespace tavo {
namespace {

TEST(ClassifyLink, EveryClassByItsFirstCharactersOrExtension) {
  const struct {
    const char* link;
    LinkClass kind;
    const char* name;
  } cases[] = {
      {"Subscriber Town News", LinkClass::Channel, "Town News"},
      {"SUBSCRIBER town news", LinkClass::Channel, "town news"},
      {"Subscriber", LinkClass::Channel, ""},
      {"SubscriberXName", LinkClass::Channel, "Name"},  // the name starts at the 12th character
      {"Slideshow Beach", LinkClass::Slideshow, "Beach"},
      {"slideshow beach walk", LinkClass::Slideshow, "beach walk"},
      {"SlideShowXBeach", LinkClass::Slideshow, "Beach"},  // from the 11th character
      {"Slideshow", LinkClass::Slideshow, ""},
      {"Thumbnail Shop", LinkClass::Thumbnails, "Shop"},
      {"THUMBNAILS Shop", LinkClass::Thumbnails, " Shop"},
      {"Browser", LinkClass::Browser, "Browser"},
      {"browser http://x", LinkClass::Browser, "browser http://x"},
      {"TavoSetup", LinkClass::Setup, "TavoSetup"},
      {"tavosetup.exe", LinkClass::Setup, "tavosetup.exe"},  // the word wins over ".exe"
      {"game.exe", LinkClass::Program, "game.exe"},
      {"GAME.EXE", LinkClass::Program, "GAME.EXE"},
      {"tools\\setup.exe", LinkClass::Program, "tools\\setup.exe"},
      {"news.txt", LinkClass::TickerText, "news.txt"},
      {"Prices.TXT", LinkClass::TickerText, "Prices.TXT"},
      {"http://www.example.com/list.txt", LinkClass::TickerText, "http://www.example.com/list.txt"},
      {"readme.txt.doc", LinkClass::Document, "readme.txt.doc"},
      {"price.htm", LinkClass::Document, "price.htm"},
      {"http://www.example.com", LinkClass::Document, "http://www.example.com"},
      {"http://example.exe/page", LinkClass::Document, "http://example.exe/page"},
      {"mailto:club@example.com", LinkClass::Document, "mailto:club@example.com"},
      {" Slideshow Beach", LinkClass::Document, " Slideshow Beach"},  // a leading blank is not the word
      {"Slide", LinkClass::Document, "Slide"},
      {"", LinkClass::Document, ""},
      {"exe", LinkClass::Document, "exe"},
      {".exe", LinkClass::Program, ".exe"},
  };
  for (const auto& c : cases) {
    const ClassifiedLink got = classifyLink(c.link);
    EXPECT_EQ(got.kind, c.kind) << c.link;
    EXPECT_EQ(got.name, c.name) << c.link;
  }
}

TEST(IsAddress, SchemesAndWwwAreAddressesFileNamesAreNot) {
  const struct {
    const char* link;
    bool address;
  } cases[] = {
      {"http://www.example.com", true},
      {"HTTPS://example.com/a b", true},
      {"mailto:club@example.com", true},
      {"ftp://files.example.com/x.zip", true},
      {"svn+ssh://host/repo", true},
      {"www.example.com", true},
      {"WWW.Example.com/menu.pdf", true},
      {"menu.pdf", false},
      {"Menu", false},
      {"example.com", false},  // a file name with an extension, as the system shell takes it
      {"..\\..\\etc\\passwd", false},
      {"../../etc/passwd", false},
      {"C:\\Windows\\notepad.exe", false},  // a drive letter
      {"c:x.txt", false},
      {"file:///etc/passwd", false},
      {"FILE:/etc/passwd", false},
      {"1http://x", false},
      {"my file:name", false},
      {":x", false},
      {"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(isAddress(c.link), c.address) << c.link;
}

TEST(FileExtension, FromTheLastDotAfterTheLastSeparator) {
  EXPECT_EQ(fileExtension("clip.final.avi"), ".avi");
  EXPECT_EQ(fileExtension("folder.d/clip"), "");
  EXPECT_EQ(fileExtension("folder.d\\clip"), "");
  EXPECT_EQ(fileExtension("C:name"), "");
  EXPECT_EQ(fileExtension("noext"), "");
  EXPECT_EQ(fileExtension("trailing."), ".");
}

TEST(Links, BuildersMakeWhatTheClassifierReads) {
  EXPECT_EQ(classifyLink(channelLink("Art Gallery")).name, "Art Gallery");
  EXPECT_EQ(classifyLink(slideshowLink("Beach")).kind, LinkClass::Slideshow);
  EXPECT_EQ(classifyLink(thumbnailLink("Shop")).name, "Shop");
}

}  // namespace
}  // namespace tavo
