#include "creator/logic/CreatorSettings.h"

#include "common/TextEncoding.h"
#include "format/IniFunctions.h"
#include "format/ProfileFile.h"

namespace tavo::creator {

namespace {

ProfileFile loadOrThrow(const std::string& path) {
  ProfileFile file = ProfileFile::load(path);
  if (file.unreadable()) throw SettingsFileError("Cannot read " + path);
  return file;
}

void saveOrThrow(const ProfileFile& file, const std::string& path) {
  std::string error;
  if (!file.save(path, &error)) throw SettingsFileError("Cannot write " + path + (error.empty() ? "" : ": " + error));
}

std::string fileText(const std::string& utf8) { return utf8ToFileText(utf8).bytes; }

}  // namespace

bool isTopPosition(const std::string& screenPosition) { return screenPosition == "Top"; }

StartSettings CreatorSettings::readStart() const {
  const ProfileFile file = ProfileFile::load(path_);
  StartSettings s;
  s.curProject = fileTextToUtf8(file.readString("General", "CurProject", ""));
  s.playHelpWav = file.readBool("General", "PlayHelpWav", false);
  s.screenPosition = file.readString("General", "ScreenPosition", "Bottom");
  return s;
}

void CreatorSettings::writeExit(const std::string& curProject, bool playHelpWav, bool atTop) const {
  ProfileFile file = loadOrThrow(path_);
  file.writeString("General", "CurProject", fileText(curProject));
  file.writeBool("General", "PlayHelpWav", playHelpWav);
  file.writeString("General", "ScreenPosition", atTop ? "Top" : "Bottom");
  saveOrThrow(file, path_);
}

PageSettings CreatorSettings::readPage() const {
  const ProfileFile file = ProfileFile::load(path_);
  PageSettings s;
  s.initialDir = fileTextToUtf8(file.readString("General", "InitialDir", ""));
  s.overwritePrompt = file.readBool("General", "OverwritePrompt", false);
  return s;
}

void CreatorSettings::writePage(const PageSettings& settings) const {
  ProfileFile file = loadOrThrow(path_);
  file.writeBool("General", "OverwritePrompt", settings.overwritePrompt);
  file.writeString("General", "InitialDir", fileText(settings.initialDir));
  saveOrThrow(file, path_);
}

void CreatorSettings::forgetCurrentSets() const {
  ProfileFile file = loadOrThrow(path_);
  if (!file.hasKey("Step2", "CurSlideShow") && !file.hasKey("Step3", "CurThumbnail")) return;
  file.deleteKey("Step2", "CurSlideShow");
  file.deleteKey("Step3", "CurThumbnail");
  saveOrThrow(file, path_);
}

ReportSettings CreatorSettings::readReports() const {
  ReportSettings r;
  r.fontName = fileTextToUtf8(iniReadStringDefault(path_, "Reports", "FontName", r.fontName));
  r.fontSize = iniReadIntegerDefault(path_, "Reports", "FontSize", r.fontSize);
  r.headerFontSize = iniReadIntegerDefault(path_, "Reports", "HeaderFontSize", r.headerFontSize);
  r.leftMargin = iniReadFloatDefault(path_, "Reports", "LeftMargin", r.leftMargin);
  r.topMargin = iniReadFloatDefault(path_, "Reports", "TopMargin", r.topMargin);
  return r;
}

}  // namespace tavo::creator
