#include "ZORRep.h"

ZORRep::~ZORRep() = default;
