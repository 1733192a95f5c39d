#include "format/PlayerSettings.h"

#include "common/QxMisc.h"

namespace tavo {

namespace {

std::uint32_t toColor(std::int64_t v) { return static_cast<std::uint32_t>(v & 0xFFFFFFFF); }

}  // namespace

int PlayerSettings::slideDisplayMethod() const {
  return static_cast<int>(readUserInteger(roots_.user, kGeneralKey, "SlideDisplayMethod", 3));
}
void PlayerSettings::setSlideDisplayMethod(int method) const {
  writeUserInteger(roots_.user, kGeneralKey, "SlideDisplayMethod", method);
}
int PlayerSettings::thumbDisplayMethod() const {
  return static_cast<int>(readUserInteger(roots_.user, kGeneralKey, "ThumbDisplayMethod", 3));
}
void PlayerSettings::setThumbDisplayMethod(int method) const {
  writeUserInteger(roots_.user, kGeneralKey, "ThumbDisplayMethod", method);
}

int PlayerSettings::tickerDataSpeed() const {
  return static_cast<int>(readUserInteger(roots_.user, kViewingOptionsKey, "Ticker Data Speed", 6));
}
void PlayerSettings::setTickerDataSpeed(int speed) const {
  writeUserInteger(roots_.user, kViewingOptionsKey, "Ticker Data Speed", speed);
}
std::string PlayerSettings::tickerPosition() const {
  return readUserText(roots_.user, kViewingOptionsKey, "Ticker Position", "Top");
}
void PlayerSettings::setTickerPosition(std::string_view position) const {
  writeUserText(roots_.user, kViewingOptionsKey, "Ticker Position", position);
}
std::string PlayerSettings::tickerTextSize() const {
  return readUserText(roots_.user, kViewingOptionsKey, "Ticker Text Size", "Large");
}
void PlayerSettings::setTickerTextSize(std::string_view size) const {
  writeUserText(roots_.user, kViewingOptionsKey, "Ticker Text Size", size);
}
bool PlayerSettings::tickerTextBold() const {
  return readUserBool(roots_.user, kViewingOptionsKey, "Ticker Text Bold", true);
}
void PlayerSettings::setTickerTextBold(bool bold) const {
  writeUserBool(roots_.user, kViewingOptionsKey, "Ticker Text Bold", bold);
}
WinColor PlayerSettings::tickerTextColor() const {
  return {toColor(readUserInteger(roots_.user, kViewingOptionsKey, "Ticker Text Color", 65280))};
}
void PlayerSettings::setTickerTextColor(WinColor color) const {
  writeUserInteger(roots_.user, kViewingOptionsKey, "Ticker Text Color", color.value);
}
WinColor PlayerSettings::tickerColor() const {
  return {toColor(readUserInteger(roots_.user, kViewingOptionsKey, "Ticker Color", 0))};
}
void PlayerSettings::setTickerColor(WinColor color) const {
  writeUserInteger(roots_.user, kViewingOptionsKey, "Ticker Color", color.value);
}
std::string PlayerSettings::buttonBarLocation() const {
  return readUserText(roots_.user, kViewingOptionsKey, "Button Bar Location", "Top");
}
void PlayerSettings::setButtonBarLocation(std::string_view location) const {
  writeUserText(roots_.user, kViewingOptionsKey, "Button Bar Location", location);
}
bool PlayerSettings::buttonBarTextBold() const {
  return readUserBool(roots_.user, kViewingOptionsKey, "Button Bar Text Bold", false);
}
void PlayerSettings::setButtonBarTextBold(bool bold) const {
  writeUserBool(roots_.user, kViewingOptionsKey, "Button Bar Text Bold", bold);
}

ViewingOptions PlayerSettings::viewingOptions() const {
  ViewingOptions o;
  o.tickerDataSpeed = tickerDataSpeed();
  o.tickerPosition = tickerPosition();
  o.tickerTextSize = tickerTextSize();
  o.tickerTextBold = tickerTextBold();
  o.tickerTextColor = tickerTextColor();
  o.tickerColor = tickerColor();
  o.buttonBarLocation = buttonBarLocation();
  o.buttonBarTextBold = buttonBarTextBold();
  return o;
}

void PlayerSettings::setViewingOptions(const ViewingOptions& o) const {
  setTickerDataSpeed(o.tickerDataSpeed);
  setTickerPosition(o.tickerPosition);
  setTickerTextSize(o.tickerTextSize);
  setTickerTextBold(o.tickerTextBold);
  setTickerTextColor(o.tickerTextColor);
  setTickerColor(o.tickerColor);
  setButtonBarLocation(o.buttonBarLocation);
  setButtonBarTextBold(o.buttonBarTextBold);
}

bool PlayerSettings::sound() const { return readUserBool(roots_.user, kUniversalOptionsKey, "Sound", true); }
void PlayerSettings::setSound(bool on) const { writeUserBool(roots_.user, kUniversalOptionsKey, "Sound", on); }

std::string PlayerSettings::activeProject() const {
  return readMachineText(roots_.machine, kPlayerKey, "ActiveProject", "");
}
bool PlayerSettings::sortSubscriber() const {
  return readMachineBool(roots_.machine, kPlayerKey, "SortSubscriber", true);
}
std::string PlayerSettings::activeSubscriber() const {
  return readMachineText(roots_.machine, kPlayerKey, "ActiveSubscriber", "");
}
void PlayerSettings::setActiveSubscriber(std::string_view name) const {
  writeMachineText(roots_.machine, kPlayerKey, "ActiveSubscriber", name);
}

std::vector<std::pair<std::string, std::string>> PlayerSettings::projects() const {
  std::vector<std::pair<std::string, std::string>> out;
  if (!roots_.machine.openKey(kProjectsKey, true)) return out;
  for (auto& v : roots_.machine.values(kProjectsKey))
    out.emplace_back(v.name, v.type == RegistryValue::Type::Text ? v.text : std::string());
  return out;
}

std::string PlayerSettings::addProject(std::string_view folder) const {
  const auto existing = roots_.machine.valueNames(kProjectsKey);
  for (int n = 1;; ++n) {
    const std::string name = "Presentation" + std::to_string(n);
    bool used = false;
    for (const auto& e : existing) used = used || equalsIgnoreCase(e, name);
    if (used) continue;
    return roots_.machine.writeText(kProjectsKey, name, folder) ? name : std::string();
  }
}

std::string PlayerSettings::installPath() const {
  return readMachineText(roots_.machine, kLicenseKey, "InstallPath", "");
}
void PlayerSettings::setInstallPath(std::string_view path) const {
  writeMachineText(roots_.machine, kLicenseKey, "InstallPath", path);
}
std::string PlayerSettings::version() const { return readMachineText(roots_.machine, kLicenseKey, "Version", ""); }
void PlayerSettings::setVersion(std::string_view version) const {
  writeMachineText(roots_.machine, kLicenseKey, "Version", version);
}
std::string PlayerSettings::firstInstall() const {
  return readMachineText(roots_.machine, kLicenseKey, "FirstInstall", "");
}
void PlayerSettings::setFirstInstall(std::string_view when) const {
  writeMachineText(roots_.machine, kLicenseKey, "FirstInstall", when);
}

}  // namespace tavo
