#pragma once
// The creator's default-writing INI readers: a value that comes back unusable
// is replaced in the file by the default, so the file then holds every value.

#include <string>
#include <string_view>

namespace tavo {

// Reads the value; when it is empty (or missing), writes the default and returns it.
std::string iniReadStringDefault(const std::string& file, std::string_view section, std::string_view key,
                                 std::string_view fallback);
// Reads with -1 as the marker of a missing (or unreadable) value; when the
// marker comes back, writes the default and returns it.
long iniReadIntegerDefault(const std::string& file, std::string_view section, std::string_view key, long fallback);
// The same with the real number -1.0 as the marker. Numbers use "." as decimal separator.
double iniReadFloatDefault(const std::string& file, std::string_view section, std::string_view key,
                           double fallback);

}  // namespace tavo
