#pragma once
// Poppler's command-line tools as the outside readers of the PDF files.
#include <sys/wait.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/command.h"

namespace tarvello::pdftest {

using clitest::capture;
using clitest::quote;

// The value of a "Name:   value" line of pdfinfo, "" when there is none.
inline std::string pdfInfo(const std::string& pdf, const std::string& name) {
  std::istringstream info(capture("pdfinfo " + quote(pdf) + " 2>/dev/null"));
  for (std::string line; std::getline(info, line);)
    if (line.rfind(name + ":", 0) == 0) {
      const size_t v = line.find_first_not_of(' ', name.size() + 1);
      return v == std::string::npos ? "" : line.substr(v);
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
  std::istringstream out(capture(command));
  std::vector<std::string> rows;
  int line = 0;
  for (std::string row; std::getline(out, row); ++line)
    if (line >= 2) rows.push_back(row);
  return rows;
}

}  // namespace tarvello::pdftest
