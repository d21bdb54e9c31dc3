#pragma once
// An acquisition of a point under the pointer, whether or not it lies on the model: each
// decoded mouse notification picks under the current viewer's pointer and makes the result
// (ZORStAutoDetectionOper): the nearest hit on a feature's result, else the point of the view
// under the pointer. Prevaluate then values the agent with the element's path. Subclasses
// change the decoding, the prevaluation or what goes into the preselected set.

#include <optional>

#include "ZORGeoFactory.h"
#include "ZORPathElementAgent.h"
#include "ZORStAutoDetectionOper.h"

class ZORStRemoteAcqu : public ZORPathElementAgent {
  ZOR_DECLARE_CLASS(ZORStRemoteAcqu, ZORPathElementAgent, ZORMetaObject::Implementation, "System")

  ZORStRemoteAcqu(ZORGeoFactory* factory, const ZORString& name, int behavior = 0);
  ~ZORStRemoteAcqu() override;

  //! Detects under the pointer, puts the element into the preselected set and prevaluates
  //! it. Answers 1 when the agent is valued, 0 otherwise (no editor, nothing detected).
  virtual int DecodeNotification(ZORCommand* sender, ZORNotification* notification);
  //! Puts the detected element's path into the current editor's preselected set.
  virtual void PutIntoPSO();
  //! Values the agent with `path` (valuation state 2). False for a null or unset path.
  virtual bool Prevaluate(ZORPathElement* path);

  //! The detection of the path the agent is valued with: where the eye line under the pointer
  //! meets the body on that path (null when it misses), detected again when the value or the
  //! pointer moved since; the last detection without a value. Null after ResetAll.
  ZORStAutoDetectionOper* GetResult() const;
  void SetValuationState(int state) { valuationState_ = state; }
  int GetValuationState() const { return valuationState_; }
  //! The dimensions the detection may give (bit flags of the platform); kept.
  void SetAuthorizedDimension(int dimension) { authorizedDimension_ = dimension; }
  int GetAuthorizedDimension() const { return authorizedDimension_; }
  void SetActivity(int activity) { activity_ = activity; }
  int GetActivity() const { return activity_; }
  ZORGeoFactory* GetFactory() const { return factory_.get(); }
  //! Forgets the result, the valuation state and the value.
  void ResetAll();

 protected:
  bool Accept(ZORCommand* sender, ZORNotification* notification) override;

 private:
  ZORVar<ZORGeoFactory> factory_;
  struct Detection {
    ZORPathElement path;
    ZORMathPoint pointer;
  };
  mutable ZORStAutoDetectionOper_var result_;
  mutable std::optional<Detection> detected_;  // what result_ was detected for
  int valuationState_ = 0;
  int authorizedDimension_ = 0;
  int activity_ = 0;
};
