#pragma once
//! \class ZORWENUIStateCommandDelegate
//! The companion of a feature command: keeps what the command must give back when it ends or is
//! interrupted (show and pick status of the edited feature, the highlighted set) and the
//! orientation of the edited result at the start of an edition, which it checks at OK. In
//! multi-selection mode it does the same for each real feature through the command's manager.

#include <memory>
#include <unordered_set>
#include <vector>

#include "ZORISpecObject.h"
#include "ZORMathLine.h"
#include "ZORSO.h"

class ZORWENUIStateCommand;

class ZORWENUIStateCommandDelegate : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORWENUIStateCommandDelegate, ZORBaseUnknown, ZORMetaObject::Implementation,
                    "WENUI")

  //! Success code of a store operation whose work was already done (the first store wins), and
  //! of RestoreHSO when no highlight was stored.
  static constexpr HRESULT kAlreadyStored = 1;

  //! A delegate without command is inert: its operations fail.
  ZORWENUIStateCommandDelegate(ZORWENUIStateCommand* command, unsigned char visibleDuringEdition);
  //! Lets go of the stored orientations and highlight; gives nothing back by itself.
  ~ZORWENUIStateCommandDelegate() override;

  //! The command it serves (not owned); null for an inert delegate.
  ZORWENUIStateCommand* GetCommand() const { return command_; }
  //! Whether the edited feature is to be shown (1) or hidden (0) while the command runs.
  int IsVisibleDuringEdition() const { return visibleDuringEdition_; }
  //! -1 not stored; 0 already unpickable; 1 made unpickable by the delegate.
  int GetPickStatus() const { return pickStatus_; }
  //! -1 not stored; 0 the delegate changed the visibility; 1 it left it.
  int GetShowStatus() const { return showStatus_; }
  //! The orientation stored for a single edited feature; null when none was stored.
  const ZORMathLine* GetStoredOrientation() const { return storedOrientation_.get(); }
  //! How many orientations were stored for the children of an edited multi-selection.
  int GetOrientationCount() const { return static_cast<int>(storedOrientations_.size()); }
  //! The orientation stored for the child at 1-based `index`; null for a child without one or an
  //! index out of range.
  const ZORMathLine* GetStoredOrientation(int index) const;

  //! Whether the command works on a multi-selection feature through a manager.
  bool isMSModeOn();

  //! Shows or hides `feature` as IsVisibleDuringEdition asks, remembering whether it changed it,
  //! and the show states of a multi-selection's real features; kAlreadyStored the second time.
  HRESULT StoreShowStatus(const ZORISpecObject_var& feature);
  //! Undoes what StoreShowStatus changed on `feature` and gives the real features of a
  //! multi-selection their initial show states back.
  HRESULT RestoreShowStatus(const ZORISpecObject_var& feature);
  //! Makes `feature` unpickable while the command runs (so that it cannot be picked as its own
  //! input), remembering whether it was already; kAlreadyStored the second time.
  HRESULT StorePickStatus(const ZORISpecObject_var& feature);
  //! Makes `feature` pickable again when StorePickStatus changed it; real features of a
  //! multi-selection become pickable unless they were not at the start.
  HRESULT RestorePickStatus(const ZORISpecObject_var& feature);
  //! Copies the command's highlighted set, when not empty, to give it back on RestoreHSO.
  HRESULT StoreHSO();
  //! Puts the stored highlighted set back in place of the current one, once; kAlreadyStored
  //! when none was stored.
  HRESULT RestoreHSO();
  //! Stores the orientation of the edited result, or of each child of an edited multi-selection,
  //! for CheckOrientations at OK; kAlreadyStored the second time.
  HRESULT StoreOrientations(const ZORISpecObject_var& feature);
  //! The orientation line of `feature`: its tangent at the start of a curve, its normal at the
  //! origin of a plane; none (result 1) for another geometry. E_FAIL for a surface that is not
  //! a plane.
  HRESULT InstanciateOrientation(const ZORISpecObject_var& feature,
                                 std::unique_ptr<ZORMathLine>& line);
  //! Checks the results against the stored orientations; `changed` counts the orientation
  //! questions started, one per result that turned over while other features depend on it.
  HRESULT CheckOrientations(const ZORISpecObject_var& feature, int mode, int& changed);
  //! Checks one result against `stored`, starting an orientation question when it turned over
  //! while other features depend on it; E_FAIL without a feature or stored orientation.
  HRESULT CheckSingleOrientation(const ZORISpecObject_var& feature, const ZORMathLine* stored,
                                 int mode, int& changed);

 private:
  HRESULT StoreMultiSelOrientations(const ZORISpecObject_var& feature);
  HRESULT CheckMultiSelOrientations(const ZORISpecObject_var& feature, int mode, int& changed);
  using Identities = std::unordered_set<const ZORBaseUnknown*>;
  //! The matrix and real features of the multi-selection `father`; none for another father.
  Identities MultiSelMembers(const ZORISpecObject_var& father);
  //! Whether features other than the father and `members` use `feature`.
  HRESULT HasDependents(const ZORISpecObject_var& feature, const Identities& members,
                        bool& dependents);
  //! CheckSingleOrientation with the members of the feature's multi-selection known.
  HRESULT CheckOrientation(const ZORISpecObject_var& feature, const ZORMathLine* stored, int mode,
                           const Identities& members, int& changed);
  //! Asks the user, through the orientation command, whether to turn `feature` back.
  bool StartOrientationQuestion(const ZORISpecObject_var& feature, const ZORMathLine& stored,
                                const ZORMathLine& current, int mode);

  ZORWENUIStateCommand* command_;  // not owned: the delegate never outlives its command
  int pickStatus_ = -1;
  int showStatus_ = -1;
  int visibleDuringEdition_;
  std::unique_ptr<ZORMathLine> storedOrientation_;
  std::vector<std::unique_ptr<ZORMathLine>> storedOrientations_;
  ZORSO_var savedHSO_;
};
