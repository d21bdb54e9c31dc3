#pragma once
//! \class ZORWENUIStateCommand
//! The base of every feature creation and edition command of the surface workbench. A concrete
//! command derives from it, builds its states and its panel, and lets this base remember and
//! give back what the command changes, keep the editor's active object, show messages, and
//! cancel cleanly.

#include <memory>

#include "ZORError.h"
#include "ZORIModelEvents.h"
#include "ZORListValZORISpecObject_var.h"
#include "ZORListValZORUnicodeString.h"
#include "ZORSurfacicUIStateCommand.h"
#include "ZORVisPropertyType.h"

class ZORCommandGlobalUndo;
class ZORGuiNLSMessage;
class ZORWENMSManager;
class ZORWENUIFeatureAgent;
class ZORWENUIStateCommandDelegate;

class ZORWENUIStateCommand : public ZORSurfacicUIStateCommand {
  ZOR_DECLARE_CLASS(ZORWENUIStateCommand, ZORSurfacicUIStateCommand, ZORMetaObject::Implementation,
                    "WENUI")

  //! Styles of the request-cancel messages.
  static constexpr unsigned long kCancelErrorStyle = 0x10100000;
  static constexpr unsigned long kCancelMessageStyle = 0x08100000;

  ZORWENUIStateCommand(const ZORString& id, ZORCommandMode mode,
                       unsigned char visibleDuringEdition);
  ZORWENUIStateCommand(ZORWENUIStateCmdInfo* info, const ZORString& id, ZORCommandMode mode,
                       const ZORPathElement* activePath, const ZORPathElement* workingPath,
                       unsigned char visibleDuringEdition);
  ~ZORWENUIStateCommand() override;

  void Initialize();

  //! Resource files: "ZORSurfacicUIStateCommand" at level 0, "ZORMMUIPanelStateCmd" at level 1,
  //! then those of the dialog agent two levels down.
  ZORString GetResourceFilename(int level) const override;

  int Activate(ZORCommand* caller, ZORNotification* notification) override;
  int Desactivate(ZORCommand* caller, ZORNotification* notification) override;
  int Cancel(ZORCommand* caller, ZORNotification* notification) override;
  //! The record that lets a global undo or redo of the finished command redraw the sketches
  //! among its feature's inputs as they stand; null when there are none. The caller owns it.
  ZORCommandGlobalUndo* GetGlobalUndo() override;
  bool EnterFirstStateAction(ZORCallbackData data) override;
  bool CancelAction(ZORCallbackData data) override;
  virtual bool InitAction(ZORCallbackData data);

  //! Messages in a blocking box; each answers the box's answer, 0 when nothing was shown.
  int ZORWENUINotify(ZORError*& error, unsigned long style);
  int ZORWENUINotify(long result, unsigned long style);
  int ZORWENUINotify(const ZORString& key, unsigned long style);
  int ZORWENUINotify(const ZORString& key, const ZORListValZORUnicodeString* params,
                     unsigned long style);
  //! The message, then the command is cancelled; each answers 1.
  int ZORWENUIRequestCancel(long result);
  int ZORWENUIRequestCancel(ZORError*& error);
  int ZORWENUIRequestCancel(const ZORString& key, const ZORListValZORUnicodeString* params);

  int IsCreationOutsideTAVModeOn();
  int IsCloudFeatureModeOn();
  //! Withdrawn: orientations are checked by the delegate.
  int CheckOrientations();

  //! Global undo callbacks; the data is the list of sketches of GetGlobalUndo.
  static void* GlobalUndo(void* data);
  static void* GlobalRedo(void* data);
  static void CleanGlobalUndoData(void* data);
  //! Registers the panel's changes for undo; E_FAIL without a panel that offers it.
  HRESULT RegisterUndo();

  //! Journals the creation of the command's feature (CreationJournal with the journaling
  //! reference feature), then takes the reference feature out of the model.
  HRESULT CreateJournaling();
  //! Writes the journal entry of the creation of `result`, made with `reference` (may be null).
  virtual HRESULT CreationJournal(const ZORISpecObject_var& result,
                                  const ZORISpecObject_var& reference) = 0;
  //! The feature the next CreateJournaling hands to CreationJournal and then removes.
  void SetJournalingReferenceFeature(const ZORISpecObject_var& feature) {
    journalingReference_ = feature;
  }
  const ZORISpecObject_var& GetJournalingReferenceFeature() const { return journalingReference_; }

  //! Hooks for concrete commands, called at each activation.
  virtual void UpdateFeat() {}
  virtual void RefreshMultiList() {}

