// Save files: paths, atomic writing, bounded reading and the autosave rotation.
#include "save/save_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/data_file.h"
#include "platform/data_home.h"

namespace {
std::string Shown(const std::string& path, const std::string& shown) { return shown.empty() ? path : shown; }

std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

std::string Problem(const std::string& path, const std::string& what) { return path + ": " + what; }

// Every folder of `folder` that is missing, as mkdir -p does.
bool MakeFolders(const std::string& folder, int& error) {
  std::error_code code;
  std::filesystem::create_directories(folder, code);
  error = code.value();
  return !code;
}

bool WriteAll(int fd, const std::string& text) {
  size_t written = 0;
  while (written < text.size()) {
    const ssize_t done = write(fd, text.data() + written, text.size() - written);
    if (done < 0 && errno == EINTR) continue;
    if (done <= 0) return false;
    written += static_cast<size_t>(done);
  }
  return true;
}

// The text into a temporary file beside `path`, flushed to disk, then renamed over it.
std::optional<std::string> WriteAtomically(const std::string& path, const std::string& text) {
  const std::filesystem::path target(path);
  const std::string folder = target.parent_path().empty() ? "." : target.parent_path().string();
  int error = 0;
  if (!MakeFolders(folder, error)) return Problem(folder, std::string("cannot create the folder: ") + std::strerror(error));
  std::string temporary = folder + "/." + target.filename().string() + ".XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return Problem(folder, std::string("cannot write there: ") + std::strerror(errno));
  const bool written = WriteAll(fd, text) && fsync(fd) == 0;
  const int writeError = errno;
  if (close(fd) != 0 || !written) {
    unlink(temporary.c_str());
    return Problem(path, std::string("cannot be written: ") + std::strerror(written ? errno : writeError));
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    const int renameError = errno;
    unlink(temporary.c_str());
    return Problem(path, std::string("cannot be written: ") + std::strerror(renameError));
  }
  return std::nullopt;
}

std::string AutosavePath(const std::string& folder, int slot) {
  return folder + "/autosave-" + std::to_string(slot) + ".json";
}

std::optional<std::filesystem::file_time_type> WrittenAt(const std::string& path) {
  std::error_code code;
  if (!std::filesystem::is_regular_file(path, code)) return std::nullopt;
  const auto time = std::filesystem::last_write_time(path, code);
  if (code) return std::nullopt;
  return time;
}
}  // namespace

std::string SavesFolder() {
  const std::string dataHome = DataHome();
  return (dataHome.empty() ? ".local/share" : dataHome) + "/zoma/saves";
}

std::string QuicksavePath() { return SavesFolder() + "/quicksave.json"; }

std::optional<std::string> SaveGameTo(const std::string& path, const std::string& shown) {
  std::string text;
  try {
    text = SaveGameText();
  } catch (const cSaveError& error) {
    return Problem(Shown(path, shown), std::string("not saved: ") + error.what());
  }
  std::optional<std::string> problem = WriteAtomically(path, text);
  // The folder's own messages name the folder; a file's, the file as given.
  if (problem && !shown.empty() && problem->rfind(path, 0) == 0) problem = shown + problem->substr(path.size());
  return problem;
}

cSavedGame ReadSaveFile(const std::string& path, const std::string& shown) {
  const cDataFile file = ReadDataFile(path, kSaveFileLimit);
  if (!file.Read()) throw cSaveError(Problem(Shown(path, shown), file.problem));
  try {
    return ReadSavedGame(file.text);
  } catch (const cSaveError& error) {
    throw cSaveError(Problem(Shown(path, shown), error.what()));
  }
}

std::optional<std::string> LoadGameFrom(const std::string& path, const std::string& shown) {
  try {
    cSavedGame game = ReadSaveFile(path, shown);
    const std::vector<std::string> differing = DataDifferingFromFolder(game);
    if (!differing.empty()) {
      std::printf("%s: played with other data than this folder's (%s); playing the save's\n",
                  Shown(path, shown).c_str(), Joined(differing).c_str());
      std::fflush(stdout);
    }
    InstallSavedGame(std::move(game));
  } catch (const cSaveError& error) {
    return std::string(error.what());
  }
  return std::nullopt;
}

std::optional<std::string> Autosave(const std::string& folder) {
  int slot = 1;
  std::optional<std::filesystem::file_time_type> oldest;
  for (int candidate = 1; candidate <= kAutosaves; ++candidate) {
    const auto written = WrittenAt(AutosavePath(folder, candidate));
    if (!written) {
      slot = candidate;
      break;
    }
    if (!oldest || *written < *oldest) {
      oldest = written;
      slot = candidate;
    }
  }
  return SaveGameTo(AutosavePath(folder, slot));
}

std::optional<std::string> NewestSave(const std::string& folder) {
  std::optional<std::string> newest;
  std::optional<std::filesystem::file_time_type> newestTime;
  std::error_code code;
  for (const auto& entry : std::filesystem::directory_iterator(folder, code)) {
    if (entry.path().extension() != ".json") continue;
    const auto written = WrittenAt(entry.path().string());
    if (written && (!newestTime || *written > *newestTime)) {
      newestTime = written;
      newest = entry.path().string();
    }
  }
  return newest;
}
