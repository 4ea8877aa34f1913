// tarvello-cli --pdf on the example projects, read back with poppler's tools:
// the pages and their order, footers, searchable numbers, embedded fonts, no
// raster images, paper sizes and the energy grade line.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "pdf/poppler.h"
#include "submittal/revisions.h"
#include "support/cli_run.h"
#include "support/database_test_support.h"

namespace tarvello {
namespace {

using namespace clitest;
using namespace pdftest;
using dbtest::ScratchFolder;

// One column of a CSV table the CLI wrote, without its head.
std::vector<std::string> csvColumn(const std::string& path, const std::string& head) {
  const auto rows = parseCsv(dbtest::readBytes(path));
  std::vector<std::string> values;
  if (!rows || rows->empty()) return values;
  const auto column = std::find(rows->front().begin(), rows->front().end(), head);
  for (size_t r = 1; r < rows->size(); ++r)
    if (column != rows->front().end())
      values.push_back((*rows)[r].at(static_cast<size_t>(column - rows->front().begin())));
  return values;
}

std::set<std::string> words(const std::string& text) {
  std::set<std::string> w;
  std::istringstream in(text);
  for (std::string word; in >> word;) w.insert(word);
  return w;
}

int sheetsFor(size_t rows) { return static_cast<int>((rows + 31) / 32); }

// Pixels of page `page` rendered at `dpi` whose blue clearly stands out.
int bluePixels(const std::string& pdf, int page, const ScratchFolder& folder) {
  const std::string stem = folder.file("render");
  capture("pdftoppm -r 72 -f " + std::to_string(page) + " -l " + std::to_string(page) +
          " -singlefile " + quote(pdf) + " " + quote(stem));
  const std::string ppm = dbtest::readBytes(stem + ".ppm");
  std::istringstream head(ppm);
  std::string magic;
  int w = 0, h = 0, max = 0;
  head >> magic >> w >> h >> max;
  EXPECT_EQ(magic, "P6");
  const size_t start = static_cast<size_t>(head.tellg()) + 1;
  int count = 0;
  for (size_t i = start; i + 2 < ppm.size(); i += 3) {
    const int r = static_cast<unsigned char>(ppm[i]), g = static_cast<unsigned char>(ppm[i + 1]),
              b = static_cast<unsigned char>(ppm[i + 2]);
    if (b - std::max(r, g) > 40) ++count;
  }
  return count;
}

TEST(CliPdf, HighwaySetHasEveryBranchThenEverySchedulePageInOrder) {
  ScratchFolder folder;
  const std::string pdf = folder.file("set.pdf");
  const CliRun run =
      runCli(folder, "highway", "1",
             "--tail-water 399.80 --tables " + quote(folder.file("t")) + " --pdf " + quote(pdf));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("PDF file was saved to:" + pdf + "\n"), std::string::npos) << run.out;

  // Branch IDs in the order of the branch table, each once.
  std::vector<std::string> branches;
  for (const std::string& id : csvColumn(folder.file("t/branches.csv"), "Branch ID"))
    if (!id.empty() && (branches.empty() || branches.back() != id)) branches.push_back(id);
  std::vector<std::string> structures, pipes;
  for (const std::string& s : csvColumn(folder.file("t/structures.csv"), "Str #"))
    if (!s.empty()) structures.push_back(s);
  for (const std::string& p : csvColumn(folder.file("t/pipes.csv"), "Pipe No"))
    if (!p.empty()) pipes.push_back(p);
  // The pipe schedule names a pipe by the structures at its two ends.
  const std::vector<std::string> pipeEnds[] = {csvColumn(folder.file("t/pipes.csv"), "NodeOut"),
                                               csvColumn(folder.file("t/pipes.csv"), "NodeIn")};
  ASSERT_EQ(branches.size(), 9u);
  ASSERT_GT(structures.size(), 32u);  // the structure schedule runs to a second sheet
  const int structureSheets = sheetsFor(structures.size());
  const int pipeSheets = sheetsFor(pipes.size());
  const int pages = static_cast<int>(branches.size()) + structureSheets + pipeSheets;

