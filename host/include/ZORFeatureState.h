#pragma once
// Everything about a feature that a command may change and undo gives back: its place in the
// tree, its name, inputs, values, visual properties, result and update state. Derived indexes
// (users, child positions) are not part of it; they are rebuilt from it.

#include <map>
#include <string>
#include <vector>

#include "ZORBody.h"
#include "ZORMfErrUpdate.h"
#include "ZORUnicodeString.h"
#include "ZORVar.h"
#include "ZORVisPropertiesValues.h"

class ZORFeature;

struct ZORFeatureState {
  struct Input {
    std::string role;
    ZORVar<ZORFeature> target;
  };

  ZORFeature* father = nullptr;  // not owned: fathers own their children
  std::vector<ZORVar<ZORFeature>> children;
  ZORUnicodeString name;
  std::vector<Input> inputs;  // in the order of the type's roles
  std::map<std::string, double> values;
  ZORVisPropertiesValues vis;
  bool upToDate = false;
  ZORVar<ZORMfErrUpdate> error;
  ZORBody_var body;
  bool inDocument = true;
};
