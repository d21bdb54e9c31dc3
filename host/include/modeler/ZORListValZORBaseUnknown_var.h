#pragma once

#include "ZORListVal.h"
#include "ZORVar.h"

using ZORListValZORBaseUnknown_var = ZORListVal<ZORBaseUnknown_var>;
