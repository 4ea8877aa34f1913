#pragma once
// What outside programs read from a workbook: openpyxl through
// read_workbook.py, and LibreOffice through its CSV export.
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace tarvello::xltest {

namespace fs = std::filesystem;

struct ReadCell {
  std::string type;  // "s", "n", "" for a cell without a value
  std::string value;
  std::string style;
};

struct ReadSheet {
  std::string title;
  bool active = false;
  std::string freeze;
  bool ordered = false;  // rows and cells stored in ascending order
  std::map<std::string, std::string> widths;
  std::vector<std::string> merged;
  std::map<std::string, ReadCell> cells;  // by reference, "B5"

  const ReadCell* at(const std::string& ref) const {
    auto it = cells.find(ref);
    return it == cells.end() ? nullptr : &it->second;
  }
  // The value's text, "" for an empty or missing cell.
  std::string value(const std::string& ref) const {
    const ReadCell* c = at(ref);
    return c ? c->value : std::string();
  }
  std::string type(const std::string& ref) const {
    const ReadCell* c = at(ref);
    return c ? c->type : std::string();
  }
  // Rows (counted from 1) that hold at least one value.
  int lastRowWithValue() const {
    int last = 0;
    for (const auto& [ref, cell] : cells) {
      if (cell.value.empty()) continue;
      const int row = std::stoi(ref.substr(ref.find_first_of("0123456789")));
      last = std::max(last, row);
    }
    return last;
  }
};

struct ReadWorkbook {
  bool ok = false;
  std::string output;  // the reader's output, shown when a check fails
  std::vector<ReadSheet> sheets;
};

inline std::string runCommand(const std::string& command, int* status = nullptr) {
  std::string out;
  if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, got);
    const int rc = ::pclose(pipe);
    if (status) *status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  } else if (status) {
    *status = -1;
  }
  return out;
}

inline std::string shellQuote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

inline std::string unescapeField(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != '\\' || i + 1 == s.size()) {
      out += s[i];
      continue;
    }
    const char n = s[++i];
    out += n == 't' ? '\t' : n == 'n' ? '\n' : n == 'r' ? '\r' : n;
  }
  return out;
}

inline std::vector<std::string> splitTabs(const std::string& line) {
  std::vector<std::string> fields;
  std::string field;
  std::istringstream in(line);
  while (std::getline(in, field, '\t')) fields.push_back(field);
  if (!line.empty() && line.back() == '\t') fields.emplace_back();
  return fields;
}

inline ReadWorkbook readWithOpenpyxl(const fs::path& workbook) {
  ReadWorkbook out;
  int status = -1;
  out.output = runCommand(std::string(TARVELLO_PYTHON) + " " +
                              shellQuote(TARVELLO_SOURCE_DIR "/tests/excel/read_workbook.py") +
                              " " + shellQuote(workbook.string()) + " 2>&1",
                          &status);
  out.ok = status == 0;
  std::istringstream lines(out.output);
  std::string line;
  while (std::getline(lines, line)) {
    const auto f = splitTabs(line);
    if (f.size() < 3) continue;
    const size_t index = std::stoul(f[1]);
    if (f[0] == "sheet" && f.size() >= 5) {
      out.sheets.resize(std::max(out.sheets.size(), index + 1));
      out.sheets[index].title = unescapeField(f[2]);
      out.sheets[index].active = f[3] == "1";
      out.sheets[index].freeze = f[4];
    } else if (index < out.sheets.size()) {
      ReadSheet& sheet = out.sheets[index];
      if (f[0] == "order") sheet.ordered = f[2] == "ok";
      if (f[0] == "width" && f.size() >= 4) sheet.widths[f[2]] = f[3];
      if (f[0] == "merged") sheet.merged.push_back(f[2]);
      if (f[0] == "cell" && f.size() >= 6)
        sheet.cells[f[2]] = ReadCell{f[3], unescapeField(f[4]), f[5]};
    }
  }
  return out;
}

// Splits CSV as LibreOffice writes it: commas, fields in double quotes with
// doubled quotes inside.
inline std::vector<std::vector<std::string>> parseCsv(const std::string& text) {
  std::vector<std::vector<std::string>> rows(1);
  std::string field;
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
        field += '"', ++i;
      else if (c == '"')
        quoted = false;
      else
        field += c;
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      rows.back().push_back(field), field.clear();
    } else if (c == '\n') {
      rows.back().push_back(field), field.clear();
      rows.emplace_back();
    } else if (c != '\r') {
      field += c;
    }
  }
  if (!field.empty() || !rows.back().empty()) rows.back().push_back(field);
  if (rows.back().empty()) rows.pop_back();
  return rows;
}

inline bool haveLibreOffice() { return fs::exists(TARVELLO_LIBREOFFICE); }

// Every worksheet of each workbook as LibreOffice shows it (cell contents as
// formatted), by workbook file stem and worksheet title; a workbook that did
// not convert is missing. One LibreOffice run converts them all.
using CsvSheets = std::map<std::string, std::vector<std::vector<std::string>>>;
inline std::map<std::string, CsvSheets> readWithLibreOffice(const std::vector<fs::path>& workbooks,
                                                            const fs::path& scratch,
                                                            std::string* log) {
  std::map<std::string, CsvSheets> books;
  const fs::path outDir = scratch / "csv";
  const fs::path profile = scratch / "lo-profile";
  std::string files;
  for (const auto& w : workbooks) files += " " + shellQuote(w.string());
  // Token 9 "true": numbers as the cell format shows them.
  *log = runCommand(std::string(TARVELLO_LIBREOFFICE) + " -env:UserInstallation=file://" +
                    shellQuote(profile.string()) +
                    " --headless --convert-to "
                    "'csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true,false,"
                    "false,-1' --outdir " +
                    shellQuote(outDir.string()) + files + " 2>&1");
  if (!fs::exists(outDir)) return books;
  for (const auto& w : workbooks) {
    const std::string stem = w.stem().string();
    for (const auto& entry : fs::directory_iterator(outDir)) {
      const std::string name = entry.path().stem().string();
      if (name.rfind(stem + "-", 0) != 0) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      std::stringstream text;
      text << in.rdbuf();
      books[stem][name.substr(stem.size() + 1)] = parseCsv(text.str());
    }
  }
  return books;
}

// Names of the entries of a folder, sorted.
inline std::vector<std::string> fileNamesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// A fresh folder under the system's temporary folder, removed at the end.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::random_device random;
    path_ = fs::temp_directory_path() / ("tarvello-excel-" + std::to_string(random()));
    fs::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    for (const auto& e : fs::recursive_directory_iterator(path_, ec))
      if (e.is_directory(ec))
        fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const fs::path& path() const { return path_; }
  fs::path operator/(const std::string& name) const { return path_ / name; }
  // Names of the files in the folder, for checking that nothing was left behind.
  std::vector<std::string> fileNames() const { return fileNamesIn(path_); }

 private:
  fs::path path_;
};

inline std::string fileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace tarvello::xltest
