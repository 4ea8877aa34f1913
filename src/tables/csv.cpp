#include "csv.h"

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

}  // namespace tarvello
