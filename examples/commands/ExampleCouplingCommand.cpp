#include "ExampleCouplingCommand.h"

#include <string>

#include "ZORApplicationFrame.h"
#include "ZORDlgCheckButton.h"
#include "ZORDlgContextualMenu.h"
#include "ZORDlgPushItem.h"
#include "ZORFeature.h"
#include "ZORFrmEditor.h"
#include "ZORGmoUtilitiesBody.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORGuiCommandStack.h"
#include "ZORGuiCouplingFrame.h"
#include "ZORGuiCouplingPanel.h"
#include "ZORGuiCouplingPointSymbol.h"
#include "ZORGuiCouplingSymbol.h"
#include "ZORPoint.h"
#include "ZORSpecObjectOf.h"
#include "ZORWenJournaling.h"

namespace {

// Client data of FrameAction and PointsAction.
enum Wish : std::intptr_t {
  kSelect = 1,
  kEdit,
  kAdd,
  kAddAfter,
  kAddBefore,
  kRemove,
  kRemoveAll,
  kShowLines,
  kPointSelected,
  kStacked
};

ZORDialog* MainWindow() {
  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  return frame ? frame->GetMainWindow() : nullptr;
}

// A marker at each vertex of a profile: its start (kind 1), inner vertices (2), its end (3).
void MarkVertices(const ZORBody_var& profile, ZORListValZORMathPoint& points,
                  ZORRawCollint& kinds) {
  const int count = profile ? profile->GetCellCount(0) : 0;
  for (int i = 1; i <= count; ++i) {
    const ZORCell* vertex = profile->GetCellOfDimension(0, i);
    if (!vertex || !vertex->GetPoint()) continue;
    points.Append(vertex->GetPoint()->GetPoint());
    kinds.Append(i == 1 ? 1 : (i == count ? 3 : 2));
  }
}

}  // namespace

ExampleCouplingCommand::ExampleCouplingCommand()
    : ZORWENUIStateCommand("CouplingCommand", 0, 1),
      panel_(new ZORDlgDialog(MainWindow(), "CouplingPanel")),
      frame_(nullptr),
      status_(nullptr),
      pointsPanel_(nullptr) {
  panel_->SetTitle("Couplings");
  panel_->SetFather(this);
  frame_ = new ZORGuiCouplingFrame(panel_, this);
  status_ = new ZORDlgLabel(panel_, "Status");
  frame_->SetShowCouplingLines(1);
  const std::pair<ZORNotification*, Wish> wishes[] = {
      {frame_->GetCouplingSelNotif(), kSelect},
      {frame_->GetCouplingEditNotif(), kEdit},
      {frame_->GetCouplingAddNotif(), kAdd},
      {frame_->GetCouplingAddAfterNotif(), kAddAfter},
      {frame_->GetCouplingAddBeforeNotif(), kAddBefore},
      {frame_->GetCouplingRemoveNotif(), kRemove},
      {frame_->GetCouplingRemoveAllNotif(), kRemoveAll},
      {frame_->GetCouplingShowLinesNotif(), kShowLines}};
  for (const auto& [notification, wish] : wishes) {
    AddAnalyseNotificationCB(frame_, notification, &ExampleCouplingCommand::FrameAction,
                             ZORIntData(wish));
  }
  pointsPanel_ = new ZORGuiCouplingPanel(MainWindow());
  pointsPanel_->SetFather(this);
  pointsPanel_->Build();
  AddAnalyseNotificationCB(pointsPanel_, pointsPanel_->GetCouplingSelPointNotif(),
                           &ExampleCouplingCommand::PointsAction, ZORIntData(kPointSelected));
  AddAnalyseNotificationCB(pointsPanel_, pointsPanel_->GetStackedCouplingPointNotif(),
                           &ExampleCouplingCommand::PointsAction, ZORIntData(kStacked));
  Refresh();
}

ExampleCouplingCommand::~ExampleCouplingCommand() {
  RemoveAnalyseNotificationCBs(nullptr);
  for (Coupling& coupling : couplings_) HideLine(coupling);
  for (ZORGuiCouplingPointSymbol* profile : profiles_) profile->RequestDelayedDestruction();
  pointsPanel_->RequestDelayedDestruction();
  panel_->RequestDelayedDestruction();
}

void ExampleCouplingCommand::BuildGraph() {
  ZORDialogState* state = GetInitialPanelState("CouplingState");
  pointAgent_ = ZORMake<ZORWENUIFeatureAgent>("_Point", "WENPoint");
  profileAgent_ = ZORMake<ZORWENUIFeatureAgent>("_Profile", "WENPolyline");
  AddAgent(state, pointAgent_.get());
  AddAgent(state, profileAgent_.get());
  AddTransition(state, state, IsOutputSetCondition(pointAgent_.get()),
                Action(&ExampleCouplingCommand::TakePoint, nullptr));
  AddTransition(state, state, IsOutputSetCondition(profileAgent_.get()),
                Action(&ExampleCouplingCommand::TakeProfile, nullptr));
}

