#include "ZORGuiBagRep.h"

#include <algorithm>

#include "ZOR3DCustomRep.h"
#include "ZOR3DPointRep.h"
#include "ZORError.h"
#include "ZORFrmEditor.h"
#include "ZORGmoTopologicalTools.h"
#include "ZORGmoUtilitiesBody.h"
#include "ZORGuiFlagGP.h"
#include "ZORI3DGeoVisu.h"

namespace {

constexpr const char* kSource = "WENUI/ZORGuiUtilities.m/src/ZORGuiBagRep";
// What the bag's children inherit from it: colour and pick state, line type, thickness.
constexpr int kInheritColor = 4100;
constexpr int kInheritLineType = 64;
constexpr int kInheritThickness = 16;
// The label flag: text height, staff, flag and size factor.
constexpr int kFlagTextHeight = 14;
constexpr int kFlagStaff = 3;
constexpr float kFlagSize = 1.5f;

int Status(bool success, int line) {
  return ZORError::GetReturn(success ? 1 : 0, kSource, line);
}

}  // namespace

ZORGuiBagRep::ZORGuiBagRep() {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  if (!editor) return;
  iso_ = editor->GetISO();
  // The editor's frame: the columns of its linear part and its translation.
  const ZORMathTransformation& t = editor->GetTransformation();
  auto column = [&t](int c) {
    return ZORMathVectorf(ZORMathVector(t.Get(0, c), t.Get(1, c), t.Get(2, c)));
  };
  matrix_ = std::make_unique<ZOR4x4Matrix>(column(0), column(1), column(2),
                                           ZORMathVectorf(t.GetTranslation()));
  shown_ = ZORMake<ZORModelForRep3D>();
}

ZORGuiBagRep::~ZORGuiBagRep() {
  Delete();
}

int ZORGuiBagRep::Initialize() {
  if (!iso_ || !shown_ || !matrix_) return Status(false, __LINE__);
  Delete();
  bag_ = ZORMake<ZOR3DBagRep>();
  cellsShown_.clear();
  bag_->SetMatrix(*matrix_);
  bag_->SetColor(static_cast<int>(color_));
  bag_->SetInheritanceMode(kInheritColor | kInheritLineType | kInheritThickness);
  if (attributes_) bag_->SetColor(attributes_->GetColor());
  return Status(true, __LINE__);
}

int ZORGuiBagRep::Update() {
  if (!iso_ || !shown_ || !matrix_) return Status(false, __LINE__);
  if (!bag_) return Status(true, __LINE__);
  shown_->SetRep(bag_.get());
  bag_ = nullptr;
  cellsShown_.clear();
  if (iso_->IsMember(shown_.get())) {
    iso_->UpdateElement(shown_.get());
  } else {
    iso_->AddElement(shown_.get());
  }
  return Status(true, __LINE__);
}

int ZORGuiBagRep::Delete() {
  if (!iso_ || !shown_ || !matrix_) return Status(false, __LINE__);
  Update();
  if (iso_->IsMember(shown_.get())) iso_->RemoveElement(shown_.get());
  // What it showed goes with it: a cell's drawing is no longer held by this display.
  shown_->SetRep(nullptr);
  return Status(true, __LINE__);
}

// ---------------------------------------------------------------- settings

int ZORGuiBagRep::SetColor(unsigned int color) {
  color_ = color;
  return S_OK;
}

int ZORGuiBagRep::SetLineType(unsigned int lineType) {
  lineType_ = lineType;
  return S_OK;
}

int ZORGuiBagRep::SetPointType(unsigned int pointType) {
  pointType_ = pointType;
  return S_OK;
}

int ZORGuiBagRep::SetThickness(unsigned int thickness) {
  thickness_ = thickness;
  return S_OK;
}

int ZORGuiBagRep::SetTopology(unsigned int topology) {
  topology_ = topology;
  return S_OK;
}

int ZORGuiBagRep::SetGraphicAttributeSet(ZORGraphicAttributeSet& attributes) {
  attributes_ = std::make_unique<ZORGraphicAttributeSet>(attributes);
  return S_OK;
}

// ---------------------------------------------------------------- Set

namespace {

// Initialize, the append, Update; the first failure is the answer.
template <class Append>
int Replace(ZORGuiBagRep& bag, Append&& append) {
  if (int status = bag.Initialize(); FAILED(status)) return status;
  if (int status = append(); FAILED(status)) {
    bag.Update();  // what was gathered is shown, as far as it went
    return status;
  }
  return bag.Update();
}

}  // namespace

int ZORGuiBagRep::Set(ZORISpecObject_var& feature, ZORUnicodeString* text) {
  return Replace(*this, [&] { return Append(feature, text); });
}

int ZORGuiBagRep::Set(ZORListPtrZORBody& bodies, ZORUnicodeString* text) {
  return Replace(*this, [&] { return Append(bodies, text); });
}

int ZORGuiBagRep::Set(ZORBody* body, ZORUnicodeString* text) {
  return Replace(*this, [&] { return Append(body, text); });
}

int ZORGuiBagRep::Set(ZORDomain* domain, ZORUnicodeString* text) {
  return Replace(*this, [&] { return Append(domain, nullptr, text); });
}

int ZORGuiBagRep::Set(ZORListPtrZORCell& cells, ZORUnicodeString* text) {
  return Replace(*this, [&] { return Append(cells, nullptr, text); });
}

