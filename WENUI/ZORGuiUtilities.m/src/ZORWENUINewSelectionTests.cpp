#include "ZORWENUINewSelectionTests.h"

#include "LifeCycleObject.h"
#include "ZORCldBody.h"
#include "ZORCurve.h"
#include "ZORGmoUtilitiesBody.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORGuiInputError.h"
#include "ZORGuiUtilitiesServices.h"
#include "ZORIMfBRep.h"
#include "ZORIMfBiDimResult.h"
#include "ZORIMfLine.h"
#include "ZORIMfMonoDimResult.h"
#include "ZORIMfPlane.h"
#include "ZORIMfPoint.h"
#include "ZORIMfZeroDimResult.h"
#include "ZORISpecAttrAccess.h"
#include "ZORPlane.h"
#include "ZORPoint.h"
#include "ZORSurface.h"
#include "ZORWENUIFeatureAgent.h"
#include "ZORWENUIPanelError.h"
#include "ZORWire.h"
#include "ZORWireAnalysis.h"

namespace {

constexpr const char* kCatalog = "ZORGuiInputError";
constexpr const char* kAxisType = "MfAXIS";
// Half a degree: the largest turn at a junction a tangent-continuous wire may make.
constexpr double kTangencyTolerance = 0.0087266463;

ZORWENUIFeatureAgent* AgentOf(void* agent) {
  return static_cast<ZORWENUIFeatureAgent*>(agent);
}

// Raises `key` with the feature's display name as parameter 1 of the request, the diagnostic,
// or both.
void ShowNamed(const char* key, const ZORISpecObject_var& feature, bool request, bool diagnostic) {
  auto* error = new ZORGuiInputError(key, kCatalog);
  const ZORListValZORUnicodeString name{ZORGmoUtilitiesServices::GetSpecDisplayName(feature)};
  if (request) error->SetNLSRequestParams(name);
  if (diagnostic) error->SetNLSDiagnosticParams(name);
  ZORWENUIPanelError::ShowAndFlush(error);
}

// The geometry an element stands for: the element itself, or the result of a feature: its body
// (a cloud is a kind of body), or the geometry of the one cell of its highest dimension.
template <class Geometry>
bool IsGeometry(const ZORISpecObject_var& element) {
  if (dynamic_cast<Geometry*>(element->GetImpl())) return true;
  const ZORBody_var body = ZORGmoUtilitiesBody::GetFirstBody(ZORBaseUnknown_var(element.get()));
  if (!body) return false;
  if (dynamic_cast<Geometry*>(body.get())) return true;
  const int dimension = body->GetHighestDimension();
  if (body->GetCellCount(dimension) != 1) return false;
  ZORCell* cell = body->GetCellOfDimension(dimension, 1);
  return cell && dynamic_cast<Geometry*>(cell->GetGeometry());
}

template <class Interface>
bool Offers(const ZORISpecObject_var& element) {
  return static_cast<bool>(ZORVar<Interface>(element));
}

// How many objects point to the feature; a feature that cannot tell counts as pointed to, so
// that nothing a user may still need is removed.
int PointingCount(const ZORISpecObject_var& feature) {
  ZORISpecAttrAccess_var access(feature);
  ZORListValZORISpecObject_var pointing;
  if (!access || FAILED(access->ListPointingObjects(pointing))) return 2;
  return pointing.Size();
}

}  // namespace

ZORWENUINewSelectionTests::ZORWENUINewSelectionTests(const ZORString& name)
    : ZORDialogAgent(name) {}

ZORWENUINewSelectionTests::~ZORWENUINewSelectionTests() = default;

// ---------------------------------------------------------------- plain forms

bool ZORWENUINewSelectionTests::Armed(void* agent, bool (ZORWENUINewSelectionTests::*test)(void*)) {
  ZORWENUIFeatureAgent* featureAgent = AgentOf(agent);
  if (!featureAgent || !featureAgent->IsOutputSet()) return false;
  const bool accepted = (this->*test)(agent);
  InitializeData(featureAgent, accepted ? 1 : 0);
  return accepted;
}

bool ZORWENUINewSelectionTests::VertexSelectionne(void* agent) {
  return Armed(agent, &ZORWENUINewSelectionTests::VertexSelectionneSuivi);
}

bool ZORWENUINewSelectionTests::EdgeSelectionne(void* agent) {
  return Armed(agent, &ZORWENUINewSelectionTests::EdgeSelectionneSuivi);
}

