#pragma once
// Brings features up to date: inputs first (in dependency order), then the feature, then the
// features under it. A success stores the new result and clears the update error; a failure
// empties the result, leaves the feature out of date and attaches a ZORMfErrUpdate saying why.
// A feature of a kind that computes geometry gets an empty body (HasGeometry 0) when its
// computation made nothing or failed, never none.
// A feature whose input fails fails too, naming that input. One run computes each feature at
// most once. A datum feature keeps the result it has: it is not recomputed from its inputs.

#include <string>
#include <unordered_set>
#include <vector>

#include "ZORBody.h"

class ZORFeature;

class ZORUpdateEngine {
 public:
  // Answers whether `feature` and everything under it are up to date afterwards.
  static bool Update(ZORFeature& feature);
  // One run over `features`, in order; `failed` receives every feature that failed in the run
  // (inputs and children included), in the order they failed. Answers whether all of
  // `features` are up to date afterwards.
  static bool Update(const std::vector<ZORFeature*>& features, std::vector<ZORFeature*>& failed);
  // The first feature in error in `feature`'s subtree, `feature` first; null when none.
  static ZORFeature* FirstFailure(ZORFeature& feature);

 private:
  bool UpdateTree(ZORFeature& feature);
  bool UpdateOne(ZORFeature& feature);
  // Why the feature cannot be computed from its inputs; empty when it can.
  std::string CheckInputs(ZORFeature& feature);
  // What the feature keeps of a computation that made `body` (null: nothing).
  static ZORBody_var Result(const ZORFeature& feature, ZORBody_var body);
  void Succeed(ZORFeature& feature, ZORBody_var body);
  void Fail(ZORFeature& feature, const std::string& diagnostic, int type);

  std::unordered_set<const ZORFeature*> failed_;
  std::vector<ZORFeature*> failedOrder_;
};
