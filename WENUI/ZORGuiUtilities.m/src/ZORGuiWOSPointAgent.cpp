#include "ZORGuiWOSPointAgent.h"

#include <cmath>
#include <memory>

#include "ZOR3DAnnotationTextGP.h"
#include "ZOR3DCustomRep.h"
#include "ZOR3DLineGP.h"
#include "ZOR3DMarkerGP.h"
#include "ZORComponentLoader.h"
#include "ZORFrmEditor.h"
#include "ZORGmoUtilitiesBody.h"
#include "ZORGmoUtilitiesCCP.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORGmoUtilitiesWENTool.h"
#include "ZORGuiBasicUtilitiesServices.h"
#include "ZORGuiUtilitiesServices.h"
#include "ZORI3DGeoVisu.h"
#include "ZORIDescendants.h"
#include "ZORIMmiContextualManager.h"
#include "ZORIMmiPartInfrastructurePreferencesAtt.h"
#include "ZORIParmAsStored.h"
#include "ZORIPathAccess.h"
#include "ZORIWENDatum.h"
#include "ZORIWENProceduralView.h"
#include "ZORIdentityOf.h"
#include "ZORMecModServices.h"
#include "ZORParmDictionary.h"
#include "ZORProtectedSection.h"
#include "ZORWENUIConvertRep.h"
#include "ZORWENUIPanelError.h"
#include "ZORWenJournaling.h"
#include "ZORWenJournalingLog.h"

namespace {

constexpr int kMarkerSymbol = 2;
constexpr float kMarkerRadius = 10.0f;

bool IsDatumCreationOn() {
  void* out = nullptr;
  if (FAILED(ZORInstantiateComponent("ZORMmuPartInfrastructurePreferencesCtrl",
                                     ZORIMmiPartInfrastructurePreferencesAtt::ClassIID(), &out))) {
    return false;
  }
  const auto preferences = ZORIMmiPartInfrastructurePreferencesAtt_var::Adopt(
      static_cast<ZORIMmiPartInfrastructurePreferencesAtt*>(out));
  bool on = false;
  return SUCCEEDED(preferences->GetDatumCreationMode(on)) && on;
}

// The first datum of `point`, the conversion journaled when the journal is active.
ZORISpecObject_var ConvertJournaled(ZORIWENDatum& datum, const ZORISpecObject_var& point) {
  const bool journal = ZORWenJournaling::TstIsJournalActif();
  if (journal) ZORWenJournaling::LogAOuvrir();
  ZORListValZORISpecObject_var results;
  if (FAILED(datum.ConvertToDatum(results)) || results.IsEmpty()) return nullptr;
  if (journal) {
    ZORWenJournaling::Log("ConvertToDatum " + point->GetDisplayName().str());
    ZORWenJournalingLog::RemiseAJourEtatLog();
  }
  return results[1];
}

// `datum` takes the place of `point` under `place` (its father), contextual as the point was;
// the point goes. A datum the tree refuses goes instead, and the point stays.
bool TakePlace(const ZORISpecObject_var& point, const ZORISpecObject_var& datum,
               const ZORIDescendants_var& place) {
  const ZORIMmiContextualManager_var pointContext(point);
  const ZORIMmiContextualManager_var datumContext(datum);
  if (pointContext && datumContext) datumContext->SetContextual(pointContext->IsContextual());
  if (FAILED(place->AddChild(datum, place->GetPosition(point) + 1))) {
    ZORGuiUtilitiesServices::Remove(datum);
    return false;
  }
  ZORGuiUtilitiesServices::Remove(point);
  // In place already: this makes it the feature new ones go after, where the point was.
  if (const ZORIWENProceduralView_var view{datum}) {
    view->InsertInProceduralView(place, ZORIWENProceduralView::kAfter, datum);
  }
  return true;
}

// A representation drawing one primitive, bounded by a sphere.
ZOR3DCustomRep_var OnePrimitiveRep(std::unique_ptr<ZORGraphicPrimitive> primitive,
                                   const ZOR3DBoundingSphere& sphere) {
  auto rep = ZORMake<ZOR3DCustomRep>();
  rep->AddGP(std::move(primitive));
  rep->SetBoundingElement(sphere);
  return rep;
}

}  // namespace

