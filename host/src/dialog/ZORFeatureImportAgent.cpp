#include "ZORFeatureImportAgent.h"

ZORFeatureImportAgent::ZORFeatureImportAgent(const ZORString& name, int behavior)
    : ZORDialogAgent(name, behavior) {}
