// A pipe project database's bytes opened the way the program opens one: the
// Jet file through libmdb into SQLite, then the unit system and the outfall
// list. Whatever the bytes, the open either works or fails with DatabaseError.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "database/project_database.h"

namespace {

namespace fs = std::filesystem;
constexpr std::size_t kPage = 4096;  // Jet 4; a Jet 3 page (2048) divides it

// libmdb opens files by name, so each input goes to one file of this process
// (in memory where /dev/shm exists), removed when the process ends.
struct InputFile {
  const fs::path path =
      (fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path()) /
      ("tarvello-fuzz-jet-" + std::to_string(getpid()) + ".bvp");
  ~InputFile() {
    std::error_code ec;
    fs::remove(path, ec);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const InputFile input;
  // Padded with zeros to whole pages: a file of part of a page is refused
  // before libmdb reads it, and most mutations change the length.
  std::string bytes(reinterpret_cast<const char*>(data), size);
  bytes.resize((size + kPage - 1) / kPage * kPage, '\0');
  std::ofstream(input.path, std::ios::binary | std::ios::trunc) << bytes;
  try {
    const auto db = tarvello::ProjectDatabase::openJet(input.path, tarvello::DatabaseKind::Pipe);
    (void)db->readUnits();
    (void)db->outfallNodes();
    const tarvello::StoredTable& pipes = db->table("PIPE");
    for (size_t r = 0; r < pipes.rowCount(); ++r)
      for (int c = 0; c < pipes.columnCount(); ++c) (void)pipes.value(r, c);
  } catch (const tarvello::DatabaseError&) {
  }
  return 0;
}
