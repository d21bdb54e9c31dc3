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

  //! Box style ZORWENUIRequestCancel uses for an error.
  static constexpr unsigned long kCancelErrorStyle = 0x10100000;
  //! Box style ZORWENUIRequestCancel uses for a catalog message.
  static constexpr unsigned long kCancelMessageStyle = 0x08100000;

  //! A command without command info (its insertion mark says the first display is a modification);
  //! makes the delegate that keeps show, pick and orientation states, then Initialize().
  ZORWENUIStateCommand(const ZORString& id, ZORCommandMode mode,
                       unsigned char visibleDuringEdition);
  //! A command started with its command info and the editor's active and working paths;
  //! `visibleDuringEdition` is handed to the delegate. Calls Initialize().
  ZORWENUIStateCommand(ZORWENUIStateCmdInfo* info, const ZORString& id, ZORCommandMode mode,
                       const ZORPathElement* activePath, const ZORPathElement* workingPath,
                       unsigned char visibleDuringEdition);
  //! Releases the delegate, the multi-selection manager and the sketch list.
  ~ZORWENUIStateCommand() override;

  //! Resets the bookkeeping of a run (saved features and paths, sketches, pick mode) and reads
  //! the record level setting; a level below the default is warned about once.
  void Initialize();

  //! Resource files: "ZORSurfacicUIStateCommand" at level 0, "ZORMMUIPanelStateCmd" at level 1,
  //! then those of the dialog agent two levels down.
  ZORString GetResourceFilename(int level) const override;

  //! Gives the highlight back, stores the edited feature's show and pick states (and its
  //! orientations on the first activation), refreshes the sketches, then calls RefreshMultiList
  //! and UpdateFeat.
  int Activate(ZORCommand* caller, ZORNotification* notification) override;
  //! Stores the highlight and makes the multi-selection's tool private before the base
  //! deactivates.
  int Desactivate(ZORCommand* caller, ZORNotification* notification) override;
  //! Gives back the feature's show and pick states and the current feature, undoes what the
  //! command made on a user cancel, and hides the contextual children again.
  int Cancel(ZORCommand* caller, ZORNotification* notification) override;
  //! The record that lets a global undo or redo of the finished command redraw the sketches
  //! among its feature's inputs as they stand; null when there are none. The caller owns it.
  ZORCommandGlobalUndo* GetGlobalUndo() override;
  //! Runs InitAction once, on the first entry in the first state, then the base's action.
  bool EnterFirstStateAction(ZORCallbackData data) override;
  //! Marks the command cancelled (IsCancelled), drops the repeated command, gives the editor its
  //! active object back and empties the highlight before the base's cancel action.
  bool CancelAction(ZORCallbackData data) override;
  //! Remembers the editor's active object and makes the command's feature active unless the
  //! command works in a context other than the active one; answers true.
  virtual bool InitAction(ZORCallbackData data);

  //! Shows `error` in a blocking box of `style` and flushes it (the pointer is nulled); answers
  //! the box's answer, 0 when no message could be built from it.
  int ZORWENUINotify(ZORError*& error, unsigned long style);
  //! Shows the error that failed `result` (0 and nothing shown when it succeeded); as above.
  int ZORWENUINotify(long result, unsigned long style);
  //! Shows the catalog message `key` of the command's resources, without parameters.
  int ZORWENUINotify(const ZORString& key, unsigned long style);
  //! Shows the catalog message `key` with `params` put in its placeholders; 0 when the key
  //! builds no message.
  int ZORWENUINotify(const ZORString& key, const ZORListValZORUnicodeString* params,
                     unsigned long style);
  //! Shows the error that failed `result` in an error box, then cancels the command; answers 1.
  int ZORWENUIRequestCancel(long result);
  //! Shows `error` in an error box (flushed, the pointer nulled), then cancels; answers 1.
  int ZORWENUIRequestCancel(ZORError*& error);
  //! Shows the catalog message `key` in an information box, then cancels; answers 1.
  int ZORWENUIRequestCancel(const ZORString& key, const ZORListValZORUnicodeString* params);

  //! 1 when the command info (or the default info) says results are created outside the
  //! current geometrical set; InitializeCurrentTAVFeature then saves the current feature.
  int IsCreationOutsideTAVModeOn();
  //! 1 when results go into a shape body (the command info's shape-feature mode).
  int IsCloudFeatureModeOn();
  //! Withdrawn: orientations are checked by the delegate.
  int CheckOrientations();

  //! Global undo callback: re-sends the show state of each sketch of `data` (the list made by
  //! GetGlobalUndo) to the viewer; answers `data`.
  static void* GlobalUndo(void* data);
  //! Global redo callback: the same as GlobalUndo, the show states as they stand.
  static void* GlobalRedo(void* data);
  //! Deletes the sketch list made by GetGlobalUndo.
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
  //! The feature set by SetJournalingReferenceFeature; null when none is set.
  const ZORISpecObject_var& GetJournalingReferenceFeature() const { return journalingReference_; }

  //! Hook called at the end of each activation, after the sketches are refreshed: a concrete
  //! command brings its feature and panel up to date there. Nothing here.
  virtual void UpdateFeat() {}
  //! Hook called at each activation, before UpdateFeat: a multi-selection command refreshes its
  //! lists there. Nothing here.
  virtual void RefreshMultiList() {}

  //! The multi-selection manager made by initMultiSelMode, owned by the command; null outside the
  //! multi-selection mode.
  virtual ZORWENMSManager* GetManager();
  //! Records whether a feature failing its update may be deactivated by the update-error panel.
  virtual void SetInactivationOnUpdate(unsigned char on);
  //! The value given to SetInactivationOnUpdate; 0 until set.
  unsigned char GetInactivationOnUpdate() const { return inactivationOnUpdate_; }
  //! The record level read from the settings at Initialize (14 when none is set).
  int GetRecordToolLevel() const { return recordToolLevel_; }
  //! The delegate that stores and gives back show, pick, highlight and orientation states;
  //! owned by the command, never null after construction.
  ZORWENUIStateCommandDelegate* GetDelegate() const { return delegate_; }
  //! How UpdateVisu3D announces the feature: 0 nothing inserted yet, 1 it is displayed (later
  //! displays are modifications), 2 just inserted (the next display is a creation).
  int GetInsertionMark() const { return insertionMark_; }
  //! 1 once CancelAction ran.
  int IsCancelled() const { return cancelled_; }

  //! In the shape-feature mode, remembers the current feature (once) and makes `feature`, a shape
  //! body, current as its properties say; then redraws what depends on the current feature.
  HRESULT InitializeCurrentShapeFeature(const ZORISpecObject_var& feature);
  //! Makes the feature saved by InitializeCurrentShapeFeature current again and redraws.
  HRESULT RestoreCurrentShapeFeature();
  //! Saves the current feature when results are created outside the current geometrical set;
  //! `feature` is unused.
  HRESULT InitializeCurrentTAVFeature(const ZORISpecObject_var& feature);
  //! Makes the feature saved by InitializeCurrentTAVFeature current again (called on cancel).
  HRESULT RestoreCurrentTAVFeature();

  //! The pick mode of the current feature (-1 unknown, 0 it was pickable, 1 it was not).
  void SetPickModeForCurrentFeature(int mode) { pickModeForCurrentFeature_ = mode; }
  //! The value given to SetPickModeForCurrentFeature; -1 until set.
  int GetPickModeForCurrentFeature() const { return pickModeForCurrentFeature_; }

  // Display properties of inputs; a null feature gives E_FAIL.
  //! Makes `feature` pickable again (SetPickMode with 1).
  HRESULT ZORWENUIPick(const ZORISpecObject_var& feature) { return SetPickMode(feature, 1); }
  //! Makes `feature` unpickable while the command runs (SetPickMode with 0).
  HRESULT ZORWENUINoPick(const ZORISpecObject_var& feature) { return SetPickMode(feature, 0); }
  //! Writes the pick property (8) when it changes and tells the viewer; a feature of a shape
  //! body that modifies its input keeps its pick state outside the shape-feature mode.
  HRESULT SetPickMode(const ZORISpecObject_var& feature, unsigned int pickable);
  //! 1 when the pick property is 0; 0 otherwise, also without visual properties.
  int ZORWENUIIsInNoPick(const ZORISpecObject_var& feature);
  //! Adds `feature` to the highlight; a ZORError raised meanwhile is shown in an error panel.
  HRESULT ZORWENUIHighlight(const ZORISpecObject_var& feature);
  //! Takes `feature` out of the highlight; E_FAIL when it is not there or has no path.
  HRESULT ZORWENUINoHighlight(const ZORISpecObject_var& feature);
  //! Opacity 0..255 (property 1, geometry type 1); out of range changes nothing.
  HRESULT ZORWENUIOpacity(const ZORISpecObject_var& feature, int opacity);
  //! The feature's opacity (property 1, geometry type 1) in `opacity`; 255 and E_FAIL when it
  //! cannot be read.
  HRESULT ZORWENUIGetOpacity(const ZORISpecObject_var& feature, int& opacity);
  //! Resets the visual properties of `type` of `feature` to their defaults and tells the viewer;
  //! E_FAIL without visual properties.
  HRESULT ZORWENUIResetProperties(const ZORISpecObject_var& feature, ZORVisPropertyType type);
  //! Components 0..255; the colour goes to the feature's point, lineic or mesh graphic
  //! properties (the first it offers) and the viewer hears of it through `eventTarget`'s model
  //! events (the feature's when null).
  HRESULT ZORWENUIColor(const ZORISpecObject_var& feature, int red, int green, int blue,
                        const ZORISpecObject_var& eventTarget = ZORISpecObject_var());

  //! UpdateVisu3D mode: what the insertion mark calls for: a creation just after the insertion,
  //! a modification later, nothing before.
  static constexpr int kVisuRefresh = 0;
  //! UpdateVisu3D mode: announce a creation.
  static constexpr int kVisuCreate = 1;
  //! UpdateVisu3D mode: redraw what depends on the current feature.
  static constexpr int kVisuCurrentFeature = 2;
  //! UpdateVisu3D mode: announce a deletion.
  static constexpr int kVisuDelete = 3;
  //! UpdateVisu3D mode: announce a modification.
  static constexpr int kVisuModify = 4;
  //! Tells the viewer about `feature` (the command's feature when null): its first display after
  //! an insertion is a creation, later refreshes are modifications. In kVisuCurrentFeature mode
  //! the host redraws what depends on the current feature.
  virtual HRESULT UpdateVisu3D(ZORISpecObject_var feature, int mode,
                               const ZORISpecObject_var& father = ZORISpecObject_var(),
                               const ZORISpecObject_var& eventTarget = ZORISpecObject_var());

  //! Gives the command feature's dimension visualization its container's provider.
  HRESULT UpdateDim();
  //! Announces the constraints of `feature` (the command's feature when null) to the viewer,
  //! once, and shows the sketch dimensions; E_FAIL without a feature.
  HRESULT AppendDimensions(ZORISpecObject_var feature = ZORISpecObject_var());
  //! Withdraws the constraints of `feature` (the command's when null) from the viewer and hides
  //! the sketch dimensions; E_FAIL without a feature.
  HRESULT RemoveDimensions(ZORISpecObject_var feature = ZORISpecObject_var());
  //! The sketches the command works with, updated at each activation; the command owns the list.
  void SetSketchList(const ZORListValZORISpecObject_var& sketches);
  //! The sketch list, made empty on first use; never null, owned by the command.
  ZORListValZORISpecObject_var* GetSketchList();
  //! Called around changes of the sketches and dimensions (0 before, 1 after); nothing here.
  virtual void ShowHideSketchDim(unsigned char show) { (void)show; }

  //! Enters multi-selection mode: a manager around `matrix` and the multi-selection being edited
  //! (`edited`), or a new multi-selection placed in the document and emptied. The command keeps
  //! the manager (GetManager) and hands it out in `manager`. E_FAIL, and no manager, when the
  //! manager has no multi-selection feature.
  HRESULT initMultiSelMode(ZORWENMSManager*& manager, const ZORISpecObject_var& matrix,
                           const ZORISpecObject_var& edited);

  // --- OK ---
  //! Refreshes what an edition changed and, for a command making an input for a waiting
  //! command, offers the result to that command's agents (or reports it and marks it in error).
  bool OkAction(ZORCallbackData data) override;
  //! Updates the feature (the command's when null), or each out-of-date real feature of a
  //! multi-selection, whose failures open the update-error command. E_FAIL when a feature is
  //! still out of date.
  HRESULT RunUpdate(ZORISpecObject_var feature, int updateAll, int visualize) override;
  //! Validates the result (the command's feature when null); in the shape-feature mode, also
  //! makes it current (outside edition) and redraws it and its father. E_FAIL without a feature.
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
