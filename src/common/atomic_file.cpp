#include "common/atomic_file.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>
#include <vector>

namespace tarvello {

namespace fs = std::filesystem;

namespace {

constexpr const char* kReadOnly = "the file is read-only";

fs::path folderOf(const fs::path& path) {
  return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

// A new name beside `stem` in `folder` that nothing has: ".stem.tmpNNNNNN".
// `make` creates it (returning a descriptor or 0 for a folder, -1 with errno);
// the descriptor, or minus the reason.
template <typename Make>
int createUnique(const fs::path& folder, const std::string& stem, const char* kind, fs::path& made,
                 Make make) {
  std::random_device seed;
  std::mt19937 pick(seed());
  for (int attempt = 0; attempt < 20; ++attempt) {
    made = folder / ("." + stem + kind + std::to_string(pick() % 1000000));
    const int result = make(made);
    if (result >= 0) return result;
    if (errno != EEXIST) break;
  }
  const int reason = errno ? errno : EEXIST;
  made.clear();
  return -reason;
}

int createTemporaryFile(const fs::path& folder, const std::string& stem, fs::path& made) {
  return createUnique(folder, stem, ".tmp", made, [](const fs::path& p) {
    return ::open(p.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  });
}

// Where a link leads, all links followed; "" with `reason` when nowhere.
fs::path followLinks(const fs::path& path, std::string& reason) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  std::error_code ec;
  fs::path resolved = fs::canonical(path, ec);
  if (!ec) return resolved;
  std::error_code ignored;
  reason =
      ec == std::errc::no_such_file_or_directory
          ? "it is a link to " + fs::read_symlink(path, ignored).string() + ", which is not there"
          : ec.message();
  return {};
}

// 0 or the errno of flushing `path` (a file or a folder) to the disk.
int flushToDisk(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  int problem = ::fsync(fd) == 0 ? 0 : errno;
  if (::close(fd) != 0 && !problem) problem = errno;
  return problem;
}

// After a rename the folder holds the new name only once it is flushed too.
// "" or the notice for the user.
std::string flushFolder(const fs::path& folder) {
  const int problem = flushToDisk(folder);
  // Some file systems cannot flush a folder and say so; that is no failure.
  if (problem == 0 || problem == EINVAL || problem == ENOTSUP || problem == EOPNOTSUPP) return "";
  return std::string(kNotConfirmedOnDisk) + ": " + systemReason(problem);
}

// Gives `fd` the owner and group where the user may, and the mode.
void keepOwnerAndMode(int fd, uid_t owner, gid_t group, mode_t mode) {
  // Owner first: changing it clears the set-id bits that the mode then restores.
  // Without the privilege to give the file away it stays the user's (with the
  // group where the user is a member of it).
  if (::fchown(fd, owner, group) != 0 && ::fchown(fd, static_cast<uid_t>(-1), group) != 0) {
  }
  if (::fchmod(fd, mode) != 0) {
    // A file system without permission bits has none to keep.
  }
}

// Copies `size` bytes of `from` over the start of `to`; 0 or the errno.
int copyContent(int from, int to, off_t size) {
  char buffer[1 << 16];
  for (off_t at = 0; at < size;) {
    const ssize_t got = ::pread(from, buffer, sizeof buffer, at);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return got < 0 ? errno : EIO;
    for (ssize_t done = 0; done < got;) {
      const ssize_t put = ::pwrite(to, buffer + done, static_cast<size_t>(got - done), at + done);
      if (put < 0 && errno == EINTR) continue;
      if (put <= 0) return put < 0 ? errno : EIO;
      done += put;
    }
    at += got;
  }
  return 0;
}

}  // namespace

std::string systemReason(int error) {
  return std::error_code(error ? error : EIO, std::generic_category()).message();
}

AtomicFile::AtomicFile(fs::path target) : target_(std::move(target)) {}

AtomicFile::~AtomicFile() { discard(); }

bool AtomicFile::open() {
  if (out_) return true;
  error_.clear();
  notice_.clear();
  writeError_ = 0;
  replacing_ = inPlace_ = false;
  destination_ = followLinks(target_, error_);
  if (destination_.empty()) return false;

  struct stat st {};
  if (::stat(destination_.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) error_ = "it is a folder";
    // Renaming over a device would replace it by a regular file.
    else if (!S_ISREG(st.st_mode))
      error_ = "it is not a regular file";
    // Root may write anyway; a file without any write permission was still
    // made read-only on purpose.
    else if ((st.st_mode & 0222) == 0)
      error_ = kReadOnly;
    else if (::access(destination_.c_str(), W_OK) != 0)
      error_ = errno == EACCES ? kReadOnly : systemReason(errno);
    if (!error_.empty()) return false;
    replacing_ = true;
    mode_ = st.st_mode & 07777;
    owner_ = st.st_uid;
    group_ = st.st_gid;
    // A rename would take one name away from the others.
    inPlace_ = st.st_nlink > 1;
  } else if (errno != ENOENT) {
    error_ = systemReason(errno);
    return false;
  }

  const std::string stem = destination_.filename().string();
  int fd = createTemporaryFile(folderOf(destination_), stem, temporary_);
  if (fd < 0 && replacing_ && (fd == -EACCES || fd == -EPERM || fd == -EROFS)) {
    // The file may be written but its folder takes no new file.
    std::error_code ec;
    const fs::path elsewhere = fs::temp_directory_path(ec);
    const int other = ec ? -1 : createTemporaryFile(elsewhere, stem, temporary_);
    if (other >= 0) {
      fd = other;
      inPlace_ = true;
    }
  }
  if (fd < 0) {
    error_ = systemReason(-fd);
    return false;
  }
  if (!replacing_) {
    // The umask applied to 0666, as for any new file.
    struct stat made {};
    mode_ = ::fstat(fd, &made) == 0 ? made.st_mode & 0777 : 0644;
  }
  // Nobody else reads the new content before it has its final mode.
  if (::fchmod(fd, S_IRUSR | S_IWUSR) != 0) {
  }
  out_ = ::fdopen(fd, "wb");
  if (!out_) {
    const int reason = errno;
    ::close(fd);
    discard();
    error_ = systemReason(reason);
    return false;
  }
  return true;
}

void AtomicFile::write(std::string_view text) {
  if (!out_ || writeError_ || text.empty()) return;
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), out_) != text.size())
    writeError_ = errno ? errno : EIO;
}

