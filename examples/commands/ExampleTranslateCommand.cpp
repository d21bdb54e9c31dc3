#include "ExampleTranslateCommand.h"

#include "ZORApplicationFrame.h"
#include "ZORFrmEditor.h"
#include "ZORGmoUtilitiesBody.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORGuiCommandStack.h"
#include "ZORIParmEvents.h"
#include "ZORIWENMultiSel.h"
#include "ZORIWENMultiSelAccess.h"
#include "ZORSpecObjectOf.h"
#include "ZORWENMSManager.h"
#include "ZORWENUIMultiSelFeatureAgent.h"
#include "ZORWenJournaling.h"

namespace {

constexpr const char* kDistance = "Distance";
constexpr const char* kLengthText = "Length = ";

ZORDocument* CurrentDocument() {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  return editor ? editor->GetDocument() : nullptr;
}

ZORFeature_var NewTranslation() {
  ZORDocument* document = CurrentDocument();
  ZORFeature_var translation = document ? document->CreateFeature("WENTranslate") : nullptr;
  if (translation) translation->SetValue(kDistance, ExampleTranslateCommand::kDistanceStep);
  return translation;
}

// The feature an agent's pick designates: the picked feature (in the tree or the view), or the
// BRep feature of a picked vertex or edge. The agent is then ready for the next pick.
ZORFeature* TakePick(ZORWENUIFeatureAgent& agent) {
  ZORFeature* picked = agent.AgentError() ? nullptr : ZORFeature::From(agent.GetElementValue());
  agent.RemoveFromHSO();
  agent.InitializeAcquisition();
  return picked;
}

ZORFeature* CurrentFeature() {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  return editor ? ZORFeature::From(editor->GetCurrentFeatureObject().get()) : nullptr;
}

}  // namespace

ExampleTranslateCommand::ExampleTranslateCommand(Mode mode, ZORFeature* edited)
    : ZORWENUIStateCommand("TranslateCommand", 0, 1), mode_(mode) {
  ZORApplicationFrame* frame = ZORApplicationFrame::GetFrame();
  panel_ = new ZORWENUIDialog(frame ? frame->GetMainWindow() : nullptr, "TranslatePanel", 0);
  panel_->SetTitle(mode == Mode::Edition ? "Translate Edition" : "Translate Definition");
  distance_ = new ZORDlgEditor(panel_, "Distance", ZORDlgEditor::kNumeric);
  longer_ = new ZORDlgPushButton(panel_, "Longer");
  panel_->AddRepetitionFrame(panel_, longer_, 0);

  SetEditMode(mode == Mode::Edition);
  if (mode == Mode::Creation) {
    // The new translation takes its place in the document at once, so that the user sees it
    // where it will stay (and a waiting command can be handed it).
    SetMyFeature(ZORSpecObjectOf(NewTranslation()));
    InsertInCurrentContext(GiveMyFeature(), ZORISpecObject_var(), 0);
  } else if (mode == Mode::Edition && !edited->IsSubTypeOf("WENMultiSel")) {
    SetMyFeature(ZORSpecObjectOf(edited));
  } else {
    SetUpMultiSelection(edited);
  }
  const std::vector<ZORFeature*> translations = Translations();
  if (!translations.empty() && translations.front()) {
    distance_->SetValue(translations.front()->GetValue(kDistance));
  }
  if (!GetManager() && !translations.empty() && translations.front()) {
    length_ = ZORMake<ZORCkeVolatileParm>(ZORUnicodeString("Length"), ZORString("Longueur"),
                                          translations.front()->GetValue(kDistance));
    if (ZORIParmEvents_var events(length_.get()); events) {
      events->SubscribeToValueChange(this, &ExampleTranslateCommand::LengthChanged, nullptr);
    }
    PlaceHandle();
  }
}

ExampleTranslateCommand::~ExampleTranslateCommand() {
  if (translator_) translator_->RequestDelayedDestruction();
  panel_->RequestDelayedDestruction();
}

