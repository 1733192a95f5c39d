// The search address, what "GO" does, and when the browser window navigates.

#include <gtest/gtest.h>

#include "player/logic/BrowserNavigation.h"
#include "player/logic/SearchAddress.h"

namespace tavo::player {
namespace {

TEST(SearchAddressTest, WordsArePercentEncodedAsUtf8AndTheAddressIsKeptAsWritten) {
  const struct {
    const char* words;
    const char* encoded;
  } cases[] = {
      {"harbour", "harbour"},
      {"harbour town", "harbour%20town"},
      {"fish & chips", "fish%20%26%20chips"},
      {"room #5", "room%20%235"},
      {"1+1", "1%2B1"},
      {"100%", "100%25"},
      {"why?", "why%3F"},
      {"a=b", "a%3Db"},
      {"caf\xC3\xA9", "caf%C3%A9"},                    // é
      {"\xE2\x82\xAC" "5", "%E2%82%AC5"},              // €5
      {"  two  blanks ", "%20%20two%20%20blanks%20"},  // blanks as typed, none dropped
      {"a/b\\c", "a%2Fb%5Cc"},
      {"Keep-This_one.~", "Keep-This_one.~"},
      {"", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.words);
    EXPECT_EQ(percentEncodeWords(c.words), c.encoded);
    EXPECT_EQ(searchQueryAddress("https://find.example/search?lang=en&q", c.words),
              std::string("https://find.example/search?lang=en&q=") + c.encoded);
  }
}

TEST(SearchAddressTest, GoSearchesAtOnceWithOneEngineAndOffersTheMenuWithSeveral) {
  EXPECT_EQ(goAction(0), GoAction::Nothing);
  EXPECT_EQ(goAction(1), GoAction::SearchAtOnce);
  EXPECT_EQ(goAction(2), GoAction::ShowMenu);
  EXPECT_EQ(goAction(10), GoAction::ShowMenu);
}

TEST(BrowserNavigationTest, ActivatingAgainDoesNotReloadThePage) {
  BrowserNavigation nav;
  EXPECT_EQ(nav.onActivate(), std::nullopt) << "nothing asked for yet";
  nav.setAddress("file:///help/index.html");
  EXPECT_EQ(nav.onActivate(), "file:///help/index.html");
  // The user clicks into another window and back: the page stays as it is.
  EXPECT_EQ(nav.onActivate(), std::nullopt);
  EXPECT_EQ(nav.onActivate(), std::nullopt);
}

TEST(BrowserNavigationTest, ANewAddressNavigatesTheSameAddressAgainDoesNot) {
  BrowserNavigation nav;
  nav.setAddress("a");
  EXPECT_EQ(nav.onActivate(), "a");
  nav.setAddress("a");
  EXPECT_EQ(nav.onActivate(), std::nullopt) << "the page shown is the one asked for";
  nav.setAddress("b");
  EXPECT_EQ(nav.onActivate(), "b");
}

TEST(BrowserNavigationTest, AfterTheUserFollowedALinkTheBarsAddressNavigatesBack) {
  BrowserNavigation nav;
  nav.setAddress("a");
  ASSERT_EQ(nav.onActivate(), "a");
  nav.userNavigated("a/other");
  EXPECT_EQ(nav.onActivate(), std::nullopt) << "activation alone never navigates";
  nav.setAddress("a");
  EXPECT_EQ(nav.onActivate(), "a");
}

TEST(BrowserNavigationTest, AnEmptyAddressNavigatesNowhere) {
  BrowserNavigation nav;
  nav.setAddress("");
  EXPECT_EQ(nav.onActivate(), std::nullopt);
}

}  // namespace
}  // namespace tavo::player
