#include "format/IniFunctions.h"

#include <charconv>
#include <cstdlib>

#include "format/ProfileFile.h"

namespace tavo {

namespace {

std::optional<double> parseFloat(std::string_view text) {
  std::size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  if (b == e) return std::nullopt;
  double v = 0;
  const auto [end, ec] = std::from_chars(text.data() + b, text.data() + e, v);
  if (ec != std::errc() || end != text.data() + e) return std::nullopt;
  return v;
}

std::string formatFloat(double v) {
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
  return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

}  // namespace

std::string iniReadStringDefault(const std::string& file, std::string_view section, std::string_view key,
                                 std::string_view fallback) {
  ProfileFile ini = ProfileFile::load(file);
  const std::string value = ini.readString(section, key, "");
  if (!value.empty()) return value;
  if (ini.writeString(section, key, fallback)) ini.save(file);
  return std::string(fallback);
}

long iniReadIntegerDefault(const std::string& file, std::string_view section, std::string_view key, long fallback) {
  ProfileFile ini = ProfileFile::load(file);
  const long value = static_cast<long>(ini.readInteger(section, key, -1));
  if (value != -1) return value;
  if (ini.writeInteger(section, key, fallback)) ini.save(file);
  return fallback;
}

double iniReadFloatDefault(const std::string& file, std::string_view section, std::string_view key,
                           double fallback) {
  ProfileFile ini = ProfileFile::load(file);
  const auto stored = ini.value(section, key);
  const double value = stored ? parseFloat(*stored).value_or(-1.0) : -1.0;
  if (value != -1.0) return value;
  if (ini.writeString(section, key, formatFloat(fallback))) ini.save(file);
  return fallback;
}

}  // namespace tavo
