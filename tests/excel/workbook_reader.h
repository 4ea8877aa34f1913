#pragma once
// Workbooks as openpyxl reads them (read_workbook.py), directly or after
// LibreOffice has opened and saved them again.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/command.h"
#include "support/database_test_support.h"

namespace tarvello::xltest {

namespace fs = std::filesystem;

struct ReadCell {
  std::string type;  // "s", "n", "" for a cell without a value
  std::string value;
  std::string style;
};

struct ReadSheet {
  std::string title, freeze, widths, merged;
  bool active = false, ordered = false;
  std::map<std::string, ReadCell> cells;  // by reference, "B5"

  const ReadCell* at(const std::string& ref) const {
    auto it = cells.find(ref);
    return it == cells.end() ? nullptr : &it->second;
  }
  std::string value(const std::string& ref) const { return at(ref) ? at(ref)->value : ""; }
  std::string type(const std::string& ref) const { return at(ref) ? at(ref)->type : ""; }
  int lastRowWithValue() const {
    int last = 0;
    for (const auto& [ref, cell] : cells)
      if (!cell.value.empty())
        last = std::max(last, std::stoi(ref.substr(ref.find_first_of("0123456789"))));
    return last;
  }
};

struct ReadWorkbook {
  bool ok = false;
  std::string output;  // the reader's output, shown when a check fails
  std::vector<ReadSheet> sheets;
};

using clitest::capture;
using clitest::quote;

inline std::string unescape(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    const char n = s[i] == '\\' && i + 1 < s.size() ? s[++i] : '\0';
    out += !n ? s[i] : n == 't' ? '\t' : n == 'n' ? '\n' : n == 'r' ? '\r' : n;
  }
  return out;
}

inline ReadWorkbook readWithOpenpyxl(const fs::path& workbook) {
  ReadWorkbook out;
  int status = -1;
  out.output = capture(std::string(TARVELLO_PYTHON) + " " +
                           quote(TARVELLO_SOURCE_DIR "/tests/excel/read_workbook.py") + " " +
                           quote(workbook.string()) + " 2>&1",
                       &status);
  out.ok = status == 0;
  std::istringstream lines(out.output);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> f;
    std::istringstream fields(line + "\t");
    for (std::string field; std::getline(fields, field, '\t');) f.push_back(unescape(field));
    if (f.size() == 8 && f[0] == "sheet")
      out.sheets.push_back({f[2], f[4], f[6], f[7], f[3] == "1", f[5] == "1", {}});
    else if (f.size() == 6 && f[0] == "cell" && std::stoul(f[1]) + 1 == out.sheets.size())
      out.sheets.back().cells[f[2]] = {f[3], f[4], f[5]};
  }
  return out;
}

inline bool haveLibreOffice() { return fs::exists(TARVELLO_LIBREOFFICE); }

// LibreOffice opens the workbook and saves it again as .xlsx into `folder`;
// the copy is read back. Not ok when LibreOffice could not open it.
inline ReadWorkbook readThroughLibreOffice(const fs::path& workbook, const fs::path& folder) {
  const std::string log =
      capture(std::string(TARVELLO_LIBREOFFICE) + " -env:UserInstallation=file://" +
              quote((folder / "lo-profile").string()) + " --headless --convert-to xlsx --outdir " +
              quote((folder / "lo").string()) + " " + quote(workbook.string()) + " 2>&1");
  ReadWorkbook book = readWithOpenpyxl(folder / "lo" / workbook.filename());
  book.output = log + book.output;
  return book;
}

inline std::vector<std::string> fileNamesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

using dbtest::ScratchFolder;
inline std::string fileBytes(const fs::path& path) { return dbtest::readBytes(path.string()); }

}  // namespace tarvello::xltest
