#pragma once
// A 1-based list of cell pointers that does not hold its cells.

#include "ZORCell.h"
#include "ZORListVal.h"

using ZORListPtrZORCell = ZORListVal<ZORCell*>;
