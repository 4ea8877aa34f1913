#pragma once
// Every record of table PIPE, read once, with the look-ups that generation asks
// of it: the pipe draining a node, the pipes discharging into a node, the pipe
// joining two nodes. Node and pipe numbers compare as exact text.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/value.h"
#include "database/project_database.h"
#include "network/node_graph.h"

namespace tarvello {

class PipeNetwork;

// One PIPE record; fields by name (case-insensitive), none when the table has no such field.
class PipeRecord {
 public:
  PipeRecord(const PipeNetwork* network, size_t index) : network_(network), index_(index) {}
  std::optional<Value> field(std::string_view name) const;
  // The field joined to text ("" for null or a missing field).
  std::string text(std::string_view name) const;
  // In-place reads for the hot paths, none unless the cell is of that kind:
  // a number for an integer or real cell, the bytes of a text cell. A field
  // the table lacks reads as none too; field() tells the cases apart.
  std::optional<double> storedNumber(std::string_view name) const;
  std::optional<std::string_view> storedText(std::string_view name) const;
  size_t index() const { return index_; }

 private:
  // The field's column, or -1 when the table lacks it or the record is past its end.
  int column(std::string_view name) const;

  const PipeNetwork* network_;
  size_t index_;
};

class PipeNetwork {
 public:
  PipeNetwork() = default;
  // Reads all of PIPE in stored order. Throws DatabaseError when the table or
  // one of PIPE_NUMBER, NODEOUT_NO, NODEIN_NO is missing.
  explicit PipeNetwork(const ProjectDatabase& db);

  size_t size() const { return size_; }
  bool hasField(std::string_view name) const { return columnOf(name) >= 0; }
  PipeRecord record(size_t i) const { return PipeRecord(this, i); }
  const std::string& pipeNumber(size_t i) const { return pipeNumbers_[i]; }
  // The pipe's node numbers joined to text ("" for none).
  const std::string& outNode(size_t i) const { return nodeName(graph_.outNode(i)); }
  const std::string& inNode(size_t i) const { return nodeName(graph_.inNode(i)); }
  const NodeGraph& graph() const { return graph_; }

  // Nodes are the graph's ids (NodeGraph::kNone matches nothing).
  // First record (stored order) whose NODEIN_NO is the node.
  std::optional<PipeRecord> drainingPipe(std::uint32_t node) const;
  // Records whose NODEOUT_NO is the node and whose PIPE_NUMBER is not null and
  // differs from `pipeNumber`, in stored order.
  std::vector<PipeRecord> inflowsExcept(std::uint32_t node, const std::string& pipeNumber) const;
  // First record running from `upstream` (NODEIN_NO) into `downstream` (NODEOUT_NO).
  std::optional<PipeRecord> connectingPipe(const std::string& upstream,
                                           const std::string& downstream) const;

 private:
  friend class PipeRecord;

  int columnOf(std::string_view name) const;
  const std::string& nodeName(std::uint32_t node) const {
    static const std::string none;
    return node == NodeGraph::kNone ? none : graph_.name(node);
  }
  Value valueAt(size_t record, int column) const { return table_->value(record, column); }

  // The database's own table, shared rather than copied.
  std::shared_ptr<const StoredTable> table_;
  // The field names as the table spells them, with their columns, in buckets
  // by length and three letters: the walk names a field millions of times,
  // and this costs a few byte reads and one comparison.
  static unsigned bucketOf(std::string_view name);
  std::array<std::vector<std::pair<std::string, int>>, 256> columnsByName_;
  size_t size_ = 0;
  int pipeNumberColumn_ = -1;
  std::vector<std::string, BulkAllocator<std::string>> pipeNumbers_;
  NodeGraph graph_;
};

}  // namespace tarvello
