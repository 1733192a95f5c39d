// Self-extracting files end to end below the user interface: what the EXE
// writer packs, that the reader finds it behind any program bytes, that
// extraction gives the same bytes, and that hostile or damaged files are refused.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>

#include "common/FileText.h"
#include "common/QxMisc.h"
#include "sfx/package/ExeWriter.h"
#include "sfx/package/SfxReader.h"
#include "tests/sfx/SfxFixture.h"

namespace fs = std::filesystem;
using namespace tavo::sfx;
using tavo::test::RawEntry;
using tavo::test::readFile;
using tavo::test::TempFolder;

namespace {

struct Built {
  TempFolder area;
  std::string presentation;
  std::string exe;
};

// Builds <area>/Pres.exe from the fixture presentation, with the player when `withPlayer`.
BuildResult build(Built& b, bool withPlayer, const std::string& password = {}, const BuildProgress& progress = {}) {
  b.presentation = tavo::test::makePresentation(b.area);
  b.area.write("ZipSFX32.bin", tavo::test::kFakeStub);
  b.area.write("FileSet/TavoPlayer.exe", "player program bytes");
  b.exe = b.area / "Pres.exe";
  ExeChoices choices;
  choices.presentationName = "Pres";
  ExeBuildRequest request{stubFileIn(b.area.path()), withPlayer ? playerFileIn(b.area.path()) : std::string(),
                          b.presentation, "Pres", password, publisherBlock(choices), b.exe};
  return buildSelfExtractor(request, progress);
}

std::vector<std::string> names(const SfxScan& scan) {
  std::vector<std::string> out;
  for (const auto& e : scan.entries) out.push_back(e.name);
  return out;
}

void expectSameTree(const std::string& a, const std::string& b) {
  std::size_t files = 0;
  for (const auto& e : fs::recursive_directory_iterator(a)) {
    if (!e.is_regular_file()) continue;
    const auto rel = fs::relative(e.path(), a);
    EXPECT_EQ(readFile((fs::path(b) / rel).string()), readFile(e.path().string())) << rel;
    ++files;
  }
  EXPECT_GT(files, 0u);
}

int run(const std::string& command) { return std::system(command.c_str()); }

}  // namespace

TEST(SfxArchive, ExeHoldsStubBlockAndTheEntriesInOrder) {
  Built b;
  ASSERT_EQ(build(b, true).status, BuildStatus::Done);
  const std::string bytes = readFile(b.exe);
  EXPECT_EQ(bytes.substr(0, tavo::test::kFakeStub.size()), tavo::test::kFakeStub);

  FileSource file(b.exe);
  std::string error;
  const auto layout = locateSfxPayload(file, &error);
  ASSERT_TRUE(layout) << error;
  EXPECT_EQ(layout->blockOffset, tavo::test::kFakeStub.size());
  EXPECT_EQ(layout->config.flags, 0x4C);
  EXPECT_EQ(layout->config.commandLine, "><TavoPlayer.exe|Path=\"><Pres\"");
  EXPECT_EQ(bytes.substr(layout->archiveOffset, 4), "PK\x03\x04");

  const auto scan = scanSfxArchive(file, *layout, &error);
  ASSERT_TRUE(scan) << error;
  EXPECT_EQ(names(*scan), (std::vector<std::string>{"TavoPlayer.exe", "Pres/News/!Tavo.ini",
                                                    "Pres/News/Pictures/Logo.jpg", "Pres/News/Ticker.txt",
                                                    "Pres/Project.ini"}));
  EXPECT_FALSE(scan->encrypted);
  EXPECT_TRUE(fs::status(b.exe).permissions() == (fs::status(b.exe).permissions() | fs::perms::owner_exec));

  // A standard zip: unzip reads it behind the program bytes.
  const std::string out = b.area / "unzipped";
  ASSERT_EQ(run("unzip -qq '" + b.exe + "' -d '" + out + "' 2>/dev/null; test -f '" + out + "/Pres/Project.ini'"), 0);
  expectSameTree(b.presentation, out + "/Pres");
  EXPECT_EQ(readFile(out + "/TavoPlayer.exe"), "player program bytes");
}

TEST(SfxArchive, WithoutThePlayerOnlyThePresentationIsPacked) {
  Built b;
  ASSERT_EQ(build(b, false).status, BuildStatus::Done);
  FileSource file(b.exe);
  const auto layout = locateSfxPayload(file);
  ASSERT_TRUE(layout);
  const auto scan = scanSfxArchive(file, *layout);
  ASSERT_TRUE(scan);
  EXPECT_EQ(scan->entries.front().name, "Pres/News/!Tavo.ini");
}

