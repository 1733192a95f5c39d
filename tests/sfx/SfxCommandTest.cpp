// What the extractor proposes as folder and what it starts afterwards.
#include <gtest/gtest.h>

#include "sfx/package/SfxCommand.h"

using namespace tavo::sfx;

TEST(SfxCommand, PublisherCommandStartsThePlayerOnTheExtractedPresentation) {
  const auto command = expandSfxCommand("><TavoPlayer.exe|Path=\"><Harbour Town\"", "/home/ann/Harbour Town");
  ASSERT_TRUE(command);
  EXPECT_EQ(command->program, "/home/ann/Harbour Town/TavoPlayer.exe");
  EXPECT_EQ(command->arguments, (std::vector<std::string>{"Path=/home/ann/Harbour Town/Harbour Town"}));
}

TEST(SfxCommand, OnlyProgramsInsideTheFolderAreStarted) {
  const std::string folder = "/home/ann/Pres";
  struct Case {
    const char* command;
    const char* program;  // nullptr: refused
  };
  const Case cases[] = {
      {"><bin/run|", "/home/ann/Pres/bin/run"},
      {"run", "/home/ann/Pres/run"},
      {"", nullptr},
      {"/bin/sh|-c \"rm -rf ~\"", nullptr},
      {"><../../../bin/sh|-c x", nullptr},
      {"><|x", nullptr},
      {"><a b|x", "/home/ann/Pres/a b"},
      {"\"><My Tool\"|x", "/home/ann/Pres/My Tool"},
  };
  for (const Case& c : cases) {
    const auto command = expandSfxCommand(c.command, folder);
    if (!c.program) {
      EXPECT_FALSE(command) << c.command;
    } else {
      ASSERT_TRUE(command) << c.command;
      EXPECT_EQ(command->program, c.program) << c.command;
    }
  }
}

TEST(SfxCommand, ArgumentsSplitAsOnWindows) {
  struct Case {
    const char* text;
    std::vector<std::string> args;
  };
  const Case cases[] = {
      {"", {}},
      {"a b  c", {"a", "b", "c"}},
      {"\"a b\" c", {"a b", "c"}},
      {"Path=\"x y\"", {"Path=x y"}},
      {"\"\"", {""}},
      {"say \\\"hi\\\"", {"say", "\"hi\""}},
      {"\"open", {"open"}},
  };
  for (const Case& c : cases) EXPECT_EQ(splitArguments(c.text), c.args) << c.text;
}

TEST(SfxCommand, DefaultFolderIsANewFolderUnderHomeNamedAfterTheCaption) {
  struct Case {
    const char* path;
    const char* caption;
    const char* folder;
  };
  const Case cases[] = {
      {"><", "Harbour Town", "/home/ann/Harbour Town"},
      {"", "Harbour Town", "/home/ann/Harbour Town"},
      {"><", "../../etc", "/home/ann/.._.._etc"},
      {"><", "..", "/home/ann/Presentation"},
      {"><", "  ", "/home/ann/Presentation"},
      {"/opt/shows", "Club", "/opt/shows"},
      {"shows", "Club", "/home/ann/shows"},
  };
  for (const Case& c : cases) EXPECT_EQ(defaultExtractFolder(c.path, c.caption, "/home/ann"), c.folder) << c.path << " " << c.caption;
}
