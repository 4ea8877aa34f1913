#include "tables/row_lookups.h"

#include "tables/profile_tables.h"

namespace tarvello {

int findStructureRow(const Table& structures, const std::string& node) {
  const int n = structures.rowCount();
  for (int r = 1; r < n; ++r)
    if (structures.cell(r, strcol::StrNo) == node) return r;
  return n;
}

int findBranchStructureRow(const Table& structures, const std::string& branchId,
                           const std::string& node) {
  const int n = structures.rowCount();
  for (int r = 1; r < n; ++r)
    if (structures.cell(r, strcol::StrNo) == node &&
        structures.cell(r, strcol::BranchId) == branchId)
      return r;
  return n;
}

int findBranchRow(const Table& branches, const std::string& branchId) {
  const int n = branches.rowCount();
  for (int r = 1; r < n; ++r)
    if (branches.cell(r, branchcol::BranchId) == branchId) return r;
  return n;
}

namespace {
std::string branchKey(const std::string& branchId, const std::string& node) {
  std::string key = branchId;
  key += '\x1f';
  key += node;
  return key;
}
}  // namespace

StructureRowIndex StructureRowIndex::of(const Table& structures) {
  StructureRowIndex index;
  const int n = structures.rowCount();
  index.reserve(static_cast<size_t>(n));
  for (int r = 1; r < n; ++r)
    index.noteRow(r, structures.cell(r, strcol::BranchId), structures.cell(r, strcol::StrNo));
  return index;
}

void StructureRowIndex::FirstRows::keep(std::string_view key, int row) {
  const std::uint32_t id = keys.add(key);
  if (id == rows.size())
    rows.push_back(row);
  else if (row < rows[id])
    rows[id] = row;
}

int StructureRowIndex::FirstRows::find(std::string_view key) const {
  const std::uint32_t id = keys.find(key);
  return id == TextIndex::kNone ? -1 : rows[id];
}

void StructureRowIndex::noteRow(int row, const std::string& branchId, const std::string& node) {
  firstRow_.keep(node, row);
  firstBranchRow_.keep(branchKey(branchId, node), row);
}

int StructureRowIndex::findStructureRow(const Table& structures, const std::string& node) const {
  const int row = firstRow_.find(node);
  if (row < 0) return structures.rowCount();
  // A row noted earlier may since have been rewritten; check before trusting it.
  if (structures.cell(row, strcol::StrNo) == node) return row;
  return tarvello::findStructureRow(structures, node);
}

int StructureRowIndex::findBranchStructureRow(const Table& structures, const std::string& branchId,
                                              const std::string& node) const {
  const int row = firstBranchRow_.find(branchKey(branchId, node));
  if (row < 0) return structures.rowCount();
  if (structures.cell(row, strcol::StrNo) == node &&
      structures.cell(row, strcol::BranchId) == branchId)
    return row;
  return tarvello::findBranchStructureRow(structures, branchId, node);
}

void StructureRowIndex::reserve(size_t rows) {
  firstRow_.keys.reserve(rows);
  firstRow_.rows.reserve(rows);
  firstBranchRow_.keys.reserve(rows);
  firstBranchRow_.rows.reserve(rows);
}

void StructureRowIndex::clear() {
  firstRow_ = {};
  firstBranchRow_ = {};
}

}  // namespace tarvello
