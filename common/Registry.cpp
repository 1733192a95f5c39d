#include "common/Registry.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unordered_set>

#include "common/FileText.h"
#include "common/QxMisc.h"
#include "common/TextEncoding.h"

namespace fs = std::filesystem;

namespace tavo {

namespace {

constexpr const char* kValuesFile = ".values";

std::vector<std::string> splitKeyPath(std::string_view keyPath) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= keyPath.size()) {
    std::size_t sep = keyPath.find_first_of("/\\", start);
    if (sep == std::string_view::npos) sep = keyPath.size();
    std::string part(keyPath.substr(start, sep - start));
    if (!part.empty() && part != "." && part != "..") parts.push_back(std::move(part));
    start = sep + 1;
  }
  return parts;
}

std::string escape(std::string_view s, bool isName) {
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '=':
        if (isName) {
          out += "\\=";
          break;
        }
        [[fallthrough]];
      default: out.push_back(c);
    }
  }
  return out;
}

// Reads an escaped text up to an unescaped `stop` (or the end when stop is 0).
// Returns the position after `stop`, or npos when it is missing or an escape is broken.
std::size_t unescape(std::string_view s, std::size_t pos, char stop, std::string& out) {
  while (pos < s.size()) {
    const char c = s[pos];
    if (c == '\\') {
      if (pos + 1 >= s.size()) return std::string_view::npos;
      const char e = s[pos + 1];
      if (e == 'n') out.push_back('\n');
      else if (e == 'r') out.push_back('\r');
      else if (e == '\\' || e == '=') out.push_back(e);
      else return std::string_view::npos;
      pos += 2;
      continue;
    }
    if (stop != 0 && c == stop) return pos + 1;
    out.push_back(c);
    ++pos;
  }
  return stop == 0 ? pos : std::string_view::npos;
}

std::optional<RegistryValue> parseLine(std::string_view line) {
  RegistryValue v;
  std::size_t pos;
  if (line.rfind("sz:", 0) == 0) {
    v.type = RegistryValue::Type::Text;
    pos = 3;
  } else if (line.rfind("dword:", 0) == 0) {
    v.type = RegistryValue::Type::Integer;
    pos = 6;
  } else {
    return std::nullopt;
  }
  pos = unescape(line, pos, '=', v.name);
  if (pos == std::string_view::npos || v.name.empty()) return std::nullopt;
  if (v.type == RegistryValue::Type::Text) {
    if (unescape(line, pos, 0, v.text) == std::string_view::npos) return std::nullopt;
  } else {
    const std::string digits(line.substr(pos));
    if (digits.empty() || digits.size() > 20) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long long n = std::strtoll(digits.c_str(), &end, 10);
    if (errno != 0 || end == nullptr || *end != '\0') return std::nullopt;
    v.number = n;
  }
  return v;
}

// The values of a key's file: none when there is no file, and none for a file
// larger than kMaxValuesFileBytes, which is damage (the store writes a few
// hundred bytes) and is not read; nothing when a file is there but could not
// be read (permissions, an I/O error, not a regular file), so that no write
// replaces values it never saw.
std::optional<std::vector<RegistryValue>> readValuesFile(const std::string& keyFolder) {
  const std::string path = keyFolder + "/" + kValuesFile;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return std::vector<RegistryValue>{};
    return std::nullopt;
  }
  if (!S_ISREG(st.st_mode)) return std::nullopt;
  if (static_cast<std::uint64_t>(st.st_size) > kMaxValuesFileBytes) return std::vector<RegistryValue>{};
  const auto bytes = readFileBytes(path);
  if (!bytes) return std::nullopt;
  if (bytes->size() > kMaxValuesFileBytes) return std::vector<RegistryValue>{};  // grew while read
  return parseRegistryValues(*bytes);
}

std::string formatValues(const std::vector<RegistryValue>& values) {
  std::string out;
  for (const auto& v : values) {
    if (v.type == RegistryValue::Type::Text)
      out += "sz:" + escape(v.name, true) + "=" + escape(v.text, false) + "\n";
    else
      out += "dword:" + escape(v.name, true) + "=" + std::to_string(v.number) + "\n";
  }
  return out;
}

