#pragma once
// The common ground of the sets of objects: an ordered set of path elements, compared by
// content, with an index beside the order so that membership and removal do not search.

#include <cstddef>
#include <optional>
#include <unordered_map>
#include <vector>

#include "ZORPathElement.h"

class ZORXSO : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORXSO, ZORBaseUnknown, ZORMetaObject::Implementation, "System")

  ZORXSO() = default;

  int IsMember(const ZORPathElement& path) const;
  int GetSize() const { return static_cast<int>(index_.size()); }
  // The element at `position` (1..size), in insertion order; null outside that range.
  const ZORPathElement* GetElement(int position) const;
  // Enumeration in insertion order: InitElementList, then NextElement until it gives null.
  void InitElementList() const;
  const ZORPathElement* NextElement() const;
  // The elements in insertion order.
  std::vector<ZORPathElement> GetElements() const;

 protected:
  // Answers false when the path is unset or already a member.
  bool Insert(const ZORPathElement& path);
  // Answers false when the path is not a member.
  bool Erase(const ZORPathElement& path);
  void Clear();

 private:
  // Drops the holes left by removals, so that positions are positions again.
  void Compact() const;
  // The index entry of a member, or end().
  std::unordered_multimap<std::size_t, std::size_t>::iterator Find(
      const ZORPathElement& path) const;

  // Removed entries leave a hole until the next positional access.
  mutable std::vector<std::optional<ZORPathElement>> entries_;
  // Position in entries_ by the path's hash: the paths themselves are stored once.
  mutable std::unordered_multimap<std::size_t, std::size_t> index_;
  mutable std::size_t holes_ = 0;
  mutable std::size_t cursor_ = 0;
};
