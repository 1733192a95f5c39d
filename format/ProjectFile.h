#pragma once
// "Project.ini", the presentation-level settings file, and the creator's
// operations on a presentation folder.
//
// Layout of a presentation folder:
//   <presentation>/Project.ini
//   <presentation>/<content provider>/!Tavo.ini   (one folder per content provider)
// A sub-folder is a content provider exactly when it holds "!Tavo.ini".

#include <string>
#include <string_view>
#include <vector>

namespace tavo::project {

inline constexpr const char* kProjectFileName = "Project.ini";
inline constexpr const char* kProviderFileName = "!Tavo.ini";

inline constexpr const char* kSectionProjectInfo = "Project Info";
inline constexpr const char* kSectionSubscribers = "Subscribers";
inline constexpr const char* kSectionWebAddresses = "Web Addresses";
inline constexpr const char* kSectionPresentationOptions = "Presentation Options";
inline constexpr const char* kSectionDownloadItems = "Download Item List";
inline constexpr const char* kSectionUniversalOptions = "Universal Options";

inline constexpr const char* kKeyPresentationName = "Presentation Name";
inline constexpr const char* kKeyProjectFolder = "Project Folder";
inline constexpr const char* kKeySubscriberPrefix = "Subscriber";
inline constexpr const char* kKeyStartWith = "StartWith";
inline constexpr const char* kKeyRunPlaylist = "RunPlayList";
inline constexpr const char* kKeyShowReasonsList = "ShowReasonsList";
inline constexpr const char* kKeySound = "Sound";

// ---- typed access (each call opens, reads or writes, and closes the file) ----
// Readers return the stated default when the file or key is missing. The file
// name of `projectFile` is matched on disk without regard to case.

std::string readPresentationName(const std::string& projectFile, std::string_view fallback = "");
std::string readProjectFolder(const std::string& projectFile);
std::string readStartWith(const std::string& projectFile);              // default empty
bool readRunPlaylist(const std::string& projectFile, bool fallback = false);
bool readShowReasonsList(const std::string& projectFile);               // default false
std::string readSound(const std::string& projectFile);                   // default empty
// The reasons to install, in file order (keys ignored).
std::vector<std::string> readDownloadItems(const std::string& projectFile);
// [Web Addresses]: content provider name -> its "Ticker Location".
std::string readWebAddress(const std::string& projectFile, std::string_view providerName);

// Writers return false when the file cannot be written.
bool writePresentationName(const std::string& projectFile, std::string_view name);
bool writeProjectFolder(const std::string& projectFile, std::string_view folder);
bool writeStartWith(const std::string& projectFile, std::string_view provider);
bool writeRunPlaylist(const std::string& projectFile, bool on);
bool writeShowReasonsList(const std::string& projectFile, bool on);
bool writeSound(const std::string& projectFile, std::string_view value);
// Erases [Download Item List] and writes one key per row that has text, the key
// being the row's number (from 1), so gaps occur.
bool writeDownloadItems(const std::string& projectFile, const std::vector<std::string>& rows);
// Erases [Subscribers] and writes "Subscriber1".. in list order.
bool writeSubscriberList(const std::string& projectFile, const std::vector<std::string>& names);
bool writeWebAddress(const std::string& projectFile, std::string_view providerName, std::string_view address);

// ---- the creator's presentation operations -----------------------------------

// <creator folder>/Projects/<name>/ (with trailing separator).
std::string presentationFolder(const std::string& creatorFolder, std::string_view name);
// presentationFolder + "Project.ini".
std::string projectFilePath(const std::string& presentationFolder);

// Creates the presentation folder when missing, then writes "Presentation Name"
// and "Project Folder". Returns false when the folder or file cannot be written.
bool makePresentationCurrent(const std::string& creatorFolder, std::string_view name);
// Makes the presentation current, creates Custom/TavoContent/<name>, and writes
// [Subscribers] "Subscriber1" (empty), "StartWith" (empty) and "Sound" = "On".
bool createPresentation(const std::string& creatorFolder, std::string_view name);

// The content providers of a presentation as the creator lists them: the values
// of [Subscribers] in file order (the whole text after the first "=", since a
// folder name may hold "="), each once, whose folders exist; then every other
// sub-folder whose name does not begin with ".", in directory listing order.
std::vector<std::string> readContentProviderList(const std::string& presentationFolder);

}  // namespace tavo::project
