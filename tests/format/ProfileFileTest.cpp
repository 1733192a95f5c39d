#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <filesystem>
#include <string>

#include "format/ProfileFile.h"
#include "tests/support/TempFolder.h"

namespace tavo {
namespace {

using test::readFile;
using test::TempFolder;

TEST(ProfileFile, NamesMatchWithoutCaseAndValuesStayRaw) {
  const ProfileFile f = ProfileFile::parse(
      "[Presentation Options]\r\n"
      "RunPlayList=1\r\n"
      "  Spaced Key  = two  blanks |x \r\n"
      "Quoted=\"a\";b\r\n"
      "Eq=a=b=c\r\n"
      "Empty=\r\n");
  EXPECT_EQ(f.readString("presentation options", "RUNPLAYLIST", "?"), "1");
  EXPECT_TRUE(f.readBool("PRESENTATION OPTIONS", "RunPlaylist", false));
  EXPECT_EQ(f.readString("Presentation Options", "spaced key", "?"), " two  blanks |x ");
  EXPECT_EQ(f.readString("Presentation Options", "Quoted", "?"), "\"a\";b");
  EXPECT_EQ(f.readString("Presentation Options", "Eq", "?"), "a=b=c");
  // Present but empty is empty; only a missing key gives the default.
  EXPECT_EQ(f.readString("Presentation Options", "Empty", "default"), "");
  EXPECT_EQ(f.readString("Presentation Options", "Missing", "default"), "default");
  EXPECT_EQ(f.readString("No Such Section", "Empty", "default"), "default");
  EXPECT_EQ(f.readInteger("Presentation Options", "Empty", 42), 42);
}

TEST(ProfileFile, IntegersAndBooleans) {
  const ProfileFile f = ProfileFile::parse("[s]\na=0\nb=1\nc=-3\nd= 12 \ne=7x\nf=\ng=99999999999999999999\nh=+4\n");
  const struct {
    const char* key;
    std::int64_t expected;
  } cases[] = {{"a", 0}, {"b", 1}, {"c", -3}, {"d", 12}, {"e", -1}, {"f", -1}, {"g", -1}, {"h", 4}, {"zz", -1}};
  for (const auto& c : cases) EXPECT_EQ(f.readInteger("s", c.key, -1), c.expected) << c.key;
  EXPECT_FALSE(f.readBool("s", "a", true));
  EXPECT_TRUE(f.readBool("s", "c", false));   // any number but 0 is true
  EXPECT_TRUE(f.readBool("s", "e", true));    // not a number: the default
  EXPECT_FALSE(f.readBool("s", "e", false));
}

TEST(ProfileFile, LineEndsOfEveryKindAndNoFinalLineEnd) {
  for (const char* text : {"[s]\r\na=1\r\nb=2", "[s]\na=1\nb=2\n", "[s]\ra=1\rb=2\r", "[s]\r\na=1\nb=2\r"}) {
    const ProfileFile f = ProfileFile::parse(text);
    EXPECT_EQ(f.readString("s", "a", "?"), "1") << text;
    EXPECT_EQ(f.readString("s", "b", "?"), "2") << text;
  }
}

TEST(ProfileFile, RepeatedSectionsAndKeysTheFirstCounts) {
  const ProfileFile f = ProfileFile::parse("[A]\nk=first\nk=second\n[B]\nx=1\n[a]\nk=third\nonly=later\n");
  EXPECT_EQ(f.readString("A", "k", "?"), "first");
  // The repeated header's lines belong to no section we read.
  EXPECT_EQ(f.readString("A", "only", "?"), "?");
  EXPECT_EQ(f.sectionNames(), (std::vector<std::string>{"A", "B"}));
  const auto entries = f.sectionEntries("a");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[1].value, "second");
}

TEST(ProfileFile, SectionLinesAndEntriesInFileOrder) {
  const ProfileFile f = ProfileFile::parse("[Subscribers]\nSubscriber3=C\n\n  Subscriber1=A\nnot a key\nSubscriber2=B\n[X]\n");
  EXPECT_EQ(f.sectionLines("subscribers"),
            (std::vector<std::string>{"Subscriber3=C", "Subscriber1=A", "not a key", "Subscriber2=B"}));
  const auto entries = f.sectionEntries("Subscribers");
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0].key, "Subscriber3");
  EXPECT_EQ(entries[1].key, "Subscriber1");
  EXPECT_EQ(entries[2].value, "B");
}

