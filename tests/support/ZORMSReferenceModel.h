#pragma once
// A plain reference model of a multi-selection manager and its multi-selection feature: the two
// input lists as entries (real ones first), each entry's preview index and state, the preview
// bodies, the bodies shown in the interactive set, the bodies handed back to the geometric
// factory, and the real features put in no-show. Inputs are small integers naming test
// features; bodies are opaque pointers that are never dereferenced.

#include <cstddef>
#include <set>
#include <vector>

#include "ZORBaseUnknown.h"

class ZORBody;

class ZORMSReferenceModel {
 public:
  static constexpr int kNone = -1;
  static constexpr int kUpToDate = 0;
  static constexpr int kExpected = 1;
  static constexpr int kWithdrawn = 2;

  struct Entry {
    int input[2] = {kNone, kNone};
    int real = 0;  // 1-based position among the real features; 0 for a virtual entry
    int previewIndex = 0;
    int previewState = kExpected;
  };

  // An existing real feature with its two inputs, up to date and without preview.
  void AddReal(int input1, int input2) {
    Entry entry;
    entry.input[0] = input1;
    entry.input[1] = input2;
    entry.real = ++realCount_;
    entry.previewState = kUpToDate;
    entries_.push_back(entry);
    hiddenReals_.push_back(false);
  }

  HRESULT Declare(int input, int list, bool replaceIfSingle) {
    if (!IsList(list) || input == kNone) return E_FAIL;
    const int l = list - 1;
    if (replaceIfSingle) {
      const std::vector<int> current = List(list);
      if (current.size() == 1) return Replace(current.front(), input, list);
    } else if (realCount_ == 1 && entries_.front().input[l] == kNone) {
      // A lone real feature still missing this input takes it directly.
      entries_.front().input[l] = input;
      return S_OK;
    }
    for (Entry& entry : entries_) {
      if (IsOpen(entry, l)) {
        entry.input[l] = input;
        entry.previewState = kExpected;
        return S_OK;
      }
    }
    Entry entry;
    entry.input[l] = input;
    entries_.push_back(entry);
    return S_OK;
  }

  HRESULT Remove(int input, int list) {
    if (!IsList(list)) return E_FAIL;
    Entry* entry = Find(input, list - 1);
    if (!entry) return E_FAIL;
    Withdraw(*entry, list - 1);
    return S_OK;
  }

  HRESULT RemoveAll(int list) {
    if (!IsList(list)) return E_FAIL;
    for (Entry& entry : entries_) {
      if (IsLive(entry) && entry.input[list - 1] != kNone) Withdraw(entry, list - 1);
    }
    return S_OK;
  }

  HRESULT Replace(int oldInput, int newInput, int list) {
    if (!IsList(list) || newInput == kNone) return E_FAIL;
    Entry* entry = Find(oldInput, list - 1);
    if (!entry) return E_FAIL;
    entry->input[list - 1] = newInput;
    entry->previewState = kExpected;
    return S_OK;
  }

  HRESULT RefElementChanged() {
    for (Entry& entry : entries_) {
      if (IsLive(entry)) entry.previewState = kExpected;
    }
    return S_OK;
  }

  // The k-th given body (null allowed) becomes the preview of the k-th entry that expects one.
  HRESULT Validate(const std::vector<ZORBody*>& bodies, bool temporary) {
    std::vector<Entry> kept;
    std::size_t k = 0;
    for (Entry entry : entries_) {
      if (entry.real) {
        if (entry.previewState == kExpected) entry.previewState = kUpToDate;
        if (entry.previewState == kWithdrawn) hiddenReals_[Slot(entry.real)] = true;
      } else if (entry.previewState == kExpected && k < bodies.size()) {
        entry.previewIndex = TakeBody(bodies[k++], entry.previewIndex, temporary);
        entry.previewState = kUpToDate;
      } else if (entry.previewState == kWithdrawn) {
        Hide(entry.previewIndex);
        continue;
      }
      kept.push_back(entry);
    }
    entries_ = std::move(kept);
    return S_OK;
  }

