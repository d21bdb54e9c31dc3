#pragma once
// How a primitive is drawn: colour index (-1: the representation's), line thickness and type,
// display priority, and whether it is drawn in the hidden space (not shown).

class ZORGraphicAttributeSet {
 public:
  ZORGraphicAttributeSet() = default;
  explicit ZORGraphicAttributeSet(int color) : color_(color) {}

  int GetColor() const { return color_; }
  void SetColor(int color) { color_ = color; }
  int GetThickness() const { return thickness_; }
  void SetThickness(int thickness) { thickness_ = thickness; }
  int GetLineType() const { return lineType_; }
  void SetLineType(int lineType) { lineType_ = lineType; }
  int GetPriority() const { return priority_; }
  void SetPriority(int priority) { priority_ = priority; }
  bool IsInHiddenSpace() const { return hidden_; }
  void SetHiddenSpace(bool hidden) { hidden_ = hidden; }

  friend bool operator==(const ZORGraphicAttributeSet&, const ZORGraphicAttributeSet&) = default;

 private:
  int color_ = -1;
  int thickness_ = 1;
  int lineType_ = 1;
  int priority_ = 0;
  bool hidden_ = false;
};
