#include "ExampleLawCommand.h"

#include "ZORApplicationFrame.h"
#include "ZORFrmEditor.h"
#include "ZORGuiBasicLawPanel.h"
#include "ZORGuiBasicLawPanelChangeInterpoModeNotif.h"
#include "ZORGuiBasicLawPanelChangeLawTypeNotif.h"
#include "ZORGuiBasicLawPanelIndAdvancedLawNotif.h"
#include "ZORGuiBasicLawPanelIndPointsParamsNotif.h"
#include "ZORGuiBasicLawPanelInvertLawNotif.h"
#include "ZORGuiBasicLawPanelRemovePointFromListNotif.h"
#include "ZORGuiCommandStack.h"
#include "ZORGuiTolerantModelingFrame.h"
#include "ZORParmDictionary.h"
#include "ZORString.h"
#include "ZORWENUI3DSmoothingNotification.h"
#include "ZORWENUIChangeSmoothingTypeNotification.h"
#include "ZORWenJournaling.h"

namespace {

// Client data of LawChanged.
enum Change : std::intptr_t { kType = 1, kInversion, kIndicate, kPoint, kInterpolation, kRemove };

// What a picked feature is to an implicit law.
bool IsCurve(ZORFeature& feature) {
  return feature.IsSubTypeOf("WENPolyline") || feature.IsSubTypeOf("WENArc") ||
         feature.IsSubTypeOf("WENAssemble");
}

ZORFeature_var NewLaw() {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  ZORDocument* document = editor ? editor->GetDocument() : nullptr;
  return document ? document->CreateFeature("WENIntegratedLaw") : ZORFeature_var();
}

ZORDialog* MainWindow() {
  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  return frame ? frame->GetMainWindow() : nullptr;
}

}  // namespace

ExampleLawCommand::ExampleLawCommand(ZORFeature* law)
    : ZORWENUIStateCommand("LawCommand", 0, 1),
      panel_(new ZORDlgDialog(MainWindow(), "LawCommand")),
      status_(nullptr),
      lawPanel_(nullptr),
      smoothing_(nullptr) {
  ZORFeature_var feature = law ? ZORFeature_var(law) : NewLaw();
  SetMyFeature(ZORISpecObject_var(feature.get()));
  SetEditMode(law != nullptr);
  law_ = ZORIWENIntegratedLaw_var(ZORBaseUnknown_var(feature.get()));
  panel_->SetTitle("Law");
  panel_->SetFather(this);

  smoothing_ = new ZORGuiTolerantModelingFrame(panel_, "Smoothing", 1);
  deviation_ = ZORParmDictionary::GetVolatileFactory()->CreateLength("Deviation", 0.001);
  const auto type = static_cast<ZORWENTolerantModelingSmoothingType>(
      feature ? static_cast<int>(feature->GetValue("Smoothing")) : 0);
  smoothing_->Build(deviation_, type, 0);
  status_ = new ZORDlgLabel(panel_, "Status");

  lawPanel_ = new ZORGuiBasicLawPanel(MainWindow(), 0);
  lawPanel_->SetFather(this);
  lawPanel_->SetVisibility(ZORDialog::kShown);
  lawPanel_->SetWithImplicitLawCreationMode(1);
  ZORICkeParm_var start, end;
  if (law_ && SUCCEEDED(law_->GetLiterals(start, end))) {
    lawPanel_->BuildPanel(start, end, law_->GetLawType(), ZORWENAdvancedLaw);
    Refresh();
  }
  AddAnalyseNotificationCB(lawPanel_, lawPanel_->GetBasicLawPanelChangeLawTypeNotif(),
                           &ExampleLawCommand::LawChanged, ZORIntData(kType));
  AddAnalyseNotificationCB(lawPanel_, lawPanel_->GetBasicLawPanelInvertLawNotif(),
                           &ExampleLawCommand::LawChanged, ZORIntData(kInversion));
  AddAnalyseNotificationCB(lawPanel_, lawPanel_->GetBasicLawPanelIndAdvancedLawNotif(),
                           &ExampleLawCommand::LawChanged, ZORIntData(kIndicate));
  AddAnalyseNotificationCB(lawPanel_, lawPanel_->GetBasicLawPanelIndPointsParamsNotif(),
                           &ExampleLawCommand::LawChanged, ZORIntData(kPoint));
  AddAnalyseNotificationCB(lawPanel_, lawPanel_->GetBasicLawPanelChangeInterpoModeNotif(),
                           &ExampleLawCommand::LawChanged, ZORIntData(kInterpolation));
  AddAnalyseNotificationCB(lawPanel_, lawPanel_->GetBasicLawPanelRemovePointFromListNotif(),
                           &ExampleLawCommand::LawChanged, ZORIntData(kRemove));
  AddAnalyseNotificationCB(smoothing_, smoothing_->GetChangeSmoothingTypeNotification(),
                           &ExampleLawCommand::SmoothingChanged, nullptr);
  AddAnalyseNotificationCB(smoothing_, smoothing_->Get3DSmoothingNotification(),
                           &ExampleLawCommand::SmoothingChanged, nullptr);
}

