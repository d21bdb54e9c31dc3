#pragma once
//! \class ZORWENUIFeatureIndex
//! An index beside a selector list's features, so that finding a feature does not walk the
//! list: entries by identity, and BRep entries by the identity of their support. A BRep feature
//! is found by an entry on the same support that relates to it (either way); the host relates
//! only BRep features of one support, so grouping by support misses nothing.
//!
//! The index follows appends at the end (Appended), replacements (Replaced), removals
//! (RemoveLines) and emptying (Cleared); any other change of the list makes it stale (Invalidate),
//! and the next Locate rebuilds it once.

#include <memory>
#include <vector>

#include "ZORListValZORISpecObject_var.h"
#include "ZORPointerMap.h"

class ZORWENUIFeatureIndex {
 public:
  //! Whether `entry` stands for `feature`: the same object, or BRep features on one support
  //! related either way.
  static bool Matches(const ZORBaseUnknown_var& entry, const ZORBaseUnknown_var& feature);
  //! The list's entries changed otherwise than by appends at the end.
  void Invalidate() { valid_ = false; }
  //! Entries were appended at the end of `list`.
  void Appended(const ZORListValZORISpecObject_var& list);
  //! Removes the entries at the ascending 0-based `lines` of `list`, the others moving up, and
  //! follows. Answers where each entry went, by former 1-based position: its new position, or 0
  //! for a removed one (and for position 0).
  std::vector<int> RemoveLines(ZORListValZORISpecObject_var& list, const std::vector<int>& lines);
  //! The list was emptied.
  void Cleared();
  //! The entry at `position` of `list` is now another feature.
  void Replaced(const ZORListValZORISpecObject_var& list, int position);
  //! The first 1-based position after `start` of `list` whose entry is `feature` or a related
  //! BRep feature on the same support; 0 when none or for null.
  int Locate(const ZORListValZORISpecObject_var& list, const ZORBaseUnknown_var& feature,
             int start) const;
  //! Every 1-based position of `list` whose entry is `feature` or a related BRep feature on the
  //! same support, ascending; none for null.
  std::vector<int> LocateAll(const ZORListValZORISpecObject_var& list,
                             const ZORISpecObject_var& feature) const;

 private:
  // A key's positions, ascending. Most keys have one, kept inline: a list of thousands then
  // costs no allocation per entry.
  struct Positions {
    int first = 0;  // 0 when empty
    // The others, each after `first`; made for the first of them, so that a slot of the flat
    // tables stays small.
    std::unique_ptr<std::vector<int>> rest;
  };
  // Flat: renumbering after a removal reads the table in one sweep, not a node per entry.
  using Map = ZORPointerMap<const ZORBaseUnknown, Positions>;
  // What an entry was indexed under: forgetting it then reads no feature, which at thousands of
  // removals would each cost a read from memory.
  struct Keys {
    const ZORBaseUnknown* identity = nullptr;
    const ZORBaseUnknown* support = nullptr;
  };

  void Add(const ZORISpecObject_var& feature, int position) const;
  void Forget(int position);
  static void Insert(Positions& positions, int position);
  static void Erase(Map& map, const ZORBaseUnknown* key, int position);
  // Gives every position its new one, `moved[old]`.
  static void Renumber(Map& map, const std::vector<int>& moved);
  void Rebuild(const ZORListValZORISpecObject_var& list) const;
  // Rebuilds the index when it is stale or does not cover the whole list.
  void EnsureCurrent(const ZORListValZORISpecObject_var& list) const;
  // The support under which a BRep match of `feature` would be indexed; none to look for while
  // no entry is a BRep feature, which spares asking every feature looked up for its support.
  template <class Handle>
  const ZORBaseUnknown* SupportToSearch(const ZORListValZORISpecObject_var& list,
                                        const Handle& feature) const;
  static int After(const Positions& positions, int start);
  static int FirstAfter(const Map& map, const ZORBaseUnknown* key, int start);
  // Locate, with the support of `feature` (not null) found once by the caller. Any handle: one
  // on the feature's main interface is asked through it, without a handle on its base.
  template <class Handle>
  int LocateFrom(const ZORListValZORISpecObject_var& list, const Handle& feature,
                 const ZORBaseUnknown* support, int start) const;

  // How many leading entries are indexed.
  int Indexed() const { return static_cast<int>(keys_.size()); }

  mutable Map identities_;
  mutable Map supports_;
  mutable std::vector<Keys> keys_;  // by position - 1, for the indexed entries
  mutable bool valid_ = true;       // an empty index is that of an empty list
};
