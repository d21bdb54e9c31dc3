#pragma once
// What a feature holds that a command may change and undo gives back: its children, name,
// inputs, values and result. Its place (father, membership, update and activity flags) and its
// visual properties, undone too, are kept beside it. Derived indexes (users, child positions)
// are not part of it; they are rebuilt from it.

#include <map>
#include <string>
#include <vector>

#include "ZORBody.h"
#include "ZORFeatureList.h"
#include "ZORMfErrUpdate.h"
#include "ZORMultiSelState.h"
#include "ZORSpecAttrKey.h"
#include "ZORUnicodeString.h"
#include "ZORVar.h"

class ZORFeature;

struct ZORFeatureState {
  struct Input {
    std::string role;
    ZORVar<ZORFeature> target;
    bool operator==(const Input&) const = default;
  };
  // Another feature held under a role (a real feature holds its picked inputs).
  struct Link {
    std::string role;
    ZORVar<ZORFeature> target;
    bool operator==(const Link&) const = default;
  };

  // What walks over many features read comes first, in the block's first cache line.
  std::vector<Input> inputs;  // in the order of the type's roles
  ZORFeatureList children{ZORFeatureList::Role::kChildren};
  ZORUnicodeString name;
  std::map<std::string, double> values;
  ZORVar<ZORMfErrUpdate> error;
  ZORBody_var body;
  // What the last computation warned of (a result made, but not quite as asked).
  std::vector<std::string> warnings;

  std::vector<ZORSpecAttrKey_var> attributes;
  std::vector<Link> links;
  // Counted references: a document breaks what cycles these make when it goes.
  ZORVar<ZORFeature> mechanicalOwner;
  ZORVar<ZORFeature> inWorkObject;  // of a part
  bool contextual = false;
  bool groupInput = false;
  // Made by the host for its father's own use (a sketch inside a feature, say), not by the user.
  bool internal = false;
  int wenFeatureType = 0;  // ZORIWENFeatureType
  bool privateTool = false;
  bool shapeBodyTool = false;
  bool currentItself = false;  // a shape body current itself (ZORIShapeFeatureProperties)
  int access = 0;              // of a knowledge parameter
  std::string magnitude;       // of a knowledge parameter ("Longueur")
  ZORMultiSelState multiSel;

  // Same children, inputs, everything: going back to a mark leaves such a state alone.
  bool operator==(const ZORFeatureState&) const = default;
};
