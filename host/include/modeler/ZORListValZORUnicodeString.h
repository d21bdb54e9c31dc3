#pragma once

#include "ZORListVal.h"
#include "ZORUnicodeString.h"

using ZORListValZORUnicodeString = ZORListVal<ZORUnicodeString>;