int ZORGuiBagRep::Set(ZORCell* cell, ZORUnicodeString* text) {
  return Replace(*this, [&] { return Append(cell, nullptr, text); });
}

// ---------------------------------------------------------------- Append

int ZORGuiBagRep::Append(ZORISpecObject_var& feature, ZORUnicodeString* text) {
  if (!bag_) return Status(false, __LINE__);
  if (!feature) return Status(true, __LINE__);
  ZORBody_var body = ZORGmoUtilitiesBody::GetBodyFromSpec(ZORBaseUnknown_var(feature.get()));
  if (!body) return Status(false, __LINE__);
  return Append(body.get(), text);
}

int ZORGuiBagRep::Append(ZORListPtrZORBody& bodies, ZORUnicodeString* text) {
  if (!bag_) return Status(false, __LINE__);
  for (ZORBody* body : bodies) {
    if (int status = Append(body, text); FAILED(status)) return status;
  }
  return Status(true, __LINE__);
}

int ZORGuiBagRep::AppendCellsOf(ZORBody& body, int dimension) {
  ZORListPtrZORCell cells;
  body.GetCells(dimension, cells);
  return Append(cells, &body, nullptr);
}

int ZORGuiBagRep::Append(ZORBody* body, ZORUnicodeString* text) {
  if (!bag_ || !body) return Status(false, __LINE__);
  if (topology_ & kBodyVisu) {
    ZORI3DGeoVisu_var visu(body);
    ZOR3DRep* rep = visu ? visu->GiveRep() : nullptr;
    if (!rep) return Status(false, __LINE__);
    if (int status = Append(rep); FAILED(status)) return status;
  }
  const struct {
    unsigned int bit;
    int dimension;
  } byDimension[] = {{kVolumes, 3},
                     {kFaces, 2},
                     {kEdges, 1},
                     {kVertices, 0},
                     {kHighest, body->GetHighestDimension()}};
  for (const auto& [bit, dimension] : byDimension) {
    if (!(topology_ & bit) || dimension < 0) continue;
    if (int status = AppendCellsOf(*body, dimension); FAILED(status)) return status;
  }
  if (text) {
    for (int i = 1; i <= body->GetNumberOfDomains(); ++i) {
      if (int status = AppendLabel(body->GetDomain(i), text); FAILED(status)) return status;
    }
  }
  return Status(true, __LINE__);
}

int ZORGuiBagRep::Append(ZORDomain* domain, ZORBody* body, ZORUnicodeString* text) {
  if (!bag_ || !domain) return Status(false, __LINE__);
  ZORListPtrZORCell cells;
  for (const ZORCell_var& cell : domain->GetCells()) cells.Append(cell.get());
  if (int status = Append(cells, body, nullptr); FAILED(status)) return status;
  return AppendLabel(domain, text);
}

int ZORGuiBagRep::Append(ZORListPtrZORCell& cells, ZORBody* body, ZORUnicodeString* text) {
  if (!bag_) return Status(false, __LINE__);
  for (ZORCell* cell : cells) {
    if (int status = Append(cell, body, text); FAILED(status)) return status;
  }
  return Status(true, __LINE__);
}

bool ZORGuiBagRep::AlreadyShown(const ZORCell* cell) const {
  return cellsShown_.count(cell) != 0;
}

int ZORGuiBagRep::Append(ZORCell* cell, ZORBody*, ZORUnicodeString* text) {
  if (!bag_ || !cell) return Status(false, __LINE__);
  if (AlreadyShown(cell)) return Status(true, __LINE__);
  cellsShown_.insert(cell);
  if (cell->GetDimension() == 0 && cell->GetPoint()) {
    auto marker =
        ZORMake<ZOR3DPointRep>(cell->GetPoint()->GetPoint(), static_cast<int>(pointType_));
    if (int status = Append(marker.get()); FAILED(status)) return status;
  } else {
    ZORI3DGeoVisu_var visu(cell);
    ZOR3DRep* rep = visu ? visu->GiveRep() : nullptr;
    if (!rep) return Status(false, __LINE__);
    if (int status = Append(rep); FAILED(status)) return status;
  }
  return AppendLabel(cell, text);
}

template <class Where>
int ZORGuiBagRep::AppendLabel(const Where* where, ZORUnicodeString* text) {
  if (!text) return Status(true, __LINE__);
  ZORMathPoint centre;
  if (!where || FAILED(ZORGmoTopologicalTools::EstimateCenter(where, centre))) {
    return Status(false, __LINE__);
  }
  return Append(centre, *text);
}

int ZORGuiBagRep::Append(ZORMathPoint& point, ZORUnicodeString& text) {
  if (!bag_) return Status(false, __LINE__);
  auto flag = std::make_unique<ZORGuiFlagGP>(ZORMathPointf(point), kFlagTextHeight, kFlagStaff, 0,
                                             kFlagSize);
  flag->AssociateTexts(ZORListValZORUnicodeString{text});
  auto drawing = ZORMake<ZOR3DCustomRep>();
  drawing->AddGP(std::move(flag));
  return Append(drawing.get());
}

int ZORGuiBagRep::Append(ZOR3DRep* rep) {
  if (!bag_) return Status(false, __LINE__);
  if (rep && FAILED(bag_->AddChild(rep))) return Status(false, __LINE__);
  return Status(true, __LINE__);
}
