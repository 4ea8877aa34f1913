#include "profile/cell_reader.h"

#include "common/number_format.h"

namespace tarvello {

float CellReader::number(const Table& table, const std::string& tableName, int row, int column) {
  const std::string& text = table.cell(row, column);
  if (const auto value = parseNumber(text)) return static_cast<float>(*value);

  if (reported_.emplace(&table, row, column).second) {
    const auto& headers = table.headers();
    const std::string header = column >= 0 && column < static_cast<int>(headers.size())
                                   ? headers[static_cast<size_t>(column)]
                                   : std::to_string(column);
    std::string problem = text.empty() ? "is empty" : "is not a number (\"" + text + "\")";
    warnings_.add("Row " + std::to_string(row) + " of the " + tableName + ": \"" + header + "\" " +
                  problem + "; it was drawn as 0.");
  }
  return 0.0f;
}

}  // namespace tarvello
