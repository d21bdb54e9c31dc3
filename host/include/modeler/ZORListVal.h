#pragma once
// The host's value lists, indexed from 1 as every caller expects. Element access outside
// 1..Size() is a programming error and stops through the fatal-error routine.

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "ZORFatalError.h"

template <class T>
class ZORListVal {
 public:
  ZORListVal() = default;
  ZORListVal(std::initializer_list<T> values) : v_(values) {}

  int Size() const { return static_cast<int>(v_.size()); }
  bool IsEmpty() const { return v_.empty(); }

  const T& operator[](int i) const { return v_[Checked(i)]; }
  T& operator[](int i) { return v_[Checked(i)]; }

  void Append(const T& value) { v_.push_back(value); }
  void Append(const ZORListVal& other) { v_.insert(v_.end(), other.v_.begin(), other.v_.end()); }
  // Inserts so that the value stands at `position` (1..Size()+1).
  void InsertAt(int position, const T& value) {
    v_.insert(v_.begin() + CheckedInsert(position), value);
  }
  void ReplaceAt(int position, const T& value) { v_[Checked(position)] = value; }
  void RemovePosition(int position) { v_.erase(v_.begin() + Checked(position)); }
  // Removes the first equal value; answers its former position, 0 when absent.
  int RemoveValue(const T& value) {
    const int position = Locate(value);
    if (position) RemovePosition(position);
    return position;
  }
  // Position of the first equal value at or after `from`, 0 when absent.
  int Locate(const T& value, int from = 1) const {
    for (int i = std::max(from, 1); i <= Size(); ++i) {
      if (v_[static_cast<std::size_t>(i - 1)] == value) return i;
    }
    return 0;
  }
  void RemoveAll() { v_.clear(); }
  // Removes every entry after position `keep`.
  void RemoveAfter(int keep) {
    if (keep < Size()) v_.resize(static_cast<std::size_t>(std::max(keep, 0)));
  }

  auto begin() const { return v_.begin(); }
  auto end() const { return v_.end(); }
  auto begin() { return v_.begin(); }
  auto end() { return v_.end(); }
  const std::vector<T>& std() const { return v_; }

 private:
  std::size_t Checked(int i) const {
    if (i < 1 || i > Size()) ZORFatalError("index in list bounds", __FILE__, __LINE__);
    return static_cast<std::size_t>(i - 1);
  }
  std::size_t CheckedInsert(int i) const {
    if (i < 1 || i > Size() + 1)
      ZORFatalError("insert position in list bounds", __FILE__, __LINE__);
    return static_cast<std::size_t>(i - 1);
  }

  std::vector<T> v_;
};
