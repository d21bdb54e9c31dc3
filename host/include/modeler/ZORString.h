#pragma once

#include "ZORText.h"

struct ZORStringTag {};
// Identifiers: widget, agent and state names, resource keys, catalog names.
using ZORString = ZORText<ZORStringTag>;