bool ZORWENUINewSelectionTests::LineSelectionnee(void* agent) {
  return Armed(agent, &ZORWENUINewSelectionTests::LineSelectionneeSuivi);
}

bool ZORWENUINewSelectionTests::AxisSelectionne(void* agent) {
  return Armed(agent, &ZORWENUINewSelectionTests::AxisSelectionneSuivi);
}

bool ZORWENUINewSelectionTests::FaceSelectionnee(void* agent) {
  return Armed(agent, &ZORWENUINewSelectionTests::FaceSelectionneeSuivi);
}

bool ZORWENUINewSelectionTests::PlanSelectionne(void* agent) {
  return Armed(agent, &ZORWENUINewSelectionTests::PlanSelectionneSuivi);
}

bool ZORWENUINewSelectionTests::ConnexeSelectionne(void* agent) {
  return Armed(agent, &ZORWENUINewSelectionTests::ConnexeSelectionneSuivi);
}

// ---------------------------------------------------------------- test forms

ZORISpecObject_var ZORWENUINewSelectionTests::PickedFeature(ZORWENUIFeatureAgent* agent) {
  if (!agent || !agent->GetValuePath() || !agent->IsOutputSet()) return nullptr;
  if (agent->AgentError() != 0) return nullptr;
  return ZORISpecObject_var(agent->GetElementValue());
}

bool ZORWENUINewSelectionTests::Keep(const ZORISpecObject_var& feature, ZORWENUIFeatureAgent* agent,
                                     int geometricType) {
  if (!TestSpec(feature, agent)) return false;
  agent->SetFeature(feature);
  if (geometricType != ZORWENUIFeatureAgent::NoGeometricType) {
    agent->SetGeometricType(geometricType);
  }
  return true;
}

bool ZORWENUINewSelectionTests::VertexSelectionneSuivi(void* agent) {
  const ZORISpecObject_var element = PickedFeature(AgentOf(agent));
  if (!element) return false;
  if (!Offers<ZORIMfPoint>(element) && !Offers<ZORIMfZeroDimResult>(element) &&
      !IsGeometry<ZORPoint>(element)) {
    return false;
  }
  return Keep(element, AgentOf(agent), ZORWENUIFeatureAgent::Point);
}

bool ZORWENUINewSelectionTests::EdgeSelectionneSuivi(void* agent) {
  const ZORISpecObject_var element = PickedFeature(AgentOf(agent));
  if (!element) return false;
  if (!Offers<ZORIMfMonoDimResult>(element) && !IsGeometry<ZORCurve>(element)) return false;
  return Keep(element, AgentOf(agent), ZORWENUIFeatureAgent::NoGeometricType);
}

bool ZORWENUINewSelectionTests::LineSelectionneeSuivi(void* agent) {
  const ZORISpecObject_var element = PickedFeature(AgentOf(agent));
  if (!element) return false;
  const bool curve = Offers<ZORIMfMonoDimResult>(element) || IsGeometry<ZORCurve>(element);
  const bool straight =
      curve && ZORGmoUtilitiesBody::IsALinearCurve(ZORBaseUnknown_var(element.get()));
  if (!Offers<ZORIMfLine>(element) && !straight) return false;
  return Keep(element, AgentOf(agent), ZORWENUIFeatureAgent::Line);
}

bool ZORWENUINewSelectionTests::AxisSelectionneSuivi(void* agent) {
  if (!LineSelectionneeSuivi(agent)) return false;
  ZORWENUIFeatureAgent* featureAgent = AgentOf(agent);
  const ZORISpecObject_var& stored = featureAgent->GetFeature();
  if (!stored || !stored->IsSubTypeOf(kAxisType)) {
    featureAgent->SetFeature(nullptr);
    return false;
  }
  featureAgent->SetGeometricType(ZORWENUIFeatureAgent::Axis);
  return true;
}

bool ZORWENUINewSelectionTests::FaceSelectionneeSuivi(void* agent) {
  const ZORISpecObject_var element = PickedFeature(AgentOf(agent));
  if (!element) return false;
  if (!Offers<ZORIMfBiDimResult>(element) && !IsGeometry<ZORSurface>(element)) return false;
  return Keep(element, AgentOf(agent), ZORWENUIFeatureAgent::NoGeometricType);
}

bool ZORWENUINewSelectionTests::PlanSelectionneSuivi(void* agent) {
  const ZORISpecObject_var element = PickedFeature(AgentOf(agent));
  if (!element) return false;
  if (!Offers<ZORIMfPlane>(element) && !IsGeometry<ZORPlane>(element)) return false;
  return Keep(element, AgentOf(agent), ZORWENUIFeatureAgent::NoGeometricType);
}

