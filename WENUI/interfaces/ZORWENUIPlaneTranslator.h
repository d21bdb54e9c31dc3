#pragma once
//! \class ZORWENUIPlaneTranslator
//! A handle moved freely in a plane in the 3D view. It reports the translation vector from its
//! initial point and turns its manipulator's events into the workbench's modify,
//! end-of-manipulation and edit notifications, sent to one listening command. A frozen plane
//! translator is drawn but cannot be dragged.
//!
//! Its points are in the model's frame; GetPosition and SetPosition speak the manipulator's
//! (the editor's) frame, GetLocalPosition the model's.

#include <optional>
#include <string>

#include "ZOR3DManipulator.h"
#include "ZORCommand.h"
#include "ZORMathAxis.h"
#include "ZORMathPlane.h"
#include "ZORWENUIEditNotification.h"
#include "ZORWENUIEditorFrame.h"
#include "ZORWENUIEndManipulateNotification.h"
#include "ZORWENUIHandleShow.h"
#include "ZORWENUIModifNotification.h"

class ZORWENUIPlaneTranslator : public ZORCommand {
  ZOR_DECLARE_CLASS(ZORWENUIPlaneTranslator, ZORCommand, ZORMetaObject::Implementation, "WENUI")

  //! Display mode: a marker.
  static constexpr int kMarker = 0;
  //! An arrow along the plane's normal.
  static constexpr int kNormal = 1;
  //! The marker and the arrow.
  static constexpr int kMarkerAndNormal = 2;
  //! A plane symbol.
  static constexpr int kPlane = 3;

  //! `listener` receives the notifications.
  explicit ZORWENUIPlaneTranslator(ZORCommand* listener);
  //! Removes the drawing, the manipulator and the subscriptions; the notifications live until
  //! the end of the transaction.
  ~ZORWENUIPlaneTranslator() override;
  //! Removes the drawing at once, then hands the handle over for destruction.
  void RequestDelayedDestruction() override;

  //! Creates the manipulator once.
  void CreateManipulator();
  //! The point translations are measured from; the handle goes there.
  void SetInitialPoint(const ZORMathPoint& point);
  //! The current point; the manipulator goes there.
  void SetLocationPoint(const ZORMathPoint& point);
  //! The plane the handle moves in; one whose directions are parallel is refused.
  void SetTranslationPlane(const ZORMathPlane& plane);
  //! The current point minus the initial point.
  void GetTranslationVector(ZORMathVector& vector) const;
  //! The current point becomes the initial point plus `vector`.
  void SetTranslationVector(const ZORMathVector& vector);
  //! The manipulator's axis (editor frame), its origin kept within the model's size.
  ZORMathAxis GetPosition();
  //! The same in the model's frame.
  ZORMathAxis GetLocalPosition();
  //! Gives the manipulator `axis` (editor frame); its origin, in the model's frame, becomes the
  //! current point.
  void SetPosition(const ZORMathAxis& axis);
  //! 0 to 3; other values are ignored.
  void SetModeVisu(int mode);
  //! The display mode.
  int GetModeVisu() const { return modeVisu_; }
  //! Drawn, but not draggable.
  void Freeze();
  //! Draggable again.
  void Unfreeze();
  //! A copy of `text` (null: none), drawn from the next Refresh on.
  void AssociateText(const char* text);
  //! Removes whatever exists of the drawing.
  void CleanRep();
  //! Rebuilds the drawing.
  void Refresh();

  //! Sent at each drag step.
  ZORNotification* GetModifyNotification() const { return modify_.get(); }
  //! Sent on an edition or contextual request.
  ZORNotification* GetEditNotification() const { return edit_.get(); }
  //! Sent when a drag ends.
  ZORNotification* GetEndManipulateNotification() const { return endManipulate_.get(); }
  //! The manipulator's callback; `data` is the event's client value.
  void TranslationNotif(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);

  //! The current point, model frame.
  const ZORMathPoint& GetCurrentPoint() const { return current_; }
  //! The manipulator, null before the first point or plane.
  ZOR3DManipulator* GetManipulator() const { return manipulator_; }
  //! The drawing shown, null when none.
  ZOR3DCustomRep* GetDrawing() const { return show_.GetDrawing(); }

 private:
  enum ClientValue { kManipulate = 1, kEdit, kPreactivate, kEndPreactivate, kEndManipulate };

  ZORVar<ZORWENUIModifNotification> modify_;
  ZORVar<ZORWENUIEditNotification> edit_;
  ZORVar<ZORWENUIEndManipulateNotification> endManipulate_;
  ZORMathPlane plane_;
  ZORMathPoint initial_;
  ZORMathPoint current_;
  ZORWENUIEditorFrame frame_;
  ZOR3DManipulator* manipulator_ = nullptr;  // let go with Destroy
  ZORWENUIHandleShow show_;
  ZORCommand* listener_;  // not owned
  int frozen_ = 0;
  int modeVisu_ = kMarker;
  int preactivated_ = 0;
  std::optional<std::string> text_;
};