  virtual ZORWENMSManager* GetManager();
  virtual void SetInactivationOnUpdate(unsigned char on);
  unsigned char GetInactivationOnUpdate() const { return inactivationOnUpdate_; }
  int GetRecordToolLevel() const { return recordToolLevel_; }
  ZORWENUIStateCommandDelegate* GetDelegate() const { return delegate_; }
  int GetInsertionMark() const { return insertionMark_; }
  int IsCancelled() const { return cancelled_; }

  //! Current feature bookkeeping around a run of the command.
  HRESULT InitializeCurrentShapeFeature(const ZORISpecObject_var& feature);
  HRESULT RestoreCurrentShapeFeature();
  HRESULT InitializeCurrentTAVFeature(const ZORISpecObject_var& feature);
  HRESULT RestoreCurrentTAVFeature();

  //! The pick mode of the current feature (-1 unknown, 0 it was pickable, 1 it was not).
  void SetPickModeForCurrentFeature(int mode) { pickModeForCurrentFeature_ = mode; }
  int GetPickModeForCurrentFeature() const { return pickModeForCurrentFeature_; }

  //! --- display properties of inputs; a null feature gives E_FAIL ---
  HRESULT ZORWENUIPick(const ZORISpecObject_var& feature) { return SetPickMode(feature, 1); }
  HRESULT ZORWENUINoPick(const ZORISpecObject_var& feature) { return SetPickMode(feature, 0); }
  //! Writes the pick property (8) when it changes and tells the viewer; a feature of a shape
  //! body that modifies its input keeps its pick state outside the shape-feature mode.
  HRESULT SetPickMode(const ZORISpecObject_var& feature, unsigned int pickable);
  //! 1 when the pick property is 0; 0 otherwise, also without visual properties.
  int ZORWENUIIsInNoPick(const ZORISpecObject_var& feature);
  HRESULT ZORWENUIHighlight(const ZORISpecObject_var& feature);
  HRESULT ZORWENUINoHighlight(const ZORISpecObject_var& feature);
  //! Opacity 0..255 (property 1, geometry type 1); out of range changes nothing.
  HRESULT ZORWENUIOpacity(const ZORISpecObject_var& feature, int opacity);
  //! 255 when the opacity cannot be read.
  HRESULT ZORWENUIGetOpacity(const ZORISpecObject_var& feature, int& opacity);
  HRESULT ZORWENUIResetProperties(const ZORISpecObject_var& feature, ZORVisPropertyType type);
  //! Components 0..255; the colour goes to the feature's point, lineic or mesh graphic
  //! properties (the first it offers) and the viewer hears of it through `eventTarget`'s model
  //! events (the feature's when null).
  HRESULT ZORWENUIColor(const ZORISpecObject_var& feature, int red, int green, int blue,
                        const ZORISpecObject_var& eventTarget = ZORISpecObject_var());

  //! Modes of UpdateVisu3D.
  static constexpr int kVisuRefresh = 0;
  static constexpr int kVisuCreate = 1;
  static constexpr int kVisuCurrentFeature = 2;
  static constexpr int kVisuDelete = 3;
  static constexpr int kVisuModify = 4;
  //! Tells the viewer about `feature` (the command's feature when null): its first display after
  //! an insertion is a creation, later refreshes are modifications. In kVisuCurrentFeature mode
  //! the host redraws what depends on the current feature.
  virtual HRESULT UpdateVisu3D(ZORISpecObject_var feature, int mode,
                               const ZORISpecObject_var& father = ZORISpecObject_var(),
                               const ZORISpecObject_var& eventTarget = ZORISpecObject_var());

  //! Dimensions: the feature's dimension visualization gets its container's provider; append and
  //! remove announce the constraints of `feature` (the command's feature when null).
  HRESULT UpdateDim();
  HRESULT AppendDimensions(ZORISpecObject_var feature = ZORISpecObject_var());
  HRESULT RemoveDimensions(ZORISpecObject_var feature = ZORISpecObject_var());
  //! The sketches the command works with, updated at each activation; the command owns the list.
  void SetSketchList(const ZORListValZORISpecObject_var& sketches);
  ZORListValZORISpecObject_var* GetSketchList();
  //! Called around changes of the sketches and dimensions (0 before, 1 after); nothing here.
  virtual void ShowHideSketchDim(unsigned char show) { (void)show; }

  //! Enters multi-selection mode: a manager around `matrix` and the multi-selection being edited
  //! (`edited`), or a new multi-selection placed in the document and emptied. The command keeps
  //! the manager (GetManager) and hands it out in `manager`. E_FAIL, and no manager, when the
  //! manager has no multi-selection feature.
  HRESULT initMultiSelMode(ZORWENMSManager*& manager, const ZORISpecObject_var& matrix,
                           const ZORISpecObject_var& edited);

