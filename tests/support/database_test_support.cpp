#include "support/database_test_support.h"

#include <chrono>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace tarvello::dbtest {
namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->test_suite_name()) + "." + info->name() : "scratch";
  path_ =
      fs::path(TARVELLO_BINARY_DIR) / "test-scratch" / (name + "." + std::to_string(::getpid()));
  fs::remove_all(path_);
  fs::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  expectWatchedFilesUntouched();
  std::error_code ec;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(path_, ec);
}

std::string ScratchFolder::writeFile(const std::string& name, const std::string& bytes) const {
  const std::string p = file(name);
  {
    std::ofstream out(p, std::ios::binary);
    out << bytes;
  }
  watch(p);
  return p;
}

std::string ScratchFolder::copyExample(const std::string& name) const {
  const std::string p = file(name);
  fs::copy_file(fs::path(TARVELLO_BINARY_DIR) / "examples" / name, p,
                fs::copy_options::overwrite_existing);
  watch(p);
  return p;
}

void ScratchFolder::watch(const std::string& path) const {
  // A file written again under the same name is watched from then on.
  std::erase_if(watched_, [&](const auto& w) { return w.first == path; });
  watched_.emplace_back(path, FileSnapshot::before(path));
}

void ScratchFolder::expectWatchedFilesUntouched() const {
  for (const auto& [file, before] : watched_) {
    std::error_code ec;
    if (!fs::exists(file, ec)) continue;  // a test may remove what it made
    EXPECT_TRUE(FileSnapshot::of(file) == before) << file << " was changed";
  }
}

jet::TableData table(std::string name, std::vector<jet::Column> columns,
                     std::vector<std::vector<jet::Cell>> rows) {
  return jet::TableData{std::move(name), std::move(columns), std::move(rows)};
}

jet::TableData projectTable(const std::string& units, bool null) {
  return table(
      "PROJECT", {{"PROJECT_NAME", jet::ColumnType::Text}, {"UNITS", jet::ColumnType::Text}},
      {{std::string("Route 29 widening"), null ? jet::Cell(jet::Null{}) : jet::Cell(units)}});
}

jet::TableData pipeTable(const std::vector<std::vector<jet::Cell>>& rows) {
  return table("PIPE",
               {{"PIPE_NUMBER", jet::ColumnType::Text},
                {"NODEOUT_NO", jet::ColumnType::Text},
                {"NODEIN_NO", jet::ColumnType::Text}},
               rows);
}

std::string writeJet(const ScratchFolder& folder, const std::string& name,
                     std::vector<jet::TableData> tables) {
  const std::string path = folder.file(name);
  jet::writeJet4(path, jet::DatabaseData{std::move(tables)});
  folder.watch(path);
  return path;
}

std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

FileSnapshot FileSnapshot::before(const std::string& path) {
  fs::last_write_time(path, fs::last_write_time(path) - std::chrono::hours(24 * 365 * 10));
  return of(path);
}

FileSnapshot FileSnapshot::of(const std::string& path) {
  return FileSnapshot{readBytes(path), fs::last_write_time(path)};
}

}  // namespace tarvello::dbtest
