#include "tree_build.h"

#include "network/node_graph.h"

namespace tarvello {

NodeTree treeBuild(const std::vector<std::string>& outNodes,
                   const std::vector<std::string>& inNodes, const std::string& outfall,
                   std::vector<bool>* used) {
  return treeBuild(NodeGraph(outNodes, inNodes), outfall, used);
}

NodeTree treeBuild(const NodeGraph& graph, const std::string& outfall, std::vector<bool>* used,
                   std::vector<std::vector<std::uint32_t>>* ids) {
  constexpr std::uint32_t kNone = NodeGraph::kNone;
  if (used) used->assign(graph.pipeCount(), false);
  if (ids) ids->clear();
  // Each node's outlet pipes are consumed from the front, because the first
  // free pipe (stored order) is always the one taken.
  std::vector<std::uint32_t> next(graph.nodeCount(), 0);
  auto firstFree = [&](std::uint32_t node) -> std::uint32_t {
    if (node == kNone) return kNone;
    const auto pipes = graph.pipesOutOf(node);
    std::uint32_t& k = next[node];
    // A pipe without an upstream node cannot be walked.
    while (k < pipes.size() && graph.inNode(pipes[k]) == kNone) ++k;
    return k < pipes.size() ? pipes[k] : kNone;
  };

  NodeTree tree;
  if (outfall.empty()) return tree;
  std::vector<std::uint32_t> visited;  // upstream nodes in the order reached
  size_t nextStart = 0;
  std::uint32_t start = graph.find(outfall);
  while (true) {
    while (firstFree(start) != kNone) {
      std::vector<std::string> branch{graph.name(start)};
      std::vector<std::uint32_t> branchIds{start};
      std::uint32_t current = start;
      for (std::uint32_t pipe; (pipe = firstFree(current)) != kNone;) {
        ++next[current];
        if (used) (*used)[pipe] = true;
        current = graph.inNode(pipe);
        visited.push_back(current);
        branch.push_back(graph.name(current));
        branchIds.push_back(current);
      }
      tree.push_back(std::move(branch));
      if (ids) ids->push_back(std::move(branchIds));
    }
    if (nextStart >= visited.size()) break;
    start = visited[nextStart++];
  }
  return tree;
}

}  // namespace tarvello