void ExampleTranslateCommand::PlaceHandle() {
  ZORFeature* own = ZORFeature::From(GiveMyFeature().get());
  if (!own || !length_) return;
  ZORBody_var element = ZORGmoUtilitiesBody::GetBodyFromSpec(
      ZORBaseUnknown_var(ZORSpecObjectOf(own->GetInput("Element")).get()));
  ZORBody_var line = ZORGmoUtilitiesBody::GetBodyFromSpec(
      ZORBaseUnknown_var(ZORSpecObjectOf(own->GetInput("Direction")).get()));
  ZORMathLine along;
  double start = 0, end = 0;
  if (!element || element->GetVertices().empty() || !line || !line->GetLine(along, start, end)) {
    return;
  }
  if (!translator_) {
    translator_ = new ZORWENUITranslator(this, 0, ZORICkeParm_var(length_.get()));
  }
  translator_->SetLocationPoint(element->GetVertices().front());
  translator_->SetLineDirection(ZORMathDirection(along.GetDirection()));
  translator_->AssociateTextWithValue(kLengthText, ZORICkeParm_var(length_.get()));
  translator_->SetDistanceFromLitteral();
}

void ExampleTranslateCommand::LengthChanged(const char*, void*, ZORNotification*, void*, long) {
  ZORFeature* own = ZORFeature::From(GiveMyFeature().get());
  const double length = length_->GetStoredValue();
  if (own && own->GetValue(kDistance) != length) SetDistance(length);
  if (translator_) {
    translator_->AssociateTextWithValue(kLengthText, ZORICkeParm_var(length_.get()));
    translator_->Refresh();
  }
}

void ExampleTranslateCommand::SetUpMultiSelection(ZORFeature* edited) {
  matrix_ = NewTranslation();
  if (!matrix_) return;
  if (edited) {
    // The template carries the direction and distance of the edited translations.
    ZORISpecObject_var first = ZORIDescendants_var(ZORSpecObjectOf(edited))->GetChildAtPosition(1);
    if (ZORFeature* real = ZORFeature::From(first.get())) {
      matrix_->SetInput("Direction", ZORSpecObjectOf(real->GetInput("Direction")));
      matrix_->SetValue(kDistance, real->GetValue(kDistance));
    }
  }
  ZORWENMSManager* manager = nullptr;
  if (FAILED(initMultiSelMode(manager, ZORSpecObjectOf(matrix_), ZORSpecObjectOf(edited)))) {
    // Without a multi-selection the template serves nothing; it made no place for itself.
    ZORGmoUtilitiesServices::Remove(ZORSpecObjectOf(matrix_));
    matrix_ = nullptr;
    return;
  }
  SetMyFeature(manager->GetMultiSel());
}

void ExampleTranslateCommand::BuildGraph() {
  ZORDialogState* state = GetInitialPanelState("TranslateState");
  // Points, vertices of any result and translated points; lines, or straight edges of any
  // result. Working on a multi-selection, its own results are not inputs.
  const ZORISpecObject_var multiSel = GetManager() ? GiveMyFeature() : ZORISpecObject_var();
  elementAgent_ = ZORMake<ZORWENUIMultiSelFeatureAgent>(multiSel, ZORString("_Element"), 0,
                                                        ZORString("WENPoint"));
  elementAgent_->AddOrderedPointAcquisition();
  elementAgent_->AddOrderedElementType("WENTranslate");
  directionAgent_ = ZORMake<ZORWENUIFeatureAgent>("_Direction", "WENLine");
  directionAgent_->AddOrderedElementType("ZORLine");
  longerAgent_ = ZORMake<ZORDialogAgent>("_Longer");
  longerAgent_->AcceptOnNotify(longer_, longer_->GetPushBActivateNotification());
  distanceAgent_ = ZORMake<ZORDialogAgent>("_Distance");
  distanceAgent_->AcceptOnNotify(distance_, distance_->GetEditActivateNotification());
  AddAgent(state, elementAgent_.get());
  AddAgent(state, directionAgent_.get());
  AddAgent(state, longerAgent_.get());
  AddAgent(state, distanceAgent_.get());
  AddTransition(state, state, IsOutputSetCondition(elementAgent_.get()),
                Action(&ExampleTranslateCommand::TakeElement, nullptr));
  AddTransition(state, state, IsOutputSetCondition(directionAgent_.get()),
                Action(&ExampleTranslateCommand::TakeDirection, nullptr));
  AddTransition(state, state, IsOutputSetCondition(longerAgent_.get()),
                Action(&ExampleTranslateCommand::Lengthen, nullptr));
  AddTransition(state, state, IsOutputSetCondition(distanceAgent_.get()),
                Action(&ExampleTranslateCommand::TakeDistance, nullptr));
}

