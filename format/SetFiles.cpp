#include "format/SetFiles.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

#include "common/FileText.h"
#include "common/PresentationPath.h"
#include "common/QxMisc.h"
#include "format/TextFile.h"
#include "format/TimeText.h"

namespace tavo {

namespace {

constexpr const char* kImagePrefix = "Image";

std::string fileIn(const std::string& setFolder, const char* name) {
  return resolveName(withTrailingSeparator(setFolder), name);
}

// The number of an "Image" + N key (N from 1, no leading zeros), or nothing.
std::optional<int> imageNumber(std::string_view key) {
  if (!startsWithIgnoreCase(key, kImagePrefix)) return std::nullopt;
  const std::string_view digits = key.substr(5);
  if (digits.empty() || digits.size() > 9 || digits.front() == '0') return std::nullopt;
  int n = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + (c - '0');
  }
  return n;
}

struct ImageValue {
  std::optional<int> number;  // line of the synchronized text file it takes
  std::string value;
};

std::vector<ImageValue> imageValues(const ProfileFile& definition, ReadMode mode) {
  std::vector<ImageValue> values;
  if (mode == ReadMode::Player) {
    for (auto& v : definition.numberedValues(kSectionImages, kImagePrefix))
      values.push_back({v.number, std::move(v.value)});
    return values;
  }
  std::unordered_set<int> claimed;  // a number repeated in the file: its first key takes the line
  for (auto& e : definition.sectionEntries(kSectionImages)) {
    std::optional<int> n = imageNumber(e.key);
    if (n && !claimed.insert(*n).second) n.reset();
    values.push_back({n, std::move(e.value)});
  }
  return values;
}

SetImage imageFrom(std::string_view value, bool withLink) {
  SetImage image;
  image.file = getField(value, 1, '|');
  image.caption = getField(value, 2, '|');
  if (withLink) image.link = getField(value, 3, '|');
  return image;
}

// Gives each picture its synchronized line (by the picture's number) in one
// pass over the file. In editor mode, lines no picture claims that hold text
// become rows of their own, after the pictures.
void attachSyncLines(std::vector<SetImage>& images, const std::vector<ImageValue>& values, std::string_view syncBytes,
                     ReadMode mode) {
  std::vector<std::pair<int, std::size_t>> wanted;  // (line number, image index)
  for (std::size_t i = 0; i < values.size(); ++i)
    if (values[i].number) wanted.emplace_back(*values[i].number, i);
  std::sort(wanted.begin(), wanted.end());
  std::size_t next = 0;
  int lineNumber = 0;
  std::vector<SetImage> unclaimed;
  forEachLine(syncBytes, [&](std::string_view line) {
    ++lineNumber;
    bool claimed = false;
    while (next < wanted.size() && wanted[next].first == lineNumber) {
      SetImage& image = images[wanted[next].second];
      image.syncText = getField(line, 1, '|');
      image.hotlink = getField(line, 2, '|');
      claimed = true;
      ++next;
    }
    if (!claimed && mode == ReadMode::Editor) {
      SetImage row;
      row.syncText = getField(line, 1, '|');
      row.hotlink = getField(line, 2, '|');
      if ((!row.syncText.empty() || !row.hotlink.empty()) && unclaimed.size() < kMaxLinesKept)
        unclaimed.push_back(std::move(row));
    }
  });
  for (auto& row : unclaimed) images.push_back(std::move(row));
}

bool saveDefinition(const std::string& path, ProfileFile& file, const std::vector<ProfileEntry>& images,
                    const char* optionsSection, const std::vector<ProfileEntry>& options) {
  if (images.empty())
    file.eraseSection(kSectionImages);
  else if (!file.rewriteSection(kSectionImages, images))
    return false;
  return file.writeStrings(optionsSection, options) && file.save(path);
}

}  // namespace

int SlideshowSet::cycleIntervalMs() const { return parseCycleInterval(cycleInterval); }
int ThumbnailSet::cycleIntervalMs() const { return parseCycleInterval(cycleInterval); }

