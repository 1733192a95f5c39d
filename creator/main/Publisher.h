#pragma once
// The publisher: the routes that copy a presentation with the player to an
// FTP site, a CD master folder, a self-extracting archive or a network folder.
// The main bar opens it at the page of the button pressed.

namespace tavo::creator {

class Publisher {
 public:
  enum class Page { Ftp, Cd, Exe, Network };
  virtual ~Publisher() = default;
  virtual void open(Page page) = 0;
};

}  // namespace tavo::creator