  EXPECT_EQ(pdfInfo(pdf, "Pages"), std::to_string(pages));
  EXPECT_EQ(pdfInfo(pdf, "Page size"), "1224 x 792 pts");  // tabloid, landscape
  EXPECT_EQ(pdfInfo(pdf, "Title"), "Tarvello - highway.bvp");

  const std::string of = " of " + std::to_string(pages);
  std::string structureText, pipeText;
  for (int page = 1; page <= pages; ++page) {
    const std::string text = pdfText(pdf, page);
    std::string name;
    if (page <= static_cast<int>(branches.size())) {
      name = "Branch " + branches[static_cast<size_t>(page - 1)];
      EXPECT_NE(text.find("STATION"), std::string::npos) << "page " << page;
    } else if (page <= static_cast<int>(branches.size()) + structureSheets) {
      const int sheet = page - static_cast<int>(branches.size());
      name = "Structure Schedule, sheet " + std::to_string(sheet) + " of " +
             std::to_string(structureSheets);
      EXPECT_NE(text.find("STRUCTURE SCHEDULE"), std::string::npos) << "page " << page;
      structureText += text;
    } else {
      const int sheet = page - static_cast<int>(branches.size()) - structureSheets;
      name = "Pipe Schedule, sheet " + std::to_string(sheet) + " of " + std::to_string(pipeSheets);
      EXPECT_NE(text.find("PIPE SCHEDULE"), std::string::npos) << "page " << page;
      pipeText += text;
    }
    EXPECT_NE(text.find(name), std::string::npos) << "page " << page << ":\n" << text;
    EXPECT_NE(text.find("highway.bvp"), std::string::npos) << "page " << page;
    EXPECT_NE(text.find(std::to_string(page) + of), std::string::npos) << "page " << page;
  }
  // A reviewer can search for any structure or pipe number.
  const std::set<std::string> structureWords = words(structureText);
  for (const std::string& s : structures) EXPECT_TRUE(structureWords.count(s)) << "structure " << s;
  const std::set<std::string> pipeWords = words(pipeText);
  for (const auto& ends : pipeEnds) {
    ASSERT_GE(ends.size(), pipes.size());
    for (size_t i = 0; i < pipes.size(); ++i)
      EXPECT_TRUE(pipeWords.count(ends[i])) << "pipe " << pipes[i] << " end " << ends[i];
  }

  // Every font embedded, and it is the drafting lettering; nothing raster.
  const auto fonts = pdftest::listingRows("pdffonts " + quote(pdf));
  ASSERT_FALSE(fonts.empty());
  for (const std::string& row : fonts) {
    std::istringstream f(row);
    std::vector<std::string> cols;
    for (std::string c; f >> c;) cols.push_back(c);
    ASSERT_GE(cols.size(), 7u) << row;
    EXPECT_EQ(cols[cols.size() - 5], "yes") << "not embedded: " << row;
    EXPECT_NE(row.find("osifont"), std::string::npos) << row;
  }
  EXPECT_TRUE(pdftest::listingRows("pdfimages -list " + quote(pdf)).empty());
}

TEST(CliPdf, PaperSizesAndTheEnergyGradeLine) {
  ScratchFolder folder;
  for (const auto& [size, expected] :
       {std::pair<std::string, std::string>{"letter", "792 x 612 pts (letter)"},
        {"A1", "2383.94 x 1683.78 pts (A1)"},
        {"ansi-d", "2448 x 1584 pts"}}) {
    const std::string pdf = folder.file(size + ".pdf");
    const CliRun run =
        runCli(folder, "metric", "1", "--pdf " + quote(pdf) + " --page-size " + size);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(pdfInfo(pdf, "Page size"), expected) << size;
    EXPECT_EQ(pdfInfo(pdf, "Title"), "Tarvello - metric.bvp");
  }

  // The grade line is the only blue of a profile; --egl draws it.
  const std::string plain = folder.file("plain.pdf"), egl = folder.file("egl.pdf");
  ASSERT_EQ(runCli(folder, "highway", "1", "--pdf " + quote(plain)).status, 0);
  ASSERT_EQ(runCli(folder, "highway", "1", "--egl --pdf " + quote(egl)).status, 0);
  EXPECT_EQ(bluePixels(plain, 1, folder), 0);
  EXPECT_GT(bluePixels(egl, 1, folder), 50);
}

}  // namespace
}  // namespace tarvello