  //! --- OK ---
  //! Refreshes what an edition changed and, for a command making an input for a waiting
  //! command, offers the result to that command's agents (or reports it and marks it in error).
  bool OkAction(ZORCallbackData data) override;
  //! Updates the feature (the command's when null), or each out-of-date real feature of a
  //! multi-selection, whose failures open the update-error command. E_FAIL when a feature is
  //! still out of date.
  HRESULT RunUpdate(ZORISpecObject_var feature, int updateAll, int visualize) override;
  HRESULT ValidateResult(ZORISpecObject_var feature, int mode) override;
  //! Converts the results this command made into datums: the feature, or the results of a
  //! multi-selection after those that remain from before the command.
  HRESULT ConvertToDatum(const ZORISpecObject_var& feature) override;
  //! Finishes a multi-selection, journals, checks orientations, hands the result on, and starts
  //! the repetition command when the panel asks for it.
  bool UpdateOKAction(ZORCallbackData data) override;
  //! Condition on a feature agent: an element picked in a shape body of the current part is
  //! valid; one of another body of the part makes the agent import it into the working body.
  bool IsAValidFeatBrepForPart(ZORDialogAgent* agent, ZORCallbackData data);
  //! The behaviour bit IsAValidFeatBrepForPart adds for an element of another body.
  static constexpr int kImportFromOtherBody = 0x400000;
  //! Style of the panel that refuses a repetition.
  static constexpr unsigned long kRepetitionRefusedStyle = 0x08000200;

  //! Places the result: in a shape body through the procedural view, in the TAV mode after the
  //! current feature in the current geometrical set (or `target`), or before the object of a
  //! waiting command when the command makes an input for it. A feature that has a father is
  //! left where it is. Success sets the insertion mark. E_FAIL when the feature has no father
  //! afterwards.
  HRESULT InsertInCurrentContext(const ZORISpecObject_var& feature,
                                 const ZORISpecObject_var& target, int keepDatum) override;

 protected:
  //! Shows a built message in a blocking box on the main window; 0 when there is none.
  int Show(const ZORGuiNLSMessage& message, unsigned long style);
  //! Cancels the command through the host (a cancel notification sent to itself).
  void RequestCancel();

 private:
  void ShowContextualChildren(const ZORISpecObject_var& feature, bool show);
  void SetMultiSelToolPrivate(const ZORISpecObject_var& feature, int isPrivate);
  void DispatchConstraintEvent(const ZORISpecObject_var& feature, bool append);
  //! A ZORError raised in `body` is shown in an error panel and flushed; any other error object
  //! is reported. Answers whether the body ran through.
  template <class Body>
  bool RunShowingErrors(Body&& body);
  //! The model events the first display of `feature` goes through, and the father it names.
  ZORVar<ZORIModelEvents> EventsForDisplay(const ZORISpecObject_var& feature,
                                           ZORISpecObject_var& father,
                                           const ZORISpecObject_var& givenFather,
                                           const ZORISpecObject_var& eventTarget);
  HRESULT InsertInTAVTool(const ZORISpecObject_var& feature, const ZORISpecObject_var& target);
  //! Where an input made for a waiting command goes: before the first object of the running
  //! commands that `target` holds, or last.
  void PositionForWaitingCommand(const ZORISpecObject_var& target, ZORISpecObject_var& reference,
                                 int& position);
  void ClearDatum(const ZORISpecObject_var& feature);
  int IsNonConnexCreationModeOn();
  //! OK path pieces.
  void RefreshEditedFeatures(const ZORISpecObject_var& feature);
  void HandToWaitingCommand(const ZORISpecObject_var& feature);
  bool OfferToWaitingAgents(const ZORISpecObject_var& feature);
  void MarkNotAccepted(const ZORISpecObject_var& feature);
  void ListFeaturesToUpdate(const ZORISpecObject_var& feature, bool multiSel,
                            ZORListValZORISpecObject_var& features);
  //! Runs one update object on `element`; answers whether some feature failed.
  bool RunUpdateObject(const ZORISpecObject_var& given, const ZORISpecObject_var& element,
                       int updateAll, int visualize, bool multiSel, bool firstFailure);
  void ReportMultiSelFailures(const ZORISpecObject_var& multiSel,
                              const ZORListValZORISpecObject_var& failed);
  void MarkResultsMadeForInput();
  void CheckResultOrientations(const ZORISpecObject_var& feature);
  void SetResultOfCommand(const ZORISpecObject_var& feature, bool multiSel);
  bool IsRepetitionAllowed(const ZORISpecObject_var& feature);
  void StartRepetition(const ZORISpecObject_var& feature, bool multiSel);
  void GiveBackPickStatus(const ZORISpecObject_var& feature);
  void HandToWorkingSupport(const ZORISpecObject_var& feature);
  bool CheckPickedBRep(ZORWENUIFeatureAgent& agent, int behavior);

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
