#pragma once
//! \class ZORWENUIRotator
//! A handle turned about an axis line in the 3D view. It reports the angle in degrees, from 0
//! to 360, from its initial point to its current point about the axis, right-handed about the
//! axis direction, and turns its manipulator's events into the workbench's modify,
//! end-of-manipulation and edit notifications, sent to one listening command. A frozen rotator
//! is drawn but cannot be dragged.
//!
//! Its points and axis are kept in the editor's frame (the identity without an editor); the
//! drawing and GetPosition are in the model's.

#include <optional>
#include <string>

#include "ZOR3DManipulator.h"
#include "ZORCommand.h"
#include "ZORICkeParm.h"
#include "ZORMathAxis.h"
#include "ZORMathLine.h"
#include "ZORWENUIEditNotification.h"
#include "ZORWENUIEditorFrame.h"
#include "ZORWENUIEndManipulateNotification.h"
#include "ZORWENUIHandleShow.h"
#include "ZORWENUIModifNotification.h"

class ZORWENUIRotator : public ZORCommand {
  ZOR_DECLARE_CLASS(ZORWENUIRotator, ZORCommand, ZORMetaObject::Implementation, "WENUI")

  //! Positions read from the manipulator are kept within this bound without a factory.
  static constexpr double kModelBound = 10000.0;
  //! Display modes: two arrows along the turn, a marker, the text and the radius.
  static constexpr int kArrows = 0;
  //! One arrow along the radius, pointing away from the axis, the text on it.
  static constexpr int kRadialOut = 1;
  //! One arrow along the radius, pointing towards the axis.
  static constexpr int kRadialIn = 2;
  //! The arrows and the arc turned from the initial point.
  static constexpr int kArc = 3;
  //! The arrows, the arc and the initial radius.
  static constexpr int kArcAndStart = 4;

  //! `listener` receives the notifications; `integerMode` 1 floors angles.
  ZORWENUIRotator(ZORCommand* listener, int integerMode);
  //! Removes the drawing, the manipulator and the subscriptions; the notifications live until
  //! the end of the transaction.
  ~ZORWENUIRotator() override;
  //! Removes the drawing at once, then hands the rotator over for destruction.
  void RequestDelayedDestruction() override;

  //! Creates the manipulator once.
  void CreateManipulator();
  //! The initial and current point (model frame).
  void SetLocationPoint(const ZORMathPoint& point);
  //! The axis turned about (model frame); a null direction is refused.
  void SetLineDirection(const ZORMathLine& axis);
  //! Degrees from the initial point to the current one about the axis, in [0, 360); floored
  //! in integer mode; 0 when either point is on the axis.
  double GetAngle();
  //! Turns the current point by `degrees`.
  void SetAngle(const double degrees);
  //! The current point becomes the initial point turned by `degrees`.
  void SetAbsAngle(const double degrees);
  //! The manipulator's axis in the model's frame, its origin kept within the model's size.
  ZORMathAxis GetPosition();
  //! Gives the manipulator `axis` (model frame); its origin becomes the current point.
  void SetPosition(const ZORMathAxis& axis);
  //! 0 to 4; other values are ignored.
  void SetModeVisu(int mode);
  //! The display mode.
  int GetModeVisu() const { return modeVisu_; }
  //! Drawn, but not draggable.
  void Freeze();
  //! Draggable again.
  void Unfreeze();
  //! A copy of `text` (null: none), drawn from the next Refresh on.
  void AssociateText(const char* text);
  //! The text becomes `prefix` and the parameter's shown value; the parameter becomes what a
  //! double-click edits. Nothing for a null parameter.
  void AssociateTextWithValue(const char* prefix, ZORICkeParm_var parameter);
  //! Removes whatever exists of the drawing.
  void CleanArrows();
  //! Rebuilds the drawing.
  void Refresh();

  //! Sent at each drag step.
  ZORNotification* GetModifyNotification() const { return modify_.get(); }
  //! Sent when a drag ends.
  ZORNotification* GetEndManipulateNotification() const { return endManipulate_.get(); }
  //! Sent on a contextual request, or a double-click when there is no edition to open.
  ZORNotification* GetEditNotification() const { return edit_.get(); }
  //! The manipulator's callback; `data` is the event's client value.
  void AnalyseRotatorNotif(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);

  //! The manipulator, null before the first location or axis.
  ZOR3DManipulator* GetManipulator() const { return manipulator_; }
  //! The drawing shown, null when none.
  ZOR3DCustomRep* GetDrawing() const { return show_.GetDrawing(); }

 private:
  enum ClientValue {
    kManipulate = 1,
    kContext,
    kPreactivate,
    kEndPreactivate,
    kEdit,
    kEndManipulate
  };

  void PlaceManipulator();
  void DrawArrows(ZOR3DCustomRep& drawing, const ZORGraphicAttributeSet& attributes,
                  const ZORMathPoint& current, const ZORMathPoint& foot,
                  const ZORMathVector& axis) const;
  void DrawRadial(ZOR3DCustomRep& drawing, const ZORGraphicAttributeSet& attributes,
                  const ZORMathPoint& current, const ZORMathPoint& foot) const;

  ZORVar<ZORWENUIModifNotification> modify_;
  ZORVar<ZORWENUIEndManipulateNotification> endManipulate_;
  ZORVar<ZORWENUIEditNotification> edit_;
  ZORWENUIEditorFrame frame_;
  ZORCommand* listener_;                                            // not owned
  ZORMathPoint current_;                                            // editor frame
  ZORMathPoint initial_;                                            // editor frame
  ZORMathLine axis_{ZORMathPoint(), ZORMathVector(0.0, 0.0, 1.0)};  // editor frame, unit
  ZORBaseUnknown_var associated_;
  std::optional<std::string> text_;
  ZOR3DManipulator* manipulator_ = nullptr;  // let go with Destroy
  ZORWENUIHandleShow show_;
  int modeVisu_ = kArrows;
  int preactivated_ = 0;
  int integerMode_;
  int frozen_ = 0;
};
