#pragma once
// A 1-based list of body pointers that does not hold its bodies.

#include "ZORBody.h"
#include "ZORListVal.h"

using ZORListPtrZORBody = ZORListVal<ZORBody*>;
