#include "pipe_network.h"

#include "common/ascii_case.h"

namespace tarvello {

std::optional<Value> PipeRecord::field(std::string_view name) const {
  const int column = network_->columnOf(name);
  if (column < 0 || index_ >= network_->size_) return std::nullopt;
  return network_->valueAt(index_, column);
}

std::string PipeRecord::text(std::string_view name) const {
  const auto v = field(name);
  return v ? v->asText() : std::string();
}

int PipeNetwork::columnOf(std::string_view name) const {
  // The code names fields as the table spells them; other spellings are rare.
  if (const auto id = columnNames_.find(name); id != TextIndex::kNone) return columnByNameId_[id];
  return table_ ? table_->columnIndex(name) : -1;
}

PipeNetwork::PipeNetwork(const ProjectDatabase& db) : table_(db.sharedTable("PIPE")) {
  const auto& columns = table_->columns();
  for (size_t i = 0; i < columns.size(); ++i)
    if (columnNames_.add(columns[i]) == columnByNameId_.size())
      columnByNameId_.push_back(static_cast<int>(i));
  for (const char* required : {"PIPE_NUMBER", "NODEOUT_NO", "NODEIN_NO"}) {
    if (columnOf(required) < 0)
      throw DatabaseError("Table PIPE of \"" + db.path() + "\" has no field " + required +
                          ", so the pipe network cannot be built.");
  }
  pipeNumberColumn_ = columnOf("PIPE_NUMBER");
  const int outColumn = columnOf("NODEOUT_NO");
  const int inColumn = columnOf("NODEIN_NO");
  size_ = table_->rowCount();

  const size_t n = size_;
  pipeNumbers_.reserve(n);
  outNodes_.reserve(n);
  inNodes_.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    pipeNumbers_.push_back(valueAt(i, pipeNumberColumn_).asText());
    outNodes_.push_back(valueAt(i, outColumn).asText());
    inNodes_.push_back(valueAt(i, inColumn).asText());
  }
  // A null or empty node number names no node, so it matches nothing.
  graph_ = NodeGraph(outNodes_, inNodes_);
}

std::optional<PipeRecord> PipeNetwork::drainingPipe(const std::string& node) const {
  const std::uint32_t pipe = graph_.firstPipeInto(graph_.find(node));
  if (pipe == NodeGraph::kNone) return std::nullopt;
  return PipeRecord(this, pipe);
}

std::vector<PipeRecord> PipeNetwork::inflowsExcept(const std::string& node,
                                                   const std::string& pipeNumber) const {
  std::vector<PipeRecord> out;
  for (const size_t i : graph_.pipesOutOf(graph_.find(node))) {
    // As in SQL, a null pipe number is never "different" from anything.
    if (table_->kind(i, pipeNumberColumn_) == CellKind::Null) continue;
    if (pipeNumbers_[i] != pipeNumber) out.emplace_back(this, i);
  }
  return out;
}

std::optional<PipeRecord> PipeNetwork::connectingPipe(const std::string& upstream,
                                                      const std::string& downstream) const {
  for (const size_t i : graph_.pipesOutOf(graph_.find(downstream)))
    if (inNodes_[i] == upstream) return PipeRecord(this, i);
  return std::nullopt;
}

}  // namespace tarvello
