#pragma once
// What must hold of a document whatever happened to it, however a command ended: tests run it
// after every injected fault.
//
// - every child's father is the feature that holds it, and the child is in the document;
// - every feature in the document that has a father is among that father's children, and no
//   removed feature is reachable from the part;
// - the real features of a multi-selection are its children;
// - a feature in the document is listed among the users of each of its inputs, and only of them;
// - the event log names only features of this document (in it, or removed from it).

#include <string>
#include <vector>

#include "ZORDocument.h"

class ZORConsistencyCheck {
 public:
  // One line per problem; empty when the document holds together.
  static std::vector<std::string> Problems(ZORDocument& document);
  // One line per feature of a kind that stands in a tool but has no father, while no command
  // runs (a command's work in progress may stand outside the tree): a feature nobody asked for
  // and nobody can reach. Empty when nothing is left unattached.
  static std::vector<std::string> Unattached(ZORDocument& document);
};
