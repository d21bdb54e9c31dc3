#pragma once
// A small work-on-support point agent for tests: as the mouse moves over the current working
// support (a plane), it intersects the eye line with the plane, snaps the plane coordinates to
// its step and shows the point with the coordinates and a line back to the support's origin. A
// click creates a point feature there, first in the support's geometrical set, and valuates it.

#include "ZORDocument.h"
#include "ZORGmoUtilitiesBody.h"
#include "ZORGuiWOSPointAgent.h"

// The eye line under the mouse, sent with the test's mouse notifications.
class WOSTestEyeLine : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(WOSTestEyeLine, ZORBaseUnknown, ZORMetaObject::Implementation, "Test")
  WOSTestEyeLine() = default;
  explicit WOSTestEyeLine(const ZORMathLine& line) : line(line) {}
  ZORMathLine line;
};

class WOSTestMove : public ZORNotification {
  ZOR_DECLARE_CLASS(WOSTestMove, ZORNotification, ZORMetaObject::Implementation, "Test")
};

class WOSTestClick : public ZORNotification {
  ZOR_DECLARE_CLASS(WOSTestClick, ZORNotification, ZORMetaObject::Implementation, "Test")
};

class WOSTestPointAgent : public ZORGuiWOSPointAgent {
  ZOR_DECLARE_CLASS(WOSTestPointAgent, ZORGuiWOSPointAgent, ZORMetaObject::Implementation, "Test")

  explicit WOSTestPointAgent(double step, int behavior = 0)
      : ZORGuiWOSPointAgent(ZORString("WOSTestPoint"), ZORUnicodeString("Point"), behavior),
        step_(step) {}

  int DecodeNotification(ZORCommand* sender, ZORNotification* notification) override {
    const int decoded = ZORGuiWOSPointAgent::DecodeNotification(sender, notification);
    if (decoded || !IsValuationEnabled()) return decoded;
    const auto* eye = dynamic_cast<const WOSTestEyeLine*>(notification->GetSentObject());
    ZORMathPlane plane;
    if (!eye || !SupportPlane(plane)) return 0;
    double uv[2];
    ZORMathPoint eyeOrigin;
    if (!GetIntersection_FlyPoint_Plane(plane, uv, eye->line, eyeOrigin)) return 0;
    StepValue(uv[0], step_);
    StepValue(uv[1], step_);
    const ZORMathPoint at = plane.EvalPoint(uv[0], uv[1]);
    const ZORMathPoint origin = GetOrigin();
    const ZORUnicodeString text = ZORUnicodeString::Format("%gmm,%gmm", uv[0], uv[1]);
    CreateReps(&at, &origin, &text);
    if (!notification->IsAKindOf(WOSTestClick::ClassName())) return 0;
    return CreatePointAt(at) ? AgentValuation() : 0;
  }

  void ComputeStep() override { ++stepComputations; }
  int stepComputations = 0;

 private:
  bool SupportPlane(ZORMathPlane& plane) const {
    const ZORBody_var body = ZORGmoUtilitiesBody::GetFirstBody(GetSupportFeature());
    return body && body->GetPlane(plane);
  }
  bool CreatePointAt(const ZORMathPoint& at) {
    ZORFeature* support = ZORFeature::From(GetSupportFeature().get());
    ZORFeature* tool = support ? support->GetFatherFeature() : nullptr;
    if (!tool) return false;
    ZORFeature_var point = support->GetDocument()->CreatePoint(at.GetX(), at.GetY(), at.GetZ());
    const ZORISpecObject_var created(point.get());
    if (!created || FAILED(ZORIDescendants_var(tool)->AddChild(created, 1))) return false;
    SetOTFFeature(created);
    return true;
  }

  double step_;
};
