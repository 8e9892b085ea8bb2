// A scratch folder for tests that read files from the current directory as the game does:
// made fresh, entered on construction, left (back to the previous directory) and removed on
// destruction.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

class cScratchFolder {
 public:
  cScratchFolder() : previous_(std::filesystem::current_path()) {
    std::string pattern = std::filesystem::temp_directory_path() / "zoma_test_XXXXXX";
    path_ = mkdtemp(pattern.data());
    std::filesystem::current_path(path_);
  }
  ~cScratchFolder() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(path_);
  }
  cScratchFolder(const cScratchFolder&) = delete;
  cScratchFolder& operator=(const cScratchFolder&) = delete;

  // Writes a file, bytes as given, in the current directory.
  static void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
  }
  static void WriteIni(const std::string& text) { Write("ZOMA.ini", text); }

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};
