#include "ZORDriver.h"

#include <sstream>

#include "ZOR2DManipulator.h"
#include "ZORApplicationFrame.h"
#include "ZORBody.h"
#include "ZORCkeParamFrame.h"
#include "ZORDlgCheckButton.h"
#include "ZORDlgCombo.h"
#include "ZORDlgContextualMenu.h"
#include "ZORDlgEditor.h"
#include "ZORDlgList.h"
#include "ZORDlgMultiList.h"
#include "ZORDlgPushButton.h"
#include "ZORDlgRadioButton.h"
#include "ZORDlgRadioItem.h"
#include "ZORDlgSelectorList.h"
#include "ZORDlgSpinner.h"
#include "ZORDlgTabContainer.h"
#include "ZORDlgTabPage.h"
#include "ZORFeature.h"
#include "ZORFrmEditor.h"
#include "ZORGuiCommandStackFrame.h"
#include "ZORHSO.h"
#include "ZORIBuildPath.h"
#include "ZORMMUIPanelStateCmd.h"
#include "ZORNavigation2DViewer.h"
#include "ZORNotifyAnswers.h"
#include "ZORShownMessageJournal.h"
#include "ZORSysLogAbend.h"
#include "ZORTransaction.h"
#include "ZORWENUIMultiList.h"
#include "ZORWENUISelector.h"

