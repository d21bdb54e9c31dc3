#pragma once
// What the contextual menu of a command-stack frame offers, handed around by value: whether its
// Replace item and its Remove item are offered. An item not offered is hidden, so the user
// cannot choose it.

class ZORGuiContextualMenuData {
 public:
  //! Both items offered unless told otherwise.
  explicit ZORGuiContextualMenuData(bool replace = true, bool remove = true)
      : replace_(replace), remove_(remove) {}

  bool OffersReplace() const { return replace_; }
  bool OffersRemove() const { return remove_; }
  //! Neither item: what a frame shows while it has nothing to replace or remove.
  static ZORGuiContextualMenuData None() { return ZORGuiContextualMenuData(false, false); }

  bool operator==(const ZORGuiContextualMenuData&) const = default;

 private:
  bool replace_;
  bool remove_;
};