TEST(SfxArchive, ExtractionGivesBackEveryByteAndAnExecutablePlayer) {
  Built b;
  std::uint64_t last = 0, total = 0;
  bool monotonic = true;
  ASSERT_EQ(build(b, true, {}, [&](std::uint64_t done, std::uint64_t all) {
              monotonic = monotonic && done >= last;
              last = done;
              total = all;
              return true;
            }).status,
            BuildStatus::Done);
  EXPECT_TRUE(monotonic);
  EXPECT_EQ(last, total);
  EXPECT_EQ(total, tavo::folderSize(b.presentation) + std::string("player program bytes").size());

  FileSource file(b.exe);
  const auto layout = locateSfxPayload(file);
  ASSERT_TRUE(layout);
  ExtractOptions options;
  options.folder = b.area / "home/Pres";
  const ExtractResult result = extractSfxArchive(file, *layout, options);
  ASSERT_EQ(result.status, ExtractStatus::Done) << result.error;
  EXPECT_EQ(result.filesWritten, 5u);
  expectSameTree(b.presentation, options.folder + "/Pres");
  EXPECT_NE(fs::status(options.folder + "/TavoPlayer.exe").permissions() & fs::perms::owner_exec, fs::perms::none);
}

TEST(SfxArchive, PasswordEncryptsEveryEntryTheTraditionalWay) {
  Built b;
  ASSERT_EQ(build(b, true, "s3cret").status, BuildStatus::Done);
  FileSource file(b.exe);
  const auto layout = locateSfxPayload(file);
  ASSERT_TRUE(layout);
  const auto scan = scanSfxArchive(file, *layout);
  ASSERT_TRUE(scan);
  EXPECT_TRUE(scan->encrypted);
  for (const auto& e : scan->entries) EXPECT_TRUE(e.encrypted) << e.name;
  // The plain text is not in the file.
  EXPECT_EQ(readFile(b.exe).find(std::string(200, 'x')), std::string::npos);

  EXPECT_FALSE(checkSfxPassword(file, *layout, "wrong"));
  EXPECT_FALSE(checkSfxPassword(file, *layout, ""));
  EXPECT_TRUE(checkSfxPassword(file, *layout, "s3cret"));

  ExtractOptions options;
  options.folder = b.area / "wrong";
  options.password = "wrong";
  EXPECT_EQ(extractSfxArchive(file, *layout, options).status, ExtractStatus::WrongPassword);
  EXPECT_FALSE(fs::exists(options.folder + "/TavoPlayer.exe"));

  options.folder = b.area / "right";
  options.password = "s3cret";
  ASSERT_EQ(extractSfxArchive(file, *layout, options).status, ExtractStatus::Done);
  expectSameTree(b.presentation, options.folder + "/Pres");

  // Other zip tools open it with the same password.
  const std::string out = b.area / "unzipped";
  ASSERT_EQ(run("unzip -qq -P s3cret '" + b.exe + "' -d '" + out + "' 2>/dev/null; test -f '" + out + "/Pres/Project.ini'"), 0);
  expectSameTree(b.presentation, out + "/Pres");
}

TEST(SfxArchive, FailedOrCancelledBuildKeepsTheOldFileAndLeavesNoTemporary) {
  struct Case {
    const char* what;
    bool removeStub;
    bool cancel;
    BuildStatus status;
  };
  for (const Case c : {Case{"stub missing", true, false, BuildStatus::Failed},
                       Case{"cancelled", false, true, BuildStatus::Cancelled}}) {
    Built b;
    b.area.write("Pres.exe", "the old file");
    b.presentation = tavo::test::makePresentation(b.area);
    b.area.write("ZipSFX32.bin", tavo::test::kFakeStub);
    if (c.removeStub) fs::remove(b.area / "ZipSFX32.bin");
    ExeBuildRequest request{b.area / "ZipSFX32.bin", {}, b.presentation, "Pres", {}, {}, b.area / "Pres.exe"};
    const BuildResult result = buildSelfExtractor(request, [&](std::uint64_t, std::uint64_t) { return !c.cancel; });
    EXPECT_EQ(result.status, c.status) << c.what;
    if (c.removeStub) {
      EXPECT_NE(result.error.find("ZipSFX32.bin"), std::string::npos) << result.error;
    }
    EXPECT_EQ(readFile(b.area / "Pres.exe"), "the old file") << c.what;
    for (const auto& e : fs::directory_iterator(b.area.path()))
      EXPECT_EQ(e.path().filename().string().find(".part"), std::string::npos) << c.what << ": " << e.path();
  }
}