bool ZORWENUINewSelectionTests::ConnexeSelectionneSuivi(void* agent) {
  const ZORISpecObject_var element = PickedFeature(AgentOf(agent));
  if (!element || !TestIsConnex(element)) return false;
  AgentOf(agent)->SetFeature(element);
  return true;
}

bool ZORWENUINewSelectionTests::CloudSelectionneSuivi(void* agent) {
  const ZORISpecObject_var element = PickedFeature(AgentOf(agent));
  if (!element || !IsGeometry<ZORCldBody>(element)) return false;
  AgentOf(agent)->SetFeature(element);
  return true;
}

bool ZORWENUINewSelectionTests::SelectionContinuousInTgt(void* agent) {
  return agent && TestIsContinuousInTgt(AgentOf(agent)->GetFeature());
}

bool ZORWENUINewSelectionTests::MonoElementSelection(void* agent) {
  if (!agent) return false;
  const ZORISpecObject_var& feature = AgentOf(agent)->GetFeature();
  int single = 0;
  const HRESULT status =
      ZORGmoUtilitiesBody::IsMonoElement(ZORBaseUnknown_var(feature.get()), single);
  if (FAILED(status)) {
    if (ZORError* error = ZORError::ZORGetLastError(status))
      ZORWENUIPanelError::ShowAndFlush(error);
    return false;
  }
  return single != 0;
}

// ---------------------------------------------------------------- shared tests

bool ZORWENUINewSelectionTests::TestSpec(const ZORISpecObject_var& feature,
                                         ZORWENUIFeatureAgent* agent) {
  if (!feature) return true;
  const bool connexRequired = agent && agent->GetConnexSelectionMode() == 0;
  if (TestIsUpdated(feature) && (!connexRequired || TestIsConnex(feature))) return true;
  InitializeData(agent, 0);
  return false;
}

bool ZORWENUINewSelectionTests::TestIsUpdated(const ZORISpecObject_var& feature) {
  if (ZORGmoUtilitiesServices::IsUpToDate(ZORBaseUnknown_var(feature.get()))) return true;
  ShowNamed("WENUIINPUT_ERR_600", feature, true, false);
  return false;
}

bool ZORWENUINewSelectionTests::TestIsConnex(const ZORISpecObject_var& feature) {
  const ZORBody_var body = ZORGmoUtilitiesBody::GetFirstBody(ZORBaseUnknown_var(feature.get()));
  if (!body || body->GetNumberOfDomains() == 1) return true;
  ShowNamed("WENUIINPUT_ERR_800", feature, false, true);
  return false;
}

bool ZORWENUINewSelectionTests::TestIsNotExtractable(ZORWENUIFeatureAgent* agent) {
  if (!agent || agent->AgentError() != ZORFeatureImportAgent::kNotExtractable) return true;
  ZORWENUIPanelError::ShowAndFlush(new ZORGuiInputError("WENUIINPUT_ERR_820", kCatalog));
  return false;
}

bool ZORWENUINewSelectionTests::TestIsContinuousInTgt(const ZORISpecObject_var& feature) {
  if (!feature || !TestIsConnex(feature)) return false;
  const ZORBody_var body = ZORGmoUtilitiesBody::GetFirstBody(ZORBaseUnknown_var(feature.get()));
  ZORWire_var wire = body ? ZORWire::FromBody(*body) : nullptr;
  if (!wire || ZORWireAnalysis(wire).IsG1(kTangencyTolerance)) return true;
  ShowNamed("WENUIINPUT_ERR_810", feature, true, true);
  return false;
}

void ZORWENUINewSelectionTests::InitializeData(ZORWENUIFeatureAgent* agent, unsigned char keep) {
  if (!agent) return;
  if (!keep) {
    TestIsNotExtractable(agent);
    agent->RemoveFromHSO();
    const ZORISpecObject_var element(agent->GetElementValue());
    // The BRep feature the import made for a refused pick serves nobody.
    if (ZORIMfBRep_var(element) && PointingCount(element) == 0) {
      if (LifeCycleObject_var life{element}) life->remove(0);
    }
    if (element && agent->ElementInContext(agent->GetValuePath()) && PointingCount(element) < 2) {
      ZORGuiUtilitiesServices::Remove(element);
    }
  }
  agent->InitializeAcquisition();
}
