#include "pipe_network.h"

namespace tarvello {

const Value* PipeRecord::field(std::string_view name) const {
  return network_->records_.field(index_, name);
}

std::string PipeRecord::text(std::string_view name) const {
  const Value* v = field(name);
  return v ? v->asText() : std::string();
}

PipeNetwork::PipeNetwork(const ProjectDatabase& db) {
  records_ = db.query("select * from PIPE");
  for (const char* required : {"PIPE_NUMBER", "NODEOUT_NO", "NODEIN_NO"}) {
    if (records_.columnIndex(required) < 0)
      throw DatabaseError("Table PIPE of \"" + db.path() + "\" has no field " + required +
                          ", so the pipe network cannot be built.");
  }
  pipeNumberColumn_ = records_.columnIndex("PIPE_NUMBER");
  const int outColumn = records_.columnIndex("NODEOUT_NO");
  const int inColumn = records_.columnIndex("NODEIN_NO");
  const size_t n = records_.rows.size();
  pipeNumbers_.reserve(n);
  outNodes_.reserve(n);
  inNodes_.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    const auto& row = records_.rows[i];
    pipeNumbers_.push_back(row[static_cast<size_t>(pipeNumberColumn_)].asText());
    outNodes_.push_back(row[static_cast<size_t>(outColumn)].asText());
    inNodes_.push_back(row[static_cast<size_t>(inColumn)].asText());
    // A null or empty node number names no node, so it matches nothing.
    if (!inNodes_.back().empty()) firstByInlet_.emplace(inNodes_.back(), i);
    if (!outNodes_.back().empty()) byOutlet_[outNodes_.back()].push_back(i);
  }
}

std::optional<PipeRecord> PipeNetwork::drainingPipe(const std::string& node) const {
  const auto it = firstByInlet_.find(node);
  if (it == firstByInlet_.end()) return std::nullopt;
  return PipeRecord(this, it->second);
}

std::vector<PipeRecord> PipeNetwork::inflowsExcept(const std::string& node,
                                                   const std::string& pipeNumber) const {
  std::vector<PipeRecord> out;
  const auto it = byOutlet_.find(node);
  if (it == byOutlet_.end()) return out;
  for (size_t i : it->second) {
    // As in SQL, a null pipe number is never "different" from anything.
    if (records_.rows[i][static_cast<size_t>(pipeNumberColumn_)].isNull()) continue;
    if (pipeNumbers_[i] != pipeNumber) out.emplace_back(this, i);
  }
  return out;
}

std::optional<PipeRecord> PipeNetwork::connectingPipe(const std::string& upstream,
                                                      const std::string& downstream) const {
  const auto it = byOutlet_.find(downstream);
  if (it == byOutlet_.end()) return std::nullopt;
  for (size_t i : it->second)
    if (inNodes_[i] == upstream) return PipeRecord(this, i);
  return std::nullopt;
}

}  // namespace tarvello
