#pragma once
// Presentation files are single-byte text. Inside the programs every file text
// stays as the bytes it was read as; only the user interface needs characters,
// and it converts with these two functions (or their Qt wrappers in
// platform/QtText.h).
//
// Reading rule: a text that is valid UTF-8 is taken as UTF-8 (plain ASCII is
// the same either way); any other text is Windows-1252, the code page of the
// Western European Windows systems that presentations come from.
//
// Writing rule: a text is stored as Windows-1252 when every character has a
// Windows-1252 code and the stored bytes would not read back as something else
// (Windows-1252 bytes that happen to form valid UTF-8 would); otherwise it is
// stored as UTF-8 and the caller is told, so that the user can be informed.
// Either way, what is written reads back as exactly the characters given.

#include <string>
#include <string_view>

namespace tavo {

// The UTF-8 form of file text (see the reading rule).
std::string fileTextToUtf8(std::string_view bytes);

struct EncodedText {
  std::string bytes;
  bool storedAsUtf8 = false;  // some character had no single-byte code
};

// The file form of UTF-8 text (see the writing rule). Invalid UTF-8 input is
// taken as Windows-1252 bytes already and returned unchanged.
EncodedText utf8ToFileText(std::string_view utf8);

bool isValidUtf8(std::string_view bytes);
bool isPlainAscii(std::string_view bytes);

// Windows-1252 to UTF-8, byte by byte. The five bytes without a character in
// Windows-1252 (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control codes of the
// same value, so every byte string converts and converts back.
std::string windows1252ToUtf8(std::string_view bytes);

// Lower case for comparing names: ASCII and Latin letters of UTF-8 text.
std::string foldCaseUtf8(std::string_view utf8);

}  // namespace tavo
