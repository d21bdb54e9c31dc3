#pragma once
// A set of small non-negative integers, one bit each: adding and removing cost no allocation
// once the bits are there, and a walk in ascending order reads a word per 64 members, so a set
// of thousands is read at once where a tree would be followed node by node.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

class ZORBitSet {
 public:
  std::size_t Size() const { return size_; }
  bool Contains(std::size_t member) const {
    const std::size_t word = member / kBits;
    return word < words_.size() && (words_[word] & Bit(member)) != 0;
  }
  //! Answers whether `member` was not there.
  bool Insert(std::size_t member) {
    const std::size_t word = member / kBits;
    if (word >= words_.size()) words_.resize(word + 1, 0);
    if ((words_[word] & Bit(member)) != 0) return false;
    words_[word] |= Bit(member);
    ++size_;
    return true;
  }
  //! Answers whether `member` was there.
  bool Erase(std::size_t member) {
    if (!Contains(member)) return false;
    words_[member / kBits] &= ~Bit(member);
    --size_;
    return true;
  }
  void Clear() {
    words_.clear();
    size_ = 0;
  }
  //! Calls `visit(member)` for each member, ascending, while it answers true.
  template <class Visit>
  void ForEachWhile(Visit&& visit) const {
    for (std::size_t word = 0; word < words_.size(); ++word) {
      for (std::uint64_t bits = words_[word]; bits != 0; bits &= bits - 1) {
        if (!visit(word * kBits + static_cast<std::size_t>(std::countr_zero(bits)))) return;
      }
    }
  }
  template <class Visit>
  void ForEach(Visit&& visit) const {
    ForEachWhile([&visit](std::size_t member) {
      visit(member);
      return true;
    });
  }

 private:
  static constexpr std::size_t kBits = 64;
  static std::uint64_t Bit(std::size_t member) { return std::uint64_t{1} << (member % kBits); }

  std::vector<std::uint64_t> words_;
  std::size_t size_ = 0;
};
