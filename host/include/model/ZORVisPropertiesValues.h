#pragma once
// Values read from and written to a feature's visual properties, one field per property type.
// A fresh object holds the host defaults.

#include "ZORShowAttribut.h"

class ZORVisPropertiesValues {
 public:
  static constexpr int kDefaultOpacity = 255;
  static constexpr int kDefaultRed = 255;
  static constexpr int kDefaultGreen = 255;
  static constexpr int kDefaultBlue = 255;

  // 1 pickable, 0 not.
  int GetPick() const { return pick_; }
  void SetPick(int pick) { pick_ = pick; }
  // 0..255, 255 opaque. The second argument (inheritance) is not used.
  int GetOpacity() const { return opacity_; }
  void SetOpacity(int opacity, int inheritance = 0) {
    (void)inheritance;
    opacity_ = opacity;
  }
  ZORShowAttribut GetShow() const { return show_; }
  void SetShow(ZORShowAttribut show) { show_ = show; }
  void GetColor(int& red, int& green, int& blue) const {
    red = red_;
    green = green_;
    blue = blue_;
  }
  void SetColor(int red, int green, int blue) {
    red_ = red;
    green_ = green;
    blue_ = blue;
  }

  // Lines: 1 thin and up; 1 continuous and up.
  int GetThickness() const { return thickness_; }
  void SetThickness(int thickness) { thickness_ = thickness; }
  int GetLineType() const { return lineType_; }
  void SetLineType(int lineType) { lineType_ = lineType; }

  friend bool operator==(const ZORVisPropertiesValues&, const ZORVisPropertiesValues&) = default;

 private:
  int pick_ = 1;
  int opacity_ = kDefaultOpacity;
  ZORShowAttribut show_ = ZORShowAttr;
  int red_ = kDefaultRed;
  int green_ = kDefaultGreen;
  int blue_ = kDefaultBlue;
  int thickness_ = 1;
  int lineType_ = 1;
};
