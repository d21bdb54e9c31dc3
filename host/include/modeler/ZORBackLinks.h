#pragma once
// Who holds what, seen from what is held: for each held object, the holders that hold it now,
// in the order they took it. A holder holding an object twice (by two ties) is listed twice and
// must let go twice. Lets a holder be found from what it holds without visiting every holder.
// Holds no reference: each holder links while it holds and unlinks before it lets go, so a
// linked object is always alive.

#include <algorithm>
#include <span>

#include "ZORInlineVector.h"
#include "ZORPointerMap.h"

template <class Held, class Holder>
class ZORBackLinks {
 public:
  void Link(const Held* held, Holder* holder) {
    if (held && holder) links_[held].push_back(holder);
  }
  //! Forgets one tie of `holder` to `held`; nothing when there is none.
  void Unlink(const Held* held, const Holder* holder) {
    Holders* holders = links_.Find(held);
    if (!holders) return;
    auto tie = std::find(holders->begin(), holders->end(), holder);
    if (tie == holders->end()) return;
    holders->erase(static_cast<std::size_t>(tie - holders->begin()));
    if (holders->empty()) links_.Erase(held);
  }
  //! The holders of `held`, in the order they took it (empty when none); valid until the next
  //! link or unlink.
  std::span<Holder* const> HoldersOf(const Held* held) const {
    const Holders* holders = links_.Find(held);
    return holders ? holders->Span() : std::span<Holder* const>();
  }

 private:
  // Most objects have one holder: it stays in place, without an allocation of its own.
  using Holders = ZORInlineVector<Holder*, 2>;
  ZORPointerMap<const Held, Holders> links_;
};
