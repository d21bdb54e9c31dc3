#pragma once
// The one widget mechanism of the headless dialog toolkit. A widget is a command, so its
// notifications travel up its father chain; its state (title, sensitivity, visibility, lines,
// check state ...) is real and read back by the library and the driver.
//
// Two links tie a widget to its parent:
// - ownership: the window parent takes the creation reference and releases its children when
//   it goes; Destroy() lets go of a child at once, RequestDelayedDestruction() at the end of the
//   transaction. A widget built without a parent is owned by its creator.
// - notification: the father (ZORCommand::GetFather) is the parent at construction and can be
//   changed with SetFather without changing ownership.

#include <initializer_list>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ZORCommand.h"
#include "ZORDlgGridConstraints.h"
#include "ZORIndexedPointers.h"
#include "ZORString.h"
#include "ZORUnicodeString.h"

class ZORDialog : public ZORCommand {
  ZOR_DECLARE_CLASS(ZORDialog, ZORCommand, ZORMetaObject::Implementation, "Dialog")

  static constexpr int kShown = 2;
  static constexpr int kHidden = 4;
  static constexpr int kSensitive = 8;
  static constexpr int kInsensitive = 16;

  explicit ZORDialog(ZORDialog* parent = nullptr, const ZORString& name = ZORString(),
                     unsigned long style = 0);
  ~ZORDialog() override;

  unsigned long GetStyle() const { return style_; }

  // Window tree: children in creation order.
  ZORDialog* GetDialogParent() const { return parent_; }
  const std::vector<ZORDialog*>& GetDialogChildren() const { return children_.Items(); }
  int GetChildCount() const { return static_cast<int>(children_.Size()); }
  // The first descendant with this name, depth first; "Frame/Button" names a descendant of a
  // descendant. Null when none.
  ZORDialog* FindChild(const ZORString& path) const;

  void SetTitle(const ZORUnicodeString& title) { title_ = title; }
  const ZORUnicodeString& GetTitle() const { return title_; }
  void SetLongHelp(const ZORUnicodeString& help) { longHelp_ = help; }
  const ZORUnicodeString& GetLongHelp() const { return longHelp_; }

  // kSensitive or kInsensitive; other values are ignored.
  void SetSensitivity(int sensitivity);
  int GetSensitivity() const { return sensitivity_; }
  // kShown or kHidden; other values are ignored.
  void SetVisibility(int visibility);
  int GetVisibility() const { return visibility_; }

  // Whether this widget is a window of its own (a dialog) rather than a part of one.
  virtual bool IsWindow() const { return false; }
  // Whether a user could act on this widget: it and its containers up to its window are shown,
  // sensitive and not being destroyed.
  bool IsUserReachable() const;

  // The text of `key` in this class's resource files, level by level; empty when none.
  ZORUnicodeString GetResourceValueFromKey(const ZORString& key) const {
    return GetResourceText(key);
  }

  // Nothing to redraw in a headless host; kept so that callers can ask.
  void Refresh() {}

  // The widget's place in its container's grid, recorded and never laid out; null until set.
  void SetGridConstraints(const ZORDlgGridConstraints& constraints) { grid_ = constraints; }
  const ZORDlgGridConstraints* GetGridConstraints() const { return grid_ ? &*grid_ : nullptr; }
  //! Lets row `row` of this container's grid grow with it (`resizable` non-zero) or not;
  //! recorded like the constraints. Rows below 0 are ignored.
  void SetGridRowResizable(int row, int resizable = 1) {
    SetResizable(resizableRows_, row, resizable);
  }
  //! The same for column `column`.
  void SetGridColumnResizable(int column, int resizable = 1) {
    SetResizable(resizableColumns_, column, resizable);
  }
  //! Whether row `row` of the grid grows with the container.
  bool IsGridRowResizable(int row) const { return resizableRows_.count(row) != 0; }
  //! Whether column `column` of the grid grows with the container.
  bool IsGridColumnResizable(int column) const { return resizableColumns_.count(column) != 0; }
  // The widget stands after the sibling named `neighbour` along the horizontal tab `tab`;
  // recorded like the grid constraints. The neighbour's name is empty until set.
  void SetHorizontalTabAttachment(const ZORString& neighbour, unsigned short tab) {
    tabNeighbour_ = neighbour;
    tab_ = tab;
  }
  const ZORString& GetTabNeighbour() const { return tabNeighbour_; }
  unsigned short GetTabIndex() const { return tab_; }

  //! One attachment of a child to a tab of this container: which tab, along which direction,
  //! with which attachment value (recorded as given; the headless host lays nothing out).
  struct TabAttachment {
    bool horizontal = true;
    int tab = 0;
    int value = 0;
    ZORString child;
    bool operator==(const TabAttachment&) const = default;
  };
  //! Attaches each non-null child to the horizontal (or vertical) tab `tab` with `value`.
  void SetHorizontalAttachment(int tab, int value, std::initializer_list<ZORDialog*> children);
  //! The same along the vertical tabs.
  void SetVerticalAttachment(int tab, int value, std::initializer_list<ZORDialog*> children);
  //! Forgets every attachment of the container.
  void ResetAttachment() { attachments_.clear(); }
  //! The attachments, in the order they were made.
  const std::vector<TabAttachment>& GetAttachments() const { return attachments_; }
  //! `replacement` takes over every attachment of `previous`; false when either is null.
  bool ReplaceAttachedChild(const ZORDialog* previous, const ZORDialog* replacement);
  //! "H1=5:A,B V0=4:C" for the attachments; empty when none.
  std::string DescribeAttachments() const;

  // Releases the owner's reference now: the parent's, or the creator's for a widget without
  // parent. A widget whose destruction was requested is already handed over: nothing happens.
  void Destroy();
  // Hands the owner's reference to the transaction; nothing once the owner has let go.
  void RequestDelayedDestruction() override;

 protected:
  // Sends `notification` from this widget up its father chain, starting with the widget's own
  // subscriptions, as a user's action does. The widget stays alive until the send returns.
  bool SendUserNotification(ZORNotification* notification);
  virtual void OnVisibilityChanged(int previous) { (void)previous; }
  void OnDestructionRequested() override;

 private:
  void ForgetChild(ZORDialog* child);
  static void SetResizable(std::set<int>& lines, int line, int resizable) {
    if (line < 0) return;
    if (resizable) {
      lines.insert(line);
    } else {
      lines.erase(line);
    }
  }
  ZORDialog* FindDescendant(const std::string& name) const;

  ZORDialog* parent_ = nullptr;
  // One reference each; indexed, so that destroying n children of one widget stays linear.
  ZORIndexedPointers<ZORDialog> children_;
  unsigned long style_;
  ZORUnicodeString title_;
  ZORUnicodeString longHelp_;
  int sensitivity_ = kSensitive;
  int visibility_ = kShown;
  bool ownerReleased_ = false;
  std::optional<ZORDlgGridConstraints> grid_;
  std::set<int> resizableRows_;
  std::set<int> resizableColumns_;
  ZORString tabNeighbour_;
  unsigned short tab_ = 0;
  std::vector<TabAttachment> attachments_;
};
