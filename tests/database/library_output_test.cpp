// libmdb's own lines about damaged files stay hidden; the reader's message is
// what the user gets, once.
#include "database/library_output.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <thread>
#include <vector>

#include "support/cli_run.h"

namespace tarvello {
namespace {

using dbtest::ScratchFolder;

// Standard error goes to gtest's capture file, which the guard must hide
// from and hand back.
TEST(QuietLibraryOutput, HidesWhatIsWrittenWhileAliveAndRestoresAfter) {
  ::testing::internal::CaptureStderr();
  std::fprintf(stderr, "before\n");
  {
    const QuietLibraryOutput quiet;
    std::fprintf(stderr, "offset 7585302654976 is beyond EOF\n");
    ::perror("library");
    {
      const QuietLibraryOutput nested;
      std::fprintf(stderr, "nested\n");
    }
    std::fprintf(stderr, "still hidden\n");
  }
  // Guards on several threads at once take turns and leave stderr as found.
  std::vector<std::thread> threads;
  for (int i = 0; i < 4; ++i)
    threads.emplace_back([] {
      for (int k = 0; k < 50; ++k) {
        const QuietLibraryOutput quiet;
        std::fprintf(stderr, "from a thread\n");
      }
    });
  for (auto& t : threads) t.join();
  std::fprintf(stderr, "after\n");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "before\nafter\n");
}

TEST(QuietLibraryOutput, CliSaysWhatIsWrongWithACutShortDatabaseOnce) {
  // The seed database cut after each of its whole pages: libmdb meets pages
  // that are not there and says so on standard error; the user sees only
  // the program's own one-line message.
  ScratchFolder folder;
  const std::string whole =
      dbtest::readBytes(std::string(TARVELLO_SOURCE_DIR) + "/tests/fuzz/corpus/jet_load/pipes.bvp");
  ASSERT_EQ(whole.size() % 4096, 0u);
  int refused = 0;
  for (size_t pages = 2; pages < whole.size() / 4096; ++pages) {
    const std::string path =
        folder.writeFile("cut" + std::to_string(pages) + ".bvp", whole.substr(0, pages * 4096));
    const clitest::CliRun run =
        clitest::runCliWith(folder, "--pipe-db " + clitest::quote(path) + " --list-outfalls");
    const std::string &err = run.err, &out = run.out;
    SCOPED_TRACE(std::to_string(pages) + " pages: " + out + err);
    EXPECT_EQ(err.find("beyond EOF"), std::string::npos);
    EXPECT_EQ(out.find("beyond EOF"), std::string::npos);
    if (run.status == 0) continue;
    ++refused;
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(err.rfind(path + ": ", 0), 0u);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);
    EXPECT_EQ(out, "");
  }
  EXPECT_GT(refused, 0);
}

}  // namespace
}  // namespace tarvello
