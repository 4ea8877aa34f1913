#include <gtest/gtest.h>

#include <random>

#include "network/tree_build.h"

namespace tarvello {
namespace {

// The branch search written out step by step the slow way: every step rescans
// the pipe list from its start. The fast builder must give the same tree.
NodeTree literalTreeBuild(const std::vector<std::string>& out, const std::vector<std::string>& in,
                          const std::string& outfall) {
  const long pipeCount = static_cast<long>(out.size());
  std::vector<std::string> outNodes(out.size() + 2), inNodes(in.size() + 2),
      visitList(out.size() + 2);
  for (size_t i = 0; i < out.size(); ++i) {
    outNodes[i] = out[i];
    inNodes[i] = in[i];
  }
  NodeTree tree;
  auto setTree = [&](long b, long p, const std::string& node) {
    if (tree.size() <= static_cast<size_t>(b)) tree.resize(static_cast<size_t>(b) + 1);
    auto& branch = tree[static_cast<size_t>(b)];
    if (branch.size() <= static_cast<size_t>(p)) branch.resize(static_cast<size_t>(p) + 1);
    branch[static_cast<size_t>(p)] = node;
  };
  auto treeAt = [&](long b, long p) -> std::string {
    if (static_cast<size_t>(b) >= tree.size()) return "";
    const auto& branch = tree[static_cast<size_t>(b)];
    return static_cast<size_t>(p) < branch.size() ? branch[static_cast<size_t>(p)] : "";
  };
  long visitCount = 0, scanIndex = 0, nodePos = 0, branchIndex = 0;
  std::string branchStart = outfall, currentNode = branchStart;

  auto treebuild = [&]() {
    while (true) {
      if (outNodes[static_cast<size_t>(scanIndex)] != currentNode) {
        ++scanIndex;
      } else {
        setTree(branchIndex, nodePos, currentNode);
        visitList[static_cast<size_t>(visitCount)] = inNodes[static_cast<size_t>(scanIndex)];
        outNodes[static_cast<size_t>(scanIndex)] = "";
        currentNode = visitList[static_cast<size_t>(visitCount)];
        ++visitCount;
        ++nodePos;
        setTree(branchIndex, nodePos, currentNode);
        scanIndex = 0;
      }
      if (scanIndex >= pipeCount + 1) {
        for (scanIndex = 0; scanIndex < pipeCount + 1; ++scanIndex) {
          if (outNodes[static_cast<size_t>(scanIndex)] == branchStart) {
            scanIndex = 0;
            return;
          }
        }
        for (long visitScan = 0; visitScan < pipeCount; ++visitScan) {
          if (!visitList[static_cast<size_t>(visitScan)].empty()) {
            branchStart = visitList[static_cast<size_t>(visitScan)];
            visitList[static_cast<size_t>(visitScan)] = "";
            scanIndex = 0;
            return;
          }
        }
        ++visitCount;
        return;
      }
    }
  };
  do {
    treebuild();
    currentNode = branchStart;
    nodePos = 0;
    if (!treeAt(branchIndex, 0).empty()) ++branchIndex;
  } while (visitCount != pipeCount + 1);
  // Drop the unused rows the search may leave behind.
  while (!tree.empty() && (tree.back().empty() || tree.back()[0].empty())) tree.pop_back();
  return tree;
}

struct Net {
  std::vector<std::string> out, in;
  void pipe(const std::string& o, const std::string& i) {
    out.push_back(o);
    in.push_back(i);
  }
};

TEST(TreeBuild, BranchesFollowStoredOrderFromTheOutfall) {
  Net n;
  n.pipe("O", "A");  // first into the outfall: branch 0
  n.pipe("A", "B");
  n.pipe("O", "C");  // second into the outfall: branch 1, starting at O again
  n.pipe("A", "D");  // second into A: a branch starting at A
  n.pipe("B", "E");
  const NodeTree tree = treeBuild(n.out, n.in, "O");
  const NodeTree expected{{"O", "A", "B", "E"}, {"O", "C"}, {"A", "D"}};
  EXPECT_EQ(tree, expected);
  EXPECT_EQ(tree, literalTreeBuild(n.out, n.in, "O"));
}

TEST(TreeBuild, EmptyUnknownAndCaseDifferentOutfalls) {
  Net n;
  n.pipe("O", "A");
  n.pipe("o", "b");
  EXPECT_TRUE(treeBuild(n.out, n.in, "X").empty());
  EXPECT_TRUE(treeBuild(n.out, n.in, "").empty());
  EXPECT_TRUE(treeBuild({}, {}, "O").empty());
  EXPECT_EQ(treeBuild(n.out, n.in, "o"), (NodeTree{{"o", "b"}}));
  std::vector<bool> used;
  treeBuild(n.out, n.in, "O", &used);
  EXPECT_EQ(used, (std::vector<bool>{true, false}));  // the other network is left out
}

TEST(TreeBuild, LoopsEndBecauseEachPipeIsUsedOnce) {
  Net n;
  n.pipe("O", "A");
  n.pipe("A", "B");
  n.pipe("B", "A");  // a loop back to A
  n.pipe("B", "B");  // a pipe from a node into itself
  const NodeTree tree = treeBuild(n.out, n.in, "O");
  EXPECT_EQ(tree, literalTreeBuild(n.out, n.in, "O"));
  EXPECT_EQ(tree, (NodeTree{{"O", "A", "B", "A"}, {"B", "B"}}));
}

TEST(TreeBuild, PipeWithoutUpstreamNodeIsLeftOut) {
  Net n;
  n.pipe("O", "A");
  n.pipe("A", "");
  n.pipe("A", "C");
  std::vector<bool> used;
  EXPECT_EQ(treeBuild(n.out, n.in, "O", &used), (NodeTree{{"O", "A", "C"}}));
  EXPECT_EQ(used, (std::vector<bool>{true, false, true}));
}

// Random networks: trees with junctions, plus loops, orphans, duplicate pipes
// and node names that differ only in case.
TEST(TreeBuild, MatchesTheStepByStepSearchOnRandomNetworks) {
  std::mt19937 rng(20261206);
  auto pick = [&](int bound) { return static_cast<int>(rng() % static_cast<unsigned>(bound)); };
  auto name = [](int k) {
    static const char* styles[] = {"N", "n", "MH-", "I "};
    return std::string(styles[k % 4]) + std::to_string(k / 2);
  };
  for (int trial = 0; trial < 3000; ++trial) {
    const int nodes = 1 + pick(40);
    std::vector<std::pair<std::string, std::string>> pipes;
    for (int k = 1; k < nodes; ++k) pipes.emplace_back(name(pick(k)), name(k));  // a tree
    for (int e = pick(6); e > 0; --e)  // loops, duplicates, orphans
      pipes.emplace_back(name(pick(nodes + 5)), name(pick(nodes + 5)));
    std::shuffle(pipes.begin(), pipes.end(), rng);
    Net n;
    for (const auto& [o, i] : pipes) n.pipe(o, i);
    const std::string outfall = pick(10) == 0 ? name(pick(nodes + 3)) : name(0);
    ASSERT_EQ(treeBuild(n.out, n.in, outfall), literalTreeBuild(n.out, n.in, outfall))
        << "trial " << trial;
  }
}

}  // namespace
}  // namespace tarvello
