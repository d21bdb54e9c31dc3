#pragma once
//! \class ZORWENUIPreviewCommand
//! The base of commands whose feature has several solutions (ZORIWENPreviewMultiple): it asks
//! the feature for all of them, shows each as a clickable site with its number, and keeps the
//! current one (0-based), which a click on a site or NextSol / PreviousSol change, wrapping
//! around. Each change calls AdjustData, where the concrete command applies the solution.
//!
//! The concrete command calls PreviewSolutions when its inputs allow a computation, and adds
//! to one of its states the transition that runs SelPreviewBody when GetActivateAgent is
//! valued. A feature without ZORIWENPreviewMultiple gives no solution. Cancel removes the
//! sites and their bodies; the destructor removes what OK left.
//!
//! Typical use:
//! \code
//!   AddAgent(state, GetActivateAgent());
//!   AddTransition(state, state, IsOutputSetCondition(GetActivateAgent()),
//!                 Action(&ZORWENUIPreviewCommand::SelPreviewBody, nullptr));
//! \endcode

#include <memory>
#include <vector>

#include "ZORListPtrZORBody.h"
#include "ZORWENUIStateCommand.h"

class ZORDialogAgent;
class ZORWENUIPreviewSite;

class ZORWENUIPreviewCommand : public ZORWENUIStateCommand {
  ZOR_DECLARE_CLASS(ZORWENUIPreviewCommand, ZORWENUIStateCommand, ZORMetaObject::Implementation,
                    "WENUI")

  //! As the state command's, the edited feature staying visible during edition.
  ZORWENUIPreviewCommand(const ZORString& id, ZORCommandMode mode);
  //! As the state command's with command info and paths, the feature staying visible.
  ZORWENUIPreviewCommand(ZORWENUIStateCmdInfo* info, const ZORString& id, ZORCommandMode mode,
                         const ZORPathElement* activePath, const ZORPathElement* workingPath);
  //! Removes the sites, their bodies and the orientations left, and lets go of the agent.
  ~ZORWENUIPreviewCommand() override;

  //! Creates the activate agent and resets the solutions.
  void Initialize();
  //! The transition action: the first clicked site becomes current; answers true.
  virtual bool SelPreviewBody(void* data);
  //! Computes the solutions again and shows them, then AdjustData.
  virtual void PreviewSolutions();
  //! Called whenever the current solution changes; does nothing here.
  virtual void AdjustData(int solution);

  //! Asks the feature for its solutions unless computed; the busy cursor shows meanwhile.
  void ComputeSolutions();
  //! Computes the solutions and makes one site per solution.
  void SetSites();
  //! Removes the sites and their bodies; forgets the solutions.
  void RemoveSites();
  //! Colours and numbers the sites after the current one; `first` shows them.
  void ShowSolutions(unsigned char first);

  //! The number of solutions; 0 when not computed.
  int GetNbSol() const { return count_; }
  //! The current solution, 0-based.
  int GetCurrentSol() const { return current_; }
  //! Makes `solution` (kept within the solutions) current, then AdjustData and ShowSolutions.
  void SetCurrentSol(int solution);
  //! The next solution, the first after the last.
  void NextSol();
  //! The previous solution, the last before the first.
  void PreviousSol();
  //! The orientation of each solution (owned by the command), computing them when needed;
  //! null without solution.
  void GetCurrentOrientations(int*& orientations);
  //! The agent a click on a site values.
  ZORDialogAgent* GetActivateAgent() const { return activate_; }
  //! The sites, in solution order.
  const std::vector<ZORWENUIPreviewSite*>& GetSites() const { return sites_; }

  //! Removes the sites and lets go of the agent, then cancels as the state command does.
  int Cancel(ZORCommand* caller, ZORNotification* notification) override;

 private:
  void Step(int by);
  void ReleaseAgent();

  std::vector<ZORWENUIPreviewSite*> sites_;  // one reference each, handed over at removal
  ZORListPtrZORBody bodies_;                 // held by the geometric factory
  ZORDialogAgent* activate_ = nullptr;       // one reference
  int count_ = 0;
  int current_ = 0;
  int computed_ = 0;
  std::unique_ptr<int[]> orientations_;
};
