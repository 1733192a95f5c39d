#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "common/FileText.h"
#include "common/Registry.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

namespace fs = std::filesystem;

namespace tavo {
namespace {

using test::TempFolder;
using Type = RegistryValue::Type;

constexpr const char* kKey = "Software\\Corvenna\\TavoPlayer\\Viewing Options";

using test::ScopedEnv;

std::string valuesFile(const Registry& r, std::string_view key) { return *r.openKey(key, false) + "/.values"; }

// The store as "name:type:value" lines, in order.
std::string dump(const Registry& r, std::string_view key) {
  std::string out;
  for (const auto& v : r.values(key))
    out += v.name + (v.type == Type::Text ? ":sz:" + v.text : ":dword:" + std::to_string(v.number)) + "\n";
  return out;
}

class RegistryTest : public ::testing::Test {
 protected:
  TempFolder t;
  Registry store{t / "user"};
};

TEST_F(RegistryTest, TypedValuesRoundTripInFirstWrittenOrder) {
  const std::string awkward = std::string("a=b\\c\r\nd\re\nf\\", 13) + std::string("\0nul\xe9\xff", 6);
  ASSERT_TRUE(store.writeText(kKey, "Ticker Position", "Top"));
  ASSERT_TRUE(store.writeInteger(kKey, "Ticker Data Speed", 6));
  ASSERT_TRUE(store.writeText(kKey, "Empty", ""));
  ASSERT_TRUE(store.writeText(kKey, "Awkward", awkward));
  ASSERT_TRUE(store.writeInteger(kKey, "Min", std::numeric_limits<std::int64_t>::min()));
  ASSERT_TRUE(store.writeInteger(kKey, "Max", std::numeric_limits<std::int64_t>::max()));
  ASSERT_TRUE(store.writeInteger(kKey, "TICKER data SPEED", -1));  // same value: keeps place and name
  ASSERT_TRUE(store.writeText(kKey, "Min", "now text"));           // another type replaces it in place

  EXPECT_EQ(dump(store, kKey), "Ticker Position:sz:Top\nTicker Data Speed:dword:-1\nEmpty:sz:\nAwkward:sz:" + awkward +
                                   "\nMin:sz:now text\nMax:dword:9223372036854775807\n");
  EXPECT_EQ(store.valueNames(kKey),
            (std::vector<std::string>{"Ticker Position", "Ticker Data Speed", "Empty", "Awkward", "Min", "Max"}));
  const auto v = store.value(kKey, "awkward");
  ASSERT_TRUE(v);
  EXPECT_EQ(v->text, awkward);
  EXPECT_FALSE(store.value(kKey, "Nothing"));

  ASSERT_TRUE(store.deleteValue(kKey, "EMPTY"));
  EXPECT_FALSE(store.value(kKey, "Empty"));
  EXPECT_EQ(store.valueNames(kKey).size(), 5u);
}

TEST_F(RegistryTest, NamesWithSeparatorsAndLineEndsStayOneValueEach) {
  const std::string names[] = {"a=b", "=", "back\\slash", "line\nend", "cr\rend", "trailing\\", "x=1\ndword:y=2"};
  for (const auto& n : names) ASSERT_TRUE(store.writeText(kKey, n, "v=" + n));
  std::size_t lines = 0;
  forEachLine(*readFileBytes(valuesFile(store, kKey)), [&](std::string_view) { ++lines; });
  EXPECT_EQ(lines, std::size(names));
  for (const auto& n : names) {
    const auto v = store.value(kKey, n);
    ASSERT_TRUE(v) << n;
    EXPECT_EQ(v->name, n);
    EXPECT_EQ(v->text, "v=" + n);
  }
  EXPECT_FALSE(store.value(kKey, "y")) << "a line end in a name does not start another value";
  EXPECT_FALSE(store.writeText(kKey, "", "x")) << "a value needs a name";
}

TEST_F(RegistryTest, KeyPathsMatchWithoutRegardToCaseWithEitherSeparator) {
  ASSERT_TRUE(store.writeInteger("Software\\Corvenna\\TavoPlayer\\General", "SlideDisplayMethod", 2));
  for (const char* path : {"software/corvenna/tavoplayer/general", "\\SOFTWARE\\Corvenna/TavoPlayer\\General\\",
                           "//Software//Corvenna/./TavoPlayer/General"}) {
    const auto v = store.value(path, "slidedisplaymethod");
    ASSERT_TRUE(v) << path;
    EXPECT_EQ(v->number, 2);
  }
  ASSERT_TRUE(store.writeInteger("software/corvenna/tavoplayer/GENERAL", "ThumbDisplayMethod", 1));
  EXPECT_EQ(store.subKeys("Software/Corvenna/TavoPlayer"), std::vector<std::string>{"General"}) << "no second key";
  EXPECT_EQ(store.valueNames("Software/Corvenna/TavoPlayer/General").size(), 2u);

  // ".." cannot leave the root.
  ASSERT_TRUE(store.writeText("..\\..\\Outside", "x", "1"));
  EXPECT_FALSE(fs::exists(t / "Outside"));
  EXPECT_TRUE(fs::exists(t / "user/Outside/.values"));
  EXPECT_FALSE(store.keyExists("Software/Nobody"));
  EXPECT_FALSE(fs::exists(t / "user/Software/Nobody")) << "looking does not create";
}

TEST_F(RegistryTest, UserReadersWriteTheDefaultBackWhenMissingOrOfAnotherType) {
  struct Case {
    const char* what;
    std::optional<std::string> storedText;
    std::optional<std::int64_t> storedNumber;
    const char* reader;  // "int", "text", "bool"
    const char* expected;
    const char* storedAfter;
  };
  const Case cases[] = {
      {"missing integer", {}, {}, "int", "6", "V:dword:6\n"},
      {"integer present", {}, 9, "int", "9", "V:dword:9\n"},
      {"text where an integer belongs", "fast", {}, "int", "6", "V:dword:6\n"},
      {"missing text", {}, {}, "text", "Top", "V:sz:Top\n"},
      {"empty text is a value", "", {}, "text", "", "V:sz:\n"},
      {"integer where a text belongs", {}, 1, "text", "Top", "V:sz:Top\n"},
      {"missing yes/no", {}, {}, "bool", "1", "V:dword:1\n"},
      {"yes/no stored 0", {}, 0, "bool", "0", "V:dword:0\n"},
      {"yes/no stored 7 is yes", {}, 7, "bool", "1", "V:dword:7\n"},
      {"text where a yes/no belongs", "yes", {}, "bool", "1", "V:dword:1\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder run;
    const Registry user(run / "user");
    if (c.storedText) user.writeText(kKey, "V", *c.storedText);
    if (c.storedNumber) user.writeInteger(kKey, "V", *c.storedNumber);
    std::string got;
    if (std::string(c.reader) == "int") got = std::to_string(readUserInteger(user, kKey, "V", 6));
    if (std::string(c.reader) == "text") got = readUserText(user, kKey, "V", "Top");
    if (std::string(c.reader) == "bool") got = readUserBool(user, kKey, "V", true) ? "1" : "0";
    EXPECT_EQ(got, c.expected);
    EXPECT_EQ(dump(user, kKey), c.storedAfter);
  }
}

// A root that cannot be created: its parent is a file. (Write protection
// does not stop root, so this works for every user.)
std::string blockedRoot(const TempFolder& t) {
  t.write("blocker", "a file");
  return t / "blocker/machine";
}

TEST_F(RegistryTest, AKeyThatCannotBeOpenedGivesTheDefaultAndWritesNothing) {
  const Registry blocked(blockedRoot(t));
  EXPECT_EQ(readUserInteger(blocked, kKey, "Speed", 6), 6);
  EXPECT_EQ(readUserText(blocked, kKey, "Position", "Top"), "Top");
  EXPECT_TRUE(readUserBool(blocked, kKey, "Sound", true));
  EXPECT_EQ(readMachineText(blocked, "Software/Corvenna/TavoPlayer", "ActiveProject", "x"), "x");
  EXPECT_TRUE(readMachineBool(blocked, "Software/Corvenna/TavoPlayer", "SortSubscriber", true));
  writeUserInteger(blocked, kKey, "Speed", 1);  // silent
  writeMachineText(blocked, kKey, "x", "y");
  writeBool(blocked, kKey, "b", true);
  EXPECT_EQ(test::readFile(t / "blocker"), "a file");
}

TEST_F(RegistryTest, AWriteProtectedMachineRootGivesDefaultsWithoutWritingButKeepsWhatIsThere) {
  if (::geteuid() == 0) GTEST_SKIP() << "write protection does not hold for root (see the blocked-root test)";
  const Registry machine(t / "machine");
  const char* key = "Software/Corvenna/TavoPlayer";
  fs::create_directories(t / "machine");
  fs::permissions(t / "machine", fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(readMachineText(machine, key, "ActiveProject", "Presentation1"), "Presentation1");
  EXPECT_TRUE(readMachineBool(machine, key, "SortSubscriber", true));
  EXPECT_TRUE(fs::is_empty(t / "machine"));

  // Installed presentations recorded by someone who may write stay readable.
  fs::permissions(t / "machine", fs::perms::owner_all);
  machine.writeText(key, "ActiveProject", "Presentation2");
  const std::string keyFolder = *machine.openKey(key, false);
  fs::permissions(keyFolder, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(readMachineText(machine, key, "ActiveProject", "Presentation1"), "Presentation2");
  EXPECT_FALSE(readMachineBool(machine, key, "SortSubscriber", false));
  writeMachineText(machine, key, "ActiveSubscriber", "Town News");  // fails silently
  EXPECT_EQ(dump(machine, key), "ActiveProject:sz:Presentation2\n");
}

TEST_F(RegistryTest, MachineTextFollowsItsTableExactly) {
  struct Case {
    const char* what;
    std::optional<std::string> stored;  // "#" stores an integer
    const char* fallback;
    const char* expected;
    const char* storedAfter;
  };
  const Case cases[] = {
      {"missing, default not empty: written", {}, "Presentation1", "Presentation1", "V:sz:Presentation1\n"},
      {"missing, default empty: nothing written", {}, "", "", ""},
      {"empty, default not empty: default written", "", "Presentation1", "Presentation1", "V:sz:Presentation1\n"},
      {"empty, default empty: stays", "", "", "", "V:sz:\n"},
      {"present: kept", "Presentation2", "Presentation1", "Presentation2", "V:sz:Presentation2\n"},
      {"an integer counts as missing", "#", "Presentation1", "Presentation1", "V:sz:Presentation1\n"},
      {"an integer, default empty: left alone", "#", "", "", "V:dword:3\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder run;
    const Registry machine(run / "machine");
    const char* key = "Software\\Corvenna\\TavoPlayer";
    if (c.stored && *c.stored == "#")
      machine.writeInteger(key, "V", 3);
    else if (c.stored)
      machine.writeText(key, "V", *c.stored);
    EXPECT_EQ(readMachineText(machine, key, "V", c.fallback), c.expected);
    EXPECT_EQ(dump(machine, key), c.storedAfter);
    EXPECT_TRUE(machine.keyExists(key)) << "the key is opened with creation allowed";
  }
}

TEST_F(RegistryTest, MachineYesNoWritesTheDefaultWhenMissing) {
  const Registry machine(t / "machine");
  const char* key = "Software\\Corvenna\\TavoPlayer";
  EXPECT_TRUE(readMachineBool(machine, key, "SortSubscriber", true));
  EXPECT_EQ(dump(machine, key), "SortSubscriber:dword:1\n");
  writeBool(machine, key, "SortSubscriber", false);
  EXPECT_FALSE(readMachineBool(machine, key, "sortsubscriber", true));
  machine.writeText(key, "Flag", "yes");
  EXPECT_FALSE(readMachineBool(machine, key, "Flag", false)) << "a text counts as missing";
  EXPECT_EQ(dump(machine, key), "SortSubscriber:dword:0\nFlag:dword:0\n");
  writeMachineText(machine, key, "ActiveSubscriber", "Town News");
  EXPECT_EQ(readMachineText(machine, key, "ActiveSubscriber", ""), "Town News");
}

TEST_F(RegistryTest, ACorruptValuesFileGivesDefaultsAndIsReplacedOnTheNextWrite) {
  std::mt19937 random(7);
  std::string binary(64 * 1024, '\0');
  for (char& c : binary) c = static_cast<char>(random());
  struct Case {
    const char* what;
    std::string content;
    const char* readable;  // what survives the damage
  };
  const Case cases[] = {
      {"text garbage", "[Viewing Options]\nTicker Data Speed=9\nhello\n", ""},
      {"binary", binary, ""},
      {"NUL bytes", std::string(4096, '\0'), ""},
      {"truncated lines",
       "dword:Ticker Data Speed=\ndword:Ticker Data Speed\nsz:Ticker Position\nsz:Broken=ab\\\ndword:n=12abc\n"
       "dword:n=99999999999999999999999\ndword:=3\nsz:Kept=yes",
       "Kept:sz:yes\n"},
      {"one good line among garbage", binary + "\nsz:Kept=yes\n" + binary, "Kept:sz:yes\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder run;
    const Registry user(run / "user");
    ASSERT_TRUE(user.openKey(kKey, true));
    ASSERT_TRUE(writeFileAtomic(valuesFile(user, kKey), c.content));
    EXPECT_EQ(dump(user, kKey), c.readable);
    EXPECT_EQ(readUserInteger(user, kKey, "Ticker Data Speed", 6), 6);
    // The reader's write-back replaced the file by a sound one.
    const std::string expected = std::string(c.readable) + "Ticker Data Speed:dword:6\n";
    EXPECT_EQ(dump(user, kKey), expected);
    const std::string rewritten = *readFileBytes(valuesFile(user, kKey));
    EXPECT_EQ(rewritten, std::string(*c.readable ? "sz:Kept=yes\n" : "") + "dword:Ticker Data Speed=6\n");
  }
}

TEST_F(RegistryTest, AHugeValuesFileGivesDefaultsWithoutHanging) {
  ASSERT_TRUE(store.openKey(kKey, true));
  std::string huge;
  huge.reserve(100u << 20);
  const std::string garbage = "sz:Ticker Position\\x\ndword:Speed=abc\n\xff\xfe\x00\x01 no line end here ";
  while (huge.size() < (100u << 20)) huge += garbage;
  ASSERT_TRUE(writeFileAtomic(valuesFile(store, kKey), huge));
  huge.clear();
  huge.shrink_to_fit();
  EXPECT_EQ(readUserText(store, kKey, "Ticker Position", "Top"), "Top");
  EXPECT_EQ(*readFileBytes(valuesFile(store, kKey)), "sz:Ticker Position=Top\n");
}

TEST_F(RegistryTest, AKeyWithVeryManyValuesReadsInLinearTime) {
  // Damage or a runaway writer can leave very many distinct values; reading
  // them must not compare every name with every other.
  ASSERT_TRUE(store.openKey(kKey, true));
  std::string many;
  for (int i = 0; i < 300000; ++i) many += "dword:Value" + std::to_string(i) + "=" + std::to_string(i) + "\n";
  many += "dword:VALUE7=-7\n";  // a later duplicate does not count
  ASSERT_TRUE(writeFileAtomic(valuesFile(store, kKey), many));
  EXPECT_EQ(readUserInteger(store, kKey, "value299999", 0), 299999);
  EXPECT_EQ(readUserInteger(store, kKey, "Value7", 0), 7);
  EXPECT_EQ(store.valueNames(kKey).size(), 300000u);
}

TEST(RegistryRoots, FromEnvironmentHonoursTheSettingsFolderAndTheXdgFolders) {
  TempFolder t;
  {
    ScopedEnv settings("TAVO_SETTINGS_DIR", t / "portable/");
    ScopedEnv config("XDG_CONFIG_HOME", t / "config");
    const RegistryRoots roots = RegistryRoots::fromEnvironment();
    EXPECT_EQ(roots.user.rootFolder(), t / "portable/user");
    EXPECT_EQ(roots.machine.rootFolder(), t / "portable/machine");
    EXPECT_EQ(RegistryRoots::settingsFolderFromEnvironment(), t / "portable");
  }
  {
    ScopedEnv settings("TAVO_SETTINGS_DIR", std::nullopt);
    ScopedEnv config("XDG_CONFIG_HOME", t / "config");
    ScopedEnv data("XDG_DATA_HOME", t / "data/");
    const RegistryRoots roots = RegistryRoots::fromEnvironment();
    EXPECT_EQ(roots.user.rootFolder(), t / "config/tavo/user");
    EXPECT_EQ(roots.machine.rootFolder(), t / "data/tavo/machine");
  }
  {
    ScopedEnv settings("TAVO_SETTINGS_DIR", "");
    ScopedEnv home("HOME", t / "home");
    ScopedEnv config("XDG_CONFIG_HOME", std::nullopt);
    ScopedEnv data("XDG_DATA_HOME", "relative/data");  // not valid: counts as unset
    const RegistryRoots roots = RegistryRoots::fromEnvironment();
    EXPECT_EQ(roots.user.rootFolder(), t / "home/.config/tavo/user");
    EXPECT_EQ(roots.machine.rootFolder(), t / "home/.local/share/tavo/machine");
  }
}

// A ".values" file that is there but cannot be read: a write to its key
// fails and leaves the file as it was, instead of replacing it with a file
// that holds only the new value.
TEST(RegistryUnreadable, AWriteToAValuesFileThatCannotBeReadFailsAndKeepsIt) {
  TempFolder t;
  const Registry store(t / "root");
  ASSERT_TRUE(store.writeText(kKey, "First", "one"));
  ASSERT_TRUE(store.writeInteger(kKey, "Second", 2));
  const std::string file = valuesFile(store, kKey);
  const std::string before = test::readFile(file);
  // Only the file is unreadable; the folders stay open and writable, as the
  // atomic write needs them.
  for (fs::path p = fs::path(file).parent_path(); p.string().size() + 1 >= t.path().size(); p = p.parent_path())
    ::chmod(p.c_str(), 0777);
  ASSERT_EQ(::chmod(file.c_str(), 0200), 0);
  EXPECT_EXIT(
      {
        // Permissions do not hold for root: the store is used as "nobody".
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setresgid(65534, 65534, 65534) != 0 ||
                                 ::setresuid(65534, 65534, 65534) != 0))
          std::_Exit(2);
        const bool wrote = store.writeText(kKey, "Third", "three");
        const bool erased = store.deleteValue(kKey, "Second");
        const bool seen = store.value(kKey, "First").has_value();
        std::_Exit(!wrote && !erased && !seen ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  ::chmod(file.c_str(), 0600);
  EXPECT_EQ(test::readFile(file), before);
}

TEST(RegistryUnreadable, AValuesFilePastTheSizeLimitIsDamageAndIsNotRead) {
  TempFolder t;
  const Registry store(t / "root");
  ASSERT_TRUE(store.writeText(kKey, "First", "one"));
  const std::string file = valuesFile(store, kKey);
  ASSERT_EQ(::truncate(file.c_str(), static_cast<off_t>(kMaxValuesFileBytes)), 0);  // at the limit: read
  EXPECT_EQ(store.value(kKey, "First")->text, "one");
  ASSERT_EQ(::truncate(file.c_str(), static_cast<off_t>(kMaxValuesFileBytes + 1)), 0);  // sparse
  EXPECT_FALSE(store.value(kKey, "First"));
  // A write heals it, as it heals any damaged file.
  EXPECT_TRUE(store.writeText(kKey, "Second", "two"));
  EXPECT_EQ(test::readFile(file), "sz:Second=two\n");
}

}  // namespace
}  // namespace tavo
