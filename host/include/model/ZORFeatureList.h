#pragma once
// An ordered list of features (a feature's children, a document's features, an update's
// elements) in which finding, removing or appending a feature costs about the logarithm of the
// list's length wherever it stands, so that taking features out one by one stays near-linear.
//
// The features are kept in a ZORRankedList (holes counted by a Fenwick tree, compacted once they
// outnumber the features); a flat index beside it (one array, no node per feature) gives each
// feature's entry, and follows the entries when they are renumbered (a compaction, an insertion
// inside the list, which costs a pass as in a vector). A removed feature is let go of at once. A
// feature appears at most once. Size, indexing, iteration and copies see the features only, never
// the holes; a copy builds its index when it is first asked.
//
// A feature's children and a document's features are the lists a feature is removed from, by
// the thousand, in the order they were made. Such a list writes each feature's entry into the
// feature itself and finds it there, checking that the entry still holds it: the index, whose
// slots at tens of thousands of features each cost a read from memory, is then built only when
// an entry was not found that way, and dropped again once every entry is written anew.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "ZORPointerMap.h"
#include "ZORRankedList.h"
#include "ZORVar.h"

class ZORFeature;

class ZORFeatureList {
  using Items = ZORRankedList<ZORVar<ZORFeature>>;

 public:
  using const_iterator = Items::const_iterator;
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);
  //! Which entry of its features a list writes into them: each feature has one father and one
  //! document; other lists write none.
  enum class Role : std::uint8_t { kChildren, kDocument, kOther };

  explicit ZORFeatureList(Role role = Role::kOther);
  ~ZORFeatureList();
  //! Copies the features and the role only: the copy has no holes and builds its index on first
  //! use.
  ZORFeatureList(const ZORFeatureList& other);
  //! Takes the features of `other`; the list keeps its own role.
  ZORFeatureList& operator=(const ZORFeatureList& other);
  ZORFeatureList(ZORFeatureList&& other) noexcept;
  ZORFeatureList& operator=(ZORFeatureList&& other) noexcept;

  //! How many features the list holds.
  std::size_t size() const { return static_cast<std::size_t>(items_.Size()); }
  //! Whether the list holds no feature.
  bool empty() const { return items_.IsEmpty(); }
  //! The first feature, in order.
  const_iterator begin() const { return items_.begin(); }
  //! Past the last feature.
  const_iterator end() const { return items_.end(); }
  //! The feature at 0-based `position`, which must be below size().
  const ZORVar<ZORFeature>& operator[](std::size_t position) const {
    return items_[static_cast<int>(position)];
  }
  //! The features from 0-based `position` (below size()) on, with a null one where a feature
  //! left: for reading ahead of a walk by position, which needs no exact step.
  std::span<const ZORVar<ZORFeature>> From(std::size_t position) const {
    return items_.EntriesFrom(static_cast<int>(position));
  }
  //! The first feature of a list that is not empty.
  const ZORVar<ZORFeature>& front() const { return (*this)[0]; }
  //! The last feature of a list that is not empty.
  const ZORVar<ZORFeature>& back() const { return (*this)[size() - 1]; }
  //! Appends `feature`, which must not be in the list already.
  void push_back(ZORVar<ZORFeature> feature) { Insert(size(), std::move(feature)); }
  //! Lets go of every feature.
  void clear();

  //! The same features in the same order.
  bool operator==(const ZORFeatureList& other) const;

  //! The 0-based position of `feature`; npos when the list does not hold it.
  std::size_t PositionOf(const ZORFeature* feature) const;
  //! Puts `feature` (not null, not in the list) at 0-based `position`, at the end beyond size().
  void Insert(std::size_t position, ZORVar<ZORFeature> feature);
  //! Takes `feature` out of the list; false when the list does not hold it.
  bool Remove(const ZORFeature* feature);

 private:
  bool WritesEntries() const { return role_ != Role::kOther; }
  // The entry holding `feature`; none when the list does not hold it.
  std::optional<Items::Entry> EntryOf(const ZORFeature* feature) const;
  void WriteEntry(const ZORFeature* feature, Items::Entry entry) const;
  void EnsureIndex() const;
  // After the entries from `from` on were renumbered, the features or the index follow them.
  void Renumber(Items::Entry from);

  Role role_;
  Items items_;
  mutable ZORPointerMap<const ZORFeature, Items::Entry, 2> entryOf_;
  mutable bool indexed_ = false;
};