namespace {

std::pair<std::string, std::string> SplitFirst(const std::string& path) {
  const auto slash = path.find('/');
  if (slash == std::string::npos) return {path, ""};
  return {path.substr(0, slash), path.substr(slash + 1)};
}

// What the widgets of menus, combos, spinners, tabs and parameter editors show.
void DescribeMore(const ZORDialog& widget, std::ostringstream& out) {
  if (auto* combo = dynamic_cast<const ZORDlgCombo*>(&widget)) {
    out << " lines=" << combo->GetLineCount() << " selected=\""
        << combo->GetLine(combo->GetSelect()) << "\"";
  }
  if (auto* spinner = dynamic_cast<const ZORDlgSpinner*>(&widget)) {
    out << " value=\"" << spinner->GetShownText() << "\"";
  }
  if (auto* tabs = dynamic_cast<const ZORDlgTabContainer*>(&widget)) {
    const ZORDlgTabPage* page = tabs->GetSelectedPage();
    out << " page=\"" << (page ? page->GetName().str() : std::string()) << "\"";
  }
  if (auto* parm = dynamic_cast<const ZORCkeParamFrame*>(&widget)) {
    out << " value=\"" << parm->GetText() << "\"" << (parm->HasSpinner() ? " spinner" : "");
  }
  if (auto* menu = dynamic_cast<const ZORDlgContextualMenu*>(&widget)) {
    out << (menu->IsOpen() ? " open" : " closed");
  }
  if (auto* radio = dynamic_cast<const ZORDlgRadioItem*>(&widget)) {
    out << (radio->IsChecked() ? " checked" : " unchecked");
  }
  if (auto* window = dynamic_cast<const ZORDlgWindow*>(&widget)) {
    if (window->HasPowerInputFocus()) out << " focus";
  }
}

// Whether the viewer shows `object` highlighted, as the user designates it (ZORIBuildPath).
bool IsHighlighted(const ZORBaseUnknown_var& object) {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  ZORIBuildPath_var build(object);
  ZORPathElement path;
  return editor && editor->GetHSO() && build &&
         SUCCEEDED(build->BuildPathElement(editor->GetUIActiveObject(), path)) &&
         editor->GetHSO()->IsShown(path);
}

// What the list of a selector or of a feature list shows, line by line ("*" marks a selected
// line), and whether a selector's element is highlighted.
void DescribeContent(const ZORDialog& widget, int depth, std::ostringstream& out) {
  const std::string indent(static_cast<std::size_t>(depth + 1) * 2, ' ');
  if (auto* selector = dynamic_cast<const ZORWENUISelector*>(&widget)) {
    out << indent << "element: " << (selector->GetSelectedElement() ? "set" : "none")
        << (selector->IsHighlighted() ? " highlighted" : "") << "\n";
  }
  const ZORDialog* parent = widget.GetDialogParent();
  // The lists of the workbench's selectors, whichever frame of theirs holds them.
  if (!dynamic_cast<const ZORGuiCommandStackFrame*>(parent)) return;
  auto* owner = dynamic_cast<const ZORWENUIMultiList*>(parent);
  auto* multi = dynamic_cast<const ZORDlgMultiList*>(&widget);
  auto* lines = dynamic_cast<const ZORDlgSelectorList*>(&widget);
  if (!multi && !lines) return;
  const ZORDlgList& list = *dynamic_cast<const ZORDlgList*>(&widget);
  for (int row = 0; row < list.GetLineCount(); ++row) {
    out << indent << (list.IsSelected(row) ? "* " : "  ") << row << ":";
    if (lines) out << " \"" << lines->GetLine(row) << "\"";
    for (int column = 0; multi && column < multi->GetColumnCount(); ++column) {
      out << " \"" << multi->GetColumnItem(column, row) << "\"";
    }
    if (owner && owner->GetFeature(row)) out << " (feature)";
    if (IsHighlighted(list.GetLineObject(row))) out << " highlighted";
    out << "\n";
  }
}

void Describe(const ZORDialog& widget, int depth, std::ostringstream& out) {
  out << std::string(static_cast<std::size_t>(depth) * 2, ' ') << widget.IsA() << " \""
      << widget.GetName() << "\"";
  if (!widget.GetTitle().IsEmpty()) out << " title=\"" << widget.GetTitle() << "\"";
  if (widget.GetVisibility() == ZORDialog::kHidden) out << " hidden";
  if (widget.GetSensitivity() == ZORDialog::kInsensitive) out << " insensitive";
  if (auto* check = dynamic_cast<const ZORDlgCheckButton*>(&widget)) {
    out << (check->GetState() == ZORDlgCheckButton::kChecked ? " checked" : " unchecked");
  }
  if (auto* radio = dynamic_cast<const ZORDlgRadioButton*>(&widget)) {
    out << (radio->GetState() == ZORDlgRadioButton::kChecked ? " checked" : " unchecked");
  }
  if (auto* list = dynamic_cast<const ZORDlgList*>(&widget)) {
    out << " lines=" << list->GetLineCount() << " selected=" << list->GetSelectCount();
  }
  if (auto* editor = dynamic_cast<const ZORDlgEditor*>(&widget)) {
    out << " text=\"" << editor->GetText() << "\"";
  }
  DescribeMore(widget, out);
  if (const std::string attached = widget.DescribeAttachments(); !attached.empty()) {
    out << " attach=\"" << attached << "\"";
  }
  if (auto* viewer = dynamic_cast<const ZORNavigation2DViewer*>(&widget)) {
    // The box, then what the viewer draws one line each.
    const std::vector<std::string> lines = viewer->Describe();
    out << " " << lines.front();
    for (std::size_t i = 1; i < lines.size(); ++i) {
      out << "\n" << std::string(static_cast<std::size_t>(depth + 1) * 2, ' ') << lines[i];
    }
  }
  out << "\n";
  DescribeContent(widget, depth, out);
  for (const ZORDialog* child : widget.GetDialogChildren()) Describe(*child, depth + 1, out);
}

}  // namespace

template <class Action>
bool ZORDriver::Act(Action&& action) {
  const bool done = action();
  EndTransaction();
  return done;
}

void ZORDriver::EndTransaction() {
  ZORTransaction::End();
}

HRESULT ZORDriver::Start(ZORStateCommand* command, ZORGuiCommandStack::Mode mode) {
  HRESULT hr = E_FAIL;
  Act([&] {
    hr = ZORGuiCommandStack::Instance()->StartCommand(command, mode);
    return SUCCEEDED(hr);
  });
  return hr;
}