TEST(SfxArchive, IncludedPlayerThatIsMissingIsAnError) {
  Built b;
  b.presentation = tavo::test::makePresentation(b.area);
  b.area.write("ZipSFX32.bin", tavo::test::kFakeStub);
  ExeBuildRequest request{b.area / "ZipSFX32.bin", playerFileIn(b.area.path()), b.presentation, "Pres", {}, {}, b.area / "Pres.exe"};
  const BuildResult result = buildSelfExtractor(request);
  EXPECT_EQ(result.status, BuildStatus::Failed);
  EXPECT_NE(result.error.find("FileSet/TavoPlayer.exe"), std::string::npos) << result.error;
  EXPECT_FALSE(fs::exists(b.area / "Pres.exe"));
}

TEST(SfxArchive, WorkAreaFilesArePreferredByTheirShippedNames) {
  struct Case {
    std::vector<std::string> present;
    std::string stub, player;
  };
  const Case cases[] = {
      {{}, "ZipSFX32.bin", "FileSet/TavoPlayer.exe"},
      {{"ZipSFX32.bin", "FileSet/ZipSFX32.bin", "FileSet/TavoPlayer.exe", "FileSet/TavoPlayer"},
       "ZipSFX32.bin", "FileSet/TavoPlayer.exe"},
      {{"FileSet/ZipSFX32.bin", "FileSet/TavoPlayer"}, "FileSet/ZipSFX32.bin", "FileSet/TavoPlayer"},
  };
  for (const Case& c : cases) {
    TempFolder area;
    for (const auto& f : c.present) area.write(f, "x");
    EXPECT_EQ(stubFileIn(area.path()), area / c.stub);
    EXPECT_EQ(playerFileIn(area.path()), area / c.player);
  }
}

// Archives that try to write outside the extraction folder: nothing of them is written.
TEST(SfxArchive, HostileEntriesAreRefusedBeforeAnythingIsWritten) {
  struct Case {
    const char* what;
    std::vector<RawEntry> entries;
  };
  const Case cases[] = {
      {"dot-dot", {{"ok.txt", "fine"}, {"../evil.txt", "escaped"}}},
      {"dot-dot inside", {{"ok.txt", "fine"}, {"a/../../evil.txt", "escaped"}}},
      {"backslash dot-dot", {{"ok.txt", "fine"}, {"..\\evil.txt", "escaped"}}},
      {"absolute", {{"ok.txt", "fine"}, {"/tmp/tavo-sfx-evil.txt", "escaped"}}},
      {"drive letter", {{"ok.txt", "fine"}, {"C:evil.txt", "escaped"}}},
      {"symbolic link then through it", {{"ok.txt", "fine"}, {"link", "", AE_IFLNK, ".."}, {"link/evil.txt", "escaped"}}},
  };
  for (const Case& c : cases) {
    TempFolder area;
    const std::string exe = area.write("x.exe", tavo::test::selfExtracting(tavo::test::rawZip(c.entries)));
    FileSource file(exe);
    std::string error;
    const auto layout = locateSfxPayload(file, &error);
    ASSERT_TRUE(layout) << c.what << ": " << error;
    EXPECT_FALSE(scanSfxArchive(file, *layout, &error)) << c.what;
    ExtractOptions options;
    options.folder = area / "sub/out";
    const ExtractResult result = extractSfxArchive(file, *layout, options);
    EXPECT_EQ(result.status, ExtractStatus::Failed) << c.what;
    EXPECT_FALSE(result.error.empty()) << c.what;
    EXPECT_FALSE(fs::exists(area / "sub/out/ok.txt")) << c.what;
    EXPECT_FALSE(fs::exists(area / "sub/evil.txt")) << c.what;
    EXPECT_FALSE(fs::exists(area / "evil.txt")) << c.what;
    EXPECT_FALSE(fs::exists("/tmp/tavo-sfx-evil.txt")) << c.what;
  }
}

TEST(SfxArchive, SafeNames) {
  for (const char* name : {"a.txt", "Pres/News/Ticker.txt", "a..b/c", "...", "Pres/"})
    EXPECT_TRUE(isSafeEntryName(name)) << name;
  for (const char* name : {"", "/etc/x", "\\x", "..", "../x", "a/..", "a\\..\\..\\x", "C:/x", "c:x"})
    EXPECT_FALSE(isSafeEntryName(name)) << name;
}

