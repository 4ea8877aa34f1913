#pragma once
// A scratch folder for every test, Jet files made with the test writer, and a
// snapshot that shows a file was left untouched.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "jet/jet_writer.h"

namespace tarvello::dbtest {

// A file's bytes and modification time.
struct FileSnapshot {
  // Before use: sets the file's modification time well into the past first,
  // so that a write shows even on a file system with coarse times.
  static FileSnapshot before(const std::string& path);
  // After use, to compare with the one taken before.
  static FileSnapshot of(const std::string& path);
  std::string bytes;
  std::filesystem::file_time_type modified;
  bool operator==(const FileSnapshot&) const = default;
};

// A fresh folder for one test, removed when the test ends. The project
// databases put into it are watched: when the folder goes, each one that is
// still there must have the bytes and modification time it was given.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  // Writes `bytes` to a file in the folder, watches it, and returns its path.
  std::string writeFile(const std::string& name, const std::string& bytes) const;
  // A copy of an example database of the build ("highway.bvp"), watched.
  std::string copyExample(const std::string& name) const;
  // Watches a file (writeJet does this for its files).
  void watch(const std::string& path) const;
  // Names of everything in the folder, for spotting left-over temporary files.
  std::vector<std::string> entries() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(path_))
      names.push_back(e.path().filename().string());
    return names;
  }
  // Checks the watched files now (the destructor does it too).
  void expectWatchedFilesUntouched() const;

 private:
  std::filesystem::path path_;
  mutable std::vector<std::pair<std::string, FileSnapshot>> watched_;
};

jet::TableData table(std::string name, std::vector<jet::Column> columns,
                     std::vector<std::vector<jet::Cell>> rows = {});
// PROJECT with one record holding `units` (a null when `null` is true).
jet::TableData projectTable(const std::string& units, bool null = false);
// PIPE with PIPE_NUMBER, NODEOUT_NO, NODEIN_NO (text) and one record per
// (pipe, outlet, inlet) triple; an empty cell list element stands for null.
jet::TableData pipeTable(const std::vector<std::vector<jet::Cell>>& rows);

// Writes a Jet file with the given tables and returns its path.
std::string writeJet(const ScratchFolder& folder, const std::string& name,
                     std::vector<jet::TableData> tables);

std::string readBytes(const std::string& path);

}  // namespace tarvello::dbtest
