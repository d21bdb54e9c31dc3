#pragma once
// The agent kind that imports picked elements into the command's document. Its behaviour is the
// dialog agent's behaviour word, read and written under the names feature commands use; a
// condition may change it while the command runs (to import into another body, say).
//
// A pick designates a feature: the path's leaf, or the feature above a picked result body. A
// pick that ends at a cell of a result (the feature, its body, the cell) designates the cell,
// which is imported as a BRep feature of the cell's dimension, made outside the tree and
// computed; the agent remembers the BRep features its imports made, so that a command can tell
// them from the user's features (ElementInContext) and dispose of those it does not keep.

#include <vector>

#include "ZORDialogAgent.h"
#include "ZORVar.h"

class ZORFeatureImportAgent : public ZORDialogAgent {
  ZOR_DECLARE_CLASS(ZORFeatureImportAgent, ZORDialogAgent, ZORMetaObject::Implementation, "Dialog")

  //! AgentError: the BRep feature of a picked cell could not be made or computed.
  static constexpr int kImportFailed = 1;
  //! AgentError: the picked cell is not in its feature's result (any more).
  static constexpr int kNotExtractable = 4;

  explicit ZORFeatureImportAgent(const ZORString& name = ZORString(), int behavior = 0);

  int GetAgentBehavior() const { return GetBehavior(); }
  void SetAgentBehavior(int behavior) { SetBehavior(behavior); }

  //! 0 when the last pick designates an element; otherwise why its import failed.
  int AgentError() const { return error_; }
  //! The element the last pick designates (the BRep feature of a picked cell, or the picked
  //! feature); null before a pick, after a re-arm or a failed import.
  ZORBaseUnknown* GetElementValue() const { return element_.get(); }
  //! Whether `path` is a pick whose element this agent's import made; false for null.
  bool ElementInContext(const ZORPathElement* path) const;
  //! Forgets the element and the error, for a new pick; the imports made stay known.
  void InitializeAcquisition() override;

 protected:
  //! Makes `path`'s element the agent's element, importing a picked cell; sets AgentError.
  void Import(const ZORPathElement& path);
  //! Makes the element of an earlier pick `path` the agent's element again, without importing
  //! (an undone or redone valuation); none for null.
  void Reselect(const ZORPathElement* path);

 private:
  struct Made {
    ZORPathElement path;
    ZORBaseUnknown_var element;
  };
  // The imports already made for `path`; null when none.
  const Made* Find(const ZORPathElement& path) const;

  int error_ = 0;
  ZORBaseUnknown_var element_;
  std::vector<Made> made_;
};
