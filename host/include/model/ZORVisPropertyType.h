#pragma once
// The visual property types a feature stores.

enum ZORVisPropertyType : int {
  ZORVPOpacity = 1,
  ZORVPColor = 2,
  ZORVPShow = 7,
  ZORVPPick = 8,
};
