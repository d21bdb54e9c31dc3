#pragma once
// The agent kind that imports picked elements into the command's document. Its behaviour is the
// dialog agent's behaviour word, read and written under the names feature commands use; a
// condition may change it while the command runs (to import into another body, say).

#include "ZORDialogAgent.h"

class ZORFeatureImportAgent : public ZORDialogAgent {
  ZOR_DECLARE_CLASS(ZORFeatureImportAgent, ZORDialogAgent, ZORMetaObject::Implementation, "Dialog")

  explicit ZORFeatureImportAgent(const ZORString& name = ZORString(), int behavior = 0);

  int GetAgentBehavior() const { return GetBehavior(); }
  void SetAgentBehavior(int behavior) { SetBehavior(behavior); }
};
