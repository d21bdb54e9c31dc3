#pragma once
// The editor of a document: its active object, the UI-active object, the sets of objects that
// commands fill (current, highlighted, preselected, interactive), the local axis system, the
// view transformation and the compass. One editor is the current one.

#include <memory>

#include "ZORDialogEngine.h"
#include "ZORDocument.h"
#include "ZORGlobalUndoHistory.h"
#include "ZORHSO.h"
#include "ZORISO.h"
#include "ZORInPlace3DSite.h"
#include "ZORMathAxis.h"
#include "ZORMathTransformation.h"
#include "ZORPathElement.h"
#include "ZORSO.h"
#include "ZORVar.h"

class ZORFrmEditor : public virtual ZORBaseUnknown {
  ZOR_DECLARE_CLASS(ZORFrmEditor, ZORBaseUnknown, ZORMetaObject::Implementation, "System")

  // `document` is the edited document; it must outlive the editor.
  explicit ZORFrmEditor(ZORDocument* document = nullptr);
  ~ZORFrmEditor() override;

  // The current editor, or null. The host does not hold it: an editor that goes stops being
  // current.
  static ZORFrmEditor* GetCurrentEditor();
  static void SetCurrentEditor(ZORFrmEditor* editor);

  ZORDocument* GetDocument() const { return document_; }
  // The path of `object` in the edited document; unset when it has none.
  ZORPathElement GivePathElementFrom(ZORBaseUnknown* object) const;

  const ZORPathElement& GetActiveObjectPath() const { return active_; }
  void SetActiveObjectPath(const ZORPathElement& path) { active_ = path; }
  // Makes `object` the active object; E_FAIL when it is not in the edited document.
  HRESULT SetActiveObject(ZORBaseUnknown* object);
  const ZORPathElement& GetUIActiveObject() const { return uiActive_; }
  void SetUIActiveObject(const ZORPathElement& path) { uiActive_ = path; }

  // The feature new features go after (the in-work object).
  const ZORBaseUnknown_var& GetCurrentFeatureObject() const { return current_; }
  template <class I = ZORBaseUnknown>
  ZORVar<I> GetCurrentFeature() const {
    return ZORVar<I>(current_);
  }
  void SetCurrentFeature(ZORBaseUnknown* feature) { current_ = feature; }

  ZORHSO* GetHSO() const { return hso_.get(); }
  ZORISO* GetISO() const { return iso_.get(); }
  ZORSO* GetCSO() const { return cso_.get(); }
  ZORSO* GetPSO() const { return pso_.get(); }

  // The local axis system new coordinates are given in, the view's transformation of the
  // edited object, and the 3D compass (its position and whether it is shown).
  // The local axis system is the axis of the document's current axis system
  // (ZORIMf3DAxisSystemManager) when it has one, the one set here otherwise.
  ZORMathAxis GetCurrentLocalAxisSystem() const;
  void SetCurrentLocalAxisSystem(const ZORMathAxis& axis) { localAxis_ = axis; }
  const ZORMathTransformation& GetTransformation() const { return transformation_; }
  void SetTransformation(const ZORMathTransformation& t) { transformation_ = t; }
  const ZORMathAxis& GetCompassPosition() const { return compass_; }
  void SetCompassPosition(const ZORMathAxis& axis) { compass_ = axis; }
  bool IsCompassShown() const { return compassShown_; }
  void SetCompassShown(bool shown) { compassShown_ = shown; }
  // The site edited in place, when the edited object is shown inside another one; null
  // otherwise. The editor holds it.
  ZORInPlace3DSite* GetInPlaceSite() const { return inPlaceSite_.get(); }
  void SetInPlaceSite(ZORInPlace3DSite* site) { inPlaceSite_ = site; }

  // Whether the command that runs is to be repeated; commands unset it.
  bool IsRepeatedCommand() const { return repeated_; }
  void SetRepeatedCommand() { repeated_ = true; }
  void UnsetRepeatedCommand() { repeated_ = false; }

  // The global undo records of the commands finished in this editor.
  ZORGlobalUndoHistory& GetGlobalUndoHistory() { return *globalUndo_; }
  // The editor's dialog engine.
  ZORDialogEngine* GetNoEngine() const { return engine_.get(); }

 private:
  ZORDocument* document_;
  ZORPathElement active_;
  ZORPathElement uiActive_;
  ZORBaseUnknown_var current_;
  ZORHSO_var hso_;
  ZORSO_var cso_;
  ZORSO_var pso_;
  ZORISO_var iso_;
  ZORMathAxis localAxis_;
  ZORMathTransformation transformation_;
  ZORMathAxis compass_;
  bool compassShown_ = true;
  ZORInPlace3DSite_var inPlaceSite_;
  bool repeated_ = false;
  std::unique_ptr<ZORDialogEngine> engine_ = std::make_unique<ZORDialogEngine>();
  std::unique_ptr<ZORGlobalUndoHistory> globalUndo_ = std::make_unique<ZORGlobalUndoHistory>(this);
};
