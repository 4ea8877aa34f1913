#pragma once
// What the tests of reading drawings share: a drawing with one of everything
// our writer makes, drawings that declare more than they hold, and a child
// process whose memory is limited.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "dxf/dxf_writer.h"

namespace tarvello::testing {

// Writes the drawing to `path` through the writer's own file code; the
// writer's message, "" when it was written.
inline std::string writeSampleDrawing(const std::string& path) {
  DxfDrawing d;
  d.dxfLine("10", 600, 0, 0, 600, 525, 0, 0);
  d.dxfLine("1", 500, 10, 0, 700.5, 10, 0, 3);
  d.dxfCircle("2", 620, 300, 0, 4.5);
  d.dxfText("3", 510, 565, 0, 2.5, 90, 0.75, "INV. 396.50");
  d.dxfText("3", 520, -20, 0, 3, 0, 1, "STATION");
  d.dxfText("3", 530, -10, 0, 3, 0, 1, "");
  d.dxfRectangle("0", 100, 0, 0, 114, 21.45, 0);
  d.dxfRectangle("0", 115, 0, 0, 129, 21.45, 0);
  DxfFile file(path);
  return file.finish(d);
}

// A few hundred bytes each, declaring billions of items: dxflib would
// allocate what they declare before reading any item.
struct HostileDrawing {
  std::string name, text, message;
};

inline std::vector<HostileDrawing> hostileDrawings() {
  const std::string head = "0\nSECTION\n2\nENTITIES\n", tail = "0\nENDSEC\n0\nEOF\n";
  auto lwpolyline = [&](const std::string& count) {
    return head + "0\nLWPOLYLINE\n5\n2F\n100\nAcDbEntity\n8\n0\n100\nAcDbPolyline\n90\n" + count +
           "\n70\n0\n10\n0\n20\n0\n10\n100\n20\n50\n" + tail;
  };
  const std::string damaged = "The drawing is damaged: ";
  return {
      {"lw2e9.dxf", lwpolyline("2000000000"),
       damaged + "line 16: an LWPOLYLINE declares 2000000000 vertices."},
      {"lw3e8.dxf", lwpolyline("300000000"),
       damaged + "line 16: an LWPOLYLINE declares 300000000 vertices."},
      {"spline.dxf",
       head + "0\nSPLINE\n8\n0\n70\n8\n71\n3\n72\n0\n73\n2000000000\n74\n0\n" +
           "10\n0\n20\n0\n30\n0\n10\n1\n20\n1\n30\n0\n" + tail,
       damaged + "line 16: a SPLINE declares 2000000000 control points."},
      {"leader.dxf",
       head + "0\nLEADER\n8\n0\n71\n1\n72\n0\n76\n2000000000\n10\n0\n20\n0\n30\n0\n" +
           "10\n5\n20\n5\n30\n0\n" + tail,
       damaged + "line 14: a LEADER declares 2000000000 vertices."},
  };
}

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kAddressSanitizer = true;
#else
inline constexpr bool kAddressSanitizer = false;
#endif
#else
inline constexpr bool kAddressSanitizer = false;
#endif

inline constexpr size_t kMegabyte = 1024 * 1024;

// Runs `work` in a child process whose address space may grow by no more
// than `headroom` bytes (not limited under AddressSanitizer, whose shadow
// memory does not go with such a limit) and which is stopped after a minute;
// returns what `work` returned, or how the child ended.
inline std::string inChildWithMemoryLimit(size_t headroom,
                                          const std::function<std::string()>& work) {
  int fds[2];
  if (::pipe(fds) != 0) return "(no pipe)";
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    ::alarm(60);
    if (!kAddressSanitizer) {
      unsigned long pages = 0;
      if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%lu", &pages) != 1) pages = 0;
        std::fclose(statm);
      }
      const rlim_t limit = pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + headroom;
      const rlimit rl{limit, limit};
      if (pages == 0 || ::setrlimit(RLIMIT_AS, &rl) != 0) ::_exit(3);
    }
    const std::string out = work();
    if (::write(fds[1], out.data(), out.size()) != static_cast<ssize_t>(out.size())) ::_exit(4);
    ::_exit(0);
  }
  ::close(fds[1]);
  std::string out;
  char buf[4096];
  ssize_t n;
  while ((n = ::read(fds[0], buf, sizeof buf)) > 0) out.append(buf, static_cast<size_t>(n));
  ::close(fds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status)) return "(child ended by signal " + std::to_string(WTERMSIG(status)) + ")";
  if (WEXITSTATUS(status) != 0)
    return "(child exited with " + std::to_string(WEXITSTATUS(status)) + ")";
  return out;
}

}  // namespace tarvello::testing
