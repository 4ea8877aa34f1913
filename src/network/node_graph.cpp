#include "network/node_graph.h"

#include <stdexcept>

namespace tarvello {

NodeGraph::NodeGraph(const std::vector<std::string>& outNodes,
                     const std::vector<std::string>& inNodes) {
  const size_t n = outNodes.size();
  if (inNodes.size() != n) throw std::invalid_argument("node lists of different lengths");
  if (n >= kNone) throw std::length_error("too many pipes");
  nodes_.reserve(n + 1);
  outId_.resize(n);
  inId_.resize(n);
  for (size_t i = 0; i < n; ++i) {
    outId_[i] = outNodes[i].empty() ? kNone : nodes_.add(outNodes[i]);
    inId_[i] = inNodes[i].empty() ? kNone : nodes_.add(inNodes[i]);
  }
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