  HRESULT Synchronize() {
    for (ZORBody* body : previews_) shown_.erase(body);
    for (const Entry& entry : entries_) {
      if (entry.previewState != kWithdrawn && entry.previewIndex != 0) {
        shown_.insert(PreviewAt(entry.previewIndex));
      }
    }
    return S_OK;
  }

  HRESULT SetPreviewsToNull() {
    std::vector<Entry> kept;
    for (Entry entry : entries_) {
      if (!entry.real) {
        Hide(entry.previewIndex);
        if (entry.previewState == kWithdrawn) continue;
        entry.previewIndex = 0;
        entry.previewState = kUpToDate;
      }
      kept.push_back(entry);
    }
    entries_ = std::move(kept);
    return S_OK;
  }

  // The inputs of a list as the manager lists them: live entries, in order.
  std::vector<int> List(int list) const {
    std::vector<int> inputs;
    for (const Entry& entry : entries_) {
      if (IsLive(entry) && entry.input[list - 1] != kNone) inputs.push_back(entry.input[list - 1]);
    }
    return inputs;
  }

  std::vector<int> Indices() const {
    std::vector<int> indices;
    for (const Entry& entry : entries_) indices.push_back(entry.previewIndex);
    return indices;
  }

  std::vector<int> States() const {
    std::vector<int> states;
    for (const Entry& entry : entries_) states.push_back(entry.previewState);
    return states;
  }

  bool IsAnyManaged() const {
    for (const Entry& entry : entries_) {
      if (IsLive(entry)) return true;
    }
    return false;
  }

  bool IsRealHidden(int real) const { return hiddenReals_[Slot(real)]; }
  const std::vector<ZORBody*>& Previews() const { return previews_; }
  const std::set<ZORBody*>& Shown() const { return shown_; }
  // Bodies that the manager must have taken out of the geometric factory.
  const std::vector<ZORBody*>& Discarded() const { return discarded_; }

 private:
  static bool IsList(int list) { return list == 1 || list == 2; }
  static bool IsLive(const Entry& entry) { return entry.previewState != kWithdrawn; }
  static std::size_t Slot(int real) { return static_cast<std::size_t>(real - 1); }

  // A virtual entry that waits for an input of list `l` next to the one it holds.
  static bool IsOpen(const Entry& entry, int l) {
    return IsLive(entry) && !entry.real && entry.input[l] == kNone && entry.input[1 - l] != kNone;
  }

  Entry* Find(int input, int l) {
    if (input == kNone) return nullptr;
    for (Entry& entry : entries_) {
      if (IsLive(entry) && entry.input[l] == input) return &entry;
    }
    return nullptr;
  }

  // A virtual entry that keeps its other input waits for a new one; anything else is dropped.
  static void Withdraw(Entry& entry, int l) {
    if (!entry.real && entry.input[1 - l] != kNone) {
      entry.input[l] = kNone;
      entry.previewState = kExpected;
      return;
    }
    entry.previewState = kWithdrawn;
  }

  ZORBody* PreviewAt(int index) const {
    return index >= 1 && static_cast<std::size_t>(index) <= previews_.size()
               ? previews_[static_cast<std::size_t>(index - 1)]
               : nullptr;
  }

  void Hide(int index) {
    if (ZORBody* body = PreviewAt(index)) shown_.erase(body);
  }

  int TakeBody(ZORBody* body, int oldIndex, bool temporary) {
    Hide(oldIndex);
    if (!body) return 0;
    shown_.insert(body);
    if (temporary && PreviewAt(oldIndex)) {
      discarded_.push_back(PreviewAt(oldIndex));
      previews_[static_cast<std::size_t>(oldIndex - 1)] = body;
      return oldIndex;
    }
    previews_.push_back(body);
    return static_cast<int>(previews_.size());
  }

  std::vector<Entry> entries_;
  int realCount_ = 0;
  std::vector<bool> hiddenReals_;
  std::vector<ZORBody*> previews_;
  std::set<ZORBody*> shown_;
  std::vector<ZORBody*> discarded_;
};
