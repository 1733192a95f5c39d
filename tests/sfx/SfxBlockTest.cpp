// The configuration block: its bytes as the publisher writes them, the
// refusal of texts too long for their length fields, and the reader's checks.
#include <gtest/gtest.h>

#include <filesystem>

#include "sfx/package/ExeWriter.h"
#include "sfx/package/SfxBlock.h"
#include "tests/sfx/SfxFixture.h"

using namespace tavo::sfx;
using tavo::test::TempFolder;

namespace {

std::string bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

}  // namespace

TEST(SfxBlock, PublisherBlockIsLaidOutByteForByte) {
  struct Case {
    bool userCanBrowse;
    int flags;
  };
  for (const Case c : {Case{false, 0x4C}, Case{true, 0x0C}}) {
    ExeChoices choices;
    choices.presentationName = "Ab";
    choices.userCanBrowse = c.userCanBrowse;
    choices.showInfo = true;
    choices.infoTitle = "T";
    choices.infoText = "Hi\r\nyou";
    const std::string command = "><TavoPlayer.exe|Path=\"><Ab\"";
    ASSERT_EQ(command.size(), 28u);
    const std::string expected = bytes({'M', 'P', 'U', c.flags, 2, 2, 28, 7, 0, 1}) + "Ab" + "><" + command +
                                 "Hi\r\nyou" + "T" + bytes({52, 0});
    EXPECT_EQ(*encodeSfxBlock(publisherBlock(choices)), expected) << "userCanBrowse=" << c.userCanBrowse;
  }
}

TEST(SfxBlock, UncheckedMessageBoxLeavesMessageAndTitleEmpty) {
  ExeChoices choices;
  choices.presentationName = "Harbour Town";
  choices.showInfo = false;
  choices.infoTitle = "Welcome";
  choices.infoText = "Please read this first";
  const SfxConfig block = publisherBlock(choices);
  EXPECT_EQ(block.message, "");
  EXPECT_EQ(block.title, "");
  const std::string encoded = *encodeSfxBlock(block);
  EXPECT_EQ(encoded[7], 0);
  EXPECT_EQ(encoded[8], 0);
  EXPECT_EQ(encoded[9], 0);
  EXPECT_EQ(block.commandLine, "><TavoPlayer.exe|Path=\"><Harbour Town\"");
}

TEST(SfxBlock, PasswordOnlyWhenRequiredAndGiven) {
  struct Case {
    bool required;
    std::string typed;
    std::string used;
  };
  for (const Case& c : {Case{true, "", ""}, Case{true, "secret", "secret"}, Case{false, "secret", ""}}) {
    ExeChoices choices;
    choices.passwordRequired = c.required;
    choices.password = c.typed;
    EXPECT_EQ(archivePassword(choices), c.used) << c.required << " " << c.typed;
  }
}

TEST(SfxBlock, LongestMessageFillsTheTwoByteTotal) {
  // The total length is a two-byte field too: a 65,535-byte message would wrap
  // it, so the message may only take what the header and the other texts leave.
  SfxConfig config;
  config.caption = "Cap";
  config.message = std::string(65535 - 12 - 3, 'm');
  const std::string encoded = *encodeSfxBlock(config);
  EXPECT_EQ(encoded.size(), 65535u);
  EXPECT_EQ(static_cast<unsigned char>(encoded[7]), 0xF0);
  EXPECT_EQ(static_cast<unsigned char>(encoded[8]), 0xFF);
  EXPECT_EQ(encoded.substr(encoded.size() - 2), bytes({0xFF, 0xFF}));
  EXPECT_EQ(decodeSfxBlock(encoded), config);

  config.message += 'm';
  const auto tooLong = findTextTooLong(config);
  ASSERT_TRUE(tooLong);
  EXPECT_EQ(tooLong->text, SfxText::Message);
  EXPECT_EQ(tooLong->limit, 65535u - 12 - 3);
  EXPECT_FALSE(encodeSfxBlock(config));
}

