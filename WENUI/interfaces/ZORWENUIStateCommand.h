#pragma once
// The base of every feature creation and edition command of the surface workbench. A concrete
// command derives from it, builds its states and its panel, and lets this base remember and
// give back what the command changes, keep the editor's active object, show messages, and
// cancel cleanly.

#include <memory>

#include "ZORError.h"
#include "ZORListValZORISpecObject_var.h"
#include "ZORListValZORUnicodeString.h"
#include "ZORSurfacicUIStateCommand.h"

class ZORGuiNLSMessage;
class ZORWENMSManager;
class ZORWENUIStateCommandDelegate;

class ZORWENUIStateCommand : public ZORSurfacicUIStateCommand {
  ZOR_DECLARE_CLASS(ZORWENUIStateCommand, ZORSurfacicUIStateCommand, ZORMetaObject::Implementation,
                    "WENUI")

  // Styles of the request-cancel messages.
  static constexpr unsigned long kCancelErrorStyle = 0x10100000;
  static constexpr unsigned long kCancelMessageStyle = 0x08100000;

  ZORWENUIStateCommand(const ZORString& id, ZORCommandMode mode,
                       unsigned char visibleDuringEdition);
  ZORWENUIStateCommand(ZORWENUIStateCmdInfo* info, const ZORString& id, ZORCommandMode mode,
                       const ZORPathElement* activePath, const ZORPathElement* workingPath,
                       unsigned char visibleDuringEdition);
  ~ZORWENUIStateCommand() override;

  void Initialize();

  // Resource files: "ZORSurfacicUIStateCommand" at level 0, "ZORMMUIPanelStateCmd" at level 1,
  // then those of the dialog agent two levels down.
  ZORString GetResourceFilename(int level) const override;

  int Activate(ZORCommand* caller, ZORNotification* notification) override;
  int Desactivate(ZORCommand* caller, ZORNotification* notification) override;
  int Cancel(ZORCommand* caller, ZORNotification* notification) override;
  bool EnterFirstStateAction(ZORCallbackData data) override;
  bool CancelAction(ZORCallbackData data) override;
  virtual bool InitAction(ZORCallbackData data);

  // Messages in a blocking box; each answers the box's answer, 0 when nothing was shown.
  int ZORWENUINotify(ZORError*& error, unsigned long style);
  int ZORWENUINotify(long result, unsigned long style);
  int ZORWENUINotify(const ZORString& key, unsigned long style);
  int ZORWENUINotify(const ZORString& key, const ZORListValZORUnicodeString* params,
                     unsigned long style);
  // The message, then the command is cancelled; each answers 1.
  int ZORWENUIRequestCancel(long result);
  int ZORWENUIRequestCancel(ZORError*& error);
  int ZORWENUIRequestCancel(const ZORString& key, const ZORListValZORUnicodeString* params);

  int IsCreationOutsideTAVModeOn();
  int IsCloudFeatureModeOn();
  // Withdrawn: orientations are checked by the delegate.
  int CheckOrientations();

  // Hooks for concrete commands, called at each activation.
  virtual void UpdateFeat() {}
  virtual void RefreshMultiList() {}

  virtual ZORWENMSManager* GetManager();
  virtual void SetInactivationOnUpdate(unsigned char on);
  unsigned char GetInactivationOnUpdate() const { return inactivationOnUpdate_; }
  int GetRecordToolLevel() const { return recordToolLevel_; }
  ZORWENUIStateCommandDelegate* GetDelegate() const { return delegate_; }
  int GetInsertionMark() const { return insertionMark_; }
  int IsCancelled() const { return cancelled_; }

  // Current feature bookkeeping around a run of the command.
  HRESULT InitializeCurrentShapeFeature(const ZORISpecObject_var& feature);
  HRESULT RestoreCurrentShapeFeature();
  HRESULT InitializeCurrentTAVFeature(const ZORISpecObject_var& feature);
  HRESULT RestoreCurrentTAVFeature();

  // The pick mode of the current feature (-1 unknown, 0 it was pickable, 1 it was not).
  void SetPickModeForCurrentFeature(int mode) { pickModeForCurrentFeature_ = mode; }
  int GetPickModeForCurrentFeature() const { return pickModeForCurrentFeature_; }

  // Refreshes the 3D display of `feature`; the command's display operations build on it.
  virtual HRESULT UpdateVisu3D(const ZORISpecObject_var& feature, int mode);

 protected:
  // Shows a built message in a blocking box on the main window; 0 when there is none.
  int Show(const ZORGuiNLSMessage& message, unsigned long style);
  // Cancels the command through the host (a cancel notification sent to itself).
  void RequestCancel();

 private:
  void ShowContextualChildren(const ZORISpecObject_var& feature, bool show);
  void SetMultiSelToolPrivate(const ZORISpecObject_var& feature, int isPrivate);
  void DispatchConstraintEvent(const ZORISpecObject_var& feature, bool append);

  int reservedCounter_ = 0;
  ZORISpecObject_var savedTAVCurrentFeature_;
  ZORISpecObject_var journalingReference_;
  int cancelled_ = 0;
  int reservedInteger_ = -1;
  int pickModeForCurrentFeature_ = -1;
  int insertionMark_;
  int firstStateEntered_ = 0;
  ZORPathElement savedActivePath_;
  ZORBaseUnknown_var ownedObject_;
  unsigned char reservedByte_ = 0;
  ZORWENMSManager* manager_ = nullptr;
  ZORWENUIStateCommandDelegate* delegate_ = nullptr;
  unsigned char inactivationOnUpdate_ = 0;
  std::unique_ptr<ZORListValZORISpecObject_var> sketchList_;
  int recordToolLevel_ = 14;
};
