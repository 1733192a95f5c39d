#pragma once
// The player's settings store: the user's viewing preferences and the record
// of installed presentations, each value with its type and default.
//
// Key paths are relative to a root of the store (common/Registry.h):
//   user root:    Software\Corvenna\TavoPlayer\General, \Viewing Options, \Universal Options
//   machine root: Software\Corvenna\TavoPlayer, \Projects, \License
// User readers write the default back when a value is missing or of another
// type, so that after the first run every preference exists. Machine readers
// follow the machine rules of Registry.h. Colours are Windows colour integers:
// red in the low byte, then green, then blue.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/Registry.h"

namespace tavo {

inline constexpr const char* kPlayerKey = "Software\\Corvenna\\TavoPlayer";
inline constexpr const char* kGeneralKey = "Software\\Corvenna\\TavoPlayer\\General";
inline constexpr const char* kViewingOptionsKey = "Software\\Corvenna\\TavoPlayer\\Viewing Options";
inline constexpr const char* kUniversalOptionsKey = "Software\\Corvenna\\TavoPlayer\\Universal Options";
inline constexpr const char* kProjectsKey = "Software\\Corvenna\\TavoPlayer\\Projects";
inline constexpr const char* kLicenseKey = "Software\\Corvenna\\TavoPlayer\\License";

// A Windows colour integer and its parts.
struct WinColor {
  std::uint32_t value = 0;
  int red() const { return static_cast<int>(value & 0xFF); }
  int green() const { return static_cast<int>((value >> 8) & 0xFF); }
  int blue() const { return static_cast<int>((value >> 16) & 0xFF); }
  static WinColor fromRgb(int r, int g, int b) {
    return {static_cast<std::uint32_t>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16))};
  }
  bool operator==(const WinColor&) const = default;
};

// The viewing options as one record, each field with its default.
struct ViewingOptions {
  int tickerDataSpeed = 6;                 // 1 (slow) .. 9 (fast)
  std::string tickerPosition = "Top";      // "Top" or "Bottom"
  std::string tickerTextSize = "Large";    // "Small", "Large" or "Jumbo"
  bool tickerTextBold = true;
  WinColor tickerTextColor{65280};         // green
  WinColor tickerColor{0};                 // black
  std::string buttonBarLocation = "Top";   // "Top" or "Bottom"
  bool buttonBarTextBold = false;
};

class PlayerSettings {
 public:
  explicit PlayerSettings(RegistryRoots roots) : roots_(std::move(roots)) {}
  static PlayerSettings fromEnvironment() { return PlayerSettings(RegistryRoots::fromEnvironment()); }

  const RegistryRoots& roots() const { return roots_; }

  // ---- General (user) ----
  // 1 actual size, 2 fit keeping proportions, 3 stretch; default 3.
  int slideDisplayMethod() const;
  void setSlideDisplayMethod(int method) const;
  int thumbDisplayMethod() const;
  void setThumbDisplayMethod(int method) const;

  // ---- Viewing Options (user) ----
  int tickerDataSpeed() const;
  void setTickerDataSpeed(int speed) const;
  std::string tickerPosition() const;
  void setTickerPosition(std::string_view position) const;
  std::string tickerTextSize() const;
  void setTickerTextSize(std::string_view size) const;
  bool tickerTextBold() const;
  void setTickerTextBold(bool bold) const;
  WinColor tickerTextColor() const;
  void setTickerTextColor(WinColor color) const;
  WinColor tickerColor() const;
  void setTickerColor(WinColor color) const;
  std::string buttonBarLocation() const;
  void setButtonBarLocation(std::string_view location) const;
  bool buttonBarTextBold() const;
  void setButtonBarTextBold(bool bold) const;
  // All viewing options at once (each read with its default written back).
  ViewingOptions viewingOptions() const;
  void setViewingOptions(const ViewingOptions& options) const;

  // ---- Universal Options (user) ----
  bool sound() const;  // default on
  void setSound(bool on) const;

  // ---- installation record (machine) ----
  // Name of the value under Projects that is the active presentation (default empty).
  std::string activeProject() const;
  // Sort content providers by folder path (default yes; written when missing).
  bool sortSubscriber() const;
  // Name of the content provider shown last (default empty).
  std::string activeSubscriber() const;
  void setActiveSubscriber(std::string_view name) const;
  // The values under Projects in listing order: (value name, folder).
  std::vector<std::pair<std::string, std::string>> projects() const;
  // Records an installed presentation under "Presentation" + n with the
  // smallest n >= 1 not in use; returns the value name (empty on failure).
  std::string addProject(std::string_view folder) const;

  std::string installPath() const;   // License\InstallPath, default empty
  void setInstallPath(std::string_view path) const;
  std::string version() const;       // License\Version, default empty
  void setVersion(std::string_view version) const;
  std::string firstInstall() const;  // License\FirstInstall, default empty
  void setFirstInstall(std::string_view when) const;

 private:
  RegistryRoots roots_;
};

}  // namespace tavo
