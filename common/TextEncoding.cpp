#include "common/TextEncoding.h"

#include <array>
#include <cstdint>

namespace tavo {

namespace {

// Code points of the bytes 0x80..0x9F in Windows-1252.
constexpr std::array<char32_t, 32> kHighTable = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

// Decodes one UTF-8 sequence at `i`; returns false for an invalid one.
bool decodeUtf8(std::string_view s, std::size_t& i, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    cp = b0;
    ++i;
    return true;
  }
  int extra;
  char32_t min;
  if ((b0 & 0xE0) == 0xC0) {
    extra = 1;
    cp = b0 & 0x1F;
    min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    extra = 2;
    cp = b0 & 0x0F;
    min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    extra = 3;
    cp = b0 & 0x07;
    min = 0x10000;
  } else {
    return false;
  }
  for (int k = 1; k <= extra; ++k) {
    if (i + k >= s.size()) return false;
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return false;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
  i += static_cast<std::size_t>(extra) + 1;
  return true;
}

// The Windows-1252 byte of a code point, or -1 when it has none.
int windows1252Byte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t k = 0; k < kHighTable.size(); ++k)
    if (kHighTable[k] == cp) return static_cast<int>(0x80 + k);
  return -1;
}

}  // namespace

bool isPlainAscii(std::string_view bytes) {
  for (char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

bool isValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  char32_t cp;
  while (i < bytes.size())
    if (!decodeUtf8(bytes, i, cp)) return false;
  return true;
}

std::string windows1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80)
      out.push_back(c);
    else if (b < 0xA0)
      appendUtf8(out, kHighTable[b - 0x80]);
    else
      appendUtf8(out, b);
  }
  return out;
}

std::string fileTextToUtf8(std::string_view bytes) {
  if (isPlainAscii(bytes) || isValidUtf8(bytes)) return std::string(bytes);
  return windows1252ToUtf8(bytes);
}

EncodedText utf8ToFileText(std::string_view utf8) {
  if (isPlainAscii(utf8)) return {std::string(utf8), false};
  if (!isValidUtf8(utf8)) return {std::string(utf8), false};
  std::string single;
  single.reserve(utf8.size());
  std::size_t i = 0;
  char32_t cp;
  while (i < utf8.size()) {
    decodeUtf8(utf8, i, cp);
    const int b = windows1252Byte(cp);
    if (b < 0) return {std::string(utf8), true};
    single.push_back(static_cast<char>(b));
  }
  // Single-byte text that is also valid UTF-8 would be read back as UTF-8.
  if (isValidUtf8(single)) return {std::string(utf8), true};
  return {single, false};
}

std::string foldCaseUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t cp;
    const std::size_t start = i;
    if (!decodeUtf8(utf8, i, cp)) {
      out.push_back(utf8[start]);
      i = start + 1;
      continue;
    }
    if (cp >= 'A' && cp <= 'Z')
      cp += 32;
    else if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7)
      cp += 32;
    else if (cp == 0x178)  // Y with diaeresis pairs with 0xFF
      cp = 0xFF;
    else if (cp >= 0x100 && cp <= 0x17F && cp != 0x130 && cp != 0x131 && cp != 0x138 && cp != 0x149 &&
             cp != 0x17F) {
      // Latin Extended-A pairs: most are even/odd pairs; 0x139..0x148 and 0x179..0x17E are odd/even.
      const bool oddUpper = (cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E);
      if (oddUpper ? (cp % 2 == 1) : (cp % 2 == 0)) cp += 1;
    }
    appendUtf8(out, cp);
  }
  return out;
}

}  // namespace tavo
