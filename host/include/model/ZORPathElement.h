#pragma once
// A path of objects from the top (the part) down to a leaf (a feature). Paths are values: two
// paths are equal when they hold the same objects in the same order, however they were built.

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "ZORInlineVector.h"
#include "ZORVar.h"

class ZORPathElement {
 public:
  ZORPathElement() = default;
  explicit ZORPathElement(std::vector<ZORBaseUnknown_var> objects) : objects_(std::move(objects)) {}

  bool IsSet() const { return !objects_.empty(); }
  int GetSize() const { return static_cast<int>(objects_.size()); }
  // The object at `position`, 1 being the top; null outside 1..size.
  ZORBaseUnknown_var GetObject(int position) const;
  ZORBaseUnknown_var GetLeaf() const;
  // The object just above the leaf; null for a path of fewer than two objects.
  ZORBaseUnknown_var GetFatherOfLeaf() const;
  std::span<const ZORBaseUnknown_var> GetObjects() const { return objects_.Span(); }

  void AddChildElement(const ZORBaseUnknown_var& object);
  // Removes the first occurrence of `object`; answers whether there was one.
  bool RemoveElement(const ZORBaseUnknown_var& object);

  // Walks from the leaf up: InitToLeafElement gives the leaf, each NextFatherElement the object
  // above the previous one, then null. The walk does not count in equality.
  ZORBaseUnknown_var InitToLeafElement() const;
  ZORBaseUnknown_var NextFatherElement() const;

  // Equality and hashing compare the identities of the objects, top first.
  std::size_t Hash() const;

  // Display names (or class names) joined by "/"; "(unset)" for an empty path.
  std::string Describe() const;

  friend bool operator==(const ZORPathElement& a, const ZORPathElement& b);

 private:
  // Paths are mostly short (part, set, feature): those need no allocation of their own.
  ZORInlineVector<ZORBaseUnknown_var, 4> objects_;
  mutable int cursor_ = 0;
};
