#include "network/node_graph.h"

#include <stdexcept>

namespace tarvello {

NodeGraph::NodeGraph(const std::vector<std::string>& outNodes,
                     const std::vector<std::string>& inNodes) {
  if (inNodes.size() != outNodes.size())
    throw std::invalid_argument("node lists of different lengths");
  reserve(outNodes.size());
  for (size_t i = 0; i < outNodes.size(); ++i) addPipe(outNodes[i], inNodes[i]);
  finish();
}

void NodeGraph::reserve(size_t pipes) {
  nodes_.reserve(pipes + 1);
  outId_.reserve(pipes);
  inId_.reserve(pipes);
}

void NodeGraph::addPipe(std::string_view outNode, std::string_view inNode) {
  if (outId_.size() >= kNone - 1) throw std::length_error("too many pipes");
  outId_.push_back(outNode.empty() ? kNone : nodes_.add(outNode));
  inId_.push_back(inNode.empty() ? kNone : nodes_.add(inNode));
}

void NodeGraph::finish() {
  const size_t n = outId_.size();
  const size_t nodes = nodes_.size();
  firstInto_.assign(nodes, kNone);
  outStart_.assign(nodes + 1, 0);
  for (size_t i = 0; i < n; ++i) {
    if (outId_[i] != kNone) ++outStart_[outId_[i] + 1];
    if (inId_[i] != kNone && firstInto_[inId_[i]] == kNone)
      firstInto_[inId_[i]] = static_cast<std::uint32_t>(i);
  }
  for (size_t k = 0; k < nodes; ++k) outStart_[k + 1] += outStart_[k];
  outPipes_.resize(outStart_[nodes]);
  std::vector<std::uint32_t> fill(outStart_.begin(), outStart_.end() - 1);
  for (size_t i = 0; i < n; ++i)
    if (outId_[i] != kNone) outPipes_[fill[outId_[i]]++] = static_cast<std::uint32_t>(i);
}

}  // namespace tarvello
