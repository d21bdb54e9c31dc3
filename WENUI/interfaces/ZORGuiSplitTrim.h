#pragma once
//! \class ZORGuiSplitTrim
//! Shows where a split or a trim went wrong, from the build diagnosis its feature keeps: after a
//! failed build, the body in error and the body giving the context as symbols (the context in
//! 244 beside a body in error); after a build with a warning, the warning in an error panel and
//! the topological objects concerned in a temporary bag (247, line type 3, thickness 6, faces,
//! edges and vertices). Symbols made again replace the old ones, which leave by delayed
//! destruction.
//!
//! A split or trim command owns one and calls VisualizeBuildDiagnosisData after each update
//! and CleanBuildDiagnosis when it ends:
//! \code
//!   ZORGuiSplitTrim diagnosis(feature);
//!   diagnosis.VisualizeBuildDiagnosisData(feature->Update());
//!   ...
//!   diagnosis.CleanBuildDiagnosis();
//! \endcode
//! A null feature, or one that is neither a split nor a trim, shows nothing; cleaning twice is
//! harmless.

#include <memory>

#include "ZORGmoBuildDiagnosisDataSplitTrim.h"
#include "ZORGuiBagRep.h"
#include "ZORGuiBodyInErrorSymbol.h"
#include "ZORISpecObject.h"

class ZORGuiSplitTrim {
 public:
  //! The colour of the context body beside a body in error.
  static constexpr int kContextColor = 244;
  //! The bag of a warning's objects.
  static constexpr unsigned int kWarningColor = 247;
  //! Line type of the bag of a warning's objects.
  static constexpr unsigned int kWarningLineType = 3;
  //! Thickness of the bag of a warning's objects.
  static constexpr unsigned int kWarningThickness = 6;
  //! Faces, edges and vertices of a warning's bodies.
  static constexpr unsigned int kWarningTopology = 28;

  //! Works on `feature` (null allowed: nothing is shown).
  explicit ZORGuiSplitTrim(const ZORISpecObject_var& feature);
  //! Takes what it shows out of the view; the feature's diagnosis is left as it is.
  ~ZORGuiSplitTrim();
  //! Not copied: it owns what it shows.
  ZORGuiSplitTrim(const ZORGuiSplitTrim&) = delete;
  //! Not copied.
  ZORGuiSplitTrim& operator=(const ZORGuiSplitTrim&) = delete;

  //! Works on another feature from now on.
  void SetFeature(const ZORISpecObject_var& feature);
  //! Shows the diagnosis of the build whose result is `buildResult` (negative: it failed).
  void VisualizeBuildDiagnosisData(const long buildResult);
  //! Takes the symbols and the bag out of the view, then clears the feature's diagnosis.
  void CleanBuildDiagnosis();
  //! Whether `element` is a point, the only element a split keeps or removes by.
  static bool IsValidPointToRemoveKeep(ZORISpecObject_var& element);

  //! The symbol of the body in error; null when none is shown.
  ZORGuiBodyInErrorSymbol* GetErrorBodySymbol() const { return errorSymbol_; }
  //! The symbol of the context body; null when none is shown.
  ZORGuiBodyInErrorSymbol* GetContextBodySymbol() const { return contextSymbol_; }
  //! The bag of a warning's objects; null when none is shown.
  ZORGuiBagRep* GetTopObjectsRep() const { return topObjects_.get(); }

 private:
  void ShowFailure(ZORGmoBuildDiagnosisDataSplitTrim& data);
  void ShowWarning(ZORGmoBuildDiagnosisDataSplitTrim& data);
  // A new symbol on `body` in place of `symbol`, which leaves by delayed destruction.
  static void Replace(ZORGuiBodyInErrorSymbol*& symbol, const ZORBody_var& body);
  static void Release(ZORGuiBodyInErrorSymbol*& symbol);

  ZORISpecObject_var feature_;
  // Owned until handed over by their delayed destruction.
  ZORGuiBodyInErrorSymbol* errorSymbol_ = nullptr;
  ZORGuiBodyInErrorSymbol* contextSymbol_ = nullptr;
  std::unique_ptr<ZORGuiBagRep> topObjects_;
};
