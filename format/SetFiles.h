#pragma once
// Slideshow and thumbnail sets: a set folder holds its definition file
// ("Slideshow.ini" or "Thumbnail.ini"), for a slideshow the synchronized text
// file (normally "SyncEzy.txt"), and the files they name. File names inside a
// set are matched on disk without regard to case.
//
// Player mode reads every "Image" + N key of [Images] whose value is not
// empty, in ascending N (a gap in the numbers loses nothing); a slideshow
// picture Image N takes line N of the synchronized text file (the editor
// writes one line per grid row, so each picture keeps its own line; missing
// lines are empty).
//
// Editor mode reads every key of [Images] in file order, entry k filling row
// k. Each picture still takes the synchronized line of its own number, so
// closing a gap keeps every picture with its text; synchronized lines that no
// picture claims and that hold text follow as rows without a picture, so that
// nothing the author typed is lost.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "format/ProfileFile.h"
#include "format/ReadMode.h"

namespace tavo {

inline constexpr const char* kSlideshowFileName = "Slideshow.ini";
inline constexpr const char* kThumbnailFileName = "Thumbnail.ini";
inline constexpr const char* kSlideshowSyncFileName = "SyncEzy.txt";

inline constexpr const char* kSectionSlideshowOptions = "Slideshow Options";
inline constexpr const char* kSectionThumbnailOptions = "Thumbnail Options";
inline constexpr const char* kSectionImages = "Images";
inline constexpr const char* kKeySyncFileName = "Filename";
inline constexpr const char* kKeyCycleInterval = "Cycle Interval";
inline constexpr const char* kKeyAudioFile = "Audio File";
inline constexpr const char* kKeyTitleCaption = "Title Caption";
inline constexpr const char* kDefaultCycleInterval = "00:15";

struct SetImage {
  std::string file;
  std::string caption;
  std::string syncText;  // slideshow
  std::string hotlink;   // slideshow
  std::string link;      // thumbnail
  bool operator==(const SetImage&) const = default;
};

struct SlideshowSet {
  std::string syncFileName;   // player default: none; editor default "SyncEzy.txt"
  std::string cycleInterval;  // "mm:ss" as stored; default "00:15"
  std::string audioFile;
  std::vector<SetImage> images;
  int cycleIntervalMs() const;  // unusable text: 15 seconds
};

struct ThumbnailSet {
  std::string titleCaption;
  std::string cycleInterval;  // as stored; player default none, editor default "00:15"
  std::string audioFile;
  std::vector<SetImage> images;
  int cycleIntervalMs() const;  // unusable or missing: 15 seconds
};

// A file a set names by its stored name (a picture, the sound, the
// synchronized text): looked up in the set folder, where every such file lies,
// and only there. nullopt for a name that leads out of the set folder (an
// absolute name, ".." parts or a symbolic link), as for a name that is not
// there; a missing name inside gives the path it would have.
std::optional<std::string> fileInSet(const std::string& setFolder, std::string_view storedName);

// A missing definition file gives an empty set with the mode's defaults. A
// synchronized text file named outside the set folder is not read.
SlideshowSet readSlideshowSet(const std::string& setFolder, ReadMode mode);
ThumbnailSet readThumbnailSet(const std::string& setFolder, ReadMode mode);

// The same from a loaded definition file and the bytes of the synchronized
// text file (empty when there is none).
SlideshowSet parseSlideshowSet(const ProfileFile& definition, std::string_view syncBytes, ReadMode mode);
ThumbnailSet parseThumbnailSet(const ProfileFile& definition, ReadMode mode);

// The editor's writers. `rows` are all rows of the editor in order, empty
// ones included. A row with a (trimmed) file becomes "Image" + its row number;
// the slideshow's synchronized text file gets one line per row, untrimmed.
// A cycle interval left blank ("  :  ") is written empty for a slideshow and
// unchanged for a thumbnail set. Files are replaced atomically; false when
// one cannot be written.
bool writeSlideshowSet(const std::string& setFolder, const std::vector<SetImage>& rows,
                       std::string_view cycleInterval, std::string_view audioFile);
bool writeThumbnailSet(const std::string& setFolder, const std::vector<SetImage>& rows, std::string_view titleCaption,
                       std::string_view cycleInterval, std::string_view audioFile);

}  // namespace tavo
