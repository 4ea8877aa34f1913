#include "csv.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

namespace tarvello {
namespace {

void appendField(std::string& out, const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) {
    out += text;
    return;
  }
  out += '"';
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

std::string tableCsv(const Table& table) {
  std::string out;
  auto appendRow = [&](auto cellAt) {
    for (int c = 0; c < table.columnCount(); ++c) {
      if (c > 0) out += ',';
      appendField(out, cellAt(c));
    }
    out += "\r\n";
  };
  appendRow([&](int c) { return table.headers()[static_cast<size_t>(c)]; });
  const int last = table.lastFilledRow();
  for (int r = 1; r <= last; ++r) appendRow([&](int c) { return table.cell(r, c); });
  return out;
}

std::string writeFileAtomically(const std::string& path, const std::string& contents) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (fs::is_directory(path, ec)) return "it is a folder";
  const fs::path target(path);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::random_device rd;
  const fs::path temp = folder / ("." + target.filename().string() + ".tmp" + std::to_string(rd()));
  FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) return std::strerror(errno);
  const bool written = std::fwrite(contents.data(), 1, contents.size(), f) == contents.size();
  const int writeErrno = errno;
  const bool closed = std::fclose(f) == 0;
  if (!written || !closed) {
    const std::string reason = std::strerror(written ? errno : writeErrno);
    fs::remove(temp, ec);
    return reason;
  }
  fs::rename(temp, target, ec);
  if (ec) {
    fs::remove(temp, ec);
    return ec.message();
  }
  return "";
}

}  // namespace tarvello
