// Shared steps of the behaviour-script tests: compiling with the game's bound names in place,
// reading a compiled program back as listing lines, and the shipped script texts.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "script/bound_names.h"
#include "script/game_scripts.h"
#include "script/script_evaluator.h"
#include "script/script_parser.h"
#include "script/script_symbols.h"

// Starts every script test from the table the game has before its scripts are compiled.
inline void FreshScriptSymbols() {
  ResetGameScripts();
  RegisterBoundScriptNames();
}

// Compiles with standard output captured: what the parse printed goes to *printed.
inline int ParseCapturing(const std::string& text, cScriptProgram& program, std::string* printed) {
  testing::internal::CaptureStdout();
  const int result = ParseScript(text.c_str(), program);
  *printed = testing::internal::GetCapturedStdout();
  return result;
}

inline std::vector<std::string> Listing(const cScriptProgram& program) {
  std::vector<std::string> lines;
  for (const cScriptInstruction& instruction : program.Instructions()) {
    lines.push_back(ScriptInstructionText(instruction));
  }
  return lines;
}

// The seven scripts the game ships, as in data/.
inline std::vector<std::string> ShippedScripts() {
  std::vector<std::string> texts;
  for (int i = 0; i < kGameScriptCount; ++i) {
    std::ifstream in(std::string(ZOMA_SOURCE_DIR "/data/") + GameScriptSource(static_cast<eGameScript>(i)).file,
                     std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    texts.push_back(text.str());
  }
  return texts;
}