HRESULT ZORDriver::Start(const ZORGuiCommandStack::Creator& creator,
                         ZORGuiCommandStack::Mode mode) {
  HRESULT hr = E_FAIL;
  Act([&] {
    hr = ZORGuiCommandStack::Instance()->StartCommand(creator, mode);
    return SUCCEEDED(hr);
  });
  return hr;
}

HRESULT ZORDriver::StartByName(const std::string& name, ZORGuiCommandStack::Mode mode) {
  ZORGuiCommandStack* stack = ZORGuiCommandStack::Instance();
  return Start([stack, name] { return stack->CreateCommand(name); }, mode);
}

ZORStateCommand* ZORDriver::CurrentCommand() const {
  return ZORGuiCommandStack::Instance()->GetCurrentCommand();
}

bool ZORDriver::CancelCurrent() {
  return Act([&] {
    ZORStateCommand* command = CurrentCommand();
    if (!command) return false;
    ZORGuiCommandStack::Instance()->CancelCommand(command);
    return true;
  });
}

bool ZORDriver::GlobalUndo() {
  return Act([] {
    ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
    if (!editor) return false;
    // A global undo is a command of its own: the running commands give way first.
    ZORGuiCommandStack::Instance()->CancelAll();
    return editor->GetGlobalUndoHistory().Undo();
  });
}

bool ZORDriver::GlobalRedo() {
  return Act([] {
    ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
    if (!editor) return false;
    ZORGuiCommandStack::Instance()->CancelAll();
    return editor->GetGlobalUndoHistory().Redo();
  });
}

std::vector<ZORDialog*> ZORDriver::OpenPanels() const {
  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  return frame ? frame->GetOpenDialogs() : std::vector<ZORDialog*>();
}

ZORDialog* ZORDriver::Find(const std::string& path) const {
  const auto [panelName, rest] = SplitFirst(path);
  for (ZORDialog* panel : OpenPanels()) {
    if (panel->GetName().str() != panelName) continue;
    if (rest.empty()) return panel;
    if (ZORDialog* widget = panel->FindChild(ZORString(rest))) return widget;
  }
  return nullptr;
}

ZORDlgDialog* ZORDriver::DialogAt(const std::string& path) const {
  if (!path.empty()) return dynamic_cast<ZORDlgDialog*>(Find(path));
  auto* command = dynamic_cast<ZORMMUIPanelStateCmd*>(CurrentCommand());
  return command ? command->GiveMyPanel() : nullptr;
}

bool ZORDriver::OnDialog(const std::string& path, bool (ZORDlgDialog::*press)()) {
  return Act([&] {
    ZORDlgDialog* dialog = DialogAt(path);
    return dialog && (dialog->*press)();
  });
}

bool ZORDriver::PressOK(const std::string& path) {
  return OnDialog(path, &ZORDlgDialog::PressOK);
}
bool ZORDriver::PressApply(const std::string& path) {
  return OnDialog(path, &ZORDlgDialog::PressApply);
}
bool ZORDriver::PressCancel(const std::string& path) {
  return OnDialog(path, &ZORDlgDialog::PressCancel);
}
bool ZORDriver::CloseWindow(const std::string& path) {
  return Act([&] {
    ZORDlgWindow* window = path.empty() ? DialogAt(path) : dynamic_cast<ZORDlgWindow*>(Find(path));
    return window && window->Close();
  });
}

bool ZORDriver::Click(const std::string& path) {
  return Act([&] {
    ZORDialog* widget = Find(path);
    if (auto* push = dynamic_cast<ZORDlgPushButton*>(widget)) return push->Click();
    if (auto* check = dynamic_cast<ZORDlgCheckButton*>(widget)) return check->Click();
    if (auto* radio = dynamic_cast<ZORDlgRadioButton*>(widget)) return radio->Click();
    if (auto* selector = dynamic_cast<ZORWENUISelector*>(widget)) {
      return selector->GetEditor()->Click(0);
    }
    return false;
  });
}

