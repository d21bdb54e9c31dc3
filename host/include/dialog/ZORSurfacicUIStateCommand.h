#pragma once
// The host base of the surface workbench's feature commands: the command's feature and edit
// mode, how it was started, the document modes, show and no-show of features, and the run of
// OK: update, validation, insertion in the document and datum conversion.

#include <memory>

#include "ZORListValZORISpecObject_var.h"
#include "ZORPathElement.h"
#include "ZORWENUIStackStateCommand.h"
#include "ZORWENUIStateCmdInfo.h"

class ZORSurfacicUIStateCommand : public ZORWENUIStackStateCommand {
  ZOR_DECLARE_CLASS(ZORSurfacicUIStateCommand, ZORWENUIStackStateCommand,
                    ZORMetaObject::Implementation, "System")

  // Start modes: 0 a command of its own, 1 started to produce an input for a waiting command.
  static constexpr int kStartNormal = 0;
  static constexpr int kStartForInput = 1;

  explicit ZORSurfacicUIStateCommand(const ZORString& id = ZORString(), ZORCommandMode mode = 0);
  // `info` stays the caller's; the two paths, when given, are the active object path and the
  // working path of the command.
  ZORSurfacicUIStateCommand(ZORWENUIStateCmdInfo* info, const ZORString& id, ZORCommandMode mode,
                            const ZORPathElement* activePath, const ZORPathElement* workingPath,
                            int withInfo);

  // The command's feature and features; the concrete command declares them.
  virtual ZORISpecObject_var GiveMyFeature();
  virtual void GiveMyFeatures(ZORListValZORISpecObject_var& features);
  void SetMyFeature(const ZORISpecObject_var& feature) { myFeature_ = feature; }
  ZORBaseUnknown_var GetStackObject() override { return GiveMyFeature(); }
  int IsEditModeOn() const { return editMode_; }
  void SetEditMode(int on) { editMode_ = on ? 1 : 0; }
  int GetStartMode() const { return startMode_; }
  void SetStartMode(int mode) { startMode_ = mode; }
  ZORWENUIStateCmdInfo* GetCommandInfo() const { return info_; }
  // The command keeps `info` as long as it lives and works with it from now on.
  void AdoptCommandInfo(std::unique_ptr<ZORWENUIStateCmdInfo> info) {
    ownedInfo_ = std::move(info);
    info_ = ownedInfo_.get();
  }

  const ZORPathElement& GetActiveObjectPath() const { return activePath_; }
  const ZORPathElement& GetWorkingPath() const { return workingPath_; }
  void SetWorkingPath(const ZORPathElement& path) { workingPath_ = path; }

  void SetCurrentEditedFeature(const ZORISpecObject_var& feature) { edited_ = feature; }
  const ZORISpecObject_var& GetCurrentEditedFeature() const { return edited_; }
  int GetModeOfInputDescription() const { return inputDescriptionMode_; }
  void SetModeOfInputDescription(int mode) { inputDescriptionMode_ = mode; }
  void SetDiagnosisModeOn() { diagnosisMode_ = 1; }
  void SetDiagnosisModeOff() { diagnosisMode_ = 0; }
  int IsDiagnosisModeOn() const { return diagnosisMode_; }

  // Results go into a shape body when the current feature lies in one.
  int IsShapeFeatureModeOn() const;
  // Whether `feature` lies in a shape body.
  int IsFeatureInShapeBody(const ZORISpecObject_var& feature) const;

  // Show state of features (property 7): what was last set is what is answered.
  HRESULT ZORWENUIShow(const ZORISpecObject_var& feature);
  HRESULT ZORWENUINoShow(const ZORISpecObject_var& feature, int mode);
  int ZORWENUIIsInNoShow(const ZORISpecObject_var& feature);

  // The steps of OK that the run action calls.
  virtual HRESULT ValidateResult(ZORISpecObject_var feature, int mode);
  // Inserts the feature after the current feature, in the current feature's tool (as last
  // child when the current feature is a tool), and makes it the current feature.
  virtual HRESULT InsertInCurrentContext(const ZORISpecObject_var& feature,
                                         const ZORISpecObject_var& target, int keepDatum);
  // Replaces the feature by a datum keeping its result: the datum is appended to the feature's
  // father, and the caller removes the feature (the children after it move down one place).
  // 1 when a datum was made; 0 when nothing was replaced (a datum already, or a feature without
  // father, which becomes a datum in place); negative on failure (no current result).
  virtual HRESULT ConvertToDatum(const ZORISpecObject_var& feature);
  // OK's work: update, validation, insertion, and datum conversion when the command makes
  // datums; a datum replacing the command's own feature takes its place and becomes the
  // command's feature.
  bool RunAction(ZORCallbackData data) override;
  // Redraws the tree nodes of the command's feature and of the tools above it, whose icons
  // tell what they hold.
  HRESULT UpdateIcons();
  bool CancelAction(ZORCallbackData data) override;

  // Shows the update error of `feature` to the user; nothing when it has none.
  HRESULT DisplayErrorDiagnostic(const ZORISpecObject_var& feature);
  // Shows the warnings of `feature` and of the features under it (the results of a
  // multi-selection) in a "Warnings" box, one "Name: text" line each; nothing when there are
  // none. E_FAIL for a null feature, or when there are warnings and no main window.
  HRESULT DisplayFeatureWarnings(const ZORISpecObject_var& feature);
  // Style of the "Warnings" box.
  static constexpr unsigned long kWarningsStyle = 0x08100200;

  // The result handed on when the command ended well.
  const ZORISpecObject_var& GetResultFeature() const { return result_; }
  void SetResultFeature(const ZORISpecObject_var& feature) { result_ = feature; }
  // Orientation arrows shown by the command and the orientation mode they work in.
  int GetOrientationArrowCount() const { return arrowCount_; }
  void SetOrientationArrowCount(int count) { arrowCount_ = count; }
  int GetOrientationMode() const { return orientationMode_; }
  void SetOrientationMode(int mode) { orientationMode_ = mode; }
  // Repetitions asked of the command; a cancel clears them.
  int GetRepeatCount() const { return repeatCount_; }
  void SetRepeatCount(int count) { repeatCount_ = count; }
  // The current feature saved while the command works in the shape-feature mode.
  const ZORISpecObject_var& GetSavedShapeCurrentFeature() const { return savedShapeCurrent_; }
  void SetSavedShapeCurrentFeature(const ZORISpecObject_var& f) { savedShapeCurrent_ = f; }

 private:
  // Ends the replacement of the command's feature by the datum ConvertToDatum appended.
  HRESULT TakeDatumInPlace(const ZORISpecObject_var& feature);

  ZORWENUIStateCmdInfo* info_ = nullptr;
  std::unique_ptr<ZORWENUIStateCmdInfo> ownedInfo_;
  ZORPathElement activePath_;
  ZORPathElement workingPath_;
  ZORISpecObject_var myFeature_;
  ZORISpecObject_var edited_;
  ZORISpecObject_var result_;
  ZORISpecObject_var savedShapeCurrent_;
  int editMode_ = 0;
  int startMode_ = kStartNormal;
  int inputDescriptionMode_ = 0;
  int diagnosisMode_ = 0;
  int arrowCount_ = 0;
  int orientationMode_ = 0;
  int repeatCount_ = 0;
};
