#include "tree_build.h"

#include <unordered_map>

namespace tarvello {

NodeTree treeBuild(const std::vector<std::string>& outNodes,
                   const std::vector<std::string>& inNodes, const std::string& outfall,
                   std::vector<bool>* used) {
  const size_t n = outNodes.size();
  // Pipes by outlet node in stored order; each list is consumed from the front,
  // because the first free pipe is always the one taken.
  struct Queue {
    std::vector<size_t> pipes;
    size_t next = 0;
  };
  std::unordered_map<std::string, Queue> byOutlet;
  byOutlet.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    // A pipe without an upstream node cannot be walked; an empty outlet matches no node.
    if (outNodes[i].empty() || inNodes[i].empty()) continue;
    byOutlet[outNodes[i]].pipes.push_back(i);
  }
  if (used) used->assign(n, false);

  auto takeFree = [&](const std::string& node, size_t& pipe) {
    const auto it = byOutlet.find(node);
    if (it == byOutlet.end() || it->second.next >= it->second.pipes.size()) return false;
    pipe = it->second.pipes[it->second.next++];
    return true;
  };
  auto hasFree = [&](const std::string& node) {
    const auto it = byOutlet.find(node);
    return it != byOutlet.end() && it->second.next < it->second.pipes.size();
  };

  NodeTree tree;
  std::vector<const std::string*> visited;  // upstream nodes in the order reached
  size_t nextStart = 0;
  if (outfall.empty()) return tree;
  const std::string* start = &outfall;
  while (true) {
    while (hasFree(*start)) {
      std::vector<std::string> branch{*start};
      const std::string* current = start;
      size_t pipe = 0;
      while (takeFree(*current, pipe)) {
        if (used) (*used)[pipe] = true;
        visited.push_back(&inNodes[pipe]);
        branch.push_back(inNodes[pipe]);
        current = &inNodes[pipe];
      }
      tree.push_back(std::move(branch));
    }
    if (nextStart >= visited.size()) break;
    start = visited[nextStart++];
  }
  return tree;
}

}  // namespace tarvello
