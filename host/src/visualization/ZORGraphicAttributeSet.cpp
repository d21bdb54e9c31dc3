#include "ZORGraphicAttributeSet.h"

ZORGraphicAttributeSet::ZORGraphicAttributeSet(unsigned int first, unsigned int second)
    : opacity_(static_cast<int>(second & 0xffu)) {
  for (int index = 1; index <= 4; ++index) {
    SetAttributeByte(index, static_cast<int>((first >> (8 * (4 - index))) & 0xffu));
  }
}

int ZORGraphicAttributeSet::GetAttributeByte(int index) const {
  switch (index) {
    case 1:
      return color_ >= 0 && color_ <= 0xff ? color_ : 0;
    case 2:
      return thickness_ & 0xff;
    case 3:
      return ((flags_ & 0x0f) << 4) | (lineType_ & 0x0f);
    case 4:
      return priority_ & 0xff;
    default:
      return 0;
  }
}

void ZORGraphicAttributeSet::SetAttributeByte(int index, int value) {
  value &= 0xff;
  switch (index) {
    case 1:
      color_ = value;
      break;
    case 2:
      thickness_ = value;
      break;
    case 3:
      lineType_ = value & 0x0f;
      flags_ = value >> 4;
      break;
    case 4:
      priority_ = value;
      break;
    default:
      break;
  }
}

unsigned int ZORGraphicAttributeSet::GetFirstWord() const {
  unsigned int word = 0;
  for (int index = 1; index <= 4; ++index) {
    word = (word << 8) | static_cast<unsigned int>(GetAttributeByte(index));
  }
  return word;
}
