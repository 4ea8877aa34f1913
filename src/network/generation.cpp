#include "generation.h"

#include <algorithm>

#include "attributes/standard_types.h"
#include "common/number_format.h"
#include "network/branch_walk.h"
#include "network/node_graph.h"
#include "network/table_fill.h"
#include "tables/cell_numbers.h"

namespace tarvello {

void GenerationContext::setStructureNode(int row, const std::string& node) {
  tables.structures.setCell(row, strcol::StrNo, node);
  structureRows.noteRow(row, tables.structures.cell(row, strcol::BranchId), node);
}

double GenerationContext::number(const PipeRecord& record, const char* fieldName) {
  if (const auto n = record.storedNumber(fieldName)) return *n;
  const auto v = record.field(fieldName);
  if (!v) {
    warnMissingField("PIPE", fieldName);
    return 0;
  }
  if (v->isNull() || v->isEmptyText()) return 0;
  if (const auto n = v->asNumber()) return *n;
  std::string pipe = record.text("PIPE_NUMBER");
  warnings.add(
      warning_kind::kNotANumber,
      "Pipe " + pipe + ": " + fieldName + " \"" + v->asText() + "\" is not a number; 0 was used.",
      {.pipe = pipe});
  return 0;
}

void GenerationContext::warnMissingField(const char* table, const char* fieldName) {
  const std::string key = std::string(table) + "." + fieldName;
  if (std::find(missingFieldsWarned_.begin(), missingFieldsWarned_.end(), key) !=
      missingFieldsWarned_.end())
    return;
  missingFieldsWarned_.push_back(key);
  warnings.add(warning_kind::kMissingField, "Table " + std::string(table) + " has no field " +
                                                fieldName + "; its values are taken as empty.");
}

namespace {

// Pipes that the tree did not reach, and nodes drained by more than one pipe.
void warnAboutNetwork(const PipeNetwork& network, const std::vector<bool>& used,
                      const std::string& outfall, Warnings& warnings) {
  // The sentence names the first ten; the warning keeps them all.
  std::vector<std::string> left;
  for (size_t i = 0; i < network.size(); ++i) {
    if (used[i]) continue;
    left.push_back(network.pipeNumber(i).empty() ? "(no number)" : network.pipeNumber(i));
  }
  if (!left.empty()) {
    const size_t count = left.size();
    std::string list;
    for (size_t k = 0; k < count && k < 10; ++k) list += (list.empty() ? "" : ", ") + left[k];
    if (count > 10) list += ", ...";
    Warning w;
    w.kind = warning_kind::kNotDraining;
    w.text = std::to_string(count) + (count == 1 ? " pipe does" : " pipes do") +
             " not drain to outfall " + outfall + " and " + (count == 1 ? "is" : "are") +
             " not listed: " + list + ".";
    w.pipe = std::move(left.front());
    w.morePipes.assign(std::make_move_iterator(left.begin() + 1),
                       std::make_move_iterator(left.end()));
    warnings.add(std::move(w));
  }
  // Nodes drained by more than one pipe, in the order their second pipe is met.
  const NodeGraph& graph = network.graph();
  std::vector<std::uint32_t> drainCount(graph.nodeCount(), 0);
  std::vector<std::uint32_t> order;
  for (size_t i = 0; i < network.size(); ++i) {
    if (network.inNode(i).empty()) {
      warnings.add(warning_kind::kNoUpstreamNode,
                   "Pipe " +
                       (network.pipeNumber(i).empty() ? "(no number)" : network.pipeNumber(i)) +
                       " has no upstream node (NODEIN_NO).",
                   {.pipe = network.pipeNumber(i)});
      continue;
    }
    if (++drainCount[graph.inNode(i)] == 2) order.push_back(graph.inNode(i));
  }
  if (order.empty()) return;
  std::vector<std::uint32_t> place(graph.nodeCount(), NodeGraph::kNone);
  for (size_t k = 0; k < order.size(); ++k) place[order[k]] = static_cast<std::uint32_t>(k);
  std::vector<std::string> names(order.size());
  for (size_t i = 0; i < network.size(); ++i) {
    const std::uint32_t node = graph.inNode(i);
    if (node == NodeGraph::kNone || place[node] == NodeGraph::kNone) continue;
    std::string& list = names[place[node]];
    list += (list.empty() ? "" : ", ") + network.pipeNumber(i);
  }
  for (size_t k = 0; k < order.size(); ++k)
    warnings.add(warning_kind::kSeveralDrains,
                 "Structure " + graph.name(order[k]) + " is drained by more than one pipe (" +
                     names[k] + "); the first one is used for its attributes.",
                 {.structure = graph.name(order[k])});
}

// Pipe numbers used more than once: look-ups by number (the inflows of a
// structure) cannot tell such pipes apart.
void warnAboutDuplicateNumbers(const PipeNetwork& network, Warnings& warnings) {
  TextIndex numbers;
  numbers.reserve(network.size());
  std::vector<size_t> count;
  std::vector<std::uint32_t> order;
  for (size_t i = 0; i < network.size(); ++i) {
    if (network.pipeNumber(i).empty()) continue;
    const std::uint32_t id = numbers.add(network.pipeNumber(i));
    if (id == count.size()) count.push_back(0);
    if (++count[id] == 2) order.push_back(id);
  }
  for (const std::uint32_t id : order)
    warnings.add(warning_kind::kDuplicatePipe,
                 "Pipe number " + numbers.text(id) + " is used by " + std::to_string(count[id]) +
                     " pipes; the tables may mix up their values.",
                 {.pipe = numbers.text(id)});
}

// A node met twice on one branch: the pipes run in a circle there.
void warnAboutLoops(const NodeGraph& graph, const std::vector<std::vector<std::uint32_t>>& tree,
                    Warnings& warnings) {
  // Per node: the branch it was last met on, and how often there.
  std::vector<std::uint32_t> branchOf(graph.nodeCount(), NodeGraph::kNone);
  std::vector<std::uint32_t> seen(graph.nodeCount(), 0);
  for (size_t b = 0; b < tree.size(); ++b) {
    for (const std::uint32_t node : tree[b]) {
      if (branchOf[node] != b) {
        branchOf[node] = static_cast<std::uint32_t>(b);
        seen[node] = 0;
      }
      if (++seen[node] != 2) continue;
      std::string branch = std::to_string(b + 1);
      warnings.add(warning_kind::kLoop,
                   "Branch " + branch + " runs in a loop: structure " + graph.name(node) +
                       " is reached a second time from upstream; check the pipes' NODEOUT_NO "
                       "and NODEIN_NO.",
                   {.branch = branch, .structure = graph.name(node)});
    }
  }
}

void warnAboutHgl(const Table& s, Warnings& warnings) {
  // A design still being sized warns at most structures: room for all at once,
  // and each sentence made in one piece.
  std::vector<int> rows;
  for (int r = 1; r <= s.lastFilledRow(); ++r)
    if (hglReachesTop(s, r)) rows.push_back(r);
  warnings.reserve(warnings.size() + rows.size());
  for (const int r : rows) {
    const bool level = cellNumber(s, r, strcol::HglHigh) == cellNumber(s, r, strcol::TopElev);
    const CellText no = s.cell(r, strcol::StrNo), high = s.cell(r, strcol::HglHigh),
                   top = s.cell(r, strcol::TopElev);
    std::string text;
    text.reserve(64 + no.size() + high.size() + top.size());
    text.append("The hydraulic grade line at structure ")
        .append(no)
        .append(" (")
        .append(high)
        .append(level ? ") reaches its top (" : ") is above its top (")
        .append(top)
        .append(").");
    warnings.add(warning_kind::kHglReachesTop, std::move(text),
                 {.branch = s.cell(r, strcol::BranchId), .structure = std::string(no)});
  }
}

}  // namespace

GenerationResult createProfileData(const ProjectDatabases& databases, const std::string& outfall,
                                   const std::string& tailWaterText, ProfileTables& tables,
                                   Warnings& warnings, HglTrace* trace) {
  GenerationResult result;
  warnings.clear();
  if (trace) trace->rows.clear();
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
  ctx.nodeTree = treeBuild(network.graph(), outfall, &used, &ctx.nodeIds);
  if (result.error.empty() && ctx.nodeTree.empty())
    result.error = "No pipe flows into the outfall node \"" + outfall + "\".";
  if (!ctx.nodeTree.empty()) {
    warnAboutNetwork(network, used, outfall, warnings);
    warnAboutDuplicateNumbers(network, warnings);
    warnAboutLoops(network.graph(), ctx.nodeIds, warnings);
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
  if (trace) {
    trace->rows.reserve(nodes);
    ctx.trace = trace;
  }

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
