#pragma once
// A group of 2D drawings: its own primitives, then its child bags, drawn in that order in a 2D
// viewer. The bag holds a reference on each child; a child has one bag. Highlighting draws the
// whole bag in the highlight colour.

#include <optional>
#include <string>
#include <vector>

#include "ZOR2DPrimitive.h"
#include "ZORRep.h"

// A box of the viewer's plane (y up).
struct ZOR2DBox {
  ZOR2DPoint min;
  ZOR2DPoint max;
  //! This box grown to hold `other`.
  ZOR2DBox United(const ZOR2DBox& other) const;
  friend bool operator==(const ZOR2DBox&, const ZOR2DBox&) = default;
};

class ZOR2DBagRep : public ZORRep {
  ZOR_DECLARE_CLASS(ZOR2DBagRep, ZORRep, ZORMetaObject::Implementation, "Visualization")

  ZOR2DBagRep() = default;
  ~ZOR2DBagRep() override;

  //! Primitives, in drawing order. A polyline needs two points at least (false otherwise).
  bool AddPolyline(std::vector<ZOR2DPoint> points, int color = -1);
  void AddMarker(const ZOR2DPoint& at, int symbol, int color = -1);
  void AddArrow(const ZOR2DPoint& at, const ZOR2DPoint& direction, int symbol, int color = -1);
  void AddText(const ZOR2DPoint& at, std::string text, int color = -1);
  const std::vector<ZOR2DPrimitive>& GetPrimitives() const { return primitives_; }

  //! S_OK when added; E_INVALIDARG for null; E_FAIL for a bag that has a father already, for
  //! this bag or one of its ancestors.
  HRESULT AddChild(ZOR2DBagRep* child);
  //! S_OK when removed, S_FALSE when not a child.
  HRESULT RemoveChild(ZOR2DBagRep* child);
  const std::vector<ZORVar<ZOR2DBagRep>>& GetChildren() const { return children_; }
  ZOR2DBagRep* GetFatherRep() const { return father_; }

  //! Colour index of the primitives that have none (-1: the viewer's).
  void SetColor(int color) { color_ = color; }
  int GetColor() const { return color_; }
  void SetHighlight(bool on) { highlighted_ = on; }
  bool IsHighlighted() const { return highlighted_; }

  //! The box around every point drawn by the bag and its children; none when it draws none.
  std::optional<ZOR2DBox> GetBoundingBox() const;
  //! "bag2d(primitive; primitive; bag2d(...))" and the attributes that are set.
  std::string Describe() const;

 private:
  std::vector<ZOR2DPrimitive> primitives_;
  std::vector<ZORVar<ZOR2DBagRep>> children_;
  ZOR2DBagRep* father_ = nullptr;  // no reference: the father holds one on this bag
  int color_ = -1;
  bool highlighted_ = false;
};

using ZOR2DBagRep_var = ZORVar<ZOR2DBagRep>;
