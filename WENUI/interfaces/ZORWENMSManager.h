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
  ~ZORWENMSManager() override;
  ZORWENMSManager(const ZORWENMSManager&) = delete;
  ZORWENMSManager& operator=(const ZORWENMSManager&) = delete;

  HRESULT InitializeManager(const ZORISpecObject_var& matrix, const ZORISpecObject_var& existing);
  void SetMisc(ZORISO* iso, bool misc);

  //! --- queries ---
  HRESULT GetMSList(ZORListValZORISpecObject_var& list, int index);
  HRESULT GetMSListSize(int& size, int index);
  HRESULT IsThereAnyFeatureManaged(bool& any);
  ZORISpecObject_var GetMatrixFeature() const { return matrix_; }
  //! The single real feature once a one-result multi-selection collapsed, else the
  //! multi-selection feature.
  ZORISpecObject_var GetMultiSel() const;
  HRESULT GetRealFeaturesList(ZORListValZORISpecObject_var& list);
  HRESULT GetImpactedFeatures(ZORListValZORISpecObject_var& list1,
                              ZORListValZORISpecObject_var& list2);
  HRESULT GetImpactedFeatures(ZORListValZORISpecObject_var& list1,
                              ZORListValZORISpecObject_var& list2,
                              ZORListValZORISpecObject_var& list3);
  HRESULT GetResults(ZORListValZORISpecObject_var& list);
  HRESULT GetResults(ZORListValZORISpecObject_var& list1, ZORListValZORISpecObject_var& list2,
                     ZORListValZORISpecObject_var& list3, ZORListValZORISpecObject_var& list4);
  //! The caller owns the new list.
  HRESULT GetRemainingRealFeatsInitialPosition(ZORRawCollint*& positions);

  //! --- editing the lists ---
  HRESULT Declare(const ZORISpecObject_var& feature, int index, bool replaceIfSingle);
  HRESULT Declare(const ZORISpecObject_var& feature, bool replaceIfSingle);
  HRESULT Remove(const ZORISpecObject_var& feature, int index);
  HRESULT RemoveAll(int index);
  HRESULT Replace(const ZORISpecObject_var& oldFeature, const ZORISpecObject_var& newFeature,
                  int index);
  HRESULT RefElementChanged();
  HRESULT SetDeleteTempChildren(const ZORISpecObject_var& feature);
  HRESULT DeleteTempChildren();

  //! --- results and visualisation ---
  HRESULT ValidateManipulations(ZORListPtrZORBody& bodies, bool misc);
  HRESULT ValidateTempManipulations(ZORListPtrZORBody& bodies, bool misc);
  HRESULT Synchronize();
  HRESULT SetVirtFeatsPreviewsToNull();
  HRESULT ConvertVirtFeatsToRealFeats();
  HRESULT DestroyRealFeats();
  HRESULT FinalizeMultisel(bool asGroupInput, bool noPartManagement);
  //! Drops the previews and creates the real features; answers E_FAIL in every case, which
  //! callers take as "go on with the update".
  HRESULT ValidateResults();

  HRESULT ZORWENUINoShow(const ZORISpecObject_var& feature);
  HRESULT ZORWENUIShow(const ZORISpecObject_var& feature);
  HRESULT StoreInitialShowStatusForRealFeats();
  HRESULT StoreInitialPickStatusForRealFeats();
  HRESULT GetInitialShowStatusForRemainingRealFeats(ZORListValZORISpecObject_var& list);
  HRESULT GetInitialPickStatusForRemainingRealFeats(ZORListValZORISpecObject_var& list);

  HRESULT AddElementISO(ZORBody*& body);
  HRESULT RemoveElementISO(ZORBody*& body);

  //! 1 when the agent's single picked path lies in a real feature of this multi-selection:
  //! `feature` becomes it and the rows of its inputs are selected in the given lists.
  int IsAnInternalOfMO(ZORWENUIFeatureAgent* agent, ZORISpecObject_var& feature,
                       ZORWENUISelectorList* list1, ZORWENUISelectorList* list2);

  //! --- what tests and the driver look at ---
  const ZORListPtrZORBody& GetPreviewBodies() const { return previews_; }
  int GetShownBodyCount() const { return static_cast<int>(shown_.size()); }
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
