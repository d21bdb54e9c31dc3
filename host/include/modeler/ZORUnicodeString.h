#pragma once

#include "ZORText.h"

struct ZORUnicodeStringTag {};
// Texts shown to the user.
using ZORUnicodeString = ZORText<ZORUnicodeStringTag>;
