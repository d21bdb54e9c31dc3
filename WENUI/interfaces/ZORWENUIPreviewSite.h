#pragma once
//! \class ZORWENUIPreviewSite
//! One solution of a preview command shown in the 3D view: the solution's body in colour 251
//! when it is the current solution and 245 otherwise, with its number ("2", or "(2)" when not
//! current). A click on it flags the site, then tells the command with a
//! ZORWENUIActivateSiteNotification; the command clears the flag once it took the click.

#include "ZORBody.h"
#include "ZORWENUIObjectAgent.h"

class ZORGuiTextSymbolGP;

class ZORWENUIPreviewSite : public ZORWENUIObjectAgent {
  ZOR_DECLARE_CLASS(ZORWENUIPreviewSite, ZORWENUIObjectAgent, ZORMetaObject::Implementation,
                    "WENUI")

  //! The colour of the current solution.
  static constexpr int kCurrentColor = 251;
  //! The colour of the other solutions.
  static constexpr int kOtherColor = 245;
  //! The inheritance mode of the body's drawing.
  static constexpr int kInheritance = 4180;

  //! A site with a manipulator of the default style.
  ZORWENUIPreviewSite();
  //! A site named `name` whose manipulator has `style` and `flag`.
  ZORWENUIPreviewSite(const ZORString& name, int style, int flag);
  //! Takes the drawing out of the view.
  ~ZORWENUIPreviewSite() override;

  //! The body shown (not owned) and the 1-based solution number.
  void SetData(ZORBody* body, int index);
  //! The body and the solution number.
  void GetData(ZORBody*& body, int& index) const;
  //! 0 for the current solution, 1 for the others.
  void SetState(int state) { state_ = state; }
  //! The state set.
  int GetState() const { return state_; }
  //! Whether the site was clicked since its flag was last cleared.
  unsigned char ChangeState() const { return clicked_; }
  //! Clears the clicked flag.
  void ChangeStateIsOk() { clicked_ = 0; }
  //! Colours the drawing after the state; redraws with `redraw`.
  void UpdateRepColor(unsigned char redraw);
  //! Writes the number after the state; redraws with `redraw`.
  void UpdateRepText(unsigned char redraw);
  //! Asks the 3D viewer to redraw.
  void RedrawRep();
  //! Shows (2) or hides (4) the site in the 3D view, building its drawing the first time.
  void SetVisibility(int visibility) override;
  //! The body's drawing with the number, coloured after the state; the site holds it.
  ZOR3DRep* BuildSpec3DRep() override;
  //! Flags the site, then sends the activation to the command.
  void ActivateMan(ZORCommand* sender, ZORNotification* notification,
                   ZORCallbackData data) override;
  //! Keeps only the reframe entries of the contextual menu.
  void Context(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data) override;

 private:
  ZORBody* body_ = nullptr;  // held by the command's bodies list and the factory
  int state_ = 1;
  int index_ = 0;
  unsigned char clicked_ = 0;
  ZORVar<ZOR3DBagRep> rep_;             // also a child of the agent's bag
  ZORGuiTextSymbolGP* text_ = nullptr;  // owned by the drawing
  ZORVar<ZORBaseUnknown> shown_;        // what the view's interactive set holds
};