std::vector<ZORFeature*> ExampleTranslateCommand::Translations() {
  ZORWENMSManager* manager = GetManager();
  if (!manager) {
    ZORFeature* own = ZORFeature::From(GiveMyFeature().get());
    return own ? std::vector<ZORFeature*>{own} : std::vector<ZORFeature*>{};
  }
  std::vector<ZORFeature*> translations{matrix_.get()};
  ZORListValZORISpecObject_var reals;
  manager->GetRealFeaturesList(reals);
  for (const ZORISpecObject_var& real : reals) translations.push_back(ZORFeature::From(real.get()));
  return translations;
}

bool ExampleTranslateCommand::TakeElement(ZORCallbackData) {
  ZORFeature* element = TakePick(*elementAgent_);
  if (!element) return true;
  if (ZORWENMSManager* manager = GetManager()) {
    manager->Declare(ZORSpecObjectOf(element), 1, false);
    return true;
  }
  ZORFeature* own = ZORFeature::From(GiveMyFeature().get());
  if (own) own->SetInput("Element", ZORSpecObjectOf(element));
  Preview();
  PlaceHandle();
  return true;
}

bool ExampleTranslateCommand::TakeDirection(ZORCallbackData) {
  ZORFeature* direction = TakePick(*directionAgent_);
  if (!direction) return true;
  for (ZORFeature* translation : Translations()) {
    if (translation) translation->SetInput("Direction", ZORSpecObjectOf(direction));
  }
  if (ZORWENMSManager* manager = GetManager()) manager->RefElementChanged();
  Preview();
  PlaceHandle();
  return true;
}

bool ExampleTranslateCommand::Lengthen(ZORCallbackData) {
  longerAgent_->InitializeAcquisition();
  double distance = 0;
  if (distance_->GetValue(distance)) SetDistance(distance + kDistanceStep);
  return true;
}

bool ExampleTranslateCommand::TakeDistance(ZORCallbackData) {
  distanceAgent_->InitializeAcquisition();
  double distance = 0;
  if (distance_->GetValue(distance)) SetDistance(distance);
  return true;
}

void ExampleTranslateCommand::SetDistance(double distance) {
  for (ZORFeature* translation : Translations()) {
    if (translation) translation->SetValue(kDistance, distance);
  }
  distance_->SetValue(distance);
  Preview();
  // The handle follows through the parameter.
  if (length_) length_->Valuate(distance);
}

void ExampleTranslateCommand::Preview() {
  if (GetManager()) return;
  ZORISpecObject_var own = GiveMyFeature();
  ZORFeature* translation = ZORFeature::From(own.get());
  if (!translation || !translation->GetInput("Element") || !translation->GetInput("Direction")) {
    return;
  }
  ZORGmoUtilitiesServices::Update(own);
}

bool ExampleTranslateCommand::OkAction(ZORCallbackData data) {
  // Real features are made for the new entries; those of an edition are kept.
  if (ZORWENMSManager* manager = GetManager()) manager->ValidateResults();
  return ZORWENUIStateCommand::OkAction(data);
}

HRESULT ExampleTranslateCommand::CreationJournal(const ZORISpecObject_var& result,
                                                 const ZORISpecObject_var&) {
  if (!result) return E_FAIL;
  ZORWenJournaling::Log("CreationTranslate " + result->GetDisplayName().str());
  return S_OK;
}

void ExampleTranslateCommand::Register() {
  ZORGuiCommandStack* stack = ZORGuiCommandStack::Instance();
  stack->RegisterCommand("ExampleTranslateCommand",
                         [] { return new ExampleTranslateCommand(Mode::Creation); });
  stack->RegisterCommand("ExampleTranslateMultiSel",
                         [] { return new ExampleTranslateCommand(Mode::MultiSelection); });
  // Edition works on the current feature: a translation, or a multi-selection of them.
  stack->RegisterCommand("ExampleTranslateEdition", []() -> ZORStateCommand* {
    ZORFeature* current = CurrentFeature();
    if (!current ||
        !(current->IsSubTypeOf("WENTranslate") || current->IsSubTypeOf("WENMultiSel"))) {
      return nullptr;
    }
    return new ExampleTranslateCommand(Mode::Edition, current);
  });
}