ExampleLawCommand::~ExampleLawCommand() {
  RemoveAnalyseNotificationCBs(nullptr);
  lawPanel_->RequestDelayedDestruction();
  panel_->RequestDelayedDestruction();
}

void ExampleLawCommand::BuildGraph() {
  ZORDialogState* state = GetInitialPanelState("LawState");
  lawAgent_ = ZORMake<ZORWENUIFeatureAgent>("_Law", "WENLaw");
  lawAgent_->AddOrderedElementType("CkeLaw");
  for (const char* type : {"WENPoint", "WENPolyline", "WENArc", "WENAssemble"}) {
    lawAgent_->AddOrderedElementType(type);
  }
  AddAgent(state, lawAgent_.get());
  AddTransition(state, state, IsOutputSetCondition(lawAgent_.get()),
                Action(&ExampleLawCommand::TakeLaw, nullptr));
}

bool ExampleLawCommand::TakeLaw(ZORCallbackData) {
  ZORFeature* picked =
      lawAgent_->AgentError() ? nullptr : ZORFeature::From(lawAgent_->GetElementValue());
  lawAgent_->RemoveFromHSO();
  lawAgent_->InitializeAcquisition();
  if (picked && lawPanel_->GetBasicLawType() == ZORWENImplicitLaw) return TakeImplicitInput(picked);
  ZORICkeLaw_var law{ZORBaseUnknown_var(picked)};
  if (!law || !law_ || FAILED(law_->SetAdvancedLaw(law))) return true;
  law_->SetLawType(ZORWENAdvancedLaw);
  Refresh();
  Tell("law " + picked->GetDisplayNameText());
  return true;
}

bool ExampleLawCommand::TakeImplicitInput(ZORFeature* picked) {
  if (!law_) return true;
  const ZORISpecObject_var feature{ZORBaseUnknown_var(picked)};
  if (IsCurve(*picked)) {
    if (SUCCEEDED(law_->SetSupport(feature))) Tell("support " + picked->GetDisplayNameText());
  } else if (picked->IsSubTypeOf("WENPoint")) {
    ZORICkeParm_var start, end;
    lawPanel_->GetLiterals(start, end);
    const double value = start ? start->GetStoredValue() : 0.0;
    Tell(SUCCEEDED(law_->AddImplicitLawPoint(feature, value))
             ? "point " + picked->GetDisplayNameText()
             : "point refused " + picked->GetDisplayNameText());
  }
  Refresh();
  return true;
}

