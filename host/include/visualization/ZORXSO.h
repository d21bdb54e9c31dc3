#pragma once
// The common ground of the sets of objects: an ordered set of path elements, compared by
// content, with an index beside the order so that membership and removal do not search.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "ZORPathElement.h"

class ZORXSO : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORXSO, ZORBaseUnknown, ZORMetaObject::Implementation, "System")

  ZORXSO() = default;

  int IsMember(const ZORPathElement& path) const;
  int GetSize() const { return static_cast<int>(count_); }
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
  bool Insert(ZORPathElement&& path);
  // Answers false when the path is not a member.
  bool Erase(const ZORPathElement& path);
  void Clear();

 private:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  // Slot marks: an empty slot ends a probe, a removed one does not.
  static constexpr std::uint32_t kEmpty = 0;
  static constexpr std::uint32_t kRemoved = UINT32_MAX;

  // Whether `path` may join (set, not a member), with its hash.
  bool Admits(const ZORPathElement& path, std::size_t& hash) const;
  // Indexes the entry just appended.
  void Indexed(std::size_t hash);
  // Drops the holes left by removals, so that positions are positions again.
  void Compact() const;
  // The slot holding `path`, or kNone.
  std::size_t Find(const ZORPathElement& path, std::size_t hash) const;
  // Sizes the slots for the members (half full at most) and places every member again.
  void Rehash() const;
  void Place(std::size_t position) const;

  // Removed entries leave a hole until the next positional access.
  mutable std::vector<std::optional<ZORPathElement>> entries_;
  // Each entry's hash, so that probing and rehashing never hash a path again.
  mutable std::vector<std::size_t> hashes_;
  // Open addressing over the entries: a slot holds an entry's position + 1. One array instead
  // of a node per member, so that emptying a large set frees nothing member by member.
  mutable std::vector<std::uint32_t> slots_;
  mutable std::size_t used_ = 0;  // slots not empty, removed marks included
  std::size_t count_ = 0;
  mutable std::size_t holes_ = 0;
  mutable std::size_t cursor_ = 0;
};
