#pragma once
//! \class ZORGuiCouplingSymbol
//! The 3D line that joins the points of one coupling, with the coupling's name written at its
//! middle, shown as a handle in the current editor's interactive set. A click on it and a
//! request for its contextual menu are passed on to the father, which fills the menu
//! (ZORDlgContextualMenu::CarriedBy on the context notification).
//!
//! Contracts: without a current editor it draws nothing and keeps its data. A coupling whose
//! features give fewer than two bodies has no line: the previous drawing stays. Each redraw
//! replaces the whole drawing. Destroy takes the handle away once; RequestDelayedDestruction
//! destroys, then hands the symbol over.

#include "ZORBody.h"
#include "ZORCommand.h"
#include "ZORISO.h"
#include "ZORListValZORISpecObject_var.h"
#include "ZORMathDirection.h"
#include "ZORMathPointf.h"

class ZOR3DBagRep;
class ZOR3DVisuHandle;

class ZORGuiCouplingSymbol : public ZORCommand {
  ZOR_DECLARE_CLASS(ZORGuiCouplingSymbol, ZORCommand, ZORMetaObject::Implementation, "WENUI")

  //! The colour of the line and of its name.
  static constexpr int kColor = 246;
  //! The inheritance mode of the drawing.
  static constexpr int kInheritance = 4180;

  //! A symbol telling `father`; its handle is made at once.
  explicit ZORGuiCouplingSymbol(ZORCommand* father);
  ~ZORGuiCouplingSymbol() override;

  //! Makes the handle and puts it in the current editor's interactive set; nothing without
  //! an editor or when made already.
  void CreateHandle();
  //! The line through the first bodies of `points`, in order (features without a body are
  //! skipped); redrawn. Fewer than two bodies keep the previous line.
  void SetCouplingPoints(const ZORListValZORISpecObject_var& points);
  //! The name written at the middle of the line; redrawn.
  void SetText(const ZORUnicodeString& text);
  //! Whether the drawing refuses picking (non-zero); redrawn.
  void SetNoPick(unsigned int noPick);
  //! Draws the line and its name again, replacing what was drawn.
  void UpdateHandle();
  //! Callback of the handle's contextual request: tells the father with the menu.
  void GetContext(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Callback of the handle's activation: passes it on to the father.
  void GetActivate(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! Stores the identifier.
  void SetId(const int id);
  //! The identifier: S_OK, or 0 and E_FAIL when none was set.
  HRESULT GetId(int& id) const;
  //! Takes the handle out of the view and lets it go; a second call does nothing.
  virtual void Destroy();
  //! Destroys, then hands the symbol over to the end of the transaction.
  void RequestDelayedDestruction() override;

  //! The line drawn; null before two bodies were given.
  const ZORBody_var& GetLine() const { return line_; }
  //! Where the name is written.
  const ZORMathPointf& GetTextPosition() const { return textPosition_; }
  //! The direction the name is read along, unit.
  const ZORMathDirection& GetTextDirection() const { return textDirection_; }
  //! The handle; null without editor or once destroyed.
  ZOR3DVisuHandle* GetHandle() const { return handle_; }
  //! The drawing of the handle; null without editor.
  ZOR3DBagRep* GetBag() const { return bag_.get(); }

 private:
  int id_ = 0;
  int idSet_ = 0;
  ZORMathPointf textPosition_;
  ZORMathDirection textDirection_;
  ZORUnicodeString text_;
  ZOR3DVisuHandle* handle_ = nullptr;  // the creation reference, handed over by Destroy
  ZORVar<ZOR3DBagRep> bag_;
  ZORISO_var iso_;
  ZORNotification* context_ = nullptr;  // owned, made on first use, handed to the cleaner
  ZORBody_var line_;
  unsigned int noPick_ = 0;
  bool destroyed_ = false;
};
