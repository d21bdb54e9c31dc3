#include "ZORWENUIEditor3DPoint.h"

#include <cmath>

#include "ZORCkeParamFrame.h"
#include "ZORDlgLabel.h"
#include "ZORDlgTabContainer.h"
#include "ZORDlgTabPage.h"
#include "ZORICkeParamFrame.h"
#include "ZORIParmAsStored.h"
#include "ZORParmDictionary.h"

namespace {

constexpr unsigned long kGridLayout = 0x1;

struct Row {
  const char* label;
  const char* parameter;
  const char* title;
  bool angle;
};

constexpr const char* kPages[] = {"CartesianPage", "CylindricalPage", "SphericalPage"};
constexpr Row kRows[3][3] = {
    {{"X_Length", "XParm", "X", false},
     {"Y_Length", "YParm", "Y", false},
     {"Z_Length", "ZParm", "Z", false}},
    {{"Radius_Length", "RcParm", "Radius", false},
     {"Theta_Angle", "TcParm", "Theta", true},
     {"Height_Length", "HcParm", "Height", false}},
    {{"Radius_Length", "RsParm", "Radius", false},
     {"Theta_Angle", "TsParm", "Theta", true},
     {"Phi_Angle", "PsParm", "Phi", true}},
};

void Place(ZORDialog* widget, int row, int column) {
  ZORDlgGridConstraints cell;
  cell.row = row;
  cell.column = column;
  cell.sides = ZORDlgGridConstraints::kLeft | ZORDlgGridConstraints::kRight;
  widget->SetGridConstraints(cell);
}

bool Finite(const ZORMathPoint& p) {
  return std::isfinite(p.GetX()) && std::isfinite(p.GetY()) && std::isfinite(p.GetZ());
}

}  // namespace

ZORWENUIEditor3DPoint::ZORWENUIEditor3DPoint(ZORDialog* parent, const ZORString& name,
                                             unsigned long style, const ZORMathPoint& point)
    : ZORDlgFrame(parent, name, style | kGridLayout),
      point_(Finite(point) ? point : ZORMathPoint()) {
  point_.GetCoord(values_[kCartesian][0], values_[kCartesian][1], values_[kCartesian][2]);
}

ZORWENUIEditor3DPoint::~ZORWENUIEditor3DPoint() = default;

void ZORWENUIEditor3DPoint::Build(const bool readOnly) {
  if (tabs_) return;
  UpdateData(-1);
  tabs_ = new ZORDlgTabContainer(this, "3DPointTab");
  for (int page = kCartesian; page <= kSpherical; ++page) BuildPage(page, readOnly);
  AddAnalyseNotificationCB(tabs_, tabs_->GetTabSelectNotification(),
                           &ZORWENUIEditor3DPoint::OnSelectTabContainer, nullptr);
}

void ZORWENUIEditor3DPoint::BuildPage(int page, bool readOnly) {
  auto* tab = new ZORDlgTabPage(tabs_, kPages[page], kGridLayout);
  ZORCkeParmFactory* factory = ZORParmDictionary::GetVolatileFactory();
  Parameters& parameters = parameters_[page];
  const Triple& values = values_[page];
  for (int row = 0; row < 3; ++row) {
    const Row& r = kRows[page][row];
    parameters[row] = r.angle ? factory->CreateAngle(r.parameter, values[row])
                              : factory->CreateLength(r.parameter, values[row]);
    auto* label = new ZORDlgLabel(tab, r.label);
    label->SetTitle(r.title);
    Place(label, row, 0);
    ZORICkeParamFrame_var editors(parameters[row]);
    ZORCkeParamFrame* editor =
        editors ? editors->GetInPanelEdition(nullptr, tab, r.title,
                                             ZORCkeWithSpinner | ZORCkeNoLabel, r.title)
                : nullptr;
    if (!editor) continue;
    Place(editor, row, 1);
    if (readOnly) {
      // An inactive parameter keeps its editor insensitive whatever refreshes it.
      parameters[row]->SetActivated(ZORCke::False);
      editor->SetSensitivity(kInsensitive);
    }
  }
}

ZORWENUIEditor3DPoint::Triple ZORWENUIEditor3DPoint::Read(int page) const {
  Triple read = values_[page];
  const Parameters& parameters = parameters_[page];
  for (int i = 0; i < 3; ++i) {
    if (ZORIParmAsStored_var stored(parameters[i]); stored) read[i] = stored->GetValueAsStored();
  }
  return read;
}

void ZORWENUIEditor3DPoint::Write(int page) {
  const Parameters& parameters = parameters_[page];
  const Triple& values = values_[page];
  for (int i = 0; i < 3; ++i) {
    if (ZORIParmAsStored_var stored(parameters[i]); stored) stored->SetValueAsStored(values[i]);
  }
}

void ZORWENUIEditor3DPoint::UpdateData(int page) {
  if (page >= kCartesian && page <= kSpherical) {
    const Triple read = Read(page);
    // A page the user did not edit holds what was written into it: nothing to drive.
    if (read == values_[page]) return;
    ZORMathPoint point = point_;
    const bool set = page == kCartesian     ? (point = {read[0], read[1], read[2]}, true)
                     : page == kCylindrical ? point.SetCylindricalCoord(read[0], read[1], read[2])
                                            : point.SetSphericalCoord(read[0], read[1], read[2]);
    if (!set || !Finite(point)) return;
    point_ = point;
    values_[page] = read;
  } else if (page != -1) {
    return;
  }
  const int driving = page == -1 ? kCartesian : page;
  Triple* values = values_.data();
  if (driving != kCartesian) point_.GetCoord(values[0][0], values[0][1], values[0][2]);
  if (driving != kCylindrical) point_.GetCylindricalCoord(values[1][0], values[1][1], values[1][2]);
  if (driving != kSpherical) point_.GetSphericalCoord(values[2][0], values[2][1], values[2][2]);
  if (page == -1) return;
  for (int other = kCartesian; other <= kSpherical; ++other) {
    if (other != page) Write(other);
  }
}

ZORMathPoint ZORWENUIEditor3DPoint::GetMath() {
  UpdateData(page_);
  return point_;
}

void ZORWENUIEditor3DPoint::SetMath(const ZORMathPoint& point) {
  if (!Finite(point)) return;
  point_ = point;
  point_.GetCoord(values_[kCartesian][0], values_[kCartesian][1], values_[kCartesian][2]);
  UpdateData(-1);
  for (int page = kCartesian; page <= kSpherical; ++page) Write(page);
}

void ZORWENUIEditor3DPoint::OnSelectTabContainer(ZORCommand*, ZORNotification* notification,
                                                 ZORCallbackData) {
  UpdateData(page_);
  const ZORDialog* selected = tabs_->GetSelectedPage();
  for (int page = kCartesian; page <= kSpherical; ++page) {
    if (selected && selected->GetName().str() == kPages[page]) page_ = page;
  }
  if (GetFather()) SendNotification(GetFather(), notification);
}
