#include "ZOR2DBagRep.h"

#include <algorithm>

#include "ZORString.h"

ZOR2DBox ZOR2DBox::United(const ZOR2DBox& other) const {
  return {{std::min(min.x, other.min.x), std::min(min.y, other.min.y)},
          {std::max(max.x, other.max.x), std::max(max.y, other.max.y)}};
}

ZOR2DBagRep::~ZOR2DBagRep() {
  for (const ZORVar<ZOR2DBagRep>& child : children_) child->father_ = nullptr;
}

bool ZOR2DBagRep::AddPolyline(std::vector<ZOR2DPoint> points, int color) {
  if (points.size() < 2) return false;
  ZOR2DPrimitive p;
  p.points = std::move(points);
  p.color = color;
  primitives_.push_back(std::move(p));
  return true;
}

void ZOR2DBagRep::AddMarker(const ZOR2DPoint& at, int symbol, int color) {
  ZOR2DPrimitive p;
  p.kind = ZOR2DPrimitive::Kind::kMarker;
  p.points = {at};
  p.symbol = symbol;
  p.color = color;
  primitives_.push_back(std::move(p));
}

void ZOR2DBagRep::AddArrow(const ZOR2DPoint& at, const ZOR2DPoint& direction, int symbol,
                           int color) {
  ZOR2DPrimitive p;
  p.kind = ZOR2DPrimitive::Kind::kArrow;
  p.points = {at};
  p.direction = direction;
  p.symbol = symbol;
  p.color = color;
  primitives_.push_back(std::move(p));
}

void ZOR2DBagRep::AddText(const ZOR2DPoint& at, std::string text, int color) {
  ZOR2DPrimitive p;
  p.kind = ZOR2DPrimitive::Kind::kText;
  p.points = {at};
  p.text = std::move(text);
  p.color = color;
  primitives_.push_back(std::move(p));
}

HRESULT ZOR2DBagRep::AddChild(ZOR2DBagRep* child) {
  if (!child) return E_INVALIDARG;
  if (child->father_) return E_FAIL;
  for (const ZOR2DBagRep* r = this; r; r = r->father_) {
    if (r == child) return E_FAIL;
  }
  children_.emplace_back(child);
  child->father_ = this;
  return S_OK;
}

HRESULT ZOR2DBagRep::RemoveChild(ZOR2DBagRep* child) {
  if (!child || child->father_ != this) return S_FALSE;
  child->father_ = nullptr;
  ZORVar<ZOR2DBagRep> keep(child);  // released last: the child may die here
  std::erase_if(children_, [child](const ZORVar<ZOR2DBagRep>& c) { return c.get() == child; });
  return S_OK;
}

std::optional<ZOR2DBox> ZOR2DBagRep::GetBoundingBox() const {
  std::optional<ZOR2DBox> box;
  auto include = [&box](const ZOR2DBox& more) { box = box ? box->United(more) : more; };
  for (const ZOR2DPrimitive& p : primitives_) {
    for (const ZOR2DPoint& point : p.points) include({point, point});
  }
  for (const ZORVar<ZOR2DBagRep>& child : children_) {
    if (auto inner = child->GetBoundingBox()) include(*inner);
  }
  return box;
}

std::string ZOR2DBagRep::Describe() const {
  std::string line = "bag2d(";
  bool first = true;
  for (const ZOR2DPrimitive& p : primitives_) {
    line += (first ? "" : "; ") + p.Describe();
    first = false;
  }
  for (const ZORVar<ZOR2DBagRep>& child : children_) {
    line += (first ? "" : "; ") + child->Describe();
    first = false;
  }
  line += ")";
  if (color_ >= 0) line += ZORString::Format(" color=%d", color_).str();
  if (highlighted_) line += " highlighted";
  return line;
}
