#pragma once
// A list of points by value, indexed from 1 as the host's lists are.

#include "ZORListVal.h"
#include "ZORMathPoint.h"

using ZORListValZORMathPoint = ZORListVal<ZORMathPoint>;
