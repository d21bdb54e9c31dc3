#pragma once
// The user simulator: acts on the host as a person at the screen would (start a command, click
// a button, check a box, select list lines, press OK, answer a message box) and looks at what
// that person would see (the document, the open panels and their widgets, the message boxes
// shown, the events sent to the viewer, the abend log). Each action is one user event: the
// transaction ends after it.
//
// Widgets are named by path: "Panel/Frame/Button" names the widget "Button" under "Frame"
// under the open panel "Panel" (a name may skip levels: the first match, depth first).

#include <string>
#include <vector>

#include "ZORGuiCommandStack.h"
#include "ZORHostSession.h"
#include "ZORShownMessage.h"

class ZORDialog;
class ZORDlgDialog;
class ZORDlgList;
class ZORStateCommand;

class ZORDriver {
 public:
  explicit ZORDriver(ZORHostSession& session) : session_(session) {}

  // --- commands ---
  // Starts `command`, handing over its creation reference.
  HRESULT Start(ZORStateCommand* command,
                ZORGuiCommandStack::Mode mode = ZORGuiCommandStack::Mode::Shared);
  // Creates the command and starts it, as the user's click on its icon does: what the
  // creation changes in the document is the command's work.
  HRESULT Start(const ZORGuiCommandStack::Creator& creator,
                ZORGuiCommandStack::Mode mode = ZORGuiCommandStack::Mode::Shared);
  HRESULT StartByName(const std::string& name,
                      ZORGuiCommandStack::Mode mode = ZORGuiCommandStack::Mode::Shared);
  ZORStateCommand* CurrentCommand() const;
  // The user leaves the current command another way than its panel (Escape).
  bool CancelCurrent();
  // The user undoes or redoes a whole finished command in the current editor: the document
  // goes back to its state before (after) the command, then the command's global undo record
  // runs. The running commands are cancelled first. False when there is nothing to undo or
  // redo, or no editor.
  bool GlobalUndo();
  bool GlobalRedo();

  // --- panels and widgets ---
  // Windows shown under the main window.
  std::vector<ZORDialog*> OpenPanels() const;
  // The widget at `path` in the open panels; null when none.
  ZORDialog* Find(const std::string& path) const;
  // The dialog buttons of the panel at `path`, or of the current command's panel when `path`
  // is empty. False when the user could not press it.
  bool PressOK(const std::string& path = "");
  bool PressApply(const std::string& path = "");
  bool PressCancel(const std::string& path = "");
  // Closes a window from its frame: a panel, or any window at `path`.
  bool CloseWindow(const std::string& path = "");
  // A push, check or radio button, a selector's line, or a list line (`Click(path, line)`).
  bool Click(const std::string& path);
  bool DoubleClick(const std::string& path);
  bool Check(const std::string& path, bool checked);
  // Types `text` in the text field at `path` and presses Enter.
  bool Type(const std::string& path, const std::string& text);
  bool ClickLine(const std::string& path, int line, bool extend = false);
  bool DoubleClickLine(const std::string& path, int line);
  bool SelectLines(const std::string& path, const std::vector<int>& lines);
  // Right-clicks the widget at `path` (on list line `line` unless it is -1), then chooses the
  // menu item named `item` in its contextual menu. False when either step is refused; the
  // right click alone (its before-show notification) has happened when only the item is.
  // A selector or a feature list is right-clicked on its list.
  bool Menu(const std::string& path, int line, const std::string& item);
  // Clicks the up or down arrow of a spinner or a parameter editor `clicks` times.
  bool Spin(const std::string& path, bool up, int clicks = 1);
  // Clicks the tab of the page `page` of the tab container at `path`.
  bool Tab(const std::string& path, const std::string& page);
  // Picks line `line` of the combo at `path`.
  bool SelectInCombo(const std::string& path, int line);
  // The list a user clicks in the widget at `path`: a list, or the list of a selector or of
  // a feature list; null otherwise.
  ZORDlgList* ListAt(const std::string& path) const;
  // The path of the window holding the power input focus ("Panel/Sub"); empty when none does.
  std::string FocusHolder() const;

  // --- message boxes ---
  // The answer of the next blocking box (answers are used in order); then the default.
  void QueueAnswer(int answer);
  void SetDefaultAnswer(int answer);
  std::vector<ZORShownMessage> DrainMessages();

  // --- looking ---
  std::string DumpDocument() const;
  std::vector<std::string> DrainEvents();
  const std::vector<std::string>& AbendLines() const;
  // The open panels and their widgets, one per line, indented: class, name, title, state.
  std::string DescribePanels() const;
  // The widget at `path` and its children as DescribePanels shows them; empty when none.
  std::string DescribeWidget(const std::string& path) const;
  //! What the current editor highlights (the agents' picks), one a line: a picked cell as its
  //! feature, the cell and the domain holding it; another pick as its path.
  static std::string DescribeHighlight();
  //! One pick as DescribeHighlight shows it.
  static std::string DescribePick(const ZORPathElement& path);

  // Ends the current transaction (what handed-over objects wait for).
  void EndTransaction();

 private:
  ZORDlgDialog* DialogAt(const std::string& path) const;
  bool OnDialog(const std::string& path, bool (ZORDlgDialog::*press)());
  template <class ListAction>
  bool OnList(const std::string& path, ListAction&& action);
  // Runs a user action and ends the transaction after it.
  template <class Action>
  bool Act(Action&& action);

  ZORHostSession& session_;
};
