#include "shell/revisions_sheet.h"

#include <algorithm>
#include <memory>

#include "tables/row_lookups.h"

namespace tarvello {
namespace {

// The column under `head`, or `otherwise` when the table has none of that name.
int columnOf(const Table& table, const std::string& head, int otherwise) {
  const auto& heads = table.headers();
  const auto at = std::find(heads.begin(), heads.end(), head);
  return at == heads.end() ? otherwise : static_cast<int>(at - heads.begin());
}

}  // namespace

RunSheet revisionsSheet(std::vector<Revision> revisions) {
  auto rows = std::make_shared<std::vector<std::vector<std::string>>>(revisionRows(revisions));
  RunSheet sheet;
  sheet.heads = rows->front();
  sheet.rows = static_cast<int>(rows->size()) - 1;
  sheet.row = [rows](int r) { return (*rows)[static_cast<size_t>(r) + 1]; };
  sheet.summary = QString::fromStdString(revisionsSummary(revisions)) +
                  ". Double-click a row to see its structure or pipe.";
  return sheet;
}

std::optional<RevisionCell> revisionCell(const Revision& revision, const ProfileTables& tables,
                                         const std::vector<Finding>& findings) {
  if (revision.change == "removed") return std::nullopt;
  if (revision.item == "structure") {
    const Table& s = tables.structures;
    // Matched on its first row, as the log matches it.
    const int row = findStructureRow(s, revision.id);
    if (row >= s.rowCount()) return std::nullopt;
    return RevisionCell{CheckTable::Structures, row, columnOf(s, revision.column, strcol::StrNo)};
  }
  if (revision.item == "pipe") {
    const Table& p = tables.pipes;
    for (int row = 1; row <= p.lastFilledRow(); ++row)
      if (p.cell(row, pipecol::PipeNo) == revision.id)
        return RevisionCell{CheckTable::Pipes, row, columnOf(p, revision.column, pipecol::PipeNo)};
    return std::nullopt;
  }
  // A finding's id: rule:Branch ID:Structure:Pipe, as the log writes it.
  for (const Finding& f : findings)
    if (std::string(checkRuleId(f.rule)) + ":" + f.branchId + ":" + f.structure + ":" + f.pipe ==
        revision.id)
      return RevisionCell{f.table, f.row, f.cells.empty() ? 0 : f.cells.front().column};
  return std::nullopt;
}

}  // namespace tarvello