ZORGuiWOSPointAgent::ZORGuiWOSPointAgent(const ZORString& name, const ZORUnicodeString& undoTitle,
                                         int behavior, unsigned long filterFlags,
                                         const ZORBaseUnknown_var& command,
                                         int implicitSelectionMode, int connexSelectionMode,
                                         int contextualCreationMode)
    : ZORWENUIFeatureAgent(name, undoTitle, behavior, filterFlags, command, implicitSelectionMode,
                           connexSelectionMode, contextualCreationMode) {
  Initialize();
  const ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  iso_ = editor ? editor->GetISO() : nullptr;
  Subscribe();
  container_ = ZORGuiBasicUtilitiesServices::GetCurrentContainer();
  ZORGuiGetCurrentWorkingSupport(nullptr, support_);
  if (support_) {
    supportFeature_ = support_->GetSupport();
    originFeature_ = support_->GetOrigin();
    ReadOrigin();
  }
  ZOR4x4Matrix conversion;
  if (ZORWENUIGetConversionMatrix(conversion)) hasConversion_ = conversion.Inverse(inverse_);
}

ZORGuiWOSPointAgent::~ZORGuiWOSPointAgent() {
  // The settings outlive the agent: a later snap change must not call back into it.
  Initialize();
}

void ZORGuiWOSPointAgent::Initialize() {
  EraseReps();
  if (settings_ && callback_) settings_->RemoveCallback(callback_);
  callback_ = 0;
  settings_ = nullptr;
  supportFeature_ = nullptr;
  originFeature_ = nullptr;
  lastCreated_ = nullptr;
  iso_ = nullptr;
}

void ZORGuiWOSPointAgent::Subscribe() {
  settings_ = ZORWENSettings::GetWENSettings();
  if (!settings_) return;
  snapOn_ = settings_->IsWorkOnSupportSnapOn();
  callback_ = settings_->AddCallback(ZORWENSettings::WorkOnSupportMode(), [this] { ModifySnap(); });
}

void ZORGuiWOSPointAgent::ReadOrigin() {
  const ZORBody_var body = ZORGmoUtilitiesBody::GetFirstBody(originFeature_);
  supportBody_ = body;
  // Only a result of one point is an origin: an empty result (a failed update) or a cloud
  // leaves the one in place.
  if (!body || body->GetHighestDimension() != 0 || body->GetVertices().size() != 1) return;
  body->GetVertices().front().GetCoord(origin_[0], origin_[1], origin_[2]);
}

void ZORGuiWOSPointAgent::ModifySnap() {
  snapOn_ = settings_ && settings_->IsWorkOnSupportSnapOn();
  ComputeStep();
}

// ---------------------------------------------------------------- activation

int ZORGuiWOSPointAgent::Activate(ZORCommand* caller, ZORNotification* notification) {
  return ZORWENUIFeatureAgent::Activate(caller, notification);
}

int ZORGuiWOSPointAgent::Desactivate(ZORCommand* caller, ZORNotification* notification) {
  EraseReps();
  return ZORWENUIFeatureAgent::Desactivate(caller, notification);
}

int ZORGuiWOSPointAgent::Cancel(ZORCommand* caller, ZORNotification* notification) {
  EraseReps();
  return ZORWENUIFeatureAgent::Cancel(caller, notification);
}

int ZORGuiWOSPointAgent::DecodeNotification(ZORCommand* sender, ZORNotification* notification) {
  EraseReps();
  valuationEnabled_ = true;
  const int decoded = ZORWENUIFeatureAgent::DecodeNotification(sender, notification);
  if (decoded) return decoded;
  if (IsSentByHandle(sender) || FAILED(IsWorkingSupportUsableWithLinearityRules(support_))) {
    valuationEnabled_ = false;
  }
  return 0;
}