std::vector<ZORListValZORISpecObject_var> ExampleCouplingCommand::GetCouplings() const {
  std::vector<ZORListValZORISpecObject_var> all;
  for (const Coupling& coupling : couplings_) all.push_back(coupling.points);
  return all;
}

ZORGuiCouplingSymbol* ExampleCouplingCommand::GetSymbol(int row) const {
  if (row < 1 || row > static_cast<int>(couplings_.size())) return nullptr;
  return couplings_[static_cast<std::size_t>(row - 1)].symbol;
}

bool ExampleCouplingCommand::TakePoint(ZORCallbackData) {
  ZORFeature* picked =
      pointAgent_->AgentError() ? nullptr : ZORFeature::From(pointAgent_->GetElementValue());
  pointAgent_->RemoveFromHSO();
  pointAgent_->InitializeAcquisition();
  if (!picked) return true;
  if (edited_ == 0) Insert(static_cast<int>(couplings_.size()) + 1);
  Coupling& coupling = couplings_[static_cast<std::size_t>(edited_ - 1)];
  coupling.points.Append(ZORSpecObjectOf(picked));
  if (coupling.symbol) coupling.symbol->SetCouplingPoints(coupling.points);
  Tell(picked->GetDisplayNameText() + " in coupling " + std::to_string(edited_));
  Refresh();
  return true;
}

bool ExampleCouplingCommand::TakeProfile(ZORCallbackData) {
  ZORFeature* picked =
      profileAgent_->AgentError() ? nullptr : ZORFeature::From(profileAgent_->GetElementValue());
  profileAgent_->RemoveFromHSO();
  profileAgent_->InitializeAcquisition();
  const ZORBody_var body = ZORGmoUtilitiesBody::GetBodyFromSpec(ZORBaseUnknown_var(picked));
  if (!body) return true;
  auto* symbol = new ZORGuiCouplingPointSymbol(this);
  symbol->SetId(static_cast<int>(profiles_.size()) + 1);
  profiles_.push_back(symbol);
  ZORListValZORMathPoint points;
  ZORRawCollint kinds;
  MarkVertices(body, points, kinds);
  symbol->SetPoints(points, kinds);
  symbol->SetBody(body);
  Tell("profile " + picked->GetDisplayNameText());
  return true;
}

void ExampleCouplingCommand::FrameAction(ZORCommand*, ZORNotification*, ZORCallbackData data) {
  int row = 1;
  frame_->GetSelected(row);
  const int count = static_cast<int>(couplings_.size());
  const bool any = count > 0;
  switch (ZORDataInt(data)) {
    case kSelect:
      if (!any) return;
      edited_ = row;
      Tell("coupling " + std::to_string(row));
      break;
    case kEdit:
      if (!any) return;
      edited_ = row;
      pointsPanel_->SetVisibility(ZORDialog::kShown);
      Tell("editing coupling " + std::to_string(row));
      break;
    case kAdd:
      Insert(count + 1);
      break;
    case kAddAfter:
      Insert(any ? row + 1 : 1);
      break;
    case kAddBefore:
      Insert(any ? row : 1);
      break;
    case kRemove:
      if (any) Remove(row);
      break;
    case kRemoveAll:
      while (!couplings_.empty()) Remove(static_cast<int>(couplings_.size()));
      Tell("no coupling");
      break;
    case kShowLines:
      linesShown_ = frame_->GetShowLinesButton()->GetState() == ZORDlgCheckButton::kChecked;
      for (Coupling& coupling : couplings_) {
        if (linesShown_) {
          ShowLine(coupling);
        } else {
          HideLine(coupling);
        }
      }
      Tell(linesShown_ ? "lines shown" : "lines hidden");
      break;
    default:
      return;
  }
  Refresh();
}

void ExampleCouplingCommand::PointsAction(ZORCommand*, ZORNotification*, ZORCallbackData data) {
  if (ZORDataInt(data) == kStacked) {
    Tell("a command runs over the coupling");
    return;
  }
  int row = 1;
  pointsPanel_->GetSelected(row);
  Tell("point " + std::to_string(row) + " of coupling " + std::to_string(edited_));
}

void ExampleCouplingCommand::SymbolContext(ZORCommand* sender, ZORNotification* notification,
                                           ZORCallbackData) {
  ZORDlgContextualMenu* menu = ZORDlgContextualMenu::CarriedBy(notification);
  contextRow_ = RowOf(sender);
  if (!menu || contextRow_ == 0) return;
  auto* item = new ZORDlgPushItem(menu, "RemoveCoupling");
  item->SetTitle("Remove");
  AddAnalyseNotificationCB(item, item->GetMenuIActivateNotification(),
                           &ExampleCouplingCommand::RemoveFromMenu, nullptr);
}

void ExampleCouplingCommand::SymbolActivated(ZORCommand* sender, ZORNotification*,
                                             ZORCallbackData) {
  const int row = RowOf(sender);
  if (row == 0) return;
  edited_ = row;
  Tell("coupling " + std::to_string(row) + " clicked");
  Refresh();
}