TEST(ProfileFile, NumberedValuesTakeEveryPresentNumberInOrder) {
  const ProfileFile f = ProfileFile::parse(
      "[Images]\nImage4=d\nimage1=a\nIMAGE2=\nImage10=j\nImage02=zero\nImage=none\nImagex=x\nImage3=c\nImage3=again\n"
      "Image-5=neg\n");
  const auto values = f.numberedValues("Images", "Image");
  std::vector<std::pair<int, std::string>> got;
  for (const auto& v : values) got.emplace_back(v.number, v.value);
  // Empty values count as absent; leading zeros and other suffixes are no numbers.
  EXPECT_EQ(got, (std::vector<std::pair<int, std::string>>{{1, "a"}, {3, "c"}, {4, "d"}, {10, "j"}}));
}

TEST(ProfileFile, WritesKeepEverythingElse) {
  const std::string original =
      "; a comment\r\n[Sponsor Options]\r\n  Caption Text=Hello\r\nOther=keep\r\n\r\n[Viewing Options]\r\nX=1\r\n";
  ProfileFile f = ProfileFile::parse(original);
  ASSERT_TRUE(f.writeString("sponsor options", "CAPTION TEXT", "Bye"));
  ASSERT_TRUE(f.writeString("Sponsor Options", "New Key", "n"));
  ASSERT_TRUE(f.writeString("Brand New", "k", "v"));
  // The key keeps its spelling and indentation, the new key goes after the
  // last key of its section (before the blank line), the new section at the end.
  EXPECT_EQ(f.serialize(),
            "; a comment\r\n[Sponsor Options]\r\n  Caption Text=Bye\r\nOther=keep\r\nNew Key=n\r\n\r\n"
            "[Viewing Options]\r\nX=1\r\n[Brand New]\r\nk=v\r\n");
}

TEST(ProfileFile, WritingBooleansAsIntegersAndRefusedNames) {
  ProfileFile f;
  EXPECT_TRUE(f.writeBool("s", "on", true));
  EXPECT_TRUE(f.writeBool("s", "off", false));
  EXPECT_TRUE(f.writeInteger("s", "n", -12));
  EXPECT_EQ(f.serialize(), "[s]\r\non=1\r\noff=0\r\nn=-12\r\n");
  const std::string before = f.serialize();
  EXPECT_FALSE(f.writeString("s", "a=b", "v"));
  EXPECT_FALSE(f.writeString("s", "", "v"));
  EXPECT_FALSE(f.writeString("s", "[k]", "v"));
  EXPECT_FALSE(f.writeString("bad]name", "k", "v"));
  EXPECT_FALSE(f.writeString("s", "two\nlines", "v"));
  EXPECT_FALSE(f.rewriteSection("s", {{"ok", "1"}, {"bad=key", "2"}}));
  EXPECT_EQ(f.serialize(), before);
  // Line ends inside a value cannot split the line.
  EXPECT_TRUE(f.writeString("s", "v", "a\r\nb"));
  EXPECT_EQ(ProfileFile::parse(f.serialize()).readString("s", "v", "?"), "a  b");
}

TEST(ProfileFile, EraseAndRewriteSections) {
  ProfileFile f = ProfileFile::parse("[Top]\na=1\n[Buttons]\nButton1=A\nAction1=x\n\n[End]\nz=9\n[buttons]\nButton7=dup\n");
  ASSERT_TRUE(f.rewriteSection("BUTTONS", {{"Button2", "B"}, {"Action2", "y"}}));
  // Rewritten where it was, the repeated occurrence gone with the old lines.
  EXPECT_EQ(f.serialize(), "[Top]\r\na=1\r\n[BUTTONS]\r\nButton2=B\r\nAction2=y\r\n[End]\r\nz=9\r\n");
  f.eraseSection("End");
  EXPECT_FALSE(f.hasSection("end"));
  EXPECT_EQ(f.readString("Buttons", "Button2", "?"), "B");
  f.deleteKey("buttons", "button2");
  EXPECT_FALSE(f.hasKey("Buttons", "Button2"));
  // A repeated key goes with every occurrence, so no older value comes back.
  ProfileFile twice = ProfileFile::parse("[s]\nk=1\nk=2\nj=3\n");
  twice.deleteKey("S", "K");
  EXPECT_EQ(twice.serialize(), "[s]\r\nj=3\r\n");
  EXPECT_EQ(f.readString("Buttons", "Action2", "?"), "y");
}

TEST(ProfileFile, WriteStringsChangesSeveralKeysInOnePass) {
  ProfileFile f = ProfileFile::parse("[Playlist Options]\n1=old\n3=three\n");
  ASSERT_TRUE(f.writeStrings("Playlist Options", {{"1", "one"}, {"2", "two"}, {"2", "two again"}, {"4", "four"}}));
  EXPECT_EQ(f.serialize(), "[Playlist Options]\r\n1=one\r\n3=three\r\n2=two again\r\n4=four\r\n");
}

