#include <gtest/gtest.h>

#include <string>

#include "common/FileText.h"
#include "platform/Drives.h"
#include "platform/QtServices.h"
#include "tests/support/TempFolder.h"

namespace tavo::platform {
namespace {

// A mountinfo text as the kernel writes it: blanks in mount points as "\040",
// optional fields before the "-", later mounts on top of earlier ones.
constexpr const char* kMountInfo =
    "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw,errors=remount-ro\n"
    "25 22 0:21 / /proc rw,nosuid shared:12 - proc proc rw\n"
    "30 22 11:0 / /media/cdrom ro,nosuid,nodev shared:200 master:3 - iso9660 /dev/sr0 ro,nojoliet\n"
    "31 22 11:1 / /media/My\\040Disc ro - udf /dev/sr1 ro,utf8\n"
    "32 30 0:40 / /media/cdrom/inner rw - tmpfs tmpfs rw\n"
    "33 22 8:17 / /media/cd rw - vfat /dev/sdb1 rw\n"
    "this line is not a mount at all\n"
    "34 22 0:50 / /mnt/over rw - ext4 /dev/sdc1 rw\n"
    "35 34 11:2 / /mnt/over ro - udf /dev/sr2 ro\n";

TEST(FileSystemTypeOf, TakesTheLongestMountPointThatHoldsThePath) {
  struct Case {
    const char* path;
    const char* type;
  };
  const Case cases[] = {
      {"/home/user/TavoPlayer", "ext4"},
      {"/", "ext4"},
      {"/media/cdrom", "iso9660"},
      {"/media/cdrom/", "iso9660"},
      {"/media/cdrom/TavoPlayer", "iso9660"},
      {"/media/cdrom/inner/x", "tmpfs"},
      {"/media/cdrom2/TavoPlayer", "ext4"},  // a longer name is not inside /media/cdrom
      {"/media/cd/TavoPlayer", "vfat"},
      {"/media/My Disc/TavoPlayer", "udf"},
      {"/media/My\\040Disc/TavoPlayer", "ext4"},  // the escape is the kernel's, not a name
      {"/mnt/over/TavoPlayer", "udf"},           // the later mount covers the earlier one
      {"relative/TavoPlayer", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(fileSystemTypeOf(c.path, kMountInfo), c.type) << c.path;
}

TEST(FileSystemTypeOf, BadMountInfoGivesNoType) {
  using namespace std::string_literals;
  const std::string texts[] = {"", "\n\n", "garbage", "1 2 3 4 /media/cdrom 6 7", "1 2 3 4 /media/cdrom 6 - ",
                               "\0\0\0 1 2 /media/cdrom \xff - iso9660"s, "1 2 3 4 /media/cdrom\0 6 - iso9660 x y"s};
  for (const std::string& text : texts) EXPECT_EQ(fileSystemTypeOf("/media/cdrom/TavoPlayer", text), "") << text;
}

TEST(LinuxDrives, AFolderOnTheSystemDiskIsNoCdRom) {
  const auto mountInfo = readFileBytes("/proc/self/mountinfo");
  ASSERT_TRUE(mountInfo);
  test::TempFolder t;
  const std::string type = fileSystemTypeOf(t.path(), *mountInfo);
  ASSERT_FALSE(type.empty()) << "every path lies on some mount";
  if (type == "iso9660" || type == "udf") GTEST_SKIP() << "the temporary folder lies on a CD";
  LinuxDrives drives;
  EXPECT_FALSE(drives.isCdRom(QString::fromStdString(t.path())));
  EXPECT_FALSE(drives.isCdRom(QString::fromStdString(t / "missing/TavoPlayer")));
}

}  // namespace
}  // namespace tavo::platform
