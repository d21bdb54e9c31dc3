#pragma once
// Pointers kept in the order they were added, with an index beside them, so that one leaves
// without a search. A removed pointer leaves a hole; the holes are dropped at the next ordered
// read, or at once when they outnumber the pointers, so removing n of them one by one stays
// linear. Holds no reference: what the pointers own is the caller's business.

#include <cstddef>
#include <unordered_map>
#include <vector>

template <class T>
class ZORIndexedPointers {
 public:
  //! Adds `item` at the end; an item already there stays where it is.
  void Add(T* item) {
    if (!item || index_.count(item)) return;
    index_[item] = items_.size();
    items_.push_back(item);
  }
  //! Takes `item` out; answers whether it was there.
  bool Remove(const T* item) {
    auto it = index_.find(item);
    if (it == index_.end()) return false;
    items_[it->second] = nullptr;
    index_.erase(it);
    if (++holes_ > index_.size()) Compact();
    return true;
  }
  bool Contains(const T* item) const { return index_.count(item) != 0; }
  std::size_t Size() const { return index_.size(); }
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
    index_.clear();
    return taken;
  }

 private:
  void Compact() const {
    if (holes_ == 0) return;
    std::size_t kept = 0;
    for (T* item : items_) {
      if (!item) continue;
      index_[item] = kept;
      items_[kept++] = item;
    }
    items_.resize(kept);
    holes_ = 0;
  }

  mutable std::vector<T*> items_;
  mutable std::unordered_map<const T*, std::size_t> index_;
  mutable std::size_t holes_ = 0;
};
