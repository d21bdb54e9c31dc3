#pragma once
// The workbench's one-element selector: a command-stack frame showing one element (a feature)
// on the single line of its list, or a no-selection text while it has none. Its contextual
// menu offers Replace and Remove as its menu data say: the first data while an element is
// shown, the second while it is empty. Remove lets go of the element, then sends the frame's
// Remove notification.
//
// The selector does not handle clicks on its line by itself: the owner (or a derived selector)
// subscribes ManageSelection to the list-select notification, which highlights the element
// while its line is selected and ends in SendNotif.

#include "ZORGuiCommandStackFrame.h"
#include "ZORPathElement.h"
#include "ZORVar.h"

class ZORDlgDialog;
class ZORDlgSelectorList;

class ZORWENUISelector : public ZORGuiCommandStackFrame {
  ZOR_DECLARE_CLASS(ZORWENUISelector, ZORGuiCommandStackFrame, ZORMetaObject::Implementation,
                    "Dialog")

  //! Which text the empty selector shows (resource key, then default text): "NoSelection"
  //! ("No selection"), "Optional" ("Optional"), "Default" ("Default").
  enum ZORWENUISelectorStyle { kNoSelectionStyle = 0, kOptionalStyle = 1, kDefaultStyle = 2 };

  //! `owner` is the panel the selector works for (a link); `withMenu` gives it its menu.
  ZORWENUISelector(ZORDlgDialog* owner, ZORDialog* parent, const ZORString& name,
                   unsigned long style, ZORWENUISelectorStyle selectorStyle,
                   ZORGuiContextualMenuData menuData, ZORGuiContextualMenuData emptyMenuData,
                   bool withMenu = true);
  ~ZORWENUISelector() override;

  ZORDlgDialog* GetOwner() const { return owner_; }
  //! The one-line list that shows the element.
  ZORDlgSelectorList* GetEditor() const { return editor_; }
  //! The list's list-select notification: a click on the line.
  ZORNotification* GetListSelectNotification() const;

  //! The text of the empty selector, from a style or given; shown at once when empty.
  void SetNoSelectionText(ZORWENUISelectorStyle selectorStyle);
  void SetNoSelectionText(const ZORUnicodeString& text);
  const ZORUnicodeString& GetNoSelectionText() const { return noSelection_; }

  //! Shows `element` on the line (null: clears). With `notify` 1 the line is also selected
  //! and the list-select notification sent, as a user's click does.
  void SetSelectedElement(const ZORBaseUnknown_var& element, int notify = 0);
  const ZORBaseUnknown_var& GetSelectedElement() const { return element_; }
  //! Lets go of the element: unhighlighted, the line unselected and showing the empty text.
  void ClearSelection();
  //! Writes the line again from the element (its name may have changed).
  void Refresh();

  //! Puts the element's path in the current editor's highlighted set; E_FAIL without element,
  //! editor or path. UnHighlight takes out what Highlight put there.
  HRESULT Highlight();
  HRESULT UnHighlight();
  bool IsHighlighted() const { return highlighted_.IsSet(); }

  //! Callback of the list-select notification: highlights the element while its line is
  //! selected, unhighlights it otherwise, then SendNotif.
  void ManageSelection(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Clears the selection, then sends the Remove notification.
  void RemoveMenuSelection(ZORCommand* sender, ZORNotification* notification,
                           ZORCallbackData data) override;

 protected:
  ZORGuiContextualMenuData MenuDataInEffect() const override;

 private:
  void ShowLine();

  ZORDlgDialog* owner_;
  ZORDlgSelectorList* editor_;  // a child, owned by the frame
  ZORGuiContextualMenuData emptyMenuData_;
  ZORUnicodeString noSelection_;
  ZORBaseUnknown_var element_;
  ZORPathElement highlighted_;  // unset when nothing is highlighted
};
