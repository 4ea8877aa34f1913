#pragma once
// Orders a pipe network into branches, starting at the outfall.
#include <cstdint>
#include <string>
#include <vector>

namespace tarvello {

// NodeTree[b][k]: node k of branch b, k = 0 being the branch's downstream end.
using NodeTree = std::vector<std::vector<std::string>>;

// outNodes[i] / inNodes[i]: downstream and upstream node of pipe i, in stored
// order. A branch follows, from each node, the first free pipe (stored order)
// that flows out of it; a start node yields one branch per free pipe into it
// before the next start node, taken oldest first from the nodes reached, is
// tried. Each pipe is used at most once, so loops and unconnected pipes end.
// `used`, when given, receives which pipes lie on a branch.
NodeTree treeBuild(const std::vector<std::string>& outNodes,
                   const std::vector<std::string>& inNodes, const std::string& outfall,
                   std::vector<bool>* used = nullptr);

class NodeGraph;
// The same walk over a graph already built from the node lists; `ids`, when
// given, receives the tree again as the graph's node ids.
NodeTree treeBuild(const NodeGraph& graph, const std::string& outfall,
                   std::vector<bool>* used = nullptr,
                   std::vector<std::vector<std::uint32_t>>* ids = nullptr);

}  // namespace tarvello
