#pragma once
// A kind of feature: its type name (the late type of its features), the base of its display
// names, the interfaces its features offer, its input roles and how its result is computed.
// A type can be told to fail, or to warn, for given inputs, so that updates produce real update
// errors and real warnings.

#include <functional>
#include <string>
#include <vector>

#include "ZORBody.h"
#include "ZORGUID.h"

class ZORFeature;

class ZORFeatureType {
 public:
  // Computes the result of `feature` from its inputs and values: answers true with `body` set
  // (null for a feature without geometry), or false with `diagnostic` saying why.
  using Compute =
      std::function<bool(const ZORFeature& feature, ZORBody_var& body, std::string& diagnostic)>;

  struct Description {
    std::string name;         // "WENIntersect"
    std::string displayBase;  // "Intersect" gives "Intersect.1", "Intersect.2" ...
    std::string baseType;     // the type this one derives from, for sub-type tests; may be empty
    std::vector<IID> interfaces;
    std::vector<std::string> inputRoles;
    Compute compute;  // none: always succeeds without a body
  };

  explicit ZORFeatureType(Description description);

  const std::string& GetName() const { return d_.name; }
  const std::string& GetDisplayBase() const { return d_.displayBase; }
  const std::string& GetBaseType() const { return d_.baseType; }
  const std::vector<std::string>& GetInputRoles() const { return d_.inputRoles; }
  bool HasInputRole(const std::string& role) const;
  // Types without a compute function (part, tools) have nothing to recompute.
  bool HasCompute() const { return static_cast<bool>(d_.compute); }
  bool Offers(const IID& iid) const;
  // Whether its features answer ZORISpecObject themselves: every handle on a feature asks it.
  bool OffersSpecObject() const { return offersSpecObject_; }

  // From now on, a feature of this type whose inputs include every one of `inputs` fails its
  // update with `diagnostic` (with no inputs given: every feature of the type fails).
  void FailFor(const std::vector<const ZORFeature*>& inputs, std::string diagnostic);
  // From now on, a feature of this type whose inputs include every one of `inputs` gets the
  // warning `text` when it computes (with no inputs given: every feature of the type).
  void WarnFor(const std::vector<const ZORFeature*>& inputs, std::string text);
  // Forgets the failure and warning rules.
  void ClearFailures() {
    failures_.clear();
    warnings_.clear();
  }

  // The failure rules first, then the compute function.
  bool Run(const ZORFeature& feature, ZORBody_var& body, std::string& diagnostic) const;
  // The warnings of the rules that hold for `feature`, in the order the rules were given.
  std::vector<std::string> WarningsFor(const ZORFeature& feature) const;

 private:
  struct Rule {
    // Features are named by serial number, so that a rule neither keeps them alive nor outlives
    // them into a reused address.
    std::vector<unsigned long> inputSerials;
    std::string text;
  };
  static Rule MakeRule(const std::vector<const ZORFeature*>& inputs, std::string text);
  static bool Matches(const Rule& rule, const ZORFeature& feature);

  Description d_;
  bool offersSpecObject_ = false;
  std::vector<Rule> failures_;
  std::vector<Rule> warnings_;
};
