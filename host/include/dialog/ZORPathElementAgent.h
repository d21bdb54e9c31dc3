#pragma once
// An agent valued by a path: a pick in the viewer or the tree. It keeps the path it was given,
// so that the command reads the whole path, not only its leaf.

#include <optional>

#include "ZORDialogAgent.h"

class ZORPathElementAgent : public ZORDialogAgent {
  ZOR_DECLARE_CLASS(ZORPathElementAgent, ZORDialogAgent, ZORMetaObject::Implementation, "System")

  explicit ZORPathElementAgent(const ZORString& name = ZORString(), int behavior = 0);
  ~ZORPathElementAgent() override;

  //! The picked path; null when nothing was picked since the last re-arm.
  const ZORPathElement* GetValue() const { return path_ ? &*path_ : nullptr; }
  //! Values the agent with `path` when its filter accepts the path's leaf.
  bool TryValue(const ZORPathElement& path) override;
  using ZORDialogAgent::TryValue;
  //! Values the agent with `path` without filtering; false for an unset path.
  bool SetValue(const ZORPathElement& path);
  void InitializeAcquisition() override;
  //! Takes the value out of the current editor's highlighted set: S_OK when it was there,
  //! S_FALSE when it was not, E_FAIL without a value or an editor.
  HRESULT RemoveFromHSO();

 private:
  std::optional<ZORPathElement> path_;
};