bool ZORDriver::DoubleClick(const std::string& path) {
  return Act([&] {
    ZORDialog* widget = Find(path);
    if (auto* selector = dynamic_cast<ZORWENUISelector*>(widget)) {
      return selector->GetEditor()->DoubleClick(0);
    }
    auto* check = dynamic_cast<ZORDlgCheckButton*>(widget);
    return check && check->DoubleClick();
  });
}

bool ZORDriver::Check(const std::string& path, bool checked) {
  auto* check = dynamic_cast<ZORDlgCheckButton*>(Find(path));
  if (!check) return false;
  const bool isChecked = check->GetState() == ZORDlgCheckButton::kChecked;
  // A user checks a box by clicking it when it is not in the wanted state.
  return isChecked == checked || Click(path);
}

bool ZORDriver::Type(const std::string& path, const std::string& text) {
  return Act([&] {
    ZORDialog* widget = Find(path);
    if (auto* editor = dynamic_cast<ZORDlgEditor*>(widget)) return editor->Type(text);
    if (auto* spinner = dynamic_cast<ZORDlgSpinner*>(widget)) return spinner->Type(text);
    if (auto* parm = dynamic_cast<ZORCkeParamFrame*>(widget)) return parm->Type(text);
    return false;
  });
}

ZORDlgList* ZORDriver::ListAt(const std::string& path) const {
  ZORDialog* widget = Find(path);
  if (auto* selector = dynamic_cast<ZORWENUISelector*>(widget)) return selector->GetEditor();
  if (auto* features = dynamic_cast<ZORWENUIMultiList*>(widget)) return features->GetMultiList();
  // Another selector frame: the list its contextual menu stands on.
  if (auto* frame = dynamic_cast<ZORGuiCommandStackFrame*>(widget)) {
    ZORDlgContextualMenu* menu = frame->GetContextualMenu();
    return menu ? dynamic_cast<ZORDlgList*>(menu->GetDialogParent()) : nullptr;
  }
  return dynamic_cast<ZORDlgList*>(widget);
}

bool ZORDriver::Menu(const std::string& path, int line, const std::string& item) {
  return Act([&] {
    ZORDialog* widget = Find(path);
    // A 2D viewer's menu is its manipulator's: the right click lands on the handle.
    if (auto* viewer = dynamic_cast<ZORNavigation2DViewer*>(widget)) {
      if (line >= 0 || !viewer->IsUserReachable()) return false;
      for (const ZOR2DManipulator_var& manipulator : viewer->GetManipulators()) {
        if (!manipulator->IsPickable()) continue;
        ZOR2DManipulator_var alive(manipulator);
        return alive->ContextOn(item);
      }
      return false;
    }
    ZORDlgList* list = ListAt(path);
    ZORDlgContextualMenu* menu = ZORDlgContextualMenu::Of(widget);
    if (!menu) menu = ZORDlgContextualMenu::Of(list);
    if (!menu) return false;
    if (line >= 0 && (!list || !list->SetContextualLine(line))) return false;
    ZORVar<ZORDlgContextualMenu> keep(menu);
    return menu->Open() && menu->ChooseItem(ZORString(item));
  });
}

std::string ZORDriver::FocusHolder() const {
  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  const ZORDialog* main = frame ? frame->GetMainWindow() : nullptr;
  std::string path;
  // Paths start under the main window, which is not named in them.
  for (const ZORDialog* w = ZORDlgWindow::GetPowerInputFocusWindow(); w && w != main;
       w = w->GetDialogParent()) {
    path = w->GetName().str() + (path.empty() ? "" : "/" + path);
  }
  return path;
}

bool ZORDriver::Spin(const std::string& path, bool up, int clicks) {
  return Act([&] {
    ZORDialog* widget = Find(path);
    if (auto* spinner = dynamic_cast<ZORDlgSpinner*>(widget)) return spinner->Spin(up, clicks);
    if (auto* parm = dynamic_cast<ZORCkeParamFrame*>(widget)) return parm->Spin(up, clicks);
    return false;
  });
}

