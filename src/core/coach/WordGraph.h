#pragma once
// The words list as a minimized DAWG of folded words (see TLetterFold): one
// graph serves both reading directions, because the move finder always knows
// both ends of the word it tries and can read a flipped word from its last cell.
// Built once per words list, off the UI thread; immutable afterwards, so any
// number of threads may read it.
#include <cstdint>
#include <string>
#include <vector>

#include "core/dictionary/LetterFold.h"

namespace vb {

class TWordsList;

class TWordGraph {
 public:
  // A place in the graph: the node reached and whether the letters read so far form a word.
  struct TCursor {
    std::uint32_t Node = 0;
    bool IsWord = false;
  };

  TWordGraph() = default;
  // Pure: reads only the entries and the fold, so it may run on any thread while
  // the entries stay unchanged. Throws std::length_error for a list too large
  // for the graph's 22-bit node numbers (tens of millions of words).
  static TWordGraph Build(const std::vector<std::string>& entries, const TLetterFold& fold);
  // Derives the fold from the installed platform, then builds (the platform's
  // comparison is stateless, so this too may run off the UI thread).
  static TWordGraph Build(const TWordsList& list, const TAlphabet& alphabet);

  const TLetterFold& Fold() const { return fold_; }
  TCursor Start() const { return TCursor{root_, acceptsEmpty_}; }
  // Follows one folded byte; false when no word continues with it. Inline: the
  // move finder's walk is made of these steps.
  bool Step(TCursor& cursor, unsigned char folded) const {
    if (cursor.Node == 0) return false;
    for (std::uint32_t at = cursor.Node;; ++at) {
      const std::uint32_t edge = edges_[at];
      if ((edge & LabelMask) == folded) {
        cursor.Node = edge >> ChildShift;
        cursor.IsWord = (edge & WordBit) != 0;
        return true;
      }
      if (edge & LastBit) return false;
    }
  }
  // Follows the fold of a board letter (zero, one or two bytes).
  bool StepLetter(TCursor& cursor, unsigned char letter) const {
    const int length = fold_.Length(letter);
    if (length == 1) return Step(cursor, fold_.Bytes(letter)[0]);
    for (int i = 0; i < length; ++i)
      if (!Step(cursor, fold_.Bytes(letter)[i])) return false;
    return true;
  }
  // Calls visit(folded byte, cursor after it) for every edge leaving the cursor's node.
  template <class Visit>
  void ForEachStep(TCursor cursor, Visit&& visit) const {
    if (cursor.Node == 0) return;
    for (std::uint32_t at = cursor.Node;; ++at) {
      const std::uint32_t edge = edges_[at];
      visit(static_cast<unsigned char>(edge & LabelMask), TCursor{edge >> ChildShift, (edge & WordBit) != 0});
      if (edge & LastBit) return;
    }
  }
  // Whether the fold of the text is the fold of some entry.
  bool HasFold(const std::string& text) const;

  std::size_t WordsCount() const { return words_; }
  std::size_t EdgesCount() const { return edges_.size(); }
  std::size_t MemoryBytes() const { return edges_.capacity() * sizeof(std::uint32_t) + sizeof(*this); }

 private:
  friend class TWordGraphBuilder;
  // Edge bits: 0-7 folded byte, 8 the path ending here is a word, 9 last edge of
  // its node, 10-31 the child node (the index of its first edge; 0 = no edges).
  static constexpr std::uint32_t LabelMask = 0xFFu;
  static constexpr std::uint32_t WordBit = 1u << 8;
  static constexpr std::uint32_t LastBit = 1u << 9;
  static constexpr int ChildShift = 10;
  std::vector<std::uint32_t> edges_;
  std::uint32_t root_ = 0;
  bool acceptsEmpty_ = false;
  std::size_t words_ = 0;
  TLetterFold fold_;
};

}  // namespace vb
