#pragma once
//! \class ZORGuiCouplingPointSymbol
//! The coupling points of one profile in the 3D view: the profile in a highlight colour and a
//! marker at each point, the marker's shape telling the point's kind (1, 2 or 3; another kind
//! gets the default marker). Shown in the current editor's interactive set, taken at
//! construction.
//!
//! Contracts: without a profile or an interactive set nothing is drawn and the data is kept.
//! Points and kinds must come in lists of the same length, else they are refused and the
//! drawing stays. Each redraw replaces the drawing. Destroy takes it away once.

#include "ZORBody.h"
#include "ZORCommand.h"
#include "ZORISO.h"
#include "ZORListValZORMathPoint.h"
#include "ZORRawColl.h"
#include "ZORSt3DISO.h"

class ZOR3DBagRep;

class ZORGuiCouplingPointSymbol : public ZORCommand {
  ZOR_DECLARE_CLASS(ZORGuiCouplingPointSymbol, ZORCommand, ZORMetaObject::Implementation, "WENUI")

  //! The colour of the drawing.
  static constexpr int kColor = 242;
  //! The inheritance mode of the drawing.
  static constexpr int kInheritance = 4100;
  //! The inheritance mode of the profile's edges.
  static constexpr int kEdgeInheritance = 4180;

  //! A symbol telling `father`, shown in the current editor's interactive set.
  explicit ZORGuiCouplingPointSymbol(ZORCommand* father);
  ~ZORGuiCouplingPointSymbol() override;

  //! The marked points and their kinds (1-based lists of the same length); redrawn.
  //! E_INVALIDARG, nothing changed, when the lengths differ.
  HRESULT SetPoints(const ZORListValZORMathPoint& points, const ZORRawCollint& kinds);
  //! The profile drawn under the markers; redrawn.
  void SetBody(const ZORBody_var& profile);
  //! Whether the drawing refuses picking (non-zero); redrawn.
  void SetNoPick(unsigned int noPick);
  //! Draws the profile and the markers again, replacing what was drawn.
  void UpdateRep();
  //! The same as UpdateRep.
  void CreateRep() { UpdateRep(); }
  //! Stores the identifier.
  void SetId(const int id);
  //! The identifier: S_OK, or 0 and E_FAIL when none was set.
  HRESULT GetId(int& id) const;
  //! Takes the drawing out of the view; a second call does nothing.
  virtual void Destroy();
  //! Destroys, then hands the symbol over to the end of the transaction.
  void RequestDelayedDestruction() override;

  //! The marker symbol of a point kind: 6, 4 and 12 for kinds 1 to 3, 5 for another.
  static int SymbolOfKind(int kind);
  //! What carries the drawing in the view; null before the first drawing.
  ZORSt3DISO* GetShown() const { return shown_.get(); }

 private:
  int id_ = 0;
  int idSet_ = 0;
  ZORISO_var iso_;
  ZORSt3DISO_var shown_;
  ZORListValZORMathPoint points_;
  ZORRawCollint kinds_;
  ZORBody_var profile_;
  unsigned int noPick_ = 0;
  bool destroyed_ = false;
};
