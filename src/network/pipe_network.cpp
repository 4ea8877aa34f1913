#include "pipe_network.h"

#include "common/ascii_case.h"

namespace tarvello {

int PipeRecord::column(std::string_view name) const {
  return index_ < network_->size_ ? network_->columnOf(name) : -1;
}

std::optional<Value> PipeRecord::field(std::string_view name) const {
  const int c = column(name);
  if (c < 0) return std::nullopt;
  return network_->valueAt(index_, c);
}

std::string PipeRecord::text(std::string_view name) const {
  if (const auto t = storedText(name)) return std::string(*t);
  const auto v = field(name);
  return v ? v->asText() : std::string();
}

std::optional<double> PipeRecord::storedNumber(std::string_view name) const {
  const int c = column(name);
  if (c < 0) return std::nullopt;
  const StoredTable& t = *network_->table_;
  switch (t.kind(index_, c)) {
    case CellKind::Integer:
      return static_cast<double>(t.integer(index_, c));
    case CellKind::Real:
      return t.real(index_, c);
    default:
      return std::nullopt;
  }
}

std::optional<std::string_view> PipeRecord::storedText(std::string_view name) const {
  const int c = column(name);
  if (c < 0) return std::nullopt;
  const StoredTable& t = *network_->table_;
  const CellKind kind = t.kind(index_, c);
  if (kind != CellKind::Text && kind != CellKind::Blob) return std::nullopt;
  return t.text(index_, c);
}

unsigned PipeNetwork::bucketOf(std::string_view name) {
  if (name.empty()) return 0;
  const auto at = [&](size_t i) {
    return static_cast<unsigned>(static_cast<unsigned char>(name[i]));
  };
  return (static_cast<unsigned>(name.size()) * 31u + at(0) * 7u + at(name.size() / 2) * 3u +
          at(name.size() - 1)) &
         255u;
}

int PipeNetwork::columnOf(std::string_view name) const {
  // The code names fields as the table spells them; other spellings are rare.
  for (const auto& [spelling, column] : columnsByName_[bucketOf(name)])
    if (spelling == name) return column;
  return table_ ? table_->columnIndex(name) : -1;
}

PipeNetwork::PipeNetwork(const ProjectDatabase& db) : table_(db.sharedTable("PIPE")) {
  const auto& columns = table_->columns();
  // A name twice keeps its first column: the first in its bucket is found first.
  for (size_t i = 0; i < columns.size(); ++i)
    columnsByName_[bucketOf(columns[i])].emplace_back(columns[i], static_cast<int>(i));
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
  graph_.reserve(n);
  // The node numbers joined to text, read in place when they are text already.
  std::string outScratch, inScratch;
  auto nodeText = [&](size_t i, int column, std::string& scratch) -> std::string_view {
    const CellKind kind = table_->kind(i, column);
    if (kind == CellKind::Text || kind == CellKind::Blob) return table_->text(i, column);
    scratch = valueAt(i, column).asText();
    return scratch;
  };
  // A null or empty node number names no node, so it matches nothing.
  for (size_t i = 0; i < n; ++i) {
    pipeNumbers_.push_back(valueAt(i, pipeNumberColumn_).asText());
    graph_.addPipe(nodeText(i, outColumn, outScratch), nodeText(i, inColumn, inScratch));
  }
  graph_.finish();
}

std::optional<PipeRecord> PipeNetwork::drainingPipe(std::uint32_t node) const {
  const std::uint32_t pipe = graph_.firstPipeInto(node);
  if (pipe == NodeGraph::kNone) return std::nullopt;
  return PipeRecord(this, pipe);
}

std::vector<PipeRecord> PipeNetwork::inflowsExcept(std::uint32_t node,
                                                   const std::string& pipeNumber) const {
  std::vector<PipeRecord> out;
  for (const size_t i : graph_.pipesOutOf(node)) {
    // As in SQL, a null pipe number is never "different" from anything.
    if (table_->kind(i, pipeNumberColumn_) == CellKind::Null) continue;
    if (pipeNumbers_[i] != pipeNumber) out.emplace_back(this, i);
  }
  return out;
}

std::optional<PipeRecord> PipeNetwork::connectingPipe(const std::string& upstream,
                                                      const std::string& downstream) const {
  for (const size_t i : graph_.pipesOutOf(graph_.find(downstream)))
    if (inNode(i) == upstream) return PipeRecord(this, i);
  return std::nullopt;
}

}  // namespace tarvello
