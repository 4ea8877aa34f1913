#pragma once
// Row look-ups in the tables: scan from row 1, first match wins, a miss
// returns the table's row count (one past the last row, which reads as empty).
#include <string>
#include <string_view>
#include <vector>

#include "common/text_index.h"

#include "tables/table.h"

namespace tarvello {

// First structure-table row whose "Str #" is the node.
int findStructureRow(const Table& structures, const std::string& node);
// First structure-table row of the given branch whose "Str #" is the node.
int findBranchStructureRow(const Table& structures, const std::string& branchId,
                           const std::string& node);
// First branch-table row whose "Branch ID" is the branch identifier.
int findBranchRow(const Table& branches, const std::string& branchId);

// The same answers as findStructureRow/findBranchStructureRow while a table is
// being filled row by row from the top, without rescanning it each time.
class StructureRowIndex {
 public:
  // The index of every row of a filled table.
  static StructureRowIndex of(const Table& structures);
  // Records that row `row` now lists `node` on branch `branchId`.
  void noteRow(int row, const std::string& branchId, const std::string& node);
  int findStructureRow(const Table& structures, const std::string& node) const;
  int findBranchStructureRow(const Table& structures, const std::string& branchId,
                             const std::string& node) const;
  void clear();
  void reserve(size_t rows);

 private:
  // Each key's first row, by the key's id.
  struct FirstRows {
    TextIndex keys;
    std::vector<int> rows;
    void keep(std::string_view key, int row);
    int find(std::string_view key) const;
  };
  FirstRows firstRow_;        // key: node
  FirstRows firstBranchRow_;  // key: branch '\x1f' node
};

}  // namespace tarvello