std::string AtomicFile::close() {
  if (!out_) return temporary_.empty() ? (error_.empty() ? "the file was not opened" : error_) : "";
  errno = 0;
  if (std::fflush(out_) != 0 && !writeError_) writeError_ = errno ? errno : EIO;
  errno = 0;
  const int closed = std::fclose(out_);
  out_ = nullptr;
  if (closed != 0 && !writeError_) writeError_ = errno ? errno : EIO;
  if (writeError_) return fail(systemReason(writeError_));
  return "";
}

std::string AtomicFile::fail(std::string reason) {
  error_ = std::move(reason);
  discard();
  return error_;
}

std::string AtomicFile::commit() {
  if (std::string problem = close(); !problem.empty()) return problem;
  // Opened by name: libzip, for one, replaces the file under the temporary name.
  const int fd = ::open(temporary_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return fail(systemReason(errno));
  if (replacing_ && !inPlace_) keepOwnerAndMode(fd, owner_, group_, mode_);
  // A new file keeps the group its folder gave it.
  else if (!inPlace_ && ::fchmod(fd, mode_) != 0) {
  }
  // On the disk before it takes the old file's name, or a crash could leave
  // an empty file under that name.
  int problem = ::fsync(fd) == 0 ? 0 : errno;
  std::string failure;
  if (problem)
    failure = fail(systemReason(problem));
  else if (inPlace_)
    failure = overwriteInPlace(fd);
  ::close(fd);
  if (problem || inPlace_) return failure;

  if (::rename(temporary_.c_str(), destination_.c_str()) != 0) return fail(systemReason(errno));
  committed_ = true;
  temporary_.clear();
  notice_ = flushFolder(folderOf(destination_));
  return "";
}

std::string AtomicFile::overwriteInPlace(int from) {
  struct stat st {};
  if (::fstat(from, &st) != 0) return fail(systemReason(errno));
  const off_t size = st.st_size;
  // What can be known to fail is refused while the old content is whole.
  rlimit limit{};
  if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
      static_cast<rlim_t>(size) > limit.rlim_cur)
    return fail(systemReason(EFBIG));
  const int to = ::open(destination_.c_str(), O_WRONLY | O_CLOEXEC);
  if (to < 0) return fail(systemReason(errno));
#if defined(__linux__) && !defined(__EMSCRIPTEN__)
  if (::fallocate(to, FALLOC_FL_KEEP_SIZE, 0, size) != 0 &&
      (errno == ENOSPC || errno == EDQUOT || errno == EFBIG)) {
    const int reason = errno;
    ::close(to);
    return fail(systemReason(reason));
  }
#endif
  int problem = copyContent(from, to, size);
  if (!problem && ::ftruncate(to, size) != 0) problem = errno;
  if (!problem && ::fsync(to) != 0) problem = errno;
  if (::close(to) != 0 && !problem) problem = errno;
  if (problem) {
    // The old content is partly overwritten by now; the whole new content is
    // kept where the user is told.
    error_ = systemReason(problem) +
             "; the file may be left incomplete, the whole new file is kept as " +
             temporary_.string();
    temporary_.clear();
    return error_;
  }
  committed_ = true;
  std::error_code ignored;
  fs::remove(temporary_, ignored);
  temporary_.clear();
  return "";
}

