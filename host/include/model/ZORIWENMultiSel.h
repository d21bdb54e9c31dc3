#pragma once
// A multi-selection feature: one command's inputs gathered in two lists, one entry per input
// (or pair of inputs), and as its children the real features that entries became.
//
// Entries come in one order: first the C entries that stand for the C real features (in child
// order), then the virtual entries (the previews that become real features at OK). Each entry
// carries a preview index (1-based position of its preview in the caller's preview list, 0 for
// none) and a preview state: 0 up to date, 1 a new preview is expected, 2 withdrawn.
//
// List indices are 1 or 2; any other index gives E_FAIL before anything is touched. Lists given
// for output are emptied first.

#include <memory>

#include "ZORListValZORISpecObject_var.h"
#include "ZORRawColl.h"

class ZORIWENMultiSel : public virtual ZORBaseUnknown {
  ZOR_DECLARE_INTERFACE(ZORIWENMultiSel)

  // --- input lists ---
  // The inputs of list `index` held by the entries that are not withdrawn, in entry order.
  virtual HRESULT GetInputList(ZORListValZORISpecObject_var& inputs, int index) = 0;
  virtual HRESULT GetInputListSize(int& size, int index) = 0;
  // Declares `input` in list `index`: the first entry that lacks an input of that list while
  // holding one of the other list gets it (so list-1 and list-2 inputs pair up in order);
  // otherwise a new virtual entry is made. Either way the entry expects a new preview (state 1).
  virtual HRESULT Declare(const ZORISpecObject_var& input, int index) = 0;
  // Withdraws the first entry holding `input` in list `index` (state 2); an entry that still
  // holds an input of the other list only loses that input and expects a new preview.
  virtual HRESULT RemoveInput(const ZORISpecObject_var& input, int index) = 0;
  virtual HRESULT RemoveAllInputs(int index) = 0;
  // The first entry holding `oldInput` in list `index` holds `newInput` instead (state 1). For
  // an entry of a real feature, the real feature's input changes too.
  virtual HRESULT ReplaceInput(const ZORISpecObject_var& oldInput,
                               const ZORISpecObject_var& newInput, int index) = 0;
  // The command's reference element changed: every entry expects a new preview.
  virtual HRESULT RefElementChanged() = 0;
  // Marks a feature whose children are temporary, then deletes them from the model.
  virtual HRESULT SetDeleteTempChildren(const ZORISpecObject_var& feature) = 0;
  virtual HRESULT DeleteTempChildren() = 0;

  // --- previews ---
  // Two new parallel lists, one item per entry, real features first.
  virtual HRESULT GetPreviews(std::unique_ptr<ZORRawCollint>& indices,
                              std::unique_ptr<ZORRawCollint>& states) = 0;
  // Writes both lists back. Their size is the number of entries, or that number less the
  // withdrawn virtual entries (which are then dropped); empty lists drop every preview (the
  // withdrawn virtual entries go, the others keep no preview and are up to date). States are
  // 0..2, indices >= 0; anything else gives E_FAIL and changes nothing.
  virtual HRESULT SetPreviews(const ZORRawCollint& indices, const ZORRawCollint& states) = 0;

  // --- real and virtual features ---
  // The real features: the children that answer ZORIWENMultiSelAccess, in child order.
  virtual int GetNumberOfRealFeatures() = 0;
  virtual HRESULT GetRealFeatures(ZORListValZORISpecObject_var& features) = 0;
  // The inputs of the virtual entries that are not withdrawn, as two parallel lists (a missing
  // input is a null item); the second list is empty when no entry has an input of list 2.
  virtual HRESULT GetVirtualInputs(ZORListValZORISpecObject_var& inputs1,
                                   ZORListValZORISpecObject_var& inputs2) = 0;
  // Appends, for each real feature that was there at the start and remains, its 1-based
  // position among the real features of the start.
  virtual HRESULT GetRemainingRealFeatsInitialPosition(ZORRawCollint& positions) = 0;
  // The real features whose entries are withdrawn: the finishing operation removes them.
  virtual HRESULT GetFeaturesToRemove(ZORListValZORISpecObject_var& features) = 0;
  // What OK changes: the list-1 inputs of the virtual entries (features to create), the real
  // features to remove and, in the three-list form, the real features whose inputs changed.
  virtual HRESULT GetImpactedFeatures(ZORListValZORISpecObject_var& created,
                                      ZORListValZORISpecObject_var& removed) = 0;
  virtual HRESULT GetImpactedFeatures(ZORListValZORISpecObject_var& created,
                                      ZORListValZORISpecObject_var& removed,
                                      ZORListValZORISpecObject_var& modified) = 0;
  // The real features that stay (not withdrawn).
  virtual HRESULT GetResults(ZORListValZORISpecObject_var& results) = 0;
  virtual HRESULT IsThereAnyFeatureManaged(bool& any) = 0;

  // --- lifecycle ---
  // Start of an edition: the real features present now keep their positions as initial ones.
  virtual HRESULT StartMultiSel() = 0;
  // End of OK: removes the real features of withdrawn entries and drops the virtual entries,
  // so that every entry is a real feature.
  virtual HRESULT FinishMultiSel() = 0;
  // Drops the virtual entries and every preview index.
  virtual HRESULT CleanMultiSel() = 0;
};

ZOR_DEFINE_IID(ZORIWENMultiSel);
using ZORIWENMultiSel_var = ZORVar<ZORIWENMultiSel>;
