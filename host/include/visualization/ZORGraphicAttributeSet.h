#pragma once
// How a primitive is drawn: colour index (-1: the representation's; other negative values are
// the platform's status colours), line thickness and type, display priority, opacity, and
// whether it is drawn in the hidden space (not shown).
//
// A set can also be built from the platform's packed words: the first word's bytes, most
// significant first, are the colour index, the thickness, the third byte (line type in its low
// four bits, flags in the high four) and the priority; the second word is the opacity (255
// opaque). (0xfd040400, 255) is colour 253, thickness 4, line type 4, priority 0, opaque.

class ZORGraphicAttributeSet {
 public:
  ZORGraphicAttributeSet() = default;
  explicit ZORGraphicAttributeSet(int color) : color_(color) {}
  //! From packed words, as described above.
  ZORGraphicAttributeSet(unsigned int first, unsigned int second);

  int GetColor() const { return color_; }
  void SetColor(int color) { color_ = color; }
  int GetThickness() const { return thickness_; }
  void SetThickness(int thickness) { thickness_ = thickness; }
  int GetLineType() const { return lineType_; }
  void SetLineType(int lineType) { lineType_ = lineType; }
  int GetPriority() const { return priority_; }
  void SetPriority(int priority) { priority_ = priority; }
  int GetOpacity() const { return opacity_; }
  bool IsInHiddenSpace() const { return hidden_; }
  void SetHiddenSpace(bool hidden) { hidden_ = hidden; }

  //! Byte `index` (1..4, most significant first) of the first packed word; 0 outside.
  int GetAttributeByte(int index) const;
  //! Sets it (the value's low eight bits); the colour byte of a status colour is 0.
  void SetAttributeByte(int index, int value);
  //! The two packed words (a status colour packs as 0).
  unsigned int GetFirstWord() const;
  unsigned int GetSecondWord() const { return static_cast<unsigned int>(opacity_); }

  friend bool operator==(const ZORGraphicAttributeSet&, const ZORGraphicAttributeSet&) = default;

 private:
  int color_ = -1;
  int thickness_ = 1;
  int lineType_ = 1;
  int flags_ = 0;  // the high four bits of the third byte
  int priority_ = 0;
  int opacity_ = 255;
  bool hidden_ = false;
};
