#pragma once
// Helpers for tests of drawings: golden files, the entities of a drawing read
// back, and a second opinion from ezdxf.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "support/command.h"
#include "support/database_test_support.h"

namespace tarvello::testing {

using dbtest::readBytes;
using dbtest::ScratchFolder;

inline void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

// A golden file holds one line per line of the expected drawing (LF ends, so
// that it reads well); the drawing itself ends every line with CR LF.
inline std::string goldenAsWritten(const std::string& goldenPath) {
  std::ifstream in(goldenPath, std::ios::binary);
  std::string line, bytes;
  while (std::getline(in, line)) bytes += line + "\r\n";
  return bytes;
}

inline std::vector<std::string> linesOf(const std::string& crlfText) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < crlfText.size()) {
    size_t end = crlfText.find("\r\n", start);
    if (end == std::string::npos) end = crlfText.size();
    lines.push_back(crlfText.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

inline bool ezdxfAvailable() {
  return std::system("/usr/bin/python3 -c 'import ezdxf' >/dev/null 2>&1") == 0;
}

// What ezdxf makes of a file: "errors", "fixes" (from its auditor) and the
// number of model-space entities of each type, or "failed" when it could not
// read the file at all.
inline std::map<std::string, int> ezdxfCounts(const std::string& dxfPath,
                                              const std::filesystem::path& /*scratch*/) {
  std::map<std::string, int> counts;
  std::istringstream lines(clitest::capture(
      "/usr/bin/python3 " + clitest::quote(TARVELLO_SOURCE_DIR "/tests/support/read_output.py") +
      " counts " + clitest::quote(dxfPath)));
  std::string name;
  for (int n = 0; lines >> name >> n;) counts[name] = n;
  if (counts.empty()) counts["failed"] = 1;
  return counts;
}

// One entity of a drawing with its group values (codes without their blanks).
struct Entity {
  std::string type;
  std::vector<std::pair<int, std::string>> groups;
  std::vector<std::pair<double, double>> vertices;  // of a POLYLINE

  std::string value(int code) const {
    for (const auto& [c, v] : groups)
      if (c == code) return v;
    return "<none>";
  }
  double number(int code) const { return std::stod(value(code)); }
  std::string layer() const { return value(8); }
  std::string text() const { return value(1); }
  double x() const { return number(10); }
  double y() const { return number(20); }
  bool operator==(const Entity&) const = default;
  bool operator<(const Entity& o) const {
    return std::tie(type, groups, vertices) < std::tie(o.type, o.groups, o.vertices);
  }
};

// Entities from the token list of a drawing's entity section; vertices are
// folded into their POLYLINE.
inline std::vector<Entity> parseEntities(const std::vector<std::string>& tokens) {
  std::vector<Entity> out;
  size_t i = 0;
  while (i < tokens.size()) {
    Entity e;
    e.type = tokens[i++];
    while (i + 1 < tokens.size() && std::stoi(tokens[i]) != 0) {
      e.groups.emplace_back(std::stoi(tokens[i]), tokens[i + 1]);
      i += 2;
    }
    ++i;  // the 0 before the next entity
    if (e.type == "VERTEX" && !out.empty() && out.back().type == "POLYLINE")
      out.back().vertices.emplace_back(e.x(), e.y());
    else if (e.type != "SEQEND")
      out.push_back(std::move(e));
  }
  return out;
}

inline std::vector<Entity> ofType(const std::vector<Entity>& all, const std::string& type) {
  std::vector<Entity> out;
  for (const auto& e : all)
    if (e.type == type) out.push_back(e);
  return out;
}

// Every TEXT whose value is `text`.
inline std::vector<Entity> textsSaying(const std::vector<Entity>& all, const std::string& text) {
  std::vector<Entity> out;
  for (const auto& e : all)
    if (e.type == "TEXT" && e.text() == text) out.push_back(e);
  return out;
}

inline bool hasTextStartingWith(const std::vector<Entity>& all, const std::string& prefix) {
  for (const auto& e : all)
    if (e.type == "TEXT" && e.text().rfind(prefix, 0) == 0) return true;
  return false;
}

// The LINE on `layer` that starts at (x1, y1), or nullptr.
inline const Entity* lineFrom(const std::vector<Entity>& all, const std::string& layer, double x1,
                              double y1) {
  for (const auto& e : all)
    if (e.type == "LINE" && e.layer() == layer && std::abs(e.x() - x1) < 1e-4 &&
        std::abs(e.y() - y1) < 1e-4)
      return &e;
  return nullptr;
}

// Whether a LINE on `layer` runs from (x1, y1) to (x2, y2).
inline bool hasLine(const std::vector<Entity>& all, const std::string& layer, double x1, double y1,
                    double x2, double y2) {
  for (const auto& e : all)
    if (e.type == "LINE" && e.layer() == layer && std::abs(e.x() - x1) < 1e-4 &&
        std::abs(e.y() - y1) < 1e-4 && std::abs(e.number(11) - x2) < 1e-4 &&
        std::abs(e.number(21) - y2) < 1e-4)
      return true;
  return false;
}

}  // namespace tarvello::testing
