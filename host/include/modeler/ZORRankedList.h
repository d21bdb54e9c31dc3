#pragma once
// A list whose elements leave from anywhere while the others keep their order, in logarithmic
// time. A removed element leaves a hole; a count of the remaining elements beside the entries (a
// Fenwick tree) turns a position into its entry and an entry into its position. The holes are
// dropped once they outnumber the elements, so a long series of removals stays near-linear.
//
// An entry names an element until the entries are renumbered: Remove and Insert answer whether
// they renumbered, so that a caller keeping entries can find them again.

#include <bit>
#include <cstddef>
#include <iterator>
#include <span>
#include <utility>
#include <vector>

template <class T>
class ZORRankedList {
 public:
  using Entry = std::size_t;

  // The elements in order, holes skipped.
  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = T;
    using difference_type = std::ptrdiff_t;
    using pointer = const T*;
    using reference = const T&;

    const_iterator() = default;
    const_iterator(const ZORRankedList* list, Entry entry) : list_(list), entry_(entry) {
      SkipHoles();
    }
    reference operator*() const { return list_->items_[entry_]; }
    pointer operator->() const { return &list_->items_[entry_]; }
    const_iterator& operator++() {
      ++entry_;
      SkipHoles();
      return *this;
    }
    const_iterator operator++(int) {
      const_iterator before = *this;
      ++*this;
      return before;
    }
    bool operator==(const const_iterator& other) const { return entry_ == other.entry_; }

   private:
    void SkipHoles() {
      while (entry_ < list_->items_.size() && !list_->alive_[entry_]) ++entry_;
    }
    const ZORRankedList* list_ = nullptr;
    Entry entry_ = 0;
  };

  ZORRankedList() = default;
  explicit ZORRankedList(std::vector<T> items) : items_(std::move(items)) {
    alive_.assign(items_.size(), 1);
    size_ = static_cast<int>(items_.size());
    BuildCounts();
  }

  int Size() const { return size_; }
  bool IsEmpty() const { return size_ == 0; }
  // How many entries there are, holes included.
  std::size_t EntryCount() const { return items_.size(); }

  // `position` must be below Size().
  T& operator[](int position) { return items_[EntryOf(position)]; }
  const T& operator[](int position) const { return items_[EntryOf(position)]; }
  T& AtEntry(Entry entry) { return items_[entry]; }
  const T& AtEntry(Entry entry) const { return items_[entry]; }

  Entry EntryOf(int position) const {
    if (!HasHoles()) return static_cast<Entry>(position);
    // The last node whose prefix holds at most `position` elements: the entry after it.
    std::size_t node = 0;
    int before = position;
    for (std::size_t step = std::bit_floor(items_.size()); step > 0; step >>= 1) {
      const std::size_t next = node + step;
      if (next < counts_.size() && counts_[next] <= before) {
        node = next;
        before -= counts_[next];
      }
    }
    return node;
  }

  int PositionOf(Entry entry) const { return Prefix(entry); }
  // The entries from the one of `position` (below Size()) to the last, holes included as T().
  std::span<const T> EntriesFrom(int position) const {
    return std::span<const T>(items_).subspan(EntryOf(position));
  }

  const_iterator begin() const { return {this, 0}; }
  const_iterator end() const { return {this, items_.size()}; }

  void Append(T item) {
    if (counts_.empty()) counts_.push_back(0);
    items_.push_back(std::move(item));
    alive_.push_back(1);
    // The new node covers the entries after its lowest bit: itself and those before it.
    const std::size_t node = items_.size();
    counts_.push_back(1 + Prefix(node - 1) - Prefix(node - LowBit(node)));
    ++size_;
  }

  // Inserts before `position` (Size() or more: at the end). Answers whether entries were
  // renumbered; inserting inside the list does, and costs a pass over it.
  bool Insert(int position, T item) {
    if (position >= size_) {
      Append(std::move(item));
      return false;
    }
    Compact();
    const auto at = static_cast<std::ptrdiff_t>(position < 0 ? 0 : position);
    items_.insert(items_.begin() + at, std::move(item));
    alive_.insert(alive_.begin() + at, 1);
    ++size_;
    BuildCounts();
    return true;
  }

  // Removes the elements at `positions`, taken as they stand before any goes; positions out of
  // range and repeated ones are ignored. Answers whether entries were renumbered.
  bool Remove(const std::vector<int>& positions) {
    std::vector<Entry> entries;
    entries.reserve(positions.size());
    for (int position : positions) {
      if (position >= 0 && position < size_) entries.push_back(EntryOf(position));
    }
    for (Entry entry : entries) {
      if (alive_[entry]) Take(entry);
    }
    return CompactIfSparse();
  }

  // Removes the element at `entry`; nothing for a hole or an entry out of range. Answers whether
  // entries were renumbered.
  bool RemoveEntry(Entry entry) {
    if (entry >= items_.size() || !alive_[entry]) return false;
    Take(entry);
    return CompactIfSparse();
  }

  void Clear() {
    items_.clear();
    alive_.clear();
    counts_.clear();
    size_ = 0;
  }

  // Calls `visit(entry, element)` for each element, in order.
  template <class Visit>
  void ForEachEntry(Visit&& visit) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (alive_[i]) visit(i, items_[i]);
    }
  }
  template <class Visit>
  void ForEach(Visit&& visit) const {
    ForEachEntry([&](Entry, const T& item) { visit(item); });
  }

 private:
  // Holes are dropped once they outnumber the elements, and not for a handful.
  static constexpr std::size_t kMinHolesToCompact = 64;

  static std::size_t LowBit(std::size_t i) { return i & (~i + 1); }
  bool HasHoles() const { return static_cast<std::size_t>(size_) != items_.size(); }

  // The number of elements among the first `entries` entries.
  int Prefix(std::size_t entries) const {
    int count = 0;
    for (std::size_t i = entries; i > 0; i -= LowBit(i)) count += counts_[i];
    return count;
  }

  void BuildCounts() {
    // Each node counts the elements it covers; one pass, each node adding to its parent. An
    // empty list keeps none: most features have no children, and every feature has a list.
    if (items_.empty()) {
      counts_.clear();
      return;
    }
    counts_.assign(items_.size() + 1, 0);
    for (std::size_t i = 1; i < counts_.size(); ++i) {
      counts_[i] += alive_[i - 1];
      const std::size_t parent = i + LowBit(i);
      if (parent < counts_.size()) counts_[parent] += counts_[i];
    }
  }

  void Take(Entry entry) {
    // The element goes once the list is whole again: its end may reach back here.
    [[maybe_unused]] T leaving = std::exchange(items_[entry], T());
    alive_[entry] = 0;
    for (std::size_t i = entry + 1; i < counts_.size(); i += LowBit(i)) --counts_[i];
    --size_;
  }

  bool CompactIfSparse() {
    const std::size_t holes = items_.size() - static_cast<std::size_t>(size_);
    if (holes < kMinHolesToCompact || holes <= static_cast<std::size_t>(size_)) return false;
    Compact();
    return true;
  }

  void Compact() {
    if (!HasHoles()) return;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
      if (!alive_[i]) continue;
      if (kept != i) items_[kept] = std::move(items_[i]);
      ++kept;
    }
    items_.resize(kept);
    alive_.assign(kept, 1);
    BuildCounts();
  }

  std::vector<T> items_;
  std::vector<char> alive_;
  std::vector<int> counts_;  // 1-based once there is an element; empty before
  int size_ = 0;
};
