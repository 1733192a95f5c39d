#pragma once
// The player's settings store: a tree of keys holding typed values, kept as
// plain files so that it works without any system service.
//
// A root is a folder. A key path such as "Software\Corvenna\TavoPlayer\Projects"
// ("\" or "/" separate the keys) is a folder below the root, found without
// regard to case, and its values are the lines of the file ".values" in it,
// in the order they were first written:
//     sz:<name>=<text>
//     dword:<name>=<integer>
// Backslash, CR, LF (and "=" inside names) are escaped with a backslash.
// Lines that cannot be read are ignored, and the next write of the key
// rewrites its file whole (atomically), so a damaged file heals itself; a
// file larger than kMaxValuesFileBytes counts as damage and is not read. A
// file that is there but cannot be read (permissions, an I/O error) reads as
// a key without values, and writes to the key fail and leave it unchanged.
//
// Two roots exist, as on the system the player was designed for: one for the
// user's preferences and one for the record of installed presentations
// (RegistryRoots below says where they live).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

// The largest ".values" file the store reads; a key's settings take a few
// hundred bytes.
inline constexpr std::uint64_t kMaxValuesFileBytes = std::uint64_t{16} << 20;

struct RegistryValue {
  enum class Type { Text, Integer };
  std::string name;
  Type type = Type::Text;
  std::string text;       // for Text
  std::int64_t number = 0;  // for Integer
};

class Registry {
 public:
  explicit Registry(std::string rootFolder);

  const std::string& rootFolder() const { return root_; }

  // Opens a key, creating it and its parents when `create` is set. Returns the
  // key's folder, or nothing when it does not exist (or cannot be created).
  std::optional<std::string> openKey(std::string_view keyPath, bool create) const;
  bool keyExists(std::string_view keyPath) const { return openKey(keyPath, false).has_value(); }

  std::vector<RegistryValue> values(std::string_view keyPath) const;
  std::vector<std::string> valueNames(std::string_view keyPath) const;
  std::optional<RegistryValue> value(std::string_view keyPath, std::string_view name) const;
  // The names of the key's direct sub-keys.
  std::vector<std::string> subKeys(std::string_view keyPath) const;

  // Writers create the key when missing; they return false when the store cannot be written.
  bool writeText(std::string_view keyPath, std::string_view name, std::string_view text) const;
  bool writeInteger(std::string_view keyPath, std::string_view name, std::int64_t number) const;
  bool deleteValue(std::string_view keyPath, std::string_view name) const;

 private:
  bool store(std::string_view keyPath, const RegistryValue& v, bool erase) const;
  std::string root_;
};

// Where the two roots live. TAVO_SETTINGS_DIR, when set, holds both (as its
// sub-folders "user" and "machine"); tests and portable set-ups use it.
// Otherwise the user root is $XDG_CONFIG_HOME/tavo/user (~/.config/tavo/user)
// and the machine root $XDG_DATA_HOME/tavo/machine (~/.local/share/tavo/machine):
// on Linux a presentation is installed for the user who installs it.
struct RegistryRoots {
  Registry user;
  Registry machine;
  static RegistryRoots fromEnvironment();
  static RegistryRoots inFolder(const std::string& folder);
  // The folder the roots are chosen from (for files that live beside them).
  static std::string settingsFolderFromEnvironment();
};

// The values of a key's ".values" file, as the store reads them: lines that
// cannot be read are left out, and of two values with the same name (compared
// without regard to case) the first counts. Linear in the size of the text.
std::vector<RegistryValue> parseRegistryValues(std::string_view fileText);

// ---- reading and writing rules ----------------------------------------------
// User root: a reader writes the default back when the value is missing or of
// another type; when the key cannot be opened it returns the default. Writers
// fail silently.
std::int64_t readUserInteger(const Registry& user, std::string_view key, std::string_view name,
                             std::int64_t fallback);
std::string readUserText(const Registry& user, std::string_view key, std::string_view name,
                         std::string_view fallback);
bool readUserBool(const Registry& user, std::string_view key, std::string_view name, bool fallback);
void writeUserInteger(const Registry& user, std::string_view key, std::string_view name, std::int64_t v);
void writeUserText(const Registry& user, std::string_view key, std::string_view name, std::string_view v);
void writeUserBool(const Registry& user, std::string_view key, std::string_view name, bool v);

// Machine root, opened for reading and writing (creating the key). A key
// "cannot be opened" when it is missing and cannot be created; values of an
// existing key are read even when the store is write-protected (the writes
// then fail silently), so that presentations recorded by the machine's
// administrator stay visible to every user.
// text: key cannot be opened -> default, nothing written; value missing ->
// default, written when not empty; value empty while the default is not ->
// default, written. A value of the other type counts as missing.
std::string readMachineText(const Registry& machine, std::string_view key, std::string_view name,
                            std::string_view fallback);
// yes/no: key cannot be opened -> default; value missing (or not an integer) ->
// default, written.
bool readMachineBool(const Registry& machine, std::string_view key, std::string_view name, bool fallback);
void writeMachineText(const Registry& machine, std::string_view key, std::string_view name,
                      std::string_view v);
void writeBool(const Registry& root, std::string_view key, std::string_view name, bool v);

}  // namespace tavo
