#include "strWENCompo.h"

const ZORUnicodeString strWENCompo("Component");