// ---------------------------------------------------------------- geometry

int ZORGuiWOSPointAgent::GetIntersection_FlyPoint_Plane(const ZORMathPlane& plane, double uv[2],
                                                        const ZORMathLine& eyeLine,
                                                        ZORMathPoint& point) const {
  ZORMathPoint origin = eyeLine.GetOrigin();
  ZORMathVector direction = eyeLine.GetDirection();
  if (hasConversion_) {
    origin = inverse_.Transform(origin);
    direction = inverse_.TransformDirection(direction);
  }
  point = origin;
  uv[0] = 0.0;
  uv[1] = 0.0;
  // The line normalises the direction (a zero one becomes (1, 0, 0)).
  return plane.Intersect(ZORMathLine(origin, direction), uv[0], uv[1]) ? 1 : 0;
}

void ZORGuiWOSPointAgent::StepValue(double& value, double step) {
  if (step == 0.0) return;
  const double quotient = value / step;
  if (!std::isfinite(quotient)) return;
  // std::round rounds halves away from zero, in floating point: no integer to overflow.
  value = std::round(quotient) * step;
}

// ---------------------------------------------------------------- representation

void ZORGuiWOSPointAgent::CreateReps(const ZORMathPoint* p, const ZORMathPoint* q,
                                     const ZORUnicodeString* text) {
  if (!p) return;
  const ZORMathPointf at(*p);
  auto marker =
      OnePrimitiveRep(std::make_unique<ZOR3DMarkerGP>(at, kMarkerSymbol), {at, kMarkerRadius});
  if (text) marker->AddGP(std::make_unique<ZOR3DAnnotationTextGP>(at, text->str()));
  auto bag = ZORMake<ZOR3DBagRep>();
  bag->AddChild(marker.get());
  bag->SetBoundingElement({at, kMarkerRadius});
  if (q) {
    const auto radius = static_cast<float>(p->DistanceTo(*q));
    auto line = OnePrimitiveRep(std::make_unique<ZOR3DLineGP>(at, ZORMathPointf(*q)), {at, radius});
    bag->AddChild(line.get());
  }
  // The point is in the model's coordinates; the view may show the model in place.
  ZORWENUIConvertRep(bag.get());
  EraseReps();
  bag_ = bag;
  carrier_ = ZORMake<ZORSt3DISO>(bag.get());
  if (iso_) iso_->AddElement(carrier_.get());
}

void ZORGuiWOSPointAgent::EraseReps() {
  if (carrier_ && iso_) iso_->RemoveElement(carrier_.get());
  carrier_ = nullptr;
  bag_ = nullptr;
}

// ---------------------------------------------------------------- valuation

int ZORGuiWOSPointAgent::AgentValuation() {
  int valued = 0;
  ZORException* caught = ZORProtect([&] { valued = Valuate(); });
  ZORHandleCaught(caught, [this](ZORError* error) {
    EraseReps();
    ZORWENUIPanelError::ShowAndFlush(error);
  });
  return valued;
}

int ZORGuiWOSPointAgent::Valuate() {
  ZORISpecObject_var feature = GetOTFFeature();
  if (feature) {
    if (const ZORIMmiContextualManager_var contextual{feature}) contextual->SetContextual(1);
    if (FAILED(feature->Update())) return 0;
  }
  feature = ConvertToDatumIfAsked(feature);
  const ZORIPathAccess_var access(feature);
  ZORPathElement path;
  if (!access || FAILED(access->GetPathElement(path))) return 0;
  // Its entry in the created features is made as the value is recorded.
  valuating_ = feature;
  SetListOfValuationCounts({1});
  return SetValue(path, ZORString("ZORIMfPoint")) ? 1 : 0;
}

void ZORGuiWOSPointAgent::OnValuationRecorded(int index) {
  created_.RemoveAfter(index - 1);
  while (created_.Size() < index - 1) created_.Append(nullptr);
  created_.Append(valuating_);
  valuating_ = nullptr;
}

