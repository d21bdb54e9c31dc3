#pragma once

#include "ZORStateCondition.h"

class ZORDialogState;

// A transition from one state to another (null target: the end of the command). It fires when
// its filter (if any) and its condition hold; its action then runs and, when the action answers
// true, the target becomes the current state.
struct ZORDialogTransition {
  ZORDialogState* from;
  ZORDialogState* to;
  ZORCondition condition;
  ZORAction action;
  ZORCondition filter;
};
