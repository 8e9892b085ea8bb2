// Running the built tools as a designer does, from tests: a shell command line in the current
// directory with the build folder first on PATH, its status and both outputs.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct cToolResult {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string ReadText(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

inline std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// A tool that runs away with memory stops at 2 GiB of address space, failing the test rather
// than the machine; AddressSanitizer reserves far more address space than it uses, so a
// sanitized build goes without the cap.
#if defined(__SANITIZE_ADDRESS__)
constexpr const char* kToolMemoryCap = "";
#else
constexpr const char* kToolMemoryCap = "ulimit -v 2097152; ";
#endif

// A tool that hangs is stopped after a minute, failing the test rather than the whole run.
inline cToolResult RunShell(const std::string& commandLine) {
  const std::string script =
      kToolMemoryCap + std::string("PATH=" ZOMA_BINARY_DIR ":$PATH; { ") + commandLine + "; } >tool.out 2>tool.err";
  const int raw = std::system(("timeout -k 5 60 bash -c " + ShellQuoted(script)).c_str());
  cToolResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = ReadText("tool.out");
  result.err = ReadText("tool.err");
  return result;
}

inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}
