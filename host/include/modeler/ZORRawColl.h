#pragma once
// Raw collections of numbers share the 1-based list.

#include "ZORListVal.h"

using ZORRawCollint = ZORListVal<int>;
using ZORRawCollfloat = ZORListVal<float>;
using ZORRawColldouble = ZORListVal<double>;
