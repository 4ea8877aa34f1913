#pragma once
// Every output file goes through here. The new content is made whole under a
// temporary name beside the file it replaces (so the rename stays on one file
// system), flushed to the disk, and only then renamed over it, so a failure
// never leaves half a file under the real name. What is replaced keeps what
// the user made of it:
//  - a symbolic link stays a link; the file it leads to is what is replaced
//    (a link that leads nowhere is refused, not followed into a new file);
//  - the replaced file's permission bits, and its owner and group where the
//    user may set them, pass to the new file; a new file gets the umask's;
//  - a read-only file is refused, whoever asks;
//  - a file with other hard links, or one in a folder where no temporary file
//    can be made, is overwritten in place once the new content is whole (made
//    in the system's temporary folder when its own folder takes none), so that
//    every name of it sees the new content.
// After the rename the folder is flushed too; when that fails the file is
// saved but the user is told (notice()) that it is not confirmed on disk.
#include <sys/types.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "common/write_result.h"

namespace tarvello {

// The notice of a file that is saved but whose folder could not be flushed.
inline constexpr std::string_view kNotConfirmedOnDisk = "saved, but not confirmed on disk";

class AtomicFile {
 public:
  explicit AtomicFile(std::filesystem::path target);
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;
  // A temporary file never committed is removed.
  ~AtomicFile();

  // Checks the target (folder, device, read-only file, link leading nowhere
  // are refused) and creates the temporary file (never one that exists
  // already). False, with the reason in error(), when there is nothing to write to.
  bool open();
  bool isOpen() const { return out_ != nullptr; }
  // Appends; the first failure is kept and reported by close() and commit().
  void write(std::string_view text);
  // Closes the temporary file, which can then be edited, or even replaced
  // (libzip saves that way), by its path before commit().
  // "" or why the text could not be written.
  std::string close();
  // Closes if still open, flushes whatever file is then under the temporary
  // name, gives it the replaced file's mode and puts it in place.
  // "" or why it failed; on failure the old file is as it was and nothing is
  // left behind, except when an overwrite in place fails half-way: then the
  // message says so and names the whole new file, which is kept.
  std::string commit();
  // Drops the temporary file.
  void discard();

  const std::filesystem::path& target() const { return target_; }
  const std::filesystem::path& temporaryPath() const { return temporary_; }
  const std::string& error() const { return error_; }
  // After a commit that succeeded: "" or what the user still needs to be told
  // (kNotConfirmedOnDisk and the reason).
  const std::string& notice() const { return notice_; }

 private:
  std::string fail(std::string reason);
  std::string overwriteInPlace(int from);

  std::filesystem::path target_;
  std::filesystem::path destination_;  // the file replaced: target_, or where its links lead
  std::filesystem::path temporary_;
  std::FILE* out_ = nullptr;
  int writeError_ = 0;
  bool committed_ = false;
  bool replacing_ = false;  // destination_ exists
  bool inPlace_ = false;    // copied over destination_ rather than renamed
  mode_t mode_ = 0;         // what the new file's permission bits become
  uid_t owner_ = 0;
  gid_t group_ = 0;
  std::string error_;
  std::string notice_;
};

// The whole text at once; "" or the reason it failed. A file saved but not
// confirmed on disk counts as written; `notice`, when given, then says so.
std::string writeFileAtomically(const std::string& path, std::string_view contents,
                                std::string* notice = nullptr);
// The same for a text made piece by piece: `produce` hands each piece to the
// writer it is given, so that a long text need never be whole in memory.
using TextPieces = std::function<void(const std::function<void(std::string_view)>&)>;
std::string writeFileAtomically(const std::string& path, const TextPieces& produce,
                                std::string* notice = nullptr);

// A whole set of files made in a temporary folder beside the target folder
// and renamed into place when complete, so that readers see the old set or
// the new one, never a mix:
//   AtomicFolder set(dir);
//   if (!set.open()) ... set.error();
//   write the files under set.temporaryPath() (with AtomicFile or not);
//   if (std::string e = set.commit(Overwrite::No); !e.empty()) ...
// A folder that is there already is replaced only with Overwrite::Yes; the
// new folder keeps its mode. A failure leaves the old folder as it was and no
// temporary folder behind (discard() or the destructor removes the set).
class AtomicFolder {
 public:
  explicit AtomicFolder(std::filesystem::path target);
  AtomicFolder(const AtomicFolder&) = delete;
  AtomicFolder& operator=(const AtomicFolder&) = delete;
  ~AtomicFolder();

  // Creates the empty temporary folder; false with the reason in error().
  bool open();
  const std::filesystem::path& temporaryPath() const { return temporary_; }
  // Flushes every file of the set and renames the folder into place.
  // "" or why not ("a folder of that name exists" for Overwrite::No).
  std::string commit(Overwrite overwrite);
  // Removes the temporary folder and everything in it.
  void discard();

  const std::filesystem::path& target() const { return target_; }
  const std::string& error() const { return error_; }
  // As AtomicFile::notice(); also says so when the old folder could not be removed.
  const std::string& notice() const { return notice_; }

 private:
  std::string fail(std::string reason);

  std::filesystem::path target_;
  std::filesystem::path destination_;  // target_, or where its links lead
  std::filesystem::path temporary_;
  bool committed_ = false;
  std::string error_;
  std::string notice_;
};

// The system's wording of an errno value.
std::string systemReason(int error);

}  // namespace tarvello
