// Replacing a game script while the game runs, when a designer saves its file: the new text is
// compiled as at start-up and takes the old program's place only when all of it compiled, so a
// script never runs half-edited. A file that is gone or cannot be read leaves the last good
// program (not the built-in fallback: a file removed mid-game is an editor's step, not a choice).
#pragma once

#include <cstddef>
#include <string>

#include "script/game_scripts.h"

// Longer names or numbers are refused before compiling: the scanner, which ends the process on
// a token it cannot hold (about 16000 characters), must not end a running game.
constexpr size_t kLongestReloadedWord = 8000;

// Reads and compiles the script's file (the compiler prints its own lines, as at start-up) and
// returns the line that says what became of it, for standard output and the player:
// "combat.txt: reloaded", "combat.txt:3: parse error here; the previous script stays", or
// "combat.txt is a folder; the previous script stays".
std::string ReloadGameScript(eGameScript script);

// The file was removed: "combat.txt was removed; the previous script stays".
std::string KeepRemovedGameScript(eGameScript script);
