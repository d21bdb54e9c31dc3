#pragma once
// Where a widget stands in its container's grid: its cell, the cells it spans and the sides of
// that area it sticks to. The headless host lays nothing out; it keeps the record so that the
// layout a panel asked for can be read back.

struct ZORDlgGridConstraints {
  // Sides of the area the widget sticks to; sticking to two opposite sides stretches it.
  static constexpr int kLeft = 0x1;
  static constexpr int kRight = 0x2;
  static constexpr int kTop = 0x4;
  static constexpr int kBottom = 0x8;
  static constexpr int kFourSides = kLeft | kRight | kTop | kBottom;

  int row = 0;
  int column = 0;
  int rowSpan = 1;
  int columnSpan = 1;
  int sides = kLeft | kTop;

  bool operator==(const ZORDlgGridConstraints&) const = default;
};