TEST(ProfileFile, BlankLinesSurviveARoundTrip) {
  const std::string text = "\n\n[a]\n \n\t\nk=v\n\n\n\n[b]\n\n";
  ProfileFile f = ProfileFile::parse(text);
  EXPECT_EQ(f.serialize(), "\r\n\r\n[a]\r\n \r\n\t\r\nk=v\r\n\r\n\r\n\r\n[b]\r\n\r\n");
  ASSERT_TRUE(f.writeString("a", "k2", "w"));
  EXPECT_EQ(f.serialize(), "\r\n\r\n[a]\r\n \r\n\t\r\nk=v\r\nk2=w\r\n\r\n\r\n\r\n[b]\r\n\r\n");
}

TEST(ProfileFile, BinaryNulAndHugeLines) {
  std::string bytes = "[s]\nk=a";
  bytes.push_back('\0');
  bytes += "b\n";
  bytes += "big=" + std::string(1 << 20, 'x') + "\n";
  bytes += std::string(1 << 20, '|') + "\n";
  for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<char>(i));
  bytes += "\n[t]\nafter=1";
  const ProfileFile f = ProfileFile::parse(bytes);
  EXPECT_EQ(f.readString("s", "k", "?"), std::string("a\0b", 3));
  EXPECT_EQ(f.readString("s", "big", "?").size(), std::size_t{1} << 20);
  EXPECT_EQ(f.readString("t", "after", "?"), "1");
  // Everything read comes back when written: the file is unchanged but for CR LF.
  const ProfileFile again = ProfileFile::parse(f.serialize());
  EXPECT_EQ(again.serialize(), f.serialize());
}

TEST(ProfileFile, SaveCreatesReplacesAndKeepsOtherKeys) {
  TempFolder dir;
  const std::string path = dir / "Project.ini";
  EXPECT_EQ(readProfileString(path, "s", "k", "missing"), "missing");
  ASSERT_TRUE(writeProfileString(path, "Project Info", "Presentation Name", "Demo"));
  ASSERT_TRUE(writeProfileString(path, "Project Info", "Project Folder", "/p/"));
  ASSERT_TRUE(writeProfileString(path, "project info", "presentation name", "Renamed"));
  EXPECT_EQ(readFile(path), "[Project Info]\r\nPresentation Name=Renamed\r\nProject Folder=/p/\r\n");
}

TEST(ProfileFile, FailedSaveKeepsTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TempFolder dir;
  const std::string folder = dir.mkdir("locked");
  const std::string path = dir.write("locked/Playlist.ini", "[Playlist]\r\n1=a\r\n");
  ::chmod(folder.c_str(), 0555);
  std::string error;
  ProfileFile f = ProfileFile::load(path);
  ASSERT_TRUE(f.writeString("Playlist", "2", "b"));
  EXPECT_FALSE(f.save(path, &error));
  EXPECT_FALSE(error.empty());
  EXPECT_FALSE(writeProfileString(path, "Playlist", "3", "c"));
  ::chmod(folder.c_str(), 0755);
  EXPECT_EQ(readFile(path), "[Playlist]\r\n1=a\r\n");
}

// A write that fails half-way (here: the file-size limit, which holds for root
// too) leaves the old file whole and no temporary file behind.
TEST(ProfileFile, AWriteThatFailsHalfWayKeepsTheOldFile) {
  TempFolder dir;
  const std::string path = dir.write("Playlist.ini", "[Playlist]\r\n1=a\r\n");
  ProfileFile f = ProfileFile::load(path);
  ASSERT_TRUE(f.writeString("Playlist", "2", std::string(4096, 'b')));
  rlimit old{};
  ::getrlimit(RLIMIT_FSIZE, &old);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 1024;
  ::setrlimit(RLIMIT_FSIZE, &small);
  std::string error;
  const bool saved = f.save(path, &error);
  ::setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(saved);
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(readFile(path), "[Playlist]\r\n1=a\r\n");
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1u);
}

TEST(ProfileFile, AFileThatCannotBeReadIsNeverReplaced) {
  TempFolder dir;
  const std::string asFolder = dir.mkdir("Thumbnail.ini");  // a folder where the file should be
  ProfileFile f = ProfileFile::load(asFolder.substr(0, asFolder.size() - 1));
  EXPECT_TRUE(f.unreadable());
  EXPECT_TRUE(f.writeString("s", "k", "v"));
  std::string error;
  EXPECT_FALSE(f.save(dir / "other.ini", &error));
  EXPECT_FALSE(error.empty());

  if (::geteuid() != 0) {
    const std::string path = dir.write("secret.ini", "[s]\r\nkeep=1\r\n");
    ::chmod(path.c_str(), 0200);  // write-only: cannot be read
    EXPECT_FALSE(writeProfileString(path, "s", "new", "2"));
    ::chmod(path.c_str(), 0644);
    EXPECT_EQ(readFile(path), "[s]\r\nkeep=1\r\n");
  }
}

}  // namespace
}  // namespace tavo