ZORISpecObject_var ZORGuiWOSPointAgent::ConvertToDatumIfAsked(const ZORISpecObject_var& point) {
  const ZORIWENDatum_var datum(point);
  if (!datum || !IsDatumCreationOn()) return point;
  // The datum takes the point's place: without a place there is nothing to take.
  const ZORIDescendants_var place(point->GetFather());
  if (!place) return point;
  ZORISpecObject_var result = ConvertJournaled(*datum, point);
  if (!result || !TakePlace(point, result, place)) return point;
  SetOTFFeature(result);
  KeepAsLastCreated(result);
  return result;
}

void ZORGuiWOSPointAgent::KeepAsLastCreated(const ZORISpecObject_var& feature) {
  if (GetAgentBehavior() & kKeepLastCreated) lastCreated_ = feature;
}

// ---------------------------------------------------------------- undo

void ZORGuiWOSPointAgent::TakeCreatedAtIndex() {
  const int index = GetValuationIndex();
  SetOTFFeature(index >= 1 && index <= created_.Size() ? created_[index] : nullptr);
}

int ZORGuiWOSPointAgent::UndoValue() {
  const int undone = ZORWENUIFeatureAgent::UndoValue();
  TakeCreatedAtIndex();
  // A feature that can be drawn in 3D is one the agent may show again as its last creation.
  const ZORISpecObject_var& feature = GetOTFFeature();
  if (feature && ZORI3DGeoVisu_var(feature)) KeepAsLastCreated(feature);
  return undone;
}

int ZORGuiWOSPointAgent::RedoValue() {
  const int redone = ZORWENUIFeatureAgent::RedoValue();
  TakeCreatedAtIndex();
  return redone;
}

// ---------------------------------------------------------------- creation services

void ZORGuiWOSPointAgent::SetOrigin(const ZORMathPoint& origin) {
  origin.GetCoord(origin_[0], origin_[1], origin_[2]);
}

ZORISpecObject_var ZORGuiWOSPointAgent::InCurrentContainer(
    const ZORISpecObject_var& feature) const {
  if (!feature || ZORIdentityOf(feature->GetFeatContainer()) == ZORIdentityOf(container_)) {
    return feature;
  }
  return ZORGmoUtilitiesCCP::DuplicateSpec(ZORBaseUnknown_var(feature), container_);
}

HRESULT ZORGuiWOSPointAgent::InsertInCurrentTool(const ZORISpecObject_var& feature) const {
  const ZORIWENProceduralView_var view(feature);
  if (!view) return E_FAIL;
  const ZORISpecObject_var current = ZORGmoUtilitiesWENTool::GetCurrentFeature(container_);
  const int geometricalSetOnly = ZORMecModServices::IsShapeBody(current) ? 0 : 1;
  const ZORISpecObject_var tool =
      ZORGmoUtilitiesWENTool::GetCurrentWENTool(container_, geometricalSetOnly, 1, 1);
  if (!tool) return E_FAIL;
  return view->InsertInProceduralView(ZORIDescendants_var(tool), ZORIWENProceduralView::kAfter,
                                      current);
}

ZORICkeParm_var ZORGuiWOSPointAgent::NewLength(const char* name) const {
  std::optional<ZORCkeParmFactory> factory = ZORParmDictionary::GetFactory(container_.get());
  return factory ? factory->InstanciateLitteral(ZORString("Longueur"), ZORUnicodeString(name))
                 : nullptr;
}

bool ZORGuiWOSPointAgent::StoreLength(const ZORICkeParm_var& parameter, double value) {
  const ZORIParmAsStored_var stored(parameter);
  return stored && SUCCEEDED(stored->SetValueAsStored(value));
}

void ZORGuiWOSPointAgent::Discard(std::initializer_list<ZORBaseUnknown_var> made) {
  for (const ZORBaseUnknown_var& feature : made) {
    if (feature) ZORGmoUtilitiesServices::Remove(feature);
  }
}
