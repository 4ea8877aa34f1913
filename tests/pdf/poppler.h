#pragma once
// Poppler's command-line tools as the outside readers of the PDF files.
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "support/command.h"

namespace tarvello::pdftest {

using clitest::capture;
using clitest::quote;

// The value of a "Name:   value" line of pdfinfo, "" when there is none.
inline std::string pdfInfo(const std::string& pdf, const std::string& name) {
  const std::string info = capture("pdfinfo " + quote(pdf) + " 2>/dev/null");
  for (size_t start = 0; start < info.size();) {
    const size_t end = std::min(info.find('\n', start), info.size());
    const std::string line = info.substr(start, end - start);
    if (line.rfind(name + ":", 0) == 0) {
      const size_t v = line.find_first_not_of(' ', name.size() + 1);
      return v == std::string::npos ? "" : line.substr(v);
    }
    start = end + 1;
  }
  return "";
}

// The text of page `page` (from 1), or of every page with 0.
inline std::string pdfText(const std::string& pdf, int page = 0) {
  const std::string range =
      page > 0 ? " -f " + std::to_string(page) + " -l " + std::to_string(page) : "";
  return capture("pdftotext -layout" + range + " " + quote(pdf) + " - 2>/dev/null");
}

// Rows of a poppler listing (pdffonts, pdfimages -list) below its two header lines.
inline std::vector<std::string> listingRows(const std::string& command) {
  const std::string out = capture(command);
  std::vector<std::string> rows;
  size_t start = 0;
  for (int line = 0; start < out.size(); ++line) {
    const size_t end = out.find('\n', start);
    if (line >= 2) rows.push_back(out.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return rows;
}

}  // namespace tarvello::pdftest
