#pragma once

#include "ZORUnicodeString.h"

//! The role under which a real feature of a multi-selection owns its inputs: "Component".
extern const ZORUnicodeString strWENCompo;