SlideshowSet parseSlideshowSet(const ProfileFile& definition, std::string_view syncBytes, ReadMode mode) {
  SlideshowSet set;
  set.syncFileName = definition.readString(kSectionSlideshowOptions, kKeySyncFileName,
                                           mode == ReadMode::Editor ? kSlideshowSyncFileName : "");
  set.cycleInterval = definition.readString(kSectionSlideshowOptions, kKeyCycleInterval, kDefaultCycleInterval);
  set.audioFile = definition.readString(kSectionSlideshowOptions, kKeyAudioFile, "");
  const std::vector<ImageValue> values = imageValues(definition, mode);
  set.images.reserve(values.size());
  for (const auto& v : values) set.images.push_back(imageFrom(v.value, false));
  attachSyncLines(set.images, values, syncBytes, mode);
  return set;
}

ThumbnailSet parseThumbnailSet(const ProfileFile& definition, ReadMode mode) {
  ThumbnailSet set;
  set.titleCaption = definition.readString(kSectionThumbnailOptions, kKeyTitleCaption, "");
  set.cycleInterval = definition.readString(kSectionThumbnailOptions, kKeyCycleInterval,
                                            mode == ReadMode::Editor ? kDefaultCycleInterval : "");
  set.audioFile = definition.readString(kSectionThumbnailOptions, kKeyAudioFile, "");
  for (const auto& v : imageValues(definition, mode)) set.images.push_back(imageFrom(v.value, true));
  return set;
}

std::optional<std::string> fileInSet(const std::string& setFolder, std::string_view storedName) {
  if (storedName.empty()) return std::nullopt;
  const std::string folder = withTrailingSeparator(setFolder);
  return resolveInside(folder, folder, storedName);
}

SlideshowSet readSlideshowSet(const std::string& setFolder, ReadMode mode) {
  const ProfileFile definition = ProfileFile::load(fileIn(setFolder, kSlideshowFileName));
  const std::string syncName = definition.readString(kSectionSlideshowOptions, kKeySyncFileName,
                                                     mode == ReadMode::Editor ? kSlideshowSyncFileName : "");
  FileBytes sync;
  if (const std::optional<std::string> file = fileInSet(setFolder, syncName)) sync = readPresentationFile(*file);
  return parseSlideshowSet(definition, sync.bytes, mode);
}

ThumbnailSet readThumbnailSet(const std::string& setFolder, ReadMode mode) {
  return parseThumbnailSet(ProfileFile::load(fileIn(setFolder, kThumbnailFileName)), mode);
}

bool writeSlideshowSet(const std::string& setFolder, const std::vector<SetImage>& rows,
                       std::string_view cycleInterval, std::string_view audioFile) {
  const std::string path = fileIn(setFolder, kSlideshowFileName);
  ProfileFile file = ProfileFile::load(path);
  std::vector<ProfileEntry> images;
  std::string sync;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const std::string picture = trimBlanks(rows[r].file);
    if (!picture.empty())
      images.push_back({kImagePrefix + std::to_string(r + 1), picture + "|" + trimBlanks(rows[r].caption)});
    appendCrLfLine(sync, rows[r].syncText + "|" + rows[r].hotlink);
  }
  const std::string interval = isBlankTimeText(cycleInterval) ? std::string() : std::string(cycleInterval);
  if (!file.writeString(kSectionSlideshowOptions, kKeySyncFileName, kSlideshowSyncFileName)) return false;
  if (!saveDefinition(path, file, images, kSectionSlideshowOptions,
                      {{kKeyCycleInterval, interval}, {kKeyAudioFile, std::string(audioFile)}}))
    return false;
  return writeFileAtomic(fileIn(setFolder, kSlideshowSyncFileName), sync);
}

bool writeThumbnailSet(const std::string& setFolder, const std::vector<SetImage>& rows, std::string_view titleCaption,
                       std::string_view cycleInterval, std::string_view audioFile) {
  const std::string path = fileIn(setFolder, kThumbnailFileName);
  ProfileFile file = ProfileFile::load(path);
  std::vector<ProfileEntry> images;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const std::string picture = trimBlanks(rows[r].file);
    if (picture.empty()) continue;
    images.push_back({kImagePrefix + std::to_string(r + 1),
                      picture + "|" + trimBlanks(rows[r].caption) + "|" + trimBlanks(rows[r].link)});
  }
  return saveDefinition(path, file, images, kSectionThumbnailOptions,
                        {{kKeyTitleCaption, std::string(titleCaption)},
                         {kKeyCycleInterval, std::string(cycleInterval)},
                         {kKeyAudioFile, std::string(audioFile)}});
}

}  // namespace tavo