void AtomicFile::discard() {
  if (out_) {
    std::fclose(out_);
    out_ = nullptr;
  }
  if (!committed_ && !temporary_.empty()) {
    std::error_code ignored;
    fs::remove(temporary_, ignored);
    temporary_.clear();
  }
}

std::string writeFileAtomically(const std::string& path, std::string_view contents,
                                std::string* notice) {
  return writeFileAtomically(
      path, [contents](const auto& write) { write(contents); }, notice);
}

std::string writeFileAtomically(const std::string& path, const TextPieces& produce,
                                std::string* notice) {
  AtomicFile file{fs::path(path)};
  if (!file.open()) return file.error();
#if defined(__EMSCRIPTEN__)
  // The web build's files are JavaScript arrays, and each write past the end
  // grows one by an eighth and copies it: a 10 MB table written a megabyte at
  // a time cost 55 MB of fresh memory. The pieces are kept, the file is given
  // its whole length at once (one array), and then written over.
  std::vector<std::string> pieces;
  size_t total = 0;
  produce([&](std::string_view piece) {
    pieces.emplace_back(piece);
    total += piece.size();
  });
  // Should it fail, the writes still grow the file.
  if (total > 0) (void)::truncate(file.temporaryPath().c_str(), static_cast<off_t>(total));
  for (const std::string& piece : pieces) file.write(piece);
#else
  produce([&file](std::string_view piece) { file.write(piece); });
#endif
  std::string failure = file.commit();
  if (notice) *notice = file.notice();
  return failure;
}

AtomicFolder::AtomicFolder(fs::path target) : target_(std::move(target)) {
  if (!target_.has_filename()) target_ = target_.parent_path();  // "out/" is "out"
}

AtomicFolder::~AtomicFolder() { discard(); }

bool AtomicFolder::open() {
  if (!temporary_.empty()) return true;
  error_.clear();
  notice_.clear();
  destination_ = followLinks(target_, error_);
  if (destination_.empty()) return false;
  const int made =
      createUnique(folderOf(destination_), destination_.filename().string(), ".tmp", temporary_,
                   [](const fs::path& p) { return ::mkdir(p.c_str(), 0777); });
  if (made < 0) error_ = systemReason(-made);
  return made >= 0;
}

