#include <gtest/gtest.h>

#include "common/Registry.h"
#include "format/PlayerSettings.h"
#include "player/logic/PresentationDiscovery.h"
#include "tests/support/TempFolder.h"

namespace tavo::player {
namespace {

// A small world: a program folder, presentations with content providers, and a settings store.
class Discovery : public ::testing::Test {
 protected:
  Discovery() : settings(RegistryRoots::inFolder(t / "settings")) {}

  // Creates <base>/<name>/Project.ini and one folder with "!Tavo.ini" per provider.
  std::string presentation(const std::string& base, const std::string& name,
                           std::initializer_list<const char*> providers) {
    const std::string folder = t.mkdir(base + "/" + name);
    t.write(base + "/" + name + "/Project.ini", "[Project Info]\r\nPresentation Name=" + name + "\r\n");
    for (const char* p : providers) t.write(base + "/" + name + "/" + p + "/!Tavo.ini", "");
    return folder;
  }

  FoundPresentations find(const std::vector<std::string>& args) {
    return findPresentations(args, t / "program/", t / "work/", settings);
  }

  test::TempFolder t;
  PlayerSettings settings;
};

TEST_F(Discovery, PathArgumentWinsOverEverythingElse) {
  const std::string wanted = presentation("creator/Projects", "Harbour Town", {"Town News"});
  presentation("program", "Beside", {"A"});
  settings.addProject(presentation("installed", "Registered", {"B"}));

  const auto found = find({"Path=" + wanted});
  ASSERT_EQ(found.folders.size(), 1u);
  EXPECT_EQ(found.folders[0], wanted);
  EXPECT_EQ(found.activeIndex, 0);
}

TEST_F(Discovery, PathArgumentsAreReadAsCreatorAndArchiveWriteThem) {
  const std::string a = presentation("x", "My Show", {"P"});
  const std::string b = presentation("y", "Second", {"Q"});
  const std::string equals = presentation("z", "Sale = 50% off", {"R"});
  const std::string twice = presentation("a=b", "x=y", {"S"});
  t.mkdir("work");
  struct Case {
    std::vector<std::string> args;
    std::vector<std::string> folders;
  } cases[] = {
      {{"Path=" + a}, {a}},
      {{"PATH=" + a.substr(0, a.size() - 1)}, {a}},        // no trailing separator, prefix case ignored
      {{"path=\"" + a + "\""}, {a}},                        // quotes passed through by a launcher
      {{"Path=" + a, "Path=" + b}, {a, b}},                 // two presentations, the first is active
      {{"-verbose", "Pathology"}, {}},                      // not a folder argument / no "="
      {{"Path=" + t / "missing/"}, {}},                     // a missing folder is not a presentation
      {{"Path=../x/My Show"}, {a}},                         // relative to the working folder
      {{"Path=" + equals}, {equals}},                       // "=" in the folder name
      {{"Path=\"" + twice + "\""}, {twice}},                 // "=" in two of its names, quoted
  };
  for (const auto& c : cases) {
    const auto found = find(c.args);
    EXPECT_EQ(found.folders, c.folders) << c.args.front();
  }
}

TEST_F(Discovery, FindsPresentationsBesideTheProgram) {
  const std::string cd = presentation("program", "Harbour Town", {"Town News"});
  t.mkdir("program/not a presentation");
  const auto found = find({});
  ASSERT_EQ(found.folders.size(), 1u);
  EXPECT_EQ(found.folders[0], cd);
}

TEST_F(Discovery, FallsBackToTheInstalledPresentations) {
  const std::string one = presentation("installed", "One", {"A"});
  const std::string two = presentation("installed", "Two", {"B"});
  EXPECT_EQ(settings.addProject(one.substr(0, one.size() - 1)), "Presentation1");
  EXPECT_EQ(settings.addProject(two.substr(0, two.size() - 1)), "Presentation2");

  auto found = find({});
  EXPECT_EQ(found.folders, (std::vector<std::string>{one, two}));
  EXPECT_EQ(found.activeIndex, 0);  // no ActiveProject: the first value

  settings.roots().machine.writeText(kPlayerKey, "ActiveProject", "Presentation2");
  EXPECT_EQ(find({}).activeIndex, 1);

  settings.roots().machine.writeText(kPlayerKey, "ActiveProject", "presentation2");  // compared with case
  EXPECT_EQ(find({}).activeIndex, 0);

  settings.roots().machine.writeText(kPlayerKey, "ActiveProject", "Presentation9");  // names none
  EXPECT_EQ(find({}).activeIndex, 0);
}

TEST_F(Discovery, DropsDuplicateInstalledFoldersWithoutRegardToCase) {
  const std::string one = presentation("installed", "One", {"A"});
  settings.addProject(one);
  std::string upper = one;
  upper.replace(upper.find("One"), 3, "ONE");
  settings.addProject(upper);
  settings.addProject("");  // an empty record names no folder
  EXPECT_EQ(find({}).folders, (std::vector<std::string>{one}));
}

TEST_F(Discovery, FindsNothingWhenThereIsNothing) {
  EXPECT_TRUE(find({}).folders.empty());
}

TEST_F(Discovery, ChannelsAreTheProviderFoldersSortedByPath) {
  const std::string b = presentation("p", "B Show", {"Zeta", "alpha"});
  const std::string a = presentation("p", "A Show", {"Mid"});
  t.mkdir("p/B Show/No Settings");  // without "!Tavo.ini": not a channel

  const Channels sorted = loadChannels({b, a}, settings);
  EXPECT_EQ(sorted.names, (std::vector<std::string>{"Mid", "alpha", "Zeta"}));
  EXPECT_EQ(sorted.folders[0], a + "Mid/");
  EXPECT_EQ(sorted.current, 0);
  // The default was written back.
  EXPECT_TRUE(settings.roots().machine.value(kPlayerKey, "SortSubscriber").has_value());

  writeBool(settings.roots().machine, kPlayerKey, "SortSubscriber", false);
  const Channels listed = loadChannels({b, a}, settings);
  EXPECT_EQ(listed.names, (std::vector<std::string>{"alpha", "Zeta", "Mid"}));  // presentations in discovery order
}

TEST_F(Discovery, TheLastChannelNamedActiveSubscriberIsCurrent) {
  const std::string a = presentation("p", "A", {"News", "Sport"});
  const std::string b = presentation("p", "B", {"News"});
  struct Case {
    const char* active;
    int current;
  } cases[] = {{"Sport", 1}, {"News", 2}, {"news", 0}, {"Gone", 0}, {"", 0}};
  for (const auto& c : cases) {
    settings.setActiveSubscriber(c.active);
    EXPECT_EQ(loadChannels({a, b}, settings).current, c.current) << c.active;
  }
}

TEST_F(Discovery, PresentationsWithoutProvidersGiveNoChannels) {
  const std::string empty = presentation("p", "Empty", {});
  EXPECT_TRUE(loadChannels({empty}, settings).names.empty());
}

}  // namespace
}  // namespace tavo::player
