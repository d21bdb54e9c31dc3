#pragma once
//! \class ZORGuiBagRep
//! Temporary 3D feedback that is no part of the model: features, bodies, domains, cells,
//! points and labels collected into one bag, shown in the current editor's interactive set and
//! placed in the editor's frame. Each Set replaces the whole display; Delete (or destruction)
//! removes it. It never touches the model.
//!
//! A bag is filled between Initialize and Update: Append is valid only then. Without a current
//! editor every operation but the setters fails. Statuses come from the error-return service.

#include <memory>
#include <unordered_set>

#include "ZOR3DBagRep.h"
#include "ZOR4x4Matrix.h"
#include "ZORBody.h"
#include "ZORCell.h"
#include "ZORDomain.h"
#include "ZORGraphicAttributeSet.h"
#include "ZORISO.h"
#include "ZORISpecObject.h"
#include "ZORListPtrZORBody.h"
#include "ZORListPtrZORCell.h"
#include "ZORMathPoint.h"
#include "ZORModelForRep3D.h"
#include "ZORUnicodeString.h"

class ZORGuiBagRep {
 public:
  //! Topology bits: what Append of a body shows.
  static constexpr unsigned int kBodyVisu = 1;
  //! Cells of dimension 3.
  static constexpr unsigned int kVolumes = 2;
  //! Cells of dimension 2.
  static constexpr unsigned int kFaces = 4;
  //! Cells of dimension 1.
  static constexpr unsigned int kEdges = 8;
  //! Cells of dimension 0.
  static constexpr unsigned int kVertices = 16;
  //! Cells of the body's highest dimension.
  static constexpr unsigned int kHighest = 32;

  //! Reads the current editor's interactive set and frame.
  ZORGuiBagRep();
  //! Removes the display.
  virtual ~ZORGuiBagRep();
  //! Not copied: a display is shown once.
  ZORGuiBagRep(const ZORGuiBagRep&) = delete;
  //! Not copied.
  ZORGuiBagRep& operator=(const ZORGuiBagRep&) = delete;

  //! Removes the display and starts a new bag with the stored attributes.
  int Initialize();
  //! Shows the bag being filled in place of the previous display.
  int Update();
  //! Removes the display.
  int Delete();

  //! Colour index of the next bag.
  int SetColor(unsigned int color);
  //! Line type of the next bag.
  int SetLineType(unsigned int lineType);
  //! Marker symbol of the vertices and points of the next bag.
  int SetPointType(unsigned int pointType);
  //! Line thickness of the next bag.
  int SetThickness(unsigned int thickness);
  //! What Append of a body shows (topology bits).
  int SetTopology(unsigned int topology);
  //! Attributes that replace the next bag's own.
  int SetGraphicAttributeSet(ZORGraphicAttributeSet& attributes);

  //! Initialize, the matching Append, Update: the feature's first body (null: an empty bag).
  int Set(ZORISpecObject_var& feature, ZORUnicodeString* text = nullptr);
  //! The same for bodies.
  int Set(ZORListPtrZORBody& bodies, ZORUnicodeString* text = nullptr);
  //! The same for one body.
  int Set(ZORBody* body, ZORUnicodeString* text = nullptr);
  //! The same for a domain.
  int Set(ZORDomain* domain, ZORUnicodeString* text = nullptr);
  //! The same for cells.
  int Set(ZORListPtrZORCell& cells, ZORUnicodeString* text = nullptr);
  //! The same for one cell.
  int Set(ZORCell* cell, ZORUnicodeString* text = nullptr);

  //! The feature's first body; a null feature adds nothing and succeeds.
  int Append(ZORISpecObject_var& feature, ZORUnicodeString* text = nullptr);
  //! Each body in order, stopping at the first failure.
  int Append(ZORListPtrZORBody& bodies, ZORUnicodeString* text = nullptr);
  //! What the topology bits ask of the body, then the text at each domain's centre.
  int Append(ZORBody* body, ZORUnicodeString* text = nullptr);
  //! The domain's cells, the text at its centre.
  int Append(ZORDomain* domain, ZORBody* body, ZORUnicodeString* text = nullptr);
  //! Each cell once.
  int Append(ZORListPtrZORCell& cells, ZORBody* body, ZORUnicodeString* text = nullptr);
  //! A vertex as a point marker, another cell by its own drawing; the text at its centre.
  int Append(ZORCell* cell, ZORBody* body, ZORUnicodeString* text = nullptr);
  //! A flag holding the text at the point.
  int Append(ZORMathPoint& point, ZORUnicodeString& text);
  //! Adds a representation to the bag being filled (null adds nothing).
  int Append(ZOR3DRep* rep);

  //! The bag being filled, null outside Initialize ... Update.
  ZOR3DBagRep* GetBag() const { return bag_.get(); }
  //! What is put into the interactive set; null without a current editor.
  ZORModelForRep3D* GetShownObject() const { return shown_.get(); }

 private:
  // The cells of `dimension` of the body, through the list overload.
  int AppendCellsOf(ZORBody& body, int dimension);
  // A flag with `text` at the estimated centre of `domain` or `cell`.
  template <class Where>
  int AppendLabel(const Where* where, ZORUnicodeString* text);
  // Whether `cell` was appended to the bag being filled already.
  bool AlreadyShown(const ZORCell* cell) const;

  std::unique_ptr<ZOR4x4Matrix> matrix_;
  ZOR3DBagRep_var bag_;
  ZORVar<ZORModelForRep3D> shown_;
  ZORISO* iso_ = nullptr;  // the current editor's, not owned
  unsigned int color_ = 247;
  unsigned int pointType_ = 5;
  unsigned int lineType_ = 1;
  unsigned int thickness_ = 2;
  unsigned int topology_ = kBodyVisu;
  std::unique_ptr<ZORGraphicAttributeSet> attributes_;
  // Cells of the bag being filled: a bag of many defects asks once per cell.
  std::unordered_set<const ZORCell*> cellsShown_;
};
