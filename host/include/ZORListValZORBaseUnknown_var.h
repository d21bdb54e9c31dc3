#pragma once

#include "ZORVar.h"
#include "ZORListVal.h"

using ZORListValZORBaseUnknown_var = ZORListVal<ZORBaseUnknown_var>;