bool ZORDriver::Tab(const std::string& path, const std::string& page) {
  return Act([&] {
    auto* tabs = dynamic_cast<ZORDlgTabContainer*>(Find(path));
    return tabs && tabs->SelectPage(ZORString(page));
  });
}

bool ZORDriver::SelectInCombo(const std::string& path, int line) {
  return Act([&] {
    auto* combo = dynamic_cast<ZORDlgCombo*>(Find(path));
    return combo && combo->Select(line);
  });
}

template <class ListAction>
bool ZORDriver::OnList(const std::string& path, ListAction&& action) {
  return Act([&] {
    ZORDlgList* list = ListAt(path);
    return list && action(*list);
  });
}

bool ZORDriver::ClickLine(const std::string& path, int line, bool extend) {
  return OnList(path, [&](ZORDlgList& list) { return list.Click(line, extend); });
}

bool ZORDriver::DoubleClickLine(const std::string& path, int line) {
  return OnList(path, [&](ZORDlgList& list) { return list.DoubleClick(line); });
}

bool ZORDriver::SelectLines(const std::string& path, const std::vector<int>& lines) {
  return OnList(path, [&](ZORDlgList& list) { return list.SelectLines(lines); });
}

void ZORDriver::QueueAnswer(int answer) {
  ZORNotifyAnswers::Queue(answer);
}

void ZORDriver::SetDefaultAnswer(int answer) {
  ZORNotifyAnswers::SetDefault(answer);
}

std::vector<ZORShownMessage> ZORDriver::DrainMessages() {
  return ZORShownMessageJournal::Drain();
}

std::string ZORDriver::DumpDocument() const {
  return session_.Document().Dump();
}

std::vector<std::string> ZORDriver::DrainEvents() {
  return session_.Document().GetEventLog().DrainLines();
}

const std::vector<std::string>& ZORDriver::AbendLines() const {
  return ZORAbendLog::Lines();
}

std::string ZORDriver::DescribeHighlight() {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  if (!editor || !editor->GetHSO()) return {};
  std::ostringstream out;
  for (const ZORPathElement& path : editor->GetHSO()->GetElements()) {
    out << DescribePick(path) << "\n";
  }
  return out.str();
}

std::string ZORDriver::DescribePick(const ZORPathElement& path) {
  const ZORBaseUnknown_var leaf = path.GetLeaf();
  auto* cell = leaf ? dynamic_cast<const ZORCell*>(leaf->GetImpl()) : nullptr;
  const ZORBaseUnknown_var body = path.GetFatherOfLeaf();
  ZORFeature* feature = cell && path.GetSize() >= 3
                            ? ZORFeature::From(path.GetObject(path.GetSize() - 2).get())
                            : nullptr;
  const ZORBody_var result = feature ? feature->GetResultBody() : nullptr;
  if (!cell || !body || !result || result.get() != body->GetImpl()) return path.Describe();
  // The domain the cell belongs to, so that pieces of a body are told apart.
  for (int d = 1; d <= result->GetNumberOfDomains(); ++d) {
    for (const ZORCell_var& member : result->GetDomain(d)->GetCells()) {
      if (member.get() != cell) continue;
      return feature->GetDisplayNameText() + " " + cell->Describe() + " in domain " +
             std::to_string(d) + " of " + std::to_string(result->GetNumberOfDomains());
    }
  }
  return feature->GetDisplayNameText() + " " + cell->Describe();
}

std::string ZORDriver::DescribePanels() const {
  std::ostringstream out;
  for (const ZORDialog* panel : OpenPanels()) Describe(*panel, 0, out);
  return out.str();
}

std::string ZORDriver::DescribeWidget(const std::string& path) const {
  const ZORDialog* widget = Find(path);
  if (!widget) return "";
  std::ostringstream out;
  Describe(*widget, 0, out);
  return out.str();
}
