#pragma once
// Pointers kept in the order they were added, with an index beside them once there are more than
// a few, so that one leaves without a search. A removed pointer leaves a hole; the holes are
// dropped at the next ordered read, or at once when they outnumber the pointers, so removing n of
// them one by one stays linear. Holds no reference: what the pointers own is the caller's business.

#include <algorithm>
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "ZORPointerMap.h"

template <class T>
class ZORIndexedPointers {
 public:
  //! Adds `item` at the end; an item already there stays where it is.
  void Add(T* item) {
    if (!item) return;
    if (index_) {
      if (index_->TryEmplace(item, items_.size()).second) items_.push_back(item);
      return;
    }
    if (Contains(item)) return;
    items_.push_back(item);
    if (items_.size() > kSearchedUpTo) BuildIndex();
  }
  //! Takes `item` out; answers whether it was there.
  bool Remove(const T* item) {
    if (!index_) {
      const auto it = std::find(items_.begin(), items_.end(), item);
      if (it == items_.end()) return false;
      items_.erase(it);
      return true;
    }
    const std::optional<std::size_t> at = index_->Take(item);
    if (!at) return false;
    items_[*at] = nullptr;
    if (++holes_ > index_->Size()) Compact();
    return true;
  }
  bool Contains(const T* item) const {
    if (index_) return index_->Contains(item);
    return std::find(items_.begin(), items_.end(), item) != items_.end();
  }
  std::size_t Size() const { return index_ ? index_->Size() : items_.size(); }
  //! The pointers in order, without holes.
  const std::vector<T*>& Items() const {
    Compact();
    return items_;
  }
  //! Hands the pointers over in order and leaves the list empty.
  std::vector<T*> TakeAll() {
    Compact();
    std::vector<T*> taken;
    taken.swap(items_);
    index_.reset();
    return taken;
  }

 private:
  using Index = ZORPointerMap<T, std::size_t>;
  // Most lists are short (a command's children, a dialog's widgets): they are searched, and
  // only a longer one pays for an index and its nodes.
  static constexpr std::size_t kSearchedUpTo = 16;

  void BuildIndex() {
    index_ = std::make_unique<Index>();
    index_->Reserve(items_.size());
    for (std::size_t i = 0; i < items_.size(); ++i) (*index_)[items_[i]] = i;
  }
  // Only an indexed list has holes.
  void Compact() const {
    if (holes_ == 0) return;
    std::size_t kept = 0;
    for (T* item : items_) {
      if (!item) continue;
      (*index_)[item] = kept;
      items_[kept++] = item;
    }
    items_.resize(kept);
    holes_ = 0;
  }

  mutable std::vector<T*> items_;
  std::unique_ptr<Index> index_;  // null while the list is short
  mutable std::size_t holes_ = 0;
};
