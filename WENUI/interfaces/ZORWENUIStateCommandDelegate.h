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

  //! Results of the store operations whose work was already done.
  static constexpr HRESULT kAlreadyStored = 1;

  //! A delegate without command is inert: its operations fail.
  ZORWENUIStateCommandDelegate(ZORWENUIStateCommand* command, unsigned char visibleDuringEdition);
  ~ZORWENUIStateCommandDelegate() override;

  ZORWENUIStateCommand* GetCommand() const { return command_; }
  int IsVisibleDuringEdition() const { return visibleDuringEdition_; }
  //! -1 not stored; 0 already unpickable; 1 made unpickable by the delegate.
  int GetPickStatus() const { return pickStatus_; }
  //! -1 not stored; 0 the delegate changed the visibility; 1 it left it.
  int GetShowStatus() const { return showStatus_; }
  //! The stored orientations: the single one (null when none) and one per child of an edited
  //! multi-selection (null entries for children without one).
  const ZORMathLine* GetStoredOrientation() const { return storedOrientation_.get(); }
  int GetOrientationCount() const { return static_cast<int>(storedOrientations_.size()); }
  const ZORMathLine* GetStoredOrientation(int index) const;

  //! Whether the command works on a multi-selection feature through a manager.
  bool isMSModeOn();

  HRESULT StoreShowStatus(const ZORISpecObject_var& feature);
  HRESULT RestoreShowStatus(const ZORISpecObject_var& feature);
  HRESULT StorePickStatus(const ZORISpecObject_var& feature);
  HRESULT RestorePickStatus(const ZORISpecObject_var& feature);
  HRESULT StoreHSO();
  HRESULT RestoreHSO();
  HRESULT StoreOrientations(const ZORISpecObject_var& feature);
  //! The orientation line of `feature`: its tangent at the start of a curve, its normal at the
  //! origin of a plane; none (result 1) for another geometry. E_FAIL for a surface that is not
  //! a plane.
  HRESULT InstanciateOrientation(const ZORISpecObject_var& feature,
                                 std::unique_ptr<ZORMathLine>& line);
  //! Checks the results against the stored orientations; `changed` counts the orientation
  //! questions started, one per result that turned over while other features depend on it.
  HRESULT CheckOrientations(const ZORISpecObject_var& feature, int mode, int& changed);
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