TEST(SfxArchive, ExistingFileThroughALinkInTheFolderIsNotFollowed) {
  // A link already in the chosen folder must not carry an entry outside it.
  TempFolder area;
  fs::create_directories(area / "out");
  fs::create_directories(area / "elsewhere");
  fs::create_symlink(area / "elsewhere", area / "out/Pres");
  const std::string exe = area.write("x.exe", tavo::test::selfExtracting(tavo::test::rawZip({{"Pres/a.txt", "data"}})));
  FileSource file(exe);
  const auto layout = locateSfxPayload(file);
  ASSERT_TRUE(layout);
  ExtractOptions options;
  options.folder = area / "out";
  EXPECT_EQ(extractSfxArchive(file, *layout, options).status, ExtractStatus::Failed);
  EXPECT_FALSE(fs::exists(area / "elsewhere/a.txt"));
}

TEST(SfxArchive, TruncatedOrForgedFilesGiveErrors) {
  Built b;
  ASSERT_EQ(build(b, true).status, BuildStatus::Done);
  const std::string good = readFile(b.exe);
  FileSource goodFile(b.exe);
  const auto layout = locateSfxPayload(goodFile);
  ASSERT_TRUE(layout);
  const std::size_t block = layout->blockOffset, archive = layout->archiveOffset;

  auto with = [&](std::size_t at, char c) {
    std::string s = good;
    s[at] = c;
    return s;
  };
  struct Case {
    const char* what;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty", ""},
      {"stub only", good.substr(0, block)},
      {"cut inside the block", good.substr(0, block + 5)},
      {"cut inside the archive", good.substr(0, archive + (good.size() - archive) / 2)},
      {"last byte missing", good.substr(0, good.size() - 1)},
      {"block signature", with(block, 'X')},
      {"block total", with(archive - 1, '\x7f')},
      {"directory offset beyond the file", with(good.size() - 5, '\x7f')},
      {"archive without block", good.substr(archive)},
      {"trailing bytes", good + "junk"},
  };
  for (const Case& c : cases) {
    TempFolder area;
    const std::string path = area.write("x.exe", c.bytes);
    FileSource file(path);
    std::string error;
    const auto found = locateSfxPayload(file, &error);
    if (!found) {
      EXPECT_FALSE(error.empty()) << c.what;
      continue;
    }
    ExtractOptions options;
    options.folder = area / "out";
    const ExtractResult result = extractSfxArchive(file, *found, options);
    EXPECT_EQ(result.status, ExtractStatus::Failed) << c.what;
    EXPECT_FALSE(result.error.empty()) << c.what;
  }
}

TEST(SfxArchive, OverwriteModes) {
  struct Case {
    const char* what;
    OverwriteMode mode;
    std::vector<OverwriteAnswer> answers;
    std::string a, b;  // contents afterwards
    int asked;
  };
  const Case cases[] = {
      {"always", OverwriteMode::Always, {}, "new a", "new b", 0},
      {"never", OverwriteMode::Never, {}, "old a", "old b", 0},
      {"ask yes, no", OverwriteMode::Ask, {OverwriteAnswer::Yes, OverwriteAnswer::No}, "new a", "old b", 2},
      {"ask yes to all", OverwriteMode::Ask, {OverwriteAnswer::YesToAll}, "new a", "new b", 1},
      {"ask no to all", OverwriteMode::Ask, {OverwriteAnswer::NoToAll}, "old a", "old b", 1},
  };
  for (const Case& c : cases) {
    TempFolder area;
    const std::string exe =
        area.write("x.exe", tavo::test::selfExtracting(tavo::test::rawZip({{"a.txt", "new a"}, {"b.txt", "new b"}, {"c.txt", "new c"}})));
    area.write("out/a.txt", "old a");
    area.write("out/b.txt", "old b");
    FileSource file(exe);
    const auto layout = locateSfxPayload(file);
    ASSERT_TRUE(layout);
    ExtractOptions options;
    options.folder = area / "out";
    options.overwrite = c.mode;
    int asked = 0;
    options.askOverwrite = [&](const std::string&) { return c.answers.at(asked++); };
    ASSERT_EQ(extractSfxArchive(file, *layout, options).status, ExtractStatus::Done) << c.what;
    EXPECT_EQ(readFile(area / "out/a.txt"), c.a) << c.what;
    EXPECT_EQ(readFile(area / "out/b.txt"), c.b) << c.what;
    EXPECT_EQ(readFile(area / "out/c.txt"), "new c") << c.what;
    EXPECT_EQ(asked, c.asked) << c.what;
  }
}
