#pragma once
// The query address of a search engine: the engine's search address as the
// content provider wrote it, "=", then the typed words percent-encoded as
// UTF-8. Every byte that is not an unreserved character (letters, digits,
// "-", ".", "_", "~") is encoded, so "&", "#", "+", "%", "?", "=" and blanks
// ("%20") in the words stay part of the words and never start another query
// field, a fragment or a different page.

#include <string>
#include <string_view>

namespace tavo::player {

// Percent-encodes UTF-8 text byte by byte (upper-case hex digits).
std::string percentEncodeWords(std::string_view utf8Words);

// `searchAddress` + "=" + the encoded words; the address is kept as written.
std::string searchQueryAddress(std::string_view searchAddress, std::string_view utf8Words);

// What "GO" does with the engines the menu holds.
enum class GoAction { Nothing, SearchAtOnce, ShowMenu };
inline GoAction goAction(std::size_t engineCount) {
  if (engineCount == 0) return GoAction::Nothing;
  return engineCount == 1 ? GoAction::SearchAtOnce : GoAction::ShowMenu;
}

}  // namespace tavo::player
