#include "generation.h"

#include <algorithm>
#include <unordered_map>

#include "attributes/standard_types.h"
#include "common/number_format.h"
#include "network/branch_walk.h"
#include "network/table_fill.h"
#include "tables/cell_numbers.h"

namespace tarvello {

void GenerationContext::setStructureNode(int row, const std::string& node) {
  tables.structures.setCell(row, strcol::StrNo, node);
  structureRows.noteRow(row, tables.structures.cell(row, strcol::BranchId), node);
}

double GenerationContext::number(const PipeRecord& record, const char* fieldName) {
  const auto v = record.field(fieldName);
  if (!v) {
    warnMissingField("PIPE", fieldName);
    return 0;
  }
  if (v->isNull() || v->isEmptyText()) return 0;
  if (const auto n = v->asNumber()) return *n;
  warnings.add("Pipe " + record.text("PIPE_NUMBER") + ": " + fieldName + " \"" + v->asText() +
               "\" is not a number; 0 was used.");
  return 0;
}

void GenerationContext::warnMissingField(const char* table, const char* fieldName) {
  const std::string key = std::string(table) + "." + fieldName;
  if (std::find(missingFieldsWarned_.begin(), missingFieldsWarned_.end(), key) !=
      missingFieldsWarned_.end())
    return;
  missingFieldsWarned_.push_back(key);
  warnings.add("Table " + std::string(table) + " has no field " + fieldName +
               "; its values are taken as empty.");
}

namespace {

// Pipes that the tree did not reach, and nodes drained by more than one pipe.
void warnAboutNetwork(const PipeNetwork& network, const std::vector<bool>& used,
                      const std::string& outfall, Warnings& warnings) {
  std::vector<std::string> left;
  size_t count = 0;
  for (size_t i = 0; i < network.size(); ++i) {
    if (used[i]) continue;
    ++count;
    if (left.size() < 10)
      left.push_back(network.pipeNumber(i).empty() ? "(no number)" : network.pipeNumber(i));
  }
  if (count > 0) {
    std::string list;
    for (const auto& name : left) list += (list.empty() ? "" : ", ") + name;
    if (count > left.size()) list += ", ...";
    warnings.add(std::to_string(count) + (count == 1 ? " pipe does" : " pipes do") +
                 " not drain to outfall " + outfall + " and " + (count == 1 ? "is" : "are") +
                 " not listed: " + list + ".");
  }
  std::unordered_map<std::string, std::vector<size_t>> drains;
  std::vector<std::string> order;
  for (size_t i = 0; i < network.size(); ++i) {
    if (network.inNode(i).empty()) {
      warnings.add("Pipe " +
                   (network.pipeNumber(i).empty() ? "(no number)" : network.pipeNumber(i)) +
                   " has no upstream node (NODEIN_NO).");
      continue;
    }
    auto& list = drains[network.inNode(i)];
    if (list.size() == 1) order.push_back(network.inNode(i));
    list.push_back(i);
  }
  for (const auto& node : order) {
    std::string names;
    for (size_t i : drains[node]) names += (names.empty() ? "" : ", ") + network.pipeNumber(i);
    warnings.add("Structure " + node + " is drained by more than one pipe (" + names +
                 "); the first one is used for its attributes.");
  }
}

// Pipe numbers used more than once: look-ups by number (the inflows of a
// structure) cannot tell such pipes apart.
void warnAboutDuplicateNumbers(const PipeNetwork& network, Warnings& warnings) {
  std::unordered_map<std::string, size_t> count;
  std::vector<std::string> order;
  for (size_t i = 0; i < network.size(); ++i)
    if (!network.pipeNumber(i).empty() && ++count[network.pipeNumber(i)] == 2)
      order.push_back(network.pipeNumber(i));
  for (const auto& number : order)
    warnings.add("Pipe number " + number + " is used by " + std::to_string(count[number]) +
                 " pipes; the tables may mix up their values.");
}

// A node met twice on one branch: the pipes run in a circle there.
void warnAboutLoops(const NodeTree& tree, Warnings& warnings) {
  for (size_t b = 0; b < tree.size(); ++b) {
    std::unordered_map<std::string, int> seen;
    for (const auto& node : tree[b]) {
      if (++seen[node] != 2) continue;
      warnings.add(
          "Branch " + std::to_string(b + 1) + " runs in a loop: structure " + node +
          " is reached a second time from upstream; check the pipes' NODEOUT_NO and NODEIN_NO.");
    }
  }
}

void warnAboutHgl(const Table& s, Warnings& warnings) {
  for (int r = 1; r <= s.lastFilledRow(); ++r) {
    if (!hglReachesTop(s, r)) continue;
    const bool level = cellNumber(s, r, strcol::HglHigh) == cellNumber(s, r, strcol::TopElev);
    warnings.add("The hydraulic grade line at structure " + s.cell(r, strcol::StrNo) + " (" +
                 s.cell(r, strcol::HglHigh) +
                 (level ? ") reaches its top (" : ") is above its top (") +
                 s.cell(r, strcol::TopElev) + ").");
  }
}

}  // namespace

GenerationResult createProfileData(const ProjectDatabases& databases, const std::string& outfall,
                                   const std::string& tailWaterText, ProfileTables& tables,
                                   Warnings& warnings) {
  GenerationResult result;
  warnings.clear();
  result.tailWaterText = tailWaterText;
  if (outfall.empty()) return result;
  result.ran = true;

  tables.clearAndLayout();
  if (result.tailWaterText.empty()) result.tailWaterText = "0.0";

  PipeNetwork network;
  if (const ProjectDatabase* db = databases.pipe()) {
    try {
      network = PipeNetwork(*db);
    } catch (const DatabaseError& e) {
      result.error = e.what();
    }
  } else {
    result.error = "No pipe project database is open.";
  }
  GenerationContext ctx(tables, network, warnings,
                        UnitConstants::forUnitSystem(databases.unitSystem()), result.tailWaterText);
  std::vector<bool> used;
  ctx.nodeTree = treeBuild(network.outNodes(), network.inNodes(), outfall, &used);
  if (result.error.empty() && ctx.nodeTree.empty())
    result.error = "No pipe flows into the outfall node \"" + outfall + "\".";
  if (!ctx.nodeTree.empty()) {
    warnAboutNetwork(network, used, outfall, warnings);
    warnAboutDuplicateNumbers(network, warnings);
    warnAboutLoops(ctx.nodeTree, warnings);
  }

  // Every table gets its rows at once rather than growing row by row: a
  // structure row per node of each branch, a pipe and a branch row per pipe.
  size_t nodes = 0;
  for (const auto& branch : ctx.nodeTree) nodes += branch.size();
  const int pipes = static_cast<int>(nodes - ctx.nodeTree.size());
  tables.structures.reserveRows(static_cast<int>(nodes) + 2);
  tables.pipes.reserveRows(pipes + 2);
  tables.branches.reserveRows(pipes + 2);
  ctx.structureRows.reserve(nodes);

  fillPipeAndBranchTables(ctx);
  walkBranches(ctx);
  result.tailWaterText = ctx.tailWaterText;
  tables.selectFirstRows();
  const InletCatalog inlets(databases.inlet(), warnings);
  assignStandardTypes(ctx, inlets);
  warnAboutHgl(tables.structures, warnings);
  return result;
}

}  // namespace tarvello
