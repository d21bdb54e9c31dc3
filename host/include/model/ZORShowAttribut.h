#pragma once
// The show attribute of a feature.

enum ZORShowAttribut : int {
  ZORShowAttr = 0,
  ZORNoShowAttr = 1,
};
