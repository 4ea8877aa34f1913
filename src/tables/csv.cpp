#include "csv.h"

#include <algorithm>
#include <cstdint>

namespace tarvello {
namespace {

void appendField(std::string& out, std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
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

void appendCsvRow(std::string& out, const std::vector<std::string>& cells) {
  for (size_t c = 0; c < cells.size(); ++c) {
    if (c > 0) out += ',';
    appendField(out, cells[c]);
  }
  out += "\r\n";
}

std::string rowsCsv(const std::vector<std::vector<std::string>>& rows) {
  std::string out;
  for (const auto& row : rows) appendCsvRow(out, row);
  return out;
}

std::string warningsCsv(const std::vector<Warning>& warnings) {
  auto rowSize = [](const Warning& w, const std::string& pipe) {
    // Fields, commas, line end, and room for quoting a sentence.
    return w.kind.size() + w.branch.size() + w.structure.size() + pipe.size() + w.text.size() + 12;
  };
  constexpr std::string_view kHeader = "Kind,Branch ID,Structure,Pipe,Message\r\n";
  size_t size = kHeader.size();
  for (const Warning& w : warnings) {
    size += rowSize(w, w.pipe);
    for (const std::string& pipe : w.morePipes) size += rowSize(w, pipe);
  }
  std::string out;
  out.reserve(size);
  out += kHeader;
  auto appendRow = [&out](const Warning& w, const std::string& pipe) {
    appendField(out, w.kind);
    out += ',';
    appendField(out, w.branch);
    out += ',';
    appendField(out, w.structure);
    out += ',';
    appendField(out, pipe);
    out += ',';
    appendField(out, w.text);
    out += "\r\n";
  };
  for (const Warning& w : warnings) {
    appendRow(w, w.pipe);
    for (const std::string& pipe : w.morePipes) appendRow(w, pipe);
  }
  return out;
}

namespace {

// The heads and rows appended to `out`; whenever it holds `piece` bytes or
// more, they go to `write` and `out` starts again.
template <class Write>
void appendTable(std::string& out, const Table& table, size_t piece, Write&& write) {
  auto appendRow = [&](auto cellAt) {
    for (int c = 0; c < table.columnCount(); ++c) {
      if (c > 0) out += ',';
      appendField(out, cellAt(c));
    }
    out += "\r\n";
    if (out.size() >= piece) {
      write(std::string_view(out));
      out.clear();
    }
  };
  appendRow([&](int c) -> std::string_view { return table.headers()[static_cast<size_t>(c)]; });
  const int last = table.lastFilledRow();
  for (int r = 1; r <= last; ++r)
    appendRow([&](int c) -> std::string_view { return table.cell(r, c); });
}

}  // namespace

void writeTableCsv(const Table& table, const std::function<void(std::string_view)>& write,
                   size_t piece) {
  std::string out;
  out.reserve(std::min(piece, size_t{1} << 20) + 4096);
  appendTable(out, table, piece, write);
  if (!out.empty()) write(out);
}

std::string tableCsv(const Table& table) {
  // Sized up front: growing a many-megabyte text by doubling copies it over and over.
  size_t size = 0;
  for (const auto& header : table.headers()) size += header.size() + 3;
  const int last = table.lastFilledRow();
  for (int r = 1; r <= last; ++r)
    for (int c = 0; c < table.columnCount(); ++c) size += table.cell(r, c).size() + 3;
  std::string out;
  out.reserve(size);
  appendTable(out, table, SIZE_MAX, [](std::string_view) {});
  return out;
}

void appendCsvField(std::string& out, std::string_view text) { appendField(out, text); }

}  // namespace tarvello
