#pragma once
//! \class ZORWENUIUpdateErrorMS
//! The command that repairs the features an update left in error. Its panel lists them, one row
//! each with their parent(s) and diagnosis; the user deletes them, deactivates them, or picks a
//! new parent (input) for one of them. With the multi-selection manager of the command that made
//! them, deleting or re-parenting goes through the manager's input lists, so that the
//! multi-selection stays the owner of its results.
//!
//! States: "state1" (the panel), "state2" (a new first parent is being picked), "state3" (a new
//! second parent is being picked). The six buttons of the panel value one dialog agent each;
//! the replace agent "_Replace" acquires the new parent.

#include <vector>

#include "ZORListValZORISpecObject_var.h"
#include "ZORMMUIPanelStateCmd.h"
#include "ZORVar.h"
#include "ZORWENUIUpdateErrorMSPanel.h"
#include "ZORWENUIUpdateErrorMSReplaceAgent.h"
#include "ZORWENUIUpdateErrorMSRows.h"

class ZORWENMSManager;

class ZORWENUIUpdateErrorMS : public ZORMMUIPanelStateCmd {
  ZOR_DECLARE_CLASS(ZORWENUIUpdateErrorMS, ZORMMUIPanelStateCmd, ZORMetaObject::Implementation,
                    "WENUI")

  //! The command's behaviour setting.
  static constexpr int kBehavior = 0x4000;

  //! `manager` is the multi-selection manager of the command that made the features; it is not
  //! owned and may be null.
  ZORWENUIUpdateErrorMS(const ZORString& name, const ZORListValZORISpecObject_var& featuresInError,
                        ZORCommandMode mode, ZORWENMSManager* manager);
  //! Releases the agents and lets the panel go.
  ~ZORWENUIUpdateErrorMS() override;

  //! Builds the panel with one row per feature, then the agents, states and transitions. A
  //! feature whose list-1 input cannot be read ends it with an empty panel and no state.
  void BuildGraph() override;

  //! Lets the panel go and releases the agents.
  int Cancel(ZORCommand* caller, ZORNotification* notification) override;

  //! The update-error panel; null before BuildGraph and after Cancel.
  ZORWENUIUpdateErrorMSPanel* GiveMyPanel() override { return panel_.get(); }

  // --- actions: each answers true so that the state machine goes on, but a replace without a
  // picked parent ---
  //! Deactivates the features of the selected rows and takes their rows out.
  bool DeactivateFeatures(ZORCallbackData data);
  //! Deletes the features of the selected rows (through the manager's lists when there is one)
  //! and takes out the rows of those that went.
  bool DeleteFeatures(ZORCallbackData data);
  //! Deactivates every listed feature and empties the panel.
  bool DeactivateAllFeatures(ZORCallbackData data);
  //! Deletes every listed feature; the rows of those that could not go stay.
  bool DeleteAllFeatures(ZORCallbackData data);
  //! Gives the one selected feature the picked feature as its first parent; its row leaves when
  //! that worked. false, nothing changed, without a picked feature.
  bool ReplaceFirstParent(ZORCallbackData data) { return ReplaceParent(data, 1); }
  //! The same for the second parent (features made from two inputs).
  bool ReplaceSecondParent(ZORCallbackData data) { return ReplaceParent(data, 2); }
  //! Entry into a replace state (a parent is to be picked); nothing to do, answers true.
  bool ReplaceParentInit(ZORCallbackData data);

  // --- conditions: true lets the transition fire ---
  //! Exactly one row selected; several show an internal error over the panel.
  bool IsOneLineSelected(ZORCallbackData data);
  //! The picked feature is not an input of the multi-selection already (else an input error).
  bool IsFeatureNotAlreadySelected(ZORCallbackData data);
  //! Filter of the replace agent: a result of the multi-selection cannot become a parent.
  bool IsAFeatureInCurrentMO(ZORDialogAgent* agent, ZORCallbackData data);

  //! The features still listed, row r at position r + 1.
  ZORListValZORISpecObject_var GetFeaturesInError() const { return rows_.Features(); }

 private:
  //! Gathers the parents and diagnoses of the features; false when a list-1 query failed.
  bool GatherRows(ZORListValZORUnicodeString& diagnoses);
  void CreateAgents();
  void CreateStatesAndTransitions();
  void ReleaseAgents();

  //! The selected rows that stand for a listed feature, ascending.
  std::vector<int> SelectedRows() const;
  //! Repairs of one feature; each answers whether the feature leaves the list.
  bool DeleteFeature(const ZORISpecObject_var& feature);
  bool ReplaceParentOf(const ZORISpecObject_var& feature, const ZORISpecObject_var& parent,
                       int index);
  //! Takes the rows (ascending) out of the lists and of the panel.
  void RemoveRows(const std::vector<int>& rows);
  void RemoveAllRows();
  //! ReplaceFirstParent and ReplaceSecondParent.
  bool ReplaceParent(ZORCallbackData data, int index);
  //! Forgets the pick of the replace agent, and its highlight, for a new one.
  void RearmReplaceAgent();
  //! Shows `error` in an error panel over the update-error panel, then lets it go.
  void ShowError(ZORError* error);

  ZORVar<ZORWENUIUpdateErrorMSReplaceAgent> replaceAgent_;
  ZORVar<ZORDialogAgent> deactivateAgent_;
  ZORVar<ZORDialogAgent> deleteAgent_;
  ZORVar<ZORDialogAgent> deactivateAllAgent_;
  ZORVar<ZORDialogAgent> deleteAllAgent_;
  ZORVar<ZORDialogAgent> replaceParentAgent_;
  ZORVar<ZORDialogAgent> replaceParent2Agent_;
  //! The panel belongs to its window; this reference keeps it until the command goes.
  ZORVar<ZORWENUIUpdateErrorMSPanel> panel_;
  ZORWENMSManager* manager_;  // the making command's; not owned
  //! The features in error with their parents, one per row of the panel.
  ZORWENUIUpdateErrorMSRows rows_;
  //! Features made from two inputs ("WENIntersect"): two parent columns, and deleting one with a
  //! manager drops its temporary children and deactivates it.
  bool twoParents_ = false;
};
