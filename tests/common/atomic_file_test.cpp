// The one writer every output goes through: what it replaces keeps its links,
// mode and owner, and a failure at any point leaves the old file and nothing
// else. Root ignores permission bits, so the folders that refuse new files
// are read-only mounts in a mount namespace of a child process, and a full
// disk is a file size limit.
#include "common/atomic_file.h"

#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <functional>

#include "support/database_test_support.h"

namespace tarvello {
namespace {

namespace fs = std::filesystem;
using dbtest::readBytes;
using dbtest::ScratchFolder;

void put(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> namesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

mode_t modeOf(const fs::path& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st.st_mode & 07777;
}

// Runs `body` with the file size limit at `limit` bytes (the disk "fills").
template <typename Body>
auto withFileSizeLimit(rlim_t limit, Body body) {
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  auto* handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = limit;
  ::setrlimit(RLIMIT_FSIZE, &small);
  auto result = body();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, handler);
  return result;
}

// Runs `body` in a child process (for what may not be undone in this one);
// what it returns.
std::string inChildProcess(const std::function<std::string()>& body) {
  int fds[2];
  if (::pipe(fds) != 0) return "skip: no pipe";
  std::fflush(nullptr);  // the child must not repeat buffered test output
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    const std::string said = body();
    ::_exit(::write(fds[1], said.data(), said.size()) == ssize_t(said.size()) ? 0 : 1);
  }
  ::close(fds[1]);
  std::string said;
  char buffer[512];
  for (ssize_t got; (got = ::read(fds[0], buffer, sizeof buffer)) > 0;)
    said.append(buffer, static_cast<size_t>(got));
  ::close(fds[0]);
  ::waitpid(pid, nullptr, 0);
  return said;
}

// `body` in a mount namespace of its own where `readOnly` is a read-only
// mount, or "skip: why" when the machine allows no such namespace.
std::string withReadOnlyFolder(const fs::path& readOnly, const std::function<std::string()>& body) {
  return inChildProcess([&]() -> std::string {
    if (::unshare(CLONE_NEWNS) != 0 && ::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
      return "skip: no mount namespace may be made here";
    if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount(readOnly.c_str(), readOnly.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
        ::mount(nullptr, readOnly.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
      return "skip: no read-only mount may be made here";
    return body();
  });
}

TEST(AtomicFile, AReplacedFileKeepsItsLinksModeAndOwner) {
  ScratchFolder scratch;
  const fs::path folder = scratch.path(), real = folder / "real" / "s.dxf";
  fs::create_directory(folder / "real");
  put(real, "old drawing");
  fs::permissions(real, fs::perms(0640));
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(real.c_str(), 1234, 2345), 0);
  }
  fs::create_symlink("real/s.dxf", folder / "link.dxf");

  std::string notice = "unset";
  EXPECT_EQ(writeFileAtomically((folder / "link.dxf").string(), "new drawing", &notice), "");
  EXPECT_EQ(notice, "");
  EXPECT_TRUE(fs::is_symlink(folder / "link.dxf"));
  EXPECT_EQ(fs::read_symlink(folder / "link.dxf"), "real/s.dxf");
  EXPECT_EQ(readBytes(real.string()), "new drawing");
  EXPECT_EQ(modeOf(real), 0640u);
  struct stat st {};
  ASSERT_EQ(::stat(real.c_str(), &st), 0);
  if (root) {
    EXPECT_EQ(st.st_uid, 1234u);
    EXPECT_EQ(st.st_gid, 2345u);
  }

  // Both names of a file with two still see one file, now with the new text;
  // the writer opened for the file is used as the workbook export uses it:
  // closed, then replaced by path by another program, then committed.
  fs::create_hard_link(real, folder / "other.dxf");
  AtomicFile file(folder / "other.dxf");
  ASSERT_TRUE(file.open());
  file.write("replaced below");
  ASSERT_EQ(file.close(), "");
  const fs::path byLibzip = file.temporaryPath().string() + ".zip";
  put(byLibzip, "third drawing");
  fs::rename(byLibzip, file.temporaryPath());
  EXPECT_EQ(file.commit(), "");
  EXPECT_EQ(readBytes(real.string()), "third drawing");
  ASSERT_EQ(::stat(real.c_str(), &st), 0);
  EXPECT_EQ(st.st_nlink, 2u);
  EXPECT_TRUE(fs::equivalent(real, folder / "other.dxf"));
  EXPECT_EQ(modeOf(real), 0640u);

  // A new file has the umask's mode.
  const mode_t usual = ::umask(027);
  EXPECT_EQ(writeFileAtomically((folder / "new.csv").string(), "a,b\r\n"), "");
  ::umask(usual);
  EXPECT_EQ(modeOf(folder / "new.csv"), 0640u);

  EXPECT_EQ(namesIn(folder),
            (std::vector<std::string>{"link.dxf", "new.csv", "other.dxf", "real"}));
  EXPECT_EQ(namesIn(folder / "real"), std::vector<std::string>{"s.dxf"});
}

TEST(AtomicFile, WhatIsNoWritableFileIsRefusedAndLeftAsItWas) {
  ScratchFolder scratch;
  const fs::path folder = scratch.path();
  auto refusal = [](const fs::path& target) {
    return writeFileAtomically(target.string(), "new text");
  };

  fs::create_symlink("gone/s.dxf", folder / "dangling.dxf");
  EXPECT_EQ(refusal(folder / "dangling.dxf"), "it is a link to gone/s.dxf, which is not there");
  EXPECT_TRUE(fs::is_symlink(folder / "dangling.dxf"));

  // Read-only on purpose: refused even for root, whom the bits do not stop.
  put(folder / "kept.csv", "old text");
  fs::permissions(folder / "kept.csv", fs::perms(0444));
  EXPECT_EQ(refusal(folder / "kept.csv"), "the file is read-only");
  EXPECT_EQ(readBytes((folder / "kept.csv").string()), "old text");

  fs::create_directory(folder / "folder.pdf");
  EXPECT_EQ(refusal(folder / "folder.pdf"), "it is a folder");
  EXPECT_TRUE(fs::is_empty(folder / "folder.pdf"));
  fs::create_symlink("/dev/null", folder / "device.pdf");
  EXPECT_EQ(refusal(folder / "device.pdf"), "it is not a regular file");
  EXPECT_EQ(refusal("/dev/null"), "it is not a regular file");
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_EQ(refusal(folder / "no-such-folder" / "a.csv"), "No such file or directory");

  EXPECT_EQ(namesIn(folder),
            (std::vector<std::string>{"dangling.dxf", "device.pdf", "folder.pdf", "kept.csv"}));
}

TEST(AtomicFile, AFailureHalfWayLeavesTheOldFileAndNoTemporary) {
  ScratchFolder scratch;
  const fs::path folder = scratch.path(), plain = folder / "plain.dxf";
  const fs::path linked = folder / "linked.dxf";
  put(plain, "old drawing");
  put(linked, "old linked drawing");
  fs::create_hard_link(linked, folder / "linked-too.dxf");

  // The disk fills: for a file renamed into place and one copied over in place.
  const std::string big(64 * 1024, 'x');
  for (const fs::path& target : {plain, linked}) {
    const std::string failure =
        withFileSizeLimit(4096, [&] { return writeFileAtomically(target.string(), big); });
    EXPECT_EQ(failure, "File too large") << target;
  }
  EXPECT_EQ(readBytes(plain.string()), "old drawing");
  EXPECT_EQ(readBytes(linked.string()), "old linked drawing");

  // A read-only folder (a mount, which stops root too): the file in it cannot
  // be replaced. A file that is writable there itself (its own mount) is
  // written in place, its content made whole in the temporary folder first.
  const fs::path locked = folder / "locked", elsewhere = folder / "elsewhere";
  fs::create_directories(locked);
  fs::create_directories(elsewhere / "tmp");
  put(locked / "old.dxf", "old drawing");
  put(locked / "mounted.dxf", "");
  put(elsewhere / "mounted.dxf", "old mounted drawing");
  const std::string said = withReadOnlyFolder(locked, [&] {
    std::string result = writeFileAtomically((locked / "old.dxf").string(), "new drawing") + "|";
    result += writeFileAtomically((locked / "new.dxf").string(), "new drawing") + "|";
    if (::mount((elsewhere / "mounted.dxf").c_str(), (locked / "mounted.dxf").c_str(), nullptr,
                MS_BIND, nullptr) != 0)
      return result + "no file mount";
    ::setenv("TMPDIR", (elsewhere / "tmp").c_str(), 1);
    return result + writeFileAtomically((locked / "mounted.dxf").string(), "new mounted drawing");
  });
  if (said.rfind("skip: ", 0) == 0) GTEST_SKIP() << said.substr(6);
  EXPECT_EQ(said, "Read-only file system|Read-only file system|");
  EXPECT_EQ(readBytes((locked / "old.dxf").string()), "old drawing");
  EXPECT_EQ(readBytes((elsewhere / "mounted.dxf").string()), "new mounted drawing");
  EXPECT_EQ(namesIn(locked), (std::vector<std::string>{"mounted.dxf", "old.dxf"}));
  EXPECT_TRUE(fs::is_empty(elsewhere / "tmp"));
  EXPECT_EQ(namesIn(folder), (std::vector<std::string>{"elsewhere", "linked-too.dxf", "linked.dxf",
                                                       "locked", "plain.dxf"}));
}

// A folder the user may not read cannot be flushed after the rename: the file
// is saved (the old one is gone by then), and the user is told.
TEST(AtomicFile, AFolderNotFlushedGivesANoticeNotAFailure) {
  ScratchFolder scratch;
  const fs::path folder = scratch.path() / "drop";
  fs::create_directory(folder);
  fs::permissions(folder, fs::perms(0703));  // others may add names but not list them
  const std::string said = inChildProcess([&]() -> std::string {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
      return "skip: root cannot become nobody here";
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
      return "skip: the scratch folder is out of reach";
    std::string notice;
    return writeFileAtomically((folder / "a.csv").string(), "a,b\r\n", &notice) + "|" + notice;
  });
  if (said.rfind("skip: ", 0) == 0) GTEST_SKIP() << said.substr(6);
  EXPECT_EQ(said, "|saved, but not confirmed on disk: Permission denied");
  EXPECT_EQ(readBytes((folder / "a.csv").string()), "a,b\r\n");
}

TEST(AtomicFolder, ASetIsPutInPlaceWholeOrNotAtAll) {
  ScratchFolder scratch;
  const fs::path folder = scratch.path(), target = folder / "submittal";
  auto makeSet = [&](const std::vector<std::string>& names, Overwrite overwrite) {
    AtomicFolder set(target);
    if (!set.open()) return set.error();
    for (const std::string& name : names) {
      AtomicFile file(set.temporaryPath() / name);
      if (!file.open()) return file.error();
      file.write(name + " of the set");
      if (std::string failure = file.commit(); !failure.empty()) return failure;
    }
    return set.commit(overwrite);
  };

  EXPECT_EQ(makeSet({"a.pdf", "b.csv"}, Overwrite::No), "");
  EXPECT_EQ(namesIn(target), (std::vector<std::string>{"a.pdf", "b.csv"}));
  EXPECT_EQ(readBytes((target / "a.pdf").string()), "a.pdf of the set");
  EXPECT_EQ(makeSet({"c.dxf"}, Overwrite::No), "a folder of that name exists");
  EXPECT_EQ(namesIn(target), (std::vector<std::string>{"a.pdf", "b.csv"}));

  // Replaced when the caller says so; the new set keeps the folder's mode.
  fs::permissions(target, fs::perms(0750));
  EXPECT_EQ(makeSet({"c.dxf"}, Overwrite::Yes), "");
  EXPECT_EQ(namesIn(target), std::vector<std::string>{"c.dxf"});
  EXPECT_EQ(modeOf(target), 0750u);

  // The disk fills while the set is made: the old set stays, nothing else.
  const std::string failure =
      withFileSizeLimit(8, [&] { return makeSet({"d.dxf"}, Overwrite::Yes); });
  EXPECT_EQ(failure, "File too large");
  EXPECT_EQ(namesIn(target), std::vector<std::string>{"c.dxf"});
  EXPECT_EQ(readBytes((target / "c.dxf").string()), "c.dxf of the set");

  put(folder / "file", "a file");
  AtomicFolder overFile(folder / "file");
  ASSERT_TRUE(overFile.open());
  EXPECT_EQ(overFile.commit(Overwrite::Yes), "it is not a folder");
  EXPECT_EQ(readBytes((folder / "file").string()), "a file");
  EXPECT_EQ(namesIn(folder), (std::vector<std::string>{"file", "submittal"}));
}

}  // namespace
}  // namespace tarvello
