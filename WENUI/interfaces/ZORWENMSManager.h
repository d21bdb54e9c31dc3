#pragma once
//! \class ZORWENMSManager
//! The multi-selection manager of a command: creates or takes the multi-selection feature that
//! gathers the command's multi-selected inputs, keeps the previews of its virtual features shown,
//! turns virtual features into real ones at OK (one copy of the matrix feature per entry), and
//! keeps the show and pick state of the real features of an edited multi-selection.
//!
//! Every operation answers S_OK or E_FAIL; list indices are 1 or 2, any other index is refused
//! before anything is touched; operations that need the multi-selection feature fail without it.

#include <list>
#include <memory>
#include <unordered_map>
#include <vector>

#include "ZORBaseUnknown.h"
#include "ZORGeoFactory.h"
#include "ZORISO.h"
#include "ZORISpecObject.h"
#include "ZORIWENMultiSel.h"
#include "ZORIWENMultiSelAccess.h"
#include "ZORListPtrZORBody.h"
#include "ZORListValZORISpecObject_var.h"
#include "ZORRawColl.h"
#include "ZORSt3DISO.h"

class ZORWENUIFeatureAgent;
class ZORWENUISelectorList;

class ZORWENMSManager : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORWENMSManager, ZORBaseUnknown, ZORMetaObject::Implementation, "WENUI")

  //! `existing` is null for a new multi-selection, the multi-selection feature of an edited
  //! one, or a plain feature edited in multi-selection mode (it moves under a new one).
  ZORWENMSManager(const ZORISpecObject_var& matrix, const ZORISpecObject_var& existing);
  //! Lets go of the previews, the shown bodies and the multi-selection feature.
  ~ZORWENMSManager() override;
  //! Not copyable: the manager owns previews and shown bodies.
  ZORWENMSManager(const ZORWENMSManager&) = delete;
  //! Not assignable, for the same reason.
  ZORWENMSManager& operator=(const ZORWENMSManager&) = delete;

  //! Marks `matrix` as the matrix feature, takes or creates the multi-selection (see the
  //! constructor), makes its tool public and starts it. On failure the manager lets go of the
  //! matrix and the factory; a multi-selection given as the matrix is refused.
  HRESULT InitializeManager(const ZORISpecObject_var& matrix, const ZORISpecObject_var& existing);
  //! The interactive set the previews and manipulated bodies are shown in (not owned), and the
  //! misc flag; the set must be given before bodies are shown.
  void SetMisc(ZORISO* iso, bool misc);

  // --- queries ---
  //! The inputs of list `index` (1 or 2), in order, virtual and real entries alike.
  HRESULT GetMSList(ZORListValZORISpecObject_var& list, int index);
  //! The number of inputs in list `index`.
  HRESULT GetMSListSize(int& size, int index);
  //! `any` says whether the multi-selection holds at least one entry.
  HRESULT IsThereAnyFeatureManaged(bool& any);
  //! The template feature the real features are copied from; null after a failed initialization.
  ZORISpecObject_var GetMatrixFeature() const { return matrix_; }
  //! The single real feature once a one-result multi-selection collapsed, else the
  //! multi-selection feature.
  ZORISpecObject_var GetMultiSel() const;
  //! Appends the real features (the single one after a collapse) to `list`.
  HRESULT GetRealFeaturesList(ZORListValZORISpecObject_var& list);
  //! The features the multi-selection's entries touch, per input list; both lists emptied and
  //! E_FAIL without a multi-selection.
  HRESULT GetImpactedFeatures(ZORListValZORISpecObject_var& list1,
                              ZORListValZORISpecObject_var& list2);
  //! The same with a third list; all three emptied and E_FAIL without a multi-selection.
  HRESULT GetImpactedFeatures(ZORListValZORISpecObject_var& list1,
                              ZORListValZORISpecObject_var& list2,
                              ZORListValZORISpecObject_var& list3);
  //! The multi-selection's results, one per real feature.
  HRESULT GetResults(ZORListValZORISpecObject_var& list);
  //! The impacted features in `list1`, `list3` and `list4`, and the results in `list2`.
  HRESULT GetResults(ZORListValZORISpecObject_var& list1, ZORListValZORISpecObject_var& list2,
                     ZORListValZORISpecObject_var& list3, ZORListValZORISpecObject_var& list4);
  //! The initial positions of the real features still there; the caller owns the new list
  //! (null on failure).
  HRESULT GetRemainingRealFeatsInitialPosition(ZORRawCollint*& positions);

  // --- editing the lists ---
  //! Adds `feature` to list `index` as a new entry. With `replaceIfSingle`, a list of exactly one
  //! entry has that entry replaced instead; a multi-selection collapsed to one result with that
  //! input empty gets it filled in place. E_FAIL for a null feature.
  HRESULT Declare(const ZORISpecObject_var& feature, int index, bool replaceIfSingle);
  //! Declare in list 1.
  HRESULT Declare(const ZORISpecObject_var& feature, bool replaceIfSingle);
  //! Takes the entry of `feature` out of list `index`.
  HRESULT Remove(const ZORISpecObject_var& feature, int index);
  //! Empties list `index`.
  HRESULT RemoveAll(int index);
  //! Puts `newFeature` in the place of `oldFeature` in list `index`.
  HRESULT Replace(const ZORISpecObject_var& oldFeature, const ZORISpecObject_var& newFeature,
                  int index);
  //! Tells the multi-selection its reference element changed, so that its entries are redone.
  HRESULT RefElementChanged();
  //! Marks `feature` as a temporary child for DeleteTempChildren to delete.
  HRESULT SetDeleteTempChildren(const ZORISpecObject_var& feature);
  //! Deletes the temporary children marked with SetDeleteTempChildren.
  HRESULT DeleteTempChildren();

  // --- results and visualisation ---
  //! Takes the bodies the command computed for the entries waiting for one, in order, as their
  //! new previews (shown, appended); entries to delete have their previews hidden and dropped.
  //! `misc` is unused.
  HRESULT ValidateManipulations(ZORListPtrZORBody& bodies, bool misc);
  //! ValidateManipulations where each new body takes the place of the entry's old preview.
  HRESULT ValidateTempManipulations(ZORListPtrZORBody& bodies, bool misc);
  //! Shows again, in the interactive set, the previews of every entry not marked for deletion;
  //! E_FAIL without an interactive set.
  HRESULT Synchronize();
  //! Drops the previews of the virtual entries, keeping those of the real features.
  HRESULT SetVirtFeatsPreviewsToNull();
  //! Makes one real feature per virtual entry, a copy of the matrix with the entry's inputs.
  HRESULT ConvertVirtFeatsToRealFeats();
  //! Removes every real feature from the model, showing again the main input of those of a shape
  //! body.
  HRESULT DestroyRealFeats();
  //! Ends the multi-selection: several results stay under a private multi-selection feature; a
  //! single result takes its place in the tree (GetMultiSel then answers it), becomes the part's
  //! work object unless `noPartManagement`, and is managed as a group input with `asGroupInput`.
  HRESULT FinalizeMultisel(bool asGroupInput, bool noPartManagement);
  //! Drops the previews and creates the real features; answers E_FAIL in every case, which
  //! callers take as "go on with the update".
  HRESULT ValidateResults();

  //! Hides `feature` (ZORGuiUtilitiesServices::Hide).
  HRESULT ZORWENUINoShow(const ZORISpecObject_var& feature);
  //! Shows `feature` (ZORGuiUtilitiesServices::Show).
  HRESULT ZORWENUIShow(const ZORISpecObject_var& feature);
  //! Remembers which of the real features present at the start are shown.
  HRESULT StoreInitialShowStatusForRealFeats();
  //! Remembers which of the real features present at the start are pickable.
  HRESULT StoreInitialPickStatusForRealFeats();
  //! The real features still there that were shown at the start, for the command to give back.
  HRESULT GetInitialShowStatusForRemainingRealFeats(ZORListValZORISpecObject_var& list);
  //! The real features still there that were pickable at the start.
  HRESULT GetInitialPickStatusForRemainingRealFeats(ZORListValZORISpecObject_var& list);

  //! Shows `body`'s representation in the interactive set, once; E_FAIL without a body, a
  //! representation or an interactive set.
  HRESULT AddElementISO(ZORBody*& body);
  //! Takes `body` out of the interactive set; E_FAIL when it was not shown.
  HRESULT RemoveElementISO(ZORBody*& body);

  //! 1 when the agent's single picked path lies in a real feature of this multi-selection:
  //! `feature` becomes it and the rows of its inputs are selected in the given lists.
  int IsAnInternalOfMO(ZORWENUIFeatureAgent* agent, ZORISpecObject_var& feature,
                       ZORWENUISelectorList* list1, ZORWENUISelectorList* list2);

  // --- what tests and the driver look at ---
  //! The preview bodies, indexed from 1 as the multi-selection's preview indices are.
  const ZORListPtrZORBody& GetPreviewBodies() const { return previews_; }
  //! How many bodies are shown in the interactive set.
  int GetShownBodyCount() const { return static_cast<int>(shown_.size()); }
  //! How many real features the multi-selection held when the manager took it.
  int GetInitialRealFeatureCount() const { return initialRealCount_; }

 private:
  HRESULT RerouteSingleFeature(const ZORISpecObject_var& feature, int index, bool& goOn,
                               bool replaceIfSingle);
  //! The edited multi-selection, a new one around an edited plain feature, or a new one.
  HRESULT TakeMultiSel(const ZORISpecObject_var& existing);
  HRESULT CreateAroundPlainFeature(const ZORISpecObject_var& plain);
  HRESULT ReadPreviews(std::unique_ptr<ZORRawCollint>& indices,
                       std::unique_ptr<ZORRawCollint>& states);
  //! The preview body at a 1-based index; null for 0 or an index past the list.
  ZORBody* PreviewAt(int index) const;
  void HidePreview(int index);
  //! Answers the entry's new preview index.
  int TakeManipulatedBody(ZORBody* body, int oldIndex, bool replaceInPlace);
  void SelectInputRow(const ZORIWENMultiSelAccess_var& access, int index,
                      ZORWENUISelectorList* list);
  void StoreInitialStatus(std::vector<int>& status, int (*isOff)(const ZORISpecObject_var&));
  HRESULT GetInitialStatusForRemaining(const std::vector<int>& status,
                                       ZORListValZORISpecObject_var& list);
  void ReleasePreviews();

  //! One shown body with the element that carries its representation in the interactive set.
  struct Shown {
    ZORBody* body;
    ZORSt3DISO_var element;
  };

  ZORIWENMultiSel_var multiSel_;
  ZORISpecObject_var matrix_;
  ZORListPtrZORBody previews_;
  ZORISO* iso_ = nullptr;
  ZORGeoFactory_var factory_;
  int initialRealCount_ = 0;
  std::vector<int> initialPick_;
  std::vector<int> initialShow_;
  bool misc_ = false;
  bool tempValidation_ = false;
  ZORISpecObject_var singleRealFeature_;
  //! Shown bodies in the order they were added, each once; the index finds a body's entry
  //! without a walk.
  std::list<Shown> shown_;
  std::unordered_map<const ZORBody*, std::list<Shown>::iterator> shownIndex_;
};