std::string AtomicFolder::fail(std::string reason) {
  error_ = std::move(reason);
  discard();
  return error_;
}

std::string AtomicFolder::commit(Overwrite overwrite) {
  if (temporary_.empty()) return error_.empty() ? "the folder was not made" : error_;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(temporary_, ec);
       !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (it->is_symlink(ec)) continue;
    if (const int problem = flushToDisk(it->path());
        problem && !(it->is_directory(ec) && (problem == EINVAL || problem == ENOTSUP)))
      return fail(systemReason(problem));
  }
  if (ec) return fail(ec.message());
  if (const int problem = flushToDisk(temporary_);
      problem && problem != EINVAL && problem != ENOTSUP)
    return fail(systemReason(problem));

  struct stat st {};
  const bool exists = ::stat(destination_.c_str(), &st) == 0;
  if (!exists && errno != ENOENT) return fail(systemReason(errno));
  if (exists && !S_ISDIR(st.st_mode)) return fail("it is not a folder");
  if (exists && overwrite == Overwrite::No) return fail("a folder of that name exists");

  const fs::path folder = folderOf(destination_);
  fs::path old;  // the replaced set, once out of the way
  if (!exists) {
#if defined(__linux__) && !defined(__EMSCRIPTEN__)
    const bool renamed = ::renameat2(AT_FDCWD, temporary_.c_str(), AT_FDCWD, destination_.c_str(),
                                     RENAME_NOREPLACE) == 0 ||
                         ((errno == EINVAL || errno == ENOSYS) &&
                          ::rename(temporary_.c_str(), destination_.c_str()) == 0);
#else
    const bool renamed = ::rename(temporary_.c_str(), destination_.c_str()) == 0;
#endif
    if (!renamed)
      return fail(errno == EEXIST || errno == ENOTEMPTY ? "a folder of that name exists"
                                                        : systemReason(errno));
  } else {
    const int fd = ::open(temporary_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
      keepOwnerAndMode(fd, st.st_uid, st.st_gid, st.st_mode & 07777);
      ::close(fd);
    }
    bool swapped = false;
#if defined(__linux__) && !defined(__EMSCRIPTEN__)
    swapped = ::renameat2(AT_FDCWD, temporary_.c_str(), AT_FDCWD, destination_.c_str(),
                          RENAME_EXCHANGE) == 0;
    if (!swapped && errno != EINVAL && errno != ENOSYS) return fail(systemReason(errno));
#endif
    if (swapped) {
      old = temporary_;
    } else {
      // Without an exchange: the old set is moved aside first and moved back
      // when the new one cannot take its place.
      const int aside = createUnique(folder, destination_.filename().string(), ".old", old,
                                     [&](const fs::path& p) {
                                       struct stat taken {};
                                       if (::lstat(p.c_str(), &taken) == 0) {
                                         errno = EEXIST;
                                         return -1;
                                       }
                                       return ::rename(destination_.c_str(), p.c_str());
                                     });
      if (aside < 0) return fail(systemReason(-aside));
      if (::rename(temporary_.c_str(), destination_.c_str()) != 0) {
        const int reason = errno;
        ::rename(old.c_str(), destination_.c_str());
        return fail(systemReason(reason));
      }
    }
  }
  committed_ = true;
  temporary_.clear();
  notice_ = flushFolder(folder);
  if (!old.empty()) {
    fs::remove_all(old, ec);
    if (ec)
      notice_ = "the old folder could not be removed entirely: " + old.string() + " (" +
                ec.message() + ")";
  }
  return "";
}

void AtomicFolder::discard() {
  if (!committed_ && !temporary_.empty()) {
    std::error_code ignored;
    fs::remove_all(temporary_, ignored);
    temporary_.clear();
  }
}

}  // namespace tarvello
