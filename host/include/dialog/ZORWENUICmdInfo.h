#pragma once
// What starts a feature's creation command: the datum mode, the working part, the selector
// contextual item, and the name of the feature's class (or the start-up name that stands for
// it). A shared information of the workbench is built once with the kind of results its
// commands make.

#include <optional>

#include "ZORPathElement.h"
#include "ZORString.h"
#include "ZORUnicodeString.h"
#include "ZORWENUIStateCmdInfo.h"

class ZORWENUICmdInfo : public ZORWENUIStateCmdInfo {
 public:
  // Kinds of results: datums (no history) or features with their history.
  static constexpr int kDatumResults = 1;
  static constexpr int kHistoryResults = 2;

  explicit ZORWENUICmdInfo(int resultKind = kHistoryResults) : resultKind_(resultKind) {}

  int GetResultKind() const { return resultKind_; }

  // The working part; null clears it.
  void SetWorkingPart(const ZORPathElement* path);
  const ZORPathElement* GetWorkingPart() const { return workingPart_ ? &*workingPart_ : nullptr; }

  void SetSelectorContextualItem(const ZORString& item) { selectorItem_ = item; }
  const ZORString& GetSelectorContextualItem() const { return selectorItem_; }

  void SetClassName(const ZORString& name) { className_ = name; }
  const ZORString& GetClassName() const { return className_; }
  void SetStartUpName(const ZORUnicodeString& name) { startUpName_ = name; }
  const ZORUnicodeString& GetStartUpName() const { return startUpName_; }

 private:
  int resultKind_;
  std::optional<ZORPathElement> workingPart_;
  ZORString selectorItem_;
  ZORString className_;
  ZORUnicodeString startUpName_;
};
