#pragma once
// An update run as the user asks for one: the elements given, and with update-all the features
// that use them, are brought up to date in one run of the update engine. The features that
// failed are kept for the caller, who may write them into an update report; the reports stay
// with the host (the user's update report panel) until a later run that destroys old reports.

#include <string>
#include <vector>

#include "ZORFeature.h"
#include "ZORFeatureList.h"
#include "ZORListValZORISpecObject_var.h"

class ZORUpdateUI : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORUpdateUI, ZORBaseUnknown, ZORMetaObject::Implementation, "System")

  static constexpr int kUpdateAction = 1;

  // One report: the mode it was asked with, then one "name: diagnostic" line per failure.
  struct Report {
    int mode = 0;
    std::vector<std::string> lines;
  };

  // A new update object (the caller owns its reference); null when the service fails.
  static ZORUpdateUI* CreateUpdateUI();

  ZORUpdateUI() = default;

  // With 1, each feature the run recomputed is redrawn. Default 0.
  void SetUpdateVisuArg(int on) { visualize_ = on; }
  int GetUpdateVisuArg() const { return visualize_; }
  // With 1, the features that use the elements (directly or not) are updated too. Default 1.
  void SetUpdateAllArg(int on) { updateAll_ = on; }
  int GetUpdateAllArg() const { return updateAll_; }
  // With 1, the run drops the reports of earlier runs. Default 1.
  void SetDestroyOldReport(int on) { destroyOldReport_ = on; }
  int GetDestroyOldReport() const { return destroyOldReport_; }
  // Only kUpdateAction runs; default kUpdateAction.
  void SetAction(int action) { action_ = action; }
  int GetAction() const { return action_; }

  // E_FAIL for an object that is not a feature; an element given twice is updated once.
  HRESULT AddElement(const ZORBaseUnknown_var& feature);
  // S_OK when every element (and user) is up to date afterwards, E_FAIL otherwise;
  // E_INVALIDARG for another action than kUpdateAction.
  HRESULT Run();
  // The features that failed in the last run, in the order they failed.
  HRESULT GetErrorFeatures(ZORListValZORISpecObject_var& features);
  // Writes the failures of the last run into a new report; S_FALSE (and no report) when nothing
  // failed.
  HRESULT CreateReport(int mode = 0);

  // The host's update reports, oldest first.
  static const std::vector<Report>& GetReports();
  static void ClearReports();

 private:
  // The elements, then (with update-all) every feature that uses one of them, each once.
  std::vector<ZORFeature*> FeaturesToUpdate() const;
  // An element with a progress bar (ZORIInterrupt) that came up to date shows its bar full.
  static void CompleteProgress(ZORFeature& feature);

  int visualize_ = 0;
  int updateAll_ = 1;
  int destroyOldReport_ = 1;
  int action_ = kUpdateAction;
  ZORFeatureList elements_;  // each once, in the order given
  std::vector<ZORFeature_var> failed_;
};

using ZORUpdateUI_var = ZORVar<ZORUpdateUI>;
