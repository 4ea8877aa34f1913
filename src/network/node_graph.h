#pragma once
// The pipe network as a graph of node ids: every node number is looked up by
// its text once, and the walks after that index arrays instead of hashing
// node texts again (at 100,000 pipes the text look-ups were a fifth of a run).
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/text_index.h"

namespace tarvello {

class NodeGraph {
 public:
  static constexpr std::uint32_t kNone = TextIndex::kNone;

  NodeGraph() = default;
  // outNodes[i] / inNodes[i]: the downstream and upstream node of pipe i. An
  // empty text names no node.
  NodeGraph(const std::vector<std::string>& outNodes, const std::vector<std::string>& inNodes);

  // Building pipe by pipe: reserve, add every pipe in stored order, finish.
  void reserve(size_t pipes);
  void addPipe(std::string_view outNode, std::string_view inNode);
  void finish();

  size_t pipeCount() const { return outId_.size(); }
  size_t nodeCount() const { return nodes_.size(); }
  std::uint32_t find(std::string_view node) const { return nodes_.find(node); }
  const std::string& name(std::uint32_t node) const { return nodes_.text(node); }
  std::uint32_t outNode(size_t pipe) const { return outId_[pipe]; }
  std::uint32_t inNode(size_t pipe) const { return inId_[pipe]; }
  // Pipes whose outlet is the node, in stored order.
  std::span<const std::uint32_t> pipesOutOf(std::uint32_t node) const {
    if (node == kNone) return {};
    return {outPipes_.data() + outStart_[node], outPipes_.data() + outStart_[node + 1]};
  }
  // The first pipe (stored order) whose inlet is the node, or kNone.
  std::uint32_t firstPipeInto(std::uint32_t node) const {
    return node == kNone ? kNone : firstInto_[node];
  }

 private:
  TextIndex nodes_;
  std::vector<std::uint32_t> outId_, inId_;
  std::vector<std::uint32_t> outStart_;  // node id -> first place in outPipes_; one more at the end
  std::vector<std::uint32_t> outPipes_;
  std::vector<std::uint32_t> firstInto_;
};

}  // namespace tarvello
