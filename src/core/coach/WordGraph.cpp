#include "core/coach/WordGraph.h"

#include <algorithm>
#include <stdexcept>

#include "core/base/Platform.h"
#include "core/dictionary/WordsList.h"

namespace vb {

// Builds the minimal graph from sorted distinct words in one pass: a node is
// frozen as soon as no later word can reach into it, and frozen nodes with the
// same outgoing edges are stored once.
class TWordGraphBuilder {
  static constexpr std::uint32_t LabelMask = TWordGraph::LabelMask;
  static constexpr std::uint32_t WordBit = TWordGraph::WordBit;
  static constexpr std::uint32_t LastBit = TWordGraph::LastBit;
  static constexpr int ChildShift = TWordGraph::ChildShift;
  static constexpr std::uint32_t MaxNode = (1u << (32 - ChildShift)) - 1;

 public:
  explicit TWordGraphBuilder(TWordGraph& graph) : graph_(graph) {
    graph_.edges_.assign(1, 0);  // index 0 stands for "no edges"
    slots_.assign(1u << 16, 0);
  }

  void Add(const std::string& word) {
    std::size_t common = 0;
    while (common < previous_.size() && common < word.size() && previous_[common] == word[common]) ++common;
    FreezeDownTo(common);
    for (std::size_t d = common; d < word.size(); ++d) {
      if (path_.size() <= d + 1) path_.resize(d + 2);
      path_[d].push_back(static_cast<unsigned char>(word[d]));  // child pending
      path_[d + 1].clear();
      pathIsWord_.resize(path_.size());
      pathIsWord_[d + 1] = false;
    }
    pathIsWord_[word.size()] = true;
    previous_ = word;
  }

  std::uint32_t Finish() {
    if (path_.empty()) path_.resize(1);
    FreezeDownTo(0);
    return Freeze(path_[0]);
  }

 private:
  // Pending edges hold only their label; freezing a child completes its parent's last edge.
  void FreezeDownTo(std::size_t depth) {
    for (std::size_t d = previous_.size(); d > depth; --d) {
      const std::uint32_t child = Freeze(path_[d]);
      std::uint32_t& edge = path_[d - 1].back();
      edge = (edge & LabelMask) | (pathIsWord_[d] ? WordBit : 0) | (child << ChildShift);
    }
    previous_.resize(depth);
  }

  std::uint32_t Freeze(std::vector<std::uint32_t>& node) {
    if (node.empty()) return 0;
    node.back() |= LastBit;
    const std::uint32_t hash = HashOf(node.data(), node.size());
    std::vector<std::uint32_t>& edges = graph_.edges_;
    std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
      const std::uint32_t at = slots_[slot];
      if (at == 0) break;
      if (SameNode(node, at)) {
        node.clear();
        return at;
      }
    }
    const std::size_t at = edges.size();
    if (at + node.size() > MaxNode) throw std::length_error("words list too large for the word graph");
    edges.insert(edges.end(), node.begin(), node.end());
    nodeStarts_.push_back(static_cast<std::uint32_t>(at));
    node.clear();
    Insert(static_cast<std::uint32_t>(at), hash);
    if (nodeStarts_.size() * 2 > slots_.size()) Grow();
    return static_cast<std::uint32_t>(at);
  }

  // Both runs end with their last-edge bit, so the comparison stops inside the stored run.
  bool SameNode(const std::vector<std::uint32_t>& node, std::uint32_t at) const {
    for (std::size_t i = 0; i < node.size(); ++i)
      if (graph_.edges_[at + i] != node[i]) return false;
    return true;
  }

  static std::uint32_t HashOf(const std::uint32_t* edges, std::size_t count) {
    std::uint64_t hash = 1469598103934665603ull;
    for (std::size_t i = 0; i < count; ++i) hash = (hash ^ edges[i]) * 1099511628211ull;
    return static_cast<std::uint32_t>(hash ^ (hash >> 29));
  }

  std::size_t NodeLength(std::uint32_t at) const {
    std::size_t length = 1;
    while (!(graph_.edges_[at + length - 1] & LastBit)) ++length;
    return length;
  }

  void Insert(std::uint32_t at, std::uint32_t hash) {
    const std::size_t mask = slots_.size() - 1;
    std::size_t slot = hash & mask;
    while (slots_[slot] != 0) slot = (slot + 1) & mask;
    slots_[slot] = at;
  }

  void Grow() {
    slots_.assign(slots_.size() * 2, 0);
    for (std::uint32_t at : nodeStarts_) Insert(at, HashOf(&graph_.edges_[at], NodeLength(at)));
  }

  TWordGraph& graph_;
  std::vector<std::vector<std::uint32_t>> path_;  // the nodes along the previous word, not yet frozen
  std::vector<bool> pathIsWord_;
  std::string previous_;
  std::vector<std::uint32_t> slots_;       // open addressing over frozen nodes (their first edge)
  std::vector<std::uint32_t> nodeStarts_;  // every frozen node, for growing the table
};

TWordGraph TWordGraph::Build(const std::vector<std::string>& entries, const TLetterFold& fold) {
  TWordGraph graph;
  graph.fold_ = fold;
  std::vector<std::string> folded;
  folded.reserve(entries.size());
  for (const std::string& entry : entries) {
    std::string word = fold.Fold(entry);
    if (word.empty())
      graph.acceptsEmpty_ = true;  // an empty line, or only ignorable characters
    else
      folded.push_back(std::move(word));
  }
  std::sort(folded.begin(), folded.end());
  folded.erase(std::unique(folded.begin(), folded.end()), folded.end());
  graph.words_ = folded.size() + (graph.acceptsEmpty_ ? 1 : 0);
  TWordGraphBuilder builder(graph);
  for (const std::string& word : folded) builder.Add(word);
  graph.root_ = builder.Finish();
  graph.edges_.shrink_to_fit();
  return graph;
}

TWordGraph TWordGraph::Build(const TWordsList& list, const TAlphabet& alphabet) {
  return Build(list.Entries(), TLetterFold::Derive(GetPlatform(), alphabet));
}

bool TWordGraph::HasFold(const std::string& text) const {
  TCursor cursor = Start();
  for (unsigned char c : text)
    if (!StepLetter(cursor, c)) return false;
  return cursor.IsWord;
}

}  // namespace vb
