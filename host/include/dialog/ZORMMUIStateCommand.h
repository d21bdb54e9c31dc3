#pragma once
// A state command that works on the current editor's document: the current feature and the
// editor's sets of objects.

#include <memory>

#include "ZORFrmEditor.h"
#include "ZORISpecObject.h"
#include "ZORStateCommand.h"

class ZORMMUIStateCommand : public ZORStateCommand {
  ZOR_DECLARE_CLASS(ZORMMUIStateCommand, ZORStateCommand, ZORMetaObject::Implementation, "System")

  // The command works with the editor that is current when it is built.
  explicit ZORMMUIStateCommand(const ZORString& name = ZORString(), ZORCommandMode mode = 0);

  ZORFrmEditor* GetEditor() const { return editor_.get(); }

  // The document's current feature: where new features go.
  ZORISpecObject_var GetCurrentFeature() const;
  HRESULT SetCurrentFeature(const ZORISpecObject_var& feature);

  // The path of `feature` in the edited document; null when it has none.
  std::unique_ptr<ZORPathElement> GivePathElementFrom(ZORBaseUnknown* feature) const;

  // The editor's sets: highlighted, current; EmptySO empties current, highlighted and
  // preselected sets.
  ZORHSO* GetHSO() const;
  HRESULT AddInHSO(ZORBaseUnknown* feature);
  HRESULT AddInCSO(ZORBaseUnknown* feature);
  void EmptySO();

 private:
  ZORVar<ZORFrmEditor> editor_;
};
