#pragma once
// Several presentation files are read by both programs with different rules:
// the player reads what it shows, the creator's editors read what they let
// the author change. Readers that differ take one of these modes.

namespace tavo {

enum class ReadMode {
  Player,  // the player's reading
  Editor,  // the creator's editors' reading
};

}  // namespace tavo
