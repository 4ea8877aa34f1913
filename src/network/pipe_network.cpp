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
  if (const auto it = columnByName_.find(name); it != columnByName_.end()) return it->second;
  for (size_t i = 0; i < columns_.size(); ++i)
    if (equalsIgnoringCase(columns_[i], name)) return static_cast<int>(i);
  return -1;
}

Value PipeNetwork::valueAt(size_t record, int column) const {
  const Field& f = fieldAt(record, column);
  switch (f.kind) {
    case QueryRows::Kind::Integer:
      return Value::integer(f.integer);
    case QueryRows::Kind::Real:
      return Value::real(f.real);
    case QueryRows::Kind::Null:
      return Value::null();
    case QueryRows::Kind::Text:
      break;
  }
  return Value::text(text_.substr(f.offset, f.length));
}

PipeNetwork::PipeNetwork(const ProjectDatabase& db) {
  // Read in place rather than through a result set: every field of every
  // record, held compactly (a 100,000-pipe project has over three million).
  QueryRows rows = db.rows("select * from PIPE");
  columns_ = rows.columns();
  for (size_t i = 0; i < columns_.size(); ++i)
    columnByName_.emplace(columns_[i], static_cast<int>(i));
  for (const char* required : {"PIPE_NUMBER", "NODEOUT_NO", "NODEIN_NO"}) {
    if (columnOf(required) < 0)
      throw DatabaseError("Table PIPE of \"" + db.path() + "\" has no field " + required +
                          ", so the pipe network cannot be built.");
  }
  pipeNumberColumn_ = columnOf("PIPE_NUMBER");
  const int outColumn = columnOf("NODEOUT_NO");
  const int inColumn = columnOf("NODEIN_NO");
  const int columns = static_cast<int>(columns_.size());
  const ResultSet count = db.query("select count(*) from PIPE");
  if (!count.empty() && count.rows[0][0].isInteger())
    fields_.reserve(static_cast<size_t>(count.rows[0][0].numberOr(0)) * columns_.size());
  while (rows.next()) {
    for (int c = 0; c < columns; ++c) {
      Field f;
      f.kind = rows.kind(c);
      switch (f.kind) {
        case QueryRows::Kind::Integer:
          f.integer = rows.integer(c);
          break;
        case QueryRows::Kind::Real:
          f.real = rows.real(c);
          break;
        case QueryRows::Kind::Null:
          f.integer = 0;
          break;
        case QueryRows::Kind::Text: {
          const std::string_view bytes = rows.text(c);
          f.offset = text_.size();
          f.length = static_cast<std::uint32_t>(bytes.size());
          text_ += bytes;
          break;
        }
      }
      fields_.push_back(f);
    }
    ++size_;
  }
  fields_.shrink_to_fit();
  text_.shrink_to_fit();

  const size_t n = size_;
  pipeNumbers_.reserve(n);
  outNodes_.reserve(n);
  inNodes_.reserve(n);
  firstByInlet_.reserve(n);
  byOutlet_.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    pipeNumbers_.push_back(valueAt(i, pipeNumberColumn_).asText());
    outNodes_.push_back(valueAt(i, outColumn).asText());
    inNodes_.push_back(valueAt(i, inColumn).asText());
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
    if (fieldAt(i, pipeNumberColumn_).kind == QueryRows::Kind::Null) continue;
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