void ExampleCouplingCommand::RemoveFromMenu(ZORCommand* sender, ZORNotification*, ZORCallbackData) {
  RemoveAnalyseNotificationCBs(sender);
  if (contextRow_ < 1 || contextRow_ > static_cast<int>(couplings_.size())) return;
  Remove(std::exchange(contextRow_, 0));
  Refresh();
}

void ExampleCouplingCommand::Insert(int position) {
  couplings_.insert(couplings_.begin() + (position - 1), Coupling());
  edited_ = position;
  if (linesShown_) ShowLine(couplings_[static_cast<std::size_t>(position - 1)]);
  Tell("coupling " + std::to_string(position) + " added");
}

void ExampleCouplingCommand::Remove(int row) {
  HideLine(couplings_[static_cast<std::size_t>(row - 1)]);
  couplings_.erase(couplings_.begin() + (row - 1));
  const int count = static_cast<int>(couplings_.size());
  if (edited_ > count) edited_ = count;
  Tell("coupling " + std::to_string(row) + " removed");
}

int ExampleCouplingCommand::RowOf(const ZORCommand* sender) const {
  for (std::size_t i = 0; i < couplings_.size(); ++i) {
    if (sender && couplings_[i].symbol == sender) return static_cast<int>(i) + 1;
  }
  return 0;
}

void ExampleCouplingCommand::ShowLine(Coupling& coupling) {
  if (coupling.symbol) return;
  coupling.symbol = new ZORGuiCouplingSymbol(this);
  AddAnalyseNotificationCB(coupling.symbol, "ZORWENUIContextNotification",
                           &ExampleCouplingCommand::SymbolContext, nullptr);
  AddAnalyseNotificationCB(coupling.symbol, "ZORActivate", &ExampleCouplingCommand::SymbolActivated,
                           nullptr);
  coupling.symbol->SetCouplingPoints(coupling.points);
}

void ExampleCouplingCommand::HideLine(Coupling& coupling) {
  if (!coupling.symbol) return;
  RemoveAnalyseNotificationCBs(coupling.symbol);
  std::exchange(coupling.symbol, nullptr)->RequestDelayedDestruction();
}

void ExampleCouplingCommand::Refresh() {
  const int count = static_cast<int>(couplings_.size());
  frame_->SetNumberOfCoupling(count);
  if (edited_ > 0) frame_->SetSelected(edited_);
  for (int row = 1; row <= count; ++row) {
    ZORGuiCouplingSymbol* symbol = couplings_[static_cast<std::size_t>(row - 1)].symbol;
    if (!symbol) continue;
    symbol->SetId(row);
    symbol->SetText(frame_->GetCouplingName() + ZORUnicodeString::Format("%d", row));
  }
  int actions = ZORGuiCouplingFrame::kAddBit;
  if (edited_ > 0) {
    actions |= ZORGuiCouplingFrame::kAddAfterBit | ZORGuiCouplingFrame::kAddBeforeBit |
               ZORGuiCouplingFrame::kEditBit | ZORGuiCouplingFrame::kRemoveBit;
  }
  frame_->SetObjectActions(actions);
  pointsPanel_->SetCouplingPoints(edited_ > 0
                                      ? couplings_[static_cast<std::size_t>(edited_ - 1)].points
                                      : ZORListValZORISpecObject_var());
}

bool ExampleCouplingCommand::OkAction(ZORCallbackData data) {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  ZORDocument* document = editor ? editor->GetDocument() : nullptr;
  if (!document) return false;
  ZORISpecObject_var first;
  for (const Coupling& coupling : couplings_) {
    if (coupling.points.Size() < 2) continue;
    ZORFeature_var line = document->CreateFeature("WENPolyline");
    if (!line) return false;
    for (int k = 1; k <= coupling.points.Size(); ++k) {
      const std::string input = "Point" + std::to_string(k);
      if (FAILED(line->SetInput(input.c_str(), ZORBaseUnknown_var(coupling.points[k])))) {
        return false;
      }
    }
    const ZORISpecObject_var made = ZORSpecObjectOf(line);
    if (FAILED(InsertInCurrentContext(made, ZORISpecObject_var(), 0))) return false;
    editor->SetCurrentFeature(line.get());
    if (!first) {
      first = made;
    } else {
      ZORGmoUtilitiesServices::Update(ZORBaseUnknown_var(made));
    }
  }
  if (!first) {
    Tell("no coupling has two points");
    return false;
  }
  SetMyFeature(first);
  return ZORWENUIStateCommand::OkAction(data);
}

HRESULT ExampleCouplingCommand::CreationJournal(const ZORISpecObject_var& result,
                                                const ZORISpecObject_var&) {
  ZORFeature* line = ZORFeature::From(result.get());
  if (!line) return E_FAIL;
  ZORWenJournaling::Log("CreationCoupling " + line->GetDisplayNameText());
  return S_OK;
}

void ExampleCouplingCommand::Tell(const std::string& what) {
  status_->SetTitle(what.c_str());
}

void ExampleCouplingCommand::Register() {
  ZORGuiCommandStack::Instance()->RegisterCommand("ExampleCouplingCommand",
                                                  [] { return new ExampleCouplingCommand(); });
}
