#include "player/logic/SearchAddress.h"

namespace tavo::player {

namespace {
bool unreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '~';
}
}  // namespace

std::string percentEncodeWords(std::string_view utf8Words) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(utf8Words.size() * 3);
  for (const char ch : utf8Words) {
    const auto c = static_cast<unsigned char>(ch);
    if (unreserved(c)) {
      out += ch;
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0x0F];
    }
  }
  return out;
}

std::string searchQueryAddress(std::string_view searchAddress, std::string_view utf8Words) {
  std::string out(searchAddress);
  out += '=';
  out += percentEncodeWords(utf8Words);
  return out;
}

}  // namespace tavo::player
