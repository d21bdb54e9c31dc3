#pragma once

#include "ZORISpecObject.h"
#include "ZORListVal.h"

using ZORListValZORISpecObject_var = ZORListVal<ZORISpecObject_var>;
