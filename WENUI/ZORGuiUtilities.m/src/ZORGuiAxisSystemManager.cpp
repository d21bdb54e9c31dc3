#include "ZORGuiAxisSystemManager.h"

#include <cmath>

#include "ZORFrmEditor.h"
#include "ZORGuiBasicUtilitiesServices.h"
#include "ZORIMf3DAxisSystemManager.h"
#include "ZORIParmAsStored.h"
#include "ZORMathGlobals.h"
#include "ZORParmDictionary.h"

namespace {

// The angle between two directions, robust near 0 where acos is not.
double AngleBetween(const ZORMathVector& a, const ZORMathVector& b) {
  return std::atan2(a.Cross(b).Norm(), a.Dot(b));
}

ZORMathAxis CurrentLocalAxis() {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  return editor ? editor->GetCurrentLocalAxisSystem() : ZORMathAxis();
}

// A parameter's value as stored; 0 for a missing one.
double Stored(const ZORICkeParm_var& parameter) {
  ZORIParmAsStored_var stored(parameter);
  return stored ? stored->GetValueAsStored() : 0.0;
}

void Store(const ZORICkeParm_var& parameter, double value) {
  if (ZORIParmAsStored_var stored(parameter); stored) stored->SetValueAsStored(value);
}

// An editor the manager may still act on: one that was not destroyed.
ZORCkeParamFrame* Live(const ZORVar<ZORCkeParamFrame>& frame) {
  if (!frame || frame->IsDestructionRequested() || !frame->GetDialogParent()) return nullptr;
  return frame.get();
}

}  // namespace

ZORGuiAxisSystemManager::ZORGuiAxisSystemManager() = default;

ZORGuiAxisSystemManager::~ZORGuiAxisSystemManager() = default;

bool ZORGuiAxisSystemManager::IsCurrentAxisOIJK() {
  const ZORMathAxis axis = CurrentLocalAxis();
  return AngleBetween(axis.GetFirstDirection(), ZORMathI) < kAngleTolerance &&
         AngleBetween(axis.GetSecondDirection(), ZORMathJ) < kAngleTolerance &&
         AngleBetween(axis.GetThirdDirection(), ZORMathK) < kAngleTolerance &&
         axis.GetOrigin().DistanceTo(ZORMathO) < kDistanceTolerance;
}

void ZORGuiAxisSystemManager::SetLitterals(const ZORICkeParm_var& literal1,
                                           const ZORICkeParm_var& literal2,
                                           const ZORICkeParm_var& literal3,
                                           const ZORICkeParm_var& literal4) {
  literals_ = {literal1, literal2, literal3, literal4};
}

void ZORGuiAxisSystemManager::SetParamFrames(ZORCkeParamFrame* frame1, ZORCkeParamFrame* frame2,
                                             ZORCkeParamFrame* frame3, ZORCkeParamFrame* frame4) {
  frames_ = {ZORVar<ZORCkeParamFrame>(frame1), ZORVar<ZORCkeParamFrame>(frame2),
             ZORVar<ZORCkeParamFrame>(frame3), ZORVar<ZORCkeParamFrame>(frame4)};
}

void ZORGuiAxisSystemManager::CreateLocalParams(double value1, double value2, double value3,
                                                double value4, ZORICkeParm_var& local1,
                                                ZORICkeParm_var& local2, ZORICkeParm_var& local3,
                                                ZORICkeParm_var& local4, int kind) {
  ZORCkeParmFactory* factory = ZORParmDictionary::GetVolatileFactory();
  const double values[] = {value1, value2, value3};
  for (int i = 0; i < 3; ++i) {
    const ZORUnicodeString name("L" + std::to_string(i + 1) + "vol");
    locals_[i] = kind == 0   ? factory->CreateLength(name, values[i] / 1000.0)
                 : kind == 1 ? factory->CreateReal(name, values[i])
                             : nullptr;
  }
  locals_[3] = factory->CreateLength("L4vol", value4 / 1000.0);
  local1 = locals_[0];
  local2 = locals_[1];
  local3 = locals_[2];
  local4 = locals_[3];
  ManageStyle();
}

void ZORGuiAxisSystemManager::ConvertCoordinates(int type, int direction, double x, double y,
                                                 double z, double& ox, double& oy, double& oz) {
  ox = x, oy = y, oz = z;
  ZORIMf3DAxisSystemManager_var manager(ZORGuiBasicUtilitiesServices::GetCurrentContainer());
  if (!manager) return;
  const ZORMathAxis axis = CurrentLocalAxis();
  const int flag =
      direction == 1 ? ZORIMf3DAxisSystemManager::kToAbsolute : ZORIMf3DAxisSystemManager::kToLocal;
  const double in[3] = {x, y, z};
  double out[3] = {x, y, z};
  const HRESULT hr = type == 0 ? manager->ConvertPoint(axis, flag, in, out)
                               : manager->ConvertVector(axis, flag, in, out);
  if (FAILED(hr)) return;
  ox = out[0], oy = out[1], oz = out[2];
}

void ZORGuiAxisSystemManager::ConvertCoordinates(int type, int direction, int refresh) {
  if (!literals_[0] || !locals_[0]) return;
  const bool toLiteral = direction == 1;
  const auto& source = toLiteral ? locals_ : literals_;
  const auto& target = toLiteral ? literals_ : locals_;
  const double n[3] = {Stored(source[0]), Stored(source[1]), Stored(source[2])};
  double m[3] = {n[0], n[1], n[2]};
  ConvertCoordinates(type, toLiteral ? 1 : 0, n[0], n[1], n[2], m[0], m[1], m[2]);
  for (int i = 0; i < 3; ++i) {
    if (target[i]) Store(target[i], m[i]);
    if (refresh && Live(frames_[i])) frames_[i]->Refresh();
  }
  if (type == 2 && literals_[3] && locals_[3]) {
    // The plane's point nearest the origin, moved like any point, gives the new constant.
    const double d = Stored(source[3]);
    // A null normal keeps the point at the origin.
    const double norm = std::hypot(n[0], n[1], n[2]);
    double u[3] = {};
    if (norm > 0.0) {
      for (int i = 0; i < 3; ++i) u[i] = (d / norm) * (n[i] / norm);
    }
    double p[3] = {};
    ConvertCoordinates(0, toLiteral ? 1 : 0, u[0], u[1], u[2], p[0], p[1], p[2]);
    Store(target[3], p[0] * m[0] + p[1] * m[1] + p[2] * m[2]);
    if (refresh && Live(frames_[3])) frames_[3]->Refresh();
  }
  ManageStyle();
}

void ZORGuiAxisSystemManager::ManageStyle() {
  for (int i = 0; i < 4; ++i) {
    ZORCkeParamFrame* frame = Live(frames_[i]);
    if (literals_[i] && frame) frame->SetEditorState(literals_[i]->IsActivated());
  }
}
