#pragma once
// A value its copies share until one of them is changed: copying it copies a pointer, and the
// first change through a copy that others share gives that copy a value of its own.

#include <memory>

// `Allocator` gives the block that holds a value with its counts.
template <class T, class Allocator = std::allocator<T>>
class ZORCopyOnWrite {
 public:
  ZORCopyOnWrite() : value_(std::allocate_shared<T>(Allocator())) {}

  const T& operator*() const { return *value_; }
  const T* operator->() const { return value_.get(); }

  // The value to change, made this copy's own first. A reference kept from here must not be
  // written through once this copy has been copied again: the write would reach the other too.
  T& Edit() {
    if (value_.use_count() > 1) value_ = std::allocate_shared<T>(Allocator(), *value_);
    return *value_;
  }

  // Whether both copies read the very same value (equal values held apart answer false).
  bool Shares(const ZORCopyOnWrite& other) const { return value_ == other.value_; }

 private:
  std::shared_ptr<T> value_;
};
