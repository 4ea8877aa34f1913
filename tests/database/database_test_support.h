#pragma once
// Helpers for the database tests: a scratch folder, Jet files made with the
// test writer, and a snapshot that shows a file was left untouched.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "jet/jet_writer.h"

namespace tarvello::dbtest {

// A fresh folder for one test, removed when the test ends.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  // Writes `bytes` to a file in the folder and returns its path.
  std::string writeFile(const std::string& name, const std::string& bytes) const;

 private:
  std::filesystem::path path_;
};

jet::TableData table(std::string name, std::vector<jet::Column> columns,
                     std::vector<std::vector<jet::Cell>> rows = {});
// PROJECT with one record holding `units` (a null when `null` is true).
jet::TableData projectTable(const std::string& units, bool null = false);
// PIPE with PIPE_NUMBER, NODEOUT_NO, NODEIN_NO (text) and one record per
// (pipe, outlet, inlet) triple; an empty cell list element stands for null.
jet::TableData pipeTable(const std::vector<std::vector<jet::Cell>>& rows);

// Writes a Jet file with the given tables and returns its path.
std::string writeJet(const ScratchFolder& folder, const std::string& name, std::vector<jet::TableData> tables);

std::string readBytes(const std::string& path);

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

}  // namespace tarvello::dbtest