std::string environment(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}

// An XDG base folder: a relative value is not valid and counts as unset.
std::string xdgFolder(const char* name) {
  std::string v = environment(name);
  return !v.empty() && v.front() == '/' ? v : std::string();
}

std::string homeFolder() {
  std::string home = environment("HOME");
  return home.empty() ? std::string("/tmp") : home;
}

}  // namespace

std::vector<RegistryValue> parseRegistryValues(std::string_view fileText) {
  std::vector<RegistryValue> result;
  std::unordered_set<std::string> seen;  // lower-case names
  forEachLine(fileText, [&](std::string_view line) {
    auto v = parseLine(line);
    if (!v) return;
    if (!seen.insert(toLowerAnsi(v->name)).second) return;  // the first one counts
    result.push_back(std::move(*v));
  });
  return result;
}

Registry::Registry(std::string rootFolder) : root_(withoutTrailingSeparator(rootFolder)) {}

std::optional<std::string> Registry::openKey(std::string_view keyPath, bool create) const {
  std::error_code ec;
  fs::path current(root_);
  if (!fs::is_directory(current, ec)) {
    if (!create) return std::nullopt;
    fs::create_directories(current, ec);
    if (ec || !fs::is_directory(current, ec)) return std::nullopt;
  }
  for (const std::string& part : splitKeyPath(keyPath)) {
    fs::path exact = current / part;
    if (fs::is_directory(exact, ec)) {
      current = exact;
      continue;
    }
    bool found = false;
    for (fs::directory_iterator it(current, ec), end; !ec && it != end; it.increment(ec)) {
      const std::string entry = it->path().filename().string();
      std::error_code typeError;
      if (equalsIgnoreCase(entry, part) && it->is_directory(typeError)) {
        current = it->path();
        found = true;
        break;
      }
    }
    if (found) continue;
    if (!create) return std::nullopt;
    ec.clear();
    fs::create_directory(exact, ec);
    if (ec) return std::nullopt;
    current = exact;
  }
  return current.string();
}

std::vector<RegistryValue> Registry::values(std::string_view keyPath) const {
  const auto folder = openKey(keyPath, false);
  if (!folder) return {};
  return readValuesFile(*folder).value_or(std::vector<RegistryValue>{});
}

std::vector<std::string> Registry::valueNames(std::string_view keyPath) const {
  std::vector<std::string> names;
  for (auto& v : values(keyPath)) names.push_back(std::move(v.name));
  return names;
}

std::optional<RegistryValue> Registry::value(std::string_view keyPath, std::string_view name) const {
  for (auto& v : values(keyPath))
    if (equalsIgnoreCase(v.name, name)) return std::move(v);
  return std::nullopt;
}

std::vector<std::string> Registry::subKeys(std::string_view keyPath) const {
  std::vector<std::string> names;
  const auto folder = openKey(keyPath, false);
  if (folder) listSubfolders(*folder, names);
  return names;
}

bool Registry::store(std::string_view keyPath, const RegistryValue& v, bool erase) const {
  if (v.name.empty()) return false;
  const auto folder = openKey(keyPath, !erase);
  if (!folder) return false;
  std::optional<std::vector<RegistryValue>> read = readValuesFile(*folder);
  if (!read) return false;  // a file that could not be read is left as it is
  std::vector<RegistryValue> all = std::move(*read);
  bool replaced = false;
  for (auto it = all.begin(); it != all.end(); ++it) {
    if (!equalsIgnoreCase(it->name, v.name)) continue;
    if (erase) {
      all.erase(it);
    } else {
      const std::string keptName = it->name;
      *it = v;
      it->name = keptName;
    }
    replaced = true;
    break;
  }
  if (erase && !replaced) return true;
  if (!replaced) all.push_back(v);
  return writeFileAtomic(*folder + "/" + kValuesFile, formatValues(all));
}

bool Registry::writeText(std::string_view keyPath, std::string_view name, std::string_view text) const {
  RegistryValue v;
  v.name = std::string(name);
  v.type = RegistryValue::Type::Text;
  v.text = std::string(text);
  return store(keyPath, v, false);
}

