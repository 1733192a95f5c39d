#pragma once
// The current presentation of the creator and the files its management writes:
// the "Project Info", "Subscribers", "Presentation Options" and "Web Addresses"
// sections of Project.ini. Names are UTF-8 (they are folder names); the file
// keeps them in the presentation files' encoding.

#include <string>
#include <string_view>
#include <vector>

namespace tavo::creator {

struct Presentation {
  std::string programFolder;       // the work area, trailing "/"
  std::string presentationName;    // empty: no presentation is current
  std::string presentationFolder;  // programFolder + "Projects/" + name + "/"
  std::string projectFile;         // presentationFolder + "Project.ini"
  std::vector<std::string> contentProviders;
  int currentProvider = -1;

  std::string projectsFolder() const { return programFolder + "Projects/"; }
  // The current content provider's name, or empty.
  std::string currentProviderName() const;
};

// Makes `name` current; for a non-empty name creates its folder (with parents)
// and records the name and folder in Project.ini's "Project Info".
void setCurrentPresentation(Presentation& p, const std::string& name);

// Reads the content providers: the names listed under [Subscribers] that are a
// plain folder name of an existing folder of the presentation, then every
// other sub-folder (not beginning with ".") in listing order. Sets
// currentProvider from StartWith (the first provider when it is empty).
// Returns the StartWith name that the content-provider label shows.
std::string loadContentProviders(Presentation& p);

// Rewrites [Subscribers] as Subscriber1..n in list order and StartWith as the
// current provider (empty when there is none).
void saveContentProviders(const Presentation& p);

// Writes only StartWith (the content-provider menu).
void writeStartWith(const Presentation& p, const std::string& providerName);

// Reads every provider's "Browser Options"/"Ticker Location", rewrites
// [Subscribers] (StartWith untouched) and records the non-empty locations
// under [Web Addresses] (that section is not erased first).
void refreshWebAddresses(const Presentation& p);

// The files of a new presentation: makes it current with no providers,
// creates its marketplace folder and writes Subscriber1, StartWith (both empty)
// and Sound = "On".
void createPresentationFiles(Presentation& p, const std::string& name);

// One folder name that stays inside its parent: not empty, not "." or "..",
// no "/" or "\", no control characters.
bool isPlainFolderName(std::string_view name);


// ---- the control menu's recent entries ---------------------------------------

struct RecentEntry {
  std::string caption;  // "1 Name" with "&" doubled
  bool visible = false;
};

// The five entries after `presentationName` became current: that name first,
// then the names the visible entries showed, each once (letter case ignored).
std::vector<RecentEntry> refreshRecentList(const std::vector<RecentEntry>& entries,
                                           const std::string& presentationName);
// The presentation name an entry's caption stands for.
std::string recentEntryName(const std::string& caption);

}  // namespace tavo::creator