void ExampleLawCommand::Refresh() {
  lawPanel_->RefreshPanel(law_);
  // An implicit law keeps two points at least.
  ZORListValZORISpecObject_var points, parameters;
  ZORRawCollint kept;
  if (law_ && SUCCEEDED(law_->GetImplicitLawPoints(points, parameters)) && points.Size() <= 2) {
    for (int i = 1; i <= points.Size(); ++i) kept.Append(i);
  }
  lawPanel_->SetListElemToNotRemove(kept);
}

void ExampleLawCommand::LawChanged(ZORCommand*, ZORNotification*, ZORCallbackData data) {
  if (!law_) return;
  switch (ZORDataInt(data)) {
    case kType:
      law_->SetLawType(lawPanel_->GetBasicLawType());
      // Only an advanced law follows a law feature: another type lets go of it.
      if (lawPanel_->GetBasicLawType() != ZORWENAdvancedLaw) law_->SetAdvancedLaw(nullptr);
      Tell(ZORString::Format("type %d", static_cast<int>(lawPanel_->GetBasicLawType())).str());
      break;
    case kInversion:
      law_->SetInversion(lawPanel_->GetLawInversion());
      Tell(lawPanel_->GetLawInversion() ? "inverted" : "not inverted");
      break;
    case kPoint:
      Tell(ZORString::Format("row of point %d", lawPanel_->GetListSelectedLine()).str());
      return;
    case kInterpolation:
      law_->SetInterpolationMode(lawPanel_->GetImplicitLawInterpoMode());
      Tell(ZORString::Format("interpolation %d", lawPanel_->GetImplicitLawInterpoMode()).str());
      break;
    case kRemove: {
      const int point = lawPanel_->GetListSelectedLine();
      Tell(SUCCEEDED(law_->RemoveImplicitLawPoint(point))
               ? ZORString::Format("removed point %d", point).str()
               : "nothing removed");
      break;
    }
    default:
      Tell("pick a law in the tree");
      return;
  }
  // The panel draws the feature's law: fill it again from what was just written.
  Refresh();
}

void ExampleLawCommand::SmoothingChanged(ZORCommand*, ZORNotification* notification,
                                         ZORCallbackData) {
  ZORFeature* feature = ZORFeature::From(GiveMyFeature().get());
  if (!feature) return;
  auto type = static_cast<ZORWENTolerantModelingSmoothingType>(
      static_cast<int>(feature->GetValue("Smoothing")));
  smoothing_->GetSmoothingType(type);
  feature->SetValue("Smoothing", type);
  feature->SetValue("Smoothing3D", smoothing_->Is3DSmoothing());
  if (notification == smoothing_->GetChangeSmoothingTypeNotification()) {
    // The deviation shows only while smoothing is on.
    smoothing_->Build(nullptr, type, smoothing_->Is3DSmoothing());
  }
  Tell(ZORString::Format("smoothing %d%s", static_cast<int>(type),
                         smoothing_->Is3DSmoothing() ? " 3D" : "")
           .str());
}

HRESULT ExampleLawCommand::CreationJournal(const ZORISpecObject_var& result,
                                           const ZORISpecObject_var&) {
  ZORFeature* law = ZORFeature::From(result.get());
  if (!law || !law_) return E_FAIL;
  ZORWenJournaling::Log("CreationLaw " + law->GetDisplayNameText() + " " +
                        std::to_string(static_cast<int>(law_->GetLawType())));
  return S_OK;
}

void ExampleLawCommand::Tell(const std::string& what) {
  status_->SetTitle(what.c_str());
}

void ExampleLawCommand::Register() {
  ZORGuiCommandStack* stack = ZORGuiCommandStack::Instance();
  stack->RegisterCommand("ExampleLawCommand", [] { return new ExampleLawCommand(); });
  stack->RegisterCommand("ExampleLawEdition", []() -> ZORStateCommand* {
    ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
    ZORFeature* current =
        editor ? ZORFeature::From(editor->GetCurrentFeatureObject().get()) : nullptr;
    if (!current || !current->IsSubTypeOf("WENIntegratedLaw")) return nullptr;
    return new ExampleLawCommand(current);
  });
}