bool Registry::writeInteger(std::string_view keyPath, std::string_view name, std::int64_t number) const {
  RegistryValue v;
  v.name = std::string(name);
  v.type = RegistryValue::Type::Integer;
  v.number = number;
  return store(keyPath, v, false);
}

bool Registry::deleteValue(std::string_view keyPath, std::string_view name) const {
  RegistryValue v;
  v.name = std::string(name);
  return store(keyPath, v, true);
}

std::string RegistryRoots::settingsFolderFromEnvironment() {
  const std::string explicitFolder = environment("TAVO_SETTINGS_DIR");
  if (!explicitFolder.empty()) return withoutTrailingSeparator(explicitFolder);
  std::string config = xdgFolder("XDG_CONFIG_HOME");
  if (config.empty()) config = homeFolder() + "/.config";
  return withoutTrailingSeparator(config) + "/tavo";
}

RegistryRoots RegistryRoots::inFolder(const std::string& folder) {
  const std::string f = withoutTrailingSeparator(folder);
  return RegistryRoots{Registry(f + "/user"), Registry(f + "/machine")};
}

RegistryRoots RegistryRoots::fromEnvironment() {
  const std::string explicitFolder = environment("TAVO_SETTINGS_DIR");
  if (!explicitFolder.empty()) return inFolder(explicitFolder);
  std::string data = xdgFolder("XDG_DATA_HOME");
  if (data.empty()) data = homeFolder() + "/.local/share";
  return RegistryRoots{Registry(settingsFolderFromEnvironment() + "/user"),
                       Registry(withoutTrailingSeparator(data) + "/tavo/machine")};
}

// ---- reading and writing rules ----------------------------------------------

std::int64_t readUserInteger(const Registry& user, std::string_view key, std::string_view name,
                             std::int64_t fallback) {
  if (!user.openKey(key, true)) return fallback;
  const auto v = user.value(key, name);
  if (v && v->type == RegistryValue::Type::Integer) return v->number;
  user.writeInteger(key, name, fallback);
  return fallback;
}

std::string readUserText(const Registry& user, std::string_view key, std::string_view name,
                         std::string_view fallback) {
  if (!user.openKey(key, true)) return std::string(fallback);
  const auto v = user.value(key, name);
  if (v && v->type == RegistryValue::Type::Text) return v->text;
  user.writeText(key, name, fallback);
  return std::string(fallback);
}

bool readUserBool(const Registry& user, std::string_view key, std::string_view name, bool fallback) {
  return readUserInteger(user, key, name, fallback ? 1 : 0) != 0;
}

void writeUserInteger(const Registry& user, std::string_view key, std::string_view name, std::int64_t v) {
  user.writeInteger(key, name, v);
}

void writeUserText(const Registry& user, std::string_view key, std::string_view name, std::string_view v) {
  user.writeText(key, name, v);
}

void writeUserBool(const Registry& user, std::string_view key, std::string_view name, bool v) {
  user.writeInteger(key, name, v ? 1 : 0);
}

std::string readMachineText(const Registry& machine, std::string_view key, std::string_view name,
                            std::string_view fallback) {
  if (!machine.openKey(key, true)) return std::string(fallback);
  const auto v = machine.value(key, name);
  if (!v || v->type != RegistryValue::Type::Text) {
    if (!fallback.empty()) machine.writeText(key, name, fallback);
    return std::string(fallback);
  }
  if (v->text.empty() && !fallback.empty()) {
    machine.writeText(key, name, fallback);
    return std::string(fallback);
  }
  return v->text;
}

bool readMachineBool(const Registry& machine, std::string_view key, std::string_view name, bool fallback) {
  if (!machine.openKey(key, true)) return fallback;
  const auto v = machine.value(key, name);
  if (v && v->type == RegistryValue::Type::Integer) return v->number != 0;
  machine.writeInteger(key, name, fallback ? 1 : 0);
  return fallback;
}

void writeMachineText(const Registry& machine, std::string_view key, std::string_view name,
                      std::string_view v) {
  machine.writeText(key, name, v);
}

void writeBool(const Registry& root, std::string_view key, std::string_view name, bool v) {
  root.writeInteger(key, name, v ? 1 : 0);
}

}  // namespace tavo
