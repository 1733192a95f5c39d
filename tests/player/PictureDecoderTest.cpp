// Decoding a set's pictures: forged, broken and foreign files are refused or
// shown as unreadable, and nothing decodes to more pixels than its area shows.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <string>

#include "player/slideshow/PictureLoader.h"
#include "tests/player/PictureWindowFixture.h"
#include "tests/support/TempFolder.h"

namespace tavo::player::pictures {
namespace {

// A JPEG whose frame header claims `w` x `h` pixels (the data stays that of a small picture).
std::string forgedJpeg(int w, int h) {
  std::string bytes = test::pictureBytes(32, 24, Qt::darkCyan);
  const std::size_t sof = bytes.find("\xFF\xC0", 2);
  EXPECT_NE(sof, std::string::npos);
  bytes[sof + 5] = char(h >> 8);
  bytes[sof + 6] = char(h & 0xff);
  bytes[sof + 7] = char(w >> 8);
  bytes[sof + 8] = char(w & 0xff);
  return bytes;
}

TEST(PictureDecoder, ForgedBrokenAndForeignFilesAreRefusedWithoutBlowingUp) {
  tavo::test::TempFolder t;
  const std::string good = test::pictureBytes(800, 600, Qt::yellow);
  struct Case {
    const char* name;
    std::string bytes;
    bool readable;
  } cases[] = {
      {"huge.jpg", forgedJpeg(50000, 50000), false},  // 2.5 gigapixels claimed
      {"text.jpg", "Not a picture at all, only words.\r\n", false},
      {"empty.jpg", "", false},
      {"good.jpg", good, true},
  };
  for (const Case& c : cases) {
    const QString path = QString::fromStdString(t.write(c.name, c.bytes));
    const DecodedPicture d = decodePicture({path, c.name, {1920, 1010}, PictureFit::Stretch});
    EXPECT_EQ(d.readable(), c.readable) << c.name;
    if (!c.readable) {
      EXPECT_EQ(d.unreadableName, c.name);
    }
  }
  // A truncated picture decodes what it has, or is unreadable; either way within its area.
  const QString cut = QString::fromStdString(t.write("cut.jpg", good.substr(0, good.size() / 2)));
  for (PictureFit fit : {PictureFit::ActualSize, PictureFit::Stretch, PictureFit::ShrinkToFit}) {
    const DecodedPicture d = decodePicture({cut, "cut.jpg", {300, 200}, fit});
    if (d.readable()) {
      EXPECT_TRUE(d.image.width() <= 300 && d.image.height() <= 200);
    }
  }
  // A name that left the presentation folder has no path: unreadable, by its name.
  const DecodedPicture outside = decodePicture({QString(), "..\\..\\secret.jpg", {100, 100}, PictureFit::Stretch});
  EXPECT_FALSE(outside.readable());
  EXPECT_EQ(outside.unreadableName, "..\\..\\secret.jpg");
}

TEST(PictureDecoder, SetFilesStayInsideThePresentation) {
  tavo::test::TempFolder t;
  const std::string root = t.mkdir("Show");
  t.write("Show/Gallery/Set/A.JPG", "x");
  t.write("secret.jpg", "x");
  const std::string set = root + "Gallery/Set";
  EXPECT_EQ(setFilePath(root, set, "a.jpg").toStdString(), set + "/A.JPG");  // without regard to case
  EXPECT_TRUE(setFilePath(root, set, "..\\..\\..\\secret.jpg").isEmpty());
  EXPECT_TRUE(setFilePath(root, set, "/etc/passwd").isEmpty());
}

}  // namespace
}  // namespace tavo::player::pictures
