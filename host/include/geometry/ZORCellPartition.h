#pragma once
// Which cells of a body reach one another: union-find over cell positions (path halving, union
// by size), grown a cell at a time while the body is built, so that the pieces are known when it
// is finished without reading its cells again.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

class ZORCellPartition {
 public:
  //! A new cell, alone in its piece.
  void Add() {
    parent_.push_back(static_cast<std::uint32_t>(parent_.size()));
    size_.push_back(1);
  }
  //! Puts the cells at positions `a` and `b` in one piece.
  void Join(std::uint32_t a, std::uint32_t b) {
    a = Find(a);
    b = Find(b);
    if (a == b) return;
    if (size_[a] < size_[b]) std::swap(a, b);
    parent_[b] = a;
    size_[a] += size_[b];
  }
  //! The piece of each cell, numbered from 0 in the order of its first cell; `count` gets how
  //! many pieces there are.
  std::vector<std::uint32_t> Number(std::size_t& count) {
    constexpr std::uint32_t kUnnumbered = UINT32_MAX;
    std::vector<std::uint32_t> numberOfRoot(parent_.size(), kUnnumbered);
    std::vector<std::uint32_t> pieces(parent_.size());
    count = 0;
    for (std::uint32_t i = 0; i < parent_.size(); ++i) {
      std::uint32_t& number = numberOfRoot[Find(i)];
      if (number == kUnnumbered) number = static_cast<std::uint32_t>(count++);
      pieces[i] = number;
    }
    return pieces;
  }

 private:
  std::uint32_t Find(std::uint32_t i) {
    while (parent_[i] != i) i = parent_[i] = parent_[parent_[i]];
    return i;
  }

  std::vector<std::uint32_t> parent_;
  std::vector<std::uint32_t> size_;
};
