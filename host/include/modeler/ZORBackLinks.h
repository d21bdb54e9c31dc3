#pragma once
// Who holds what, seen from what is held: for each held object, the holders that hold it now,
// in the order they took it. A holder holding an object twice (by two ties) is listed twice and
// must let go twice. Lets a holder be found from what it holds without visiting every holder.
// Holds no reference: each holder links while it holds and unlinks before it lets go, so a
// linked object is always alive.

#include <algorithm>
#include <unordered_map>
#include <vector>

template <class Held, class Holder>
class ZORBackLinks {
 public:
  void Link(const Held* held, Holder* holder) {
    if (held && holder) links_[held].push_back(holder);
  }
  //! Forgets one tie of `holder` to `held`; nothing when there is none.
  void Unlink(const Held* held, const Holder* holder) {
    auto it = links_.find(held);
    if (it == links_.end()) return;
    std::vector<Holder*>& holders = it->second;
    auto tie = std::find(holders.begin(), holders.end(), holder);
    if (tie == holders.end()) return;
    holders.erase(tie);
    if (holders.empty()) links_.erase(it);
  }
  //! The holders of `held`, in the order they took it (empty when none).
  const std::vector<Holder*>& HoldersOf(const Held* held) const {
    static const std::vector<Holder*> none;
    auto it = links_.find(held);
    return it == links_.end() ? none : it->second;
  }

 private:
  std::unordered_map<const Held*, std::vector<Holder*>> links_;
};