TEST(SfxBlock, TextsLongerThanTheirFieldsAreRefusedByName) {
  struct Case {
    std::string SfxConfig::*text;
    SfxText which;
    std::size_t limit;
    const char* named;
  };
  const Case cases[] = {
      {&SfxConfig::caption, SfxText::Caption, 255, "presentation name"},
      {&SfxConfig::defaultPath, SfxText::DefaultPath, 255, "default extraction path"},
      {&SfxConfig::commandLine, SfxText::CommandLine, 255, "command line"},
      {&SfxConfig::title, SfxText::Title, 255, "Title Bar Caption"},
  };
  for (const Case& c : cases) {
    SfxConfig config;
    config.message = std::string(1000, 'm');
    config.*c.text = std::string(c.limit, 'a');
    EXPECT_FALSE(findTextTooLong(config)) << c.named;
    EXPECT_TRUE(encodeSfxBlock(config)) << c.named;
    config.*c.text += 'a';
    const auto tooLong = findTextTooLong(config);
    ASSERT_TRUE(tooLong) << c.named;
    EXPECT_EQ(tooLong->text, c.which);
    EXPECT_EQ(tooLong->limit, c.limit);
    EXPECT_FALSE(encodeSfxBlock(config)) << c.named;
    const std::string message = textTooLongMessage(*tooLong);
    EXPECT_NE(message.find(c.named), std::string::npos) << message;
    EXPECT_NE(message.find(std::to_string(c.limit)), std::string::npos) << message;
  }
  SfxConfig config;
  config.message = std::string(65536, 'm');
  const auto tooLong = findTextTooLong(config);
  ASSERT_TRUE(tooLong);
  EXPECT_EQ(tooLong->text, SfxText::Message);
  EXPECT_NE(textTooLongMessage(*tooLong).find("User Message"), std::string::npos);
}

TEST(SfxBlock, LongPresentationNameOverflowsTheCommandLineAndNothingIsWritten) {
  TempFolder area;
  const std::string name(230, 'n');  // the caption fits, the command line does not
  area.write("Projects/" + name + "/Project.ini", "[Project Info]\r\n");
  area.write("ZipSFX32.bin", tavo::test::kFakeStub);
  const std::string out = area / "Out.exe";
  area.write("Out.exe", "old file");
  ExeChoices choices;
  choices.presentationName = name;
  ExeBuildRequest request{area / "ZipSFX32.bin", {}, area / ("Projects/" + name), name, {}, publisherBlock(choices), out};
  const BuildResult result = buildSelfExtractor(request);
  EXPECT_EQ(result.status, BuildStatus::Failed);
  EXPECT_NE(result.error.find("command line"), std::string::npos) << result.error;
  EXPECT_EQ(tavo::test::readFile(out), "old file");
}

TEST(SfxBlock, ReaderRefusesForgedBlocks) {
  SfxConfig config;
  config.caption = "Cap";
  config.commandLine = "><x";
  const std::string good = *encodeSfxBlock(config);
  ASSERT_EQ(decodeSfxBlock(good), config);

  struct Case {
    const char* what;
    std::string block;
  };
  std::string badSignature = good;
  badSignature[0] = 'Z';
  std::string longerLength = good;
  longerLength[4] = 9;
  std::string wrongTotal = good;
  wrongTotal[wrongTotal.size() - 2] ^= 1;
  const Case cases[] = {{"empty", ""},
                        {"header only", good.substr(0, 10)},
                        {"signature", badSignature},
                        {"a length beyond the block", longerLength},
                        {"total", wrongTotal},
                        {"one byte short", good.substr(0, good.size() - 1)}};
  for (const Case& c : cases) {
    std::string error;
    EXPECT_EQ(decodeSfxBlock(c.block, &error), std::nullopt) << c.what;
    EXPECT_FALSE(error.empty()) << c.what;
  }
}

TEST(SfxBlock, OverwriteModeFromFlags) {
  EXPECT_EQ(overwriteModeOf(0x4C), OverwriteMode::Always);
  EXPECT_EQ(overwriteModeOf(0x0C), OverwriteMode::Always);
  EXPECT_EQ(overwriteModeOf(0x10), OverwriteMode::Never);
  EXPECT_EQ(overwriteModeOf(0x40), OverwriteMode::Ask);
  EXPECT_EQ(overwriteModeOf(0x18), OverwriteMode::Ask);
}
