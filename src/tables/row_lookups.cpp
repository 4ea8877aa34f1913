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

void StructureRowIndex::noteRow(int row, const std::string& branchId, const std::string& node) {
  auto keep = [row](std::unordered_map<std::string, int>& map, std::string key) {
    auto [it, inserted] = map.emplace(std::move(key), row);
    if (!inserted && row < it->second) it->second = row;
  };
  keep(firstRow_, node);
  keep(firstBranchRow_, branchKey(branchId, node));
}

int StructureRowIndex::findStructureRow(const Table& structures, const std::string& node) const {
  const auto it = firstRow_.find(node);
  // A row noted earlier may since have been rewritten; check before trusting it.
  if (it != firstRow_.end() && structures.cell(it->second, strcol::StrNo) == node)
    return it->second;
  if (it == firstRow_.end()) return structures.rowCount();
  return tarvello::findStructureRow(structures, node);
}

int StructureRowIndex::findBranchStructureRow(const Table& structures, const std::string& branchId,
                                              const std::string& node) const {
  const auto it = firstBranchRow_.find(branchKey(branchId, node));
  if (it == firstBranchRow_.end()) return structures.rowCount();
  if (structures.cell(it->second, strcol::StrNo) == node &&
      structures.cell(it->second, strcol::BranchId) == branchId)
    return it->second;
  return tarvello::findBranchStructureRow(structures, branchId, node);
}

void StructureRowIndex::reserve(size_t rows) {
  firstRow_.reserve(rows);
  firstBranchRow_.reserve(rows);
}

void StructureRowIndex::clear() {
  firstRow_.clear();
  firstBranchRow_.clear();
}

}  // namespace tarvello
