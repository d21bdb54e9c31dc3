#pragma once
// The working of a multi-selection feature's ZORIWENMultiSel operations over its
// ZORMultiSelState, with the indexes that keep them near-linear: entry positions by input for
// each list, and the entries open to a declaration in each list. The indexes and the binding of
// new children to virtual entries are derived: they are rebuilt when the feature's children or
// its entries change behind their back (tree changes, undo, a real feature's inputs).

#include <memory>
#include <set>
#include <vector>

#include "ZORListValZORISpecObject_var.h"
#include "ZORMultiSelState.h"
#include "ZORPointerMap.h"
#include "ZORRawColl.h"

class ZORFeature;

class ZORMultiSelModel {
 public:
  explicit ZORMultiSelModel(ZORFeature& owner) : owner_(owner) {}

  // The feature's children changed: real entries are bound again on next use.
  void ChildrenChanged() { bound_ = false; }
  // The entries or a real feature's inputs changed outside this model.
  void EntriesChanged() { indexed_ = false; }

  HRESULT GetInputList(ZORListValZORISpecObject_var& inputs, int index);
  HRESULT GetInputListSize(int& size, int index);
  HRESULT Declare(const ZORISpecObject_var& input, int index);
  HRESULT RemoveInput(const ZORISpecObject_var& input, int index);
  HRESULT RemoveAllInputs(int index);
  HRESULT ReplaceInput(const ZORISpecObject_var& oldInput, const ZORISpecObject_var& newInput,
                       int index);
  HRESULT RefElementChanged();
  HRESULT SetDeleteTempChildren(const ZORISpecObject_var& feature);
  HRESULT DeleteTempChildren();

  HRESULT GetPreviews(std::unique_ptr<ZORRawCollint>& indices,
                      std::unique_ptr<ZORRawCollint>& states);
  HRESULT SetPreviews(const ZORRawCollint& indices, const ZORRawCollint& states);

  int GetNumberOfRealFeatures();
  HRESULT GetRealFeatures(ZORListValZORISpecObject_var& features);
  HRESULT GetVirtualInputs(ZORListValZORISpecObject_var& inputs1,
                           ZORListValZORISpecObject_var& inputs2);
  HRESULT GetRemainingRealFeatsInitialPosition(ZORRawCollint& positions);
  HRESULT GetFeaturesToRemove(ZORListValZORISpecObject_var& features);
  HRESULT GetImpactedFeatures(ZORListValZORISpecObject_var& created,
                              ZORListValZORISpecObject_var& removed,
                              ZORListValZORISpecObject_var* modified);
  HRESULT GetResults(ZORListValZORISpecObject_var& results);
  HRESULT IsThereAnyFeatureManaged(bool& any);

  HRESULT Start();
  HRESULT Finish();
  HRESULT Clean();

  // "entries=N real=C withdrawn=W" for the document dump.
  std::string Describe();

 private:
  using Entry = ZORMultiSelState::Entry;
  static constexpr int kUpToDate = 0;
  static constexpr int kExpected = 1;
  static constexpr int kWithdrawn = 2;

  ZORMultiSelState& State();
  // Binds the real entries to the children that answer ZORIWENMultiSelAccess, in child order;
  // a new child takes the first virtual entry that is not withdrawn.
  void Bind();
  void Index();
  // Bound and indexed state, ready for a lookup.
  ZORMultiSelState& Ready();
  ZORFeature* InputOf(const Entry& entry, int list) const;
  bool SetInputOf(Entry& entry, int list, ZORFeature* input);
  static bool IsLive(const Entry& entry) { return entry.previewState != kWithdrawn; }
  // Position (0-based) of the first live entry holding `input` in `list`; -1 when none.
  long Find(const ZORFeature* input, int list) const;
  void IndexEntry(std::size_t position);
  void UnindexInput(std::size_t position, int list);
  // The input of `list` leaves the entry at `position`; withdrawn when it held nothing else.
  void Withdraw(std::size_t position, int list);
  // Keeps the entries for which `keep` answers true, in order.
  template <class Keep>
  void KeepEntries(Keep keep);

  // The positions of the live entries naming one input, ascending. Most inputs are named by one
  // entry: that one is held without a node of its own.
  class Positions {
   public:
    void Insert(std::size_t position);
    void Erase(std::size_t position);
    std::size_t First() const { return first_; }
    bool Empty() const { return first_ == kNone; }

   private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t first_ = kNone;
    std::unique_ptr<std::set<std::size_t>> rest_;  // the positions after the first
  };

  ZORFeature& owner_;
  bool bound_ = false;
  bool indexed_ = false;
  // Per list (0, 1): positions of live entries by input, ascending (an input shared by every
  // entry must not cost a pass on each withdrawal); positions of live entries lacking that
  // list's input while holding the other's.
  ZORPointerMap<ZORFeature, Positions> byInput_[2];
  std::set<std::size_t> open_[2];
};
