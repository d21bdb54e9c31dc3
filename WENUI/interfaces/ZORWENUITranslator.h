#pragma once
//! \class ZORWENUITranslator
//! A handle dragged along one line in the 3D view: two opposite arrows, a marker and an
//! optional text at its location. It turns its manipulator's events into the workbench's
//! modify, end-of-modification and edit notifications, sent to one listening command, and can
//! keep a length parameter and its location in step both ways: a drag writes the parameter, a
//! new value of the parameter moves the handle.
//!
//! Its points are in the model's frame; its manipulator lives in the editor's. Expected use:
//! construct, SetLocationPoint, SetLineDirection, optionally a text and SetDistanceFromLitteral,
//! then react to the notifications, and RequestDelayedDestruction when the command ends.

#include <optional>
#include <string>

#include "ZOR3DManipulator.h"
#include "ZORCommand.h"
#include "ZORICkeParm.h"
#include "ZORMathAxis.h"
#include "ZORMathDirection.h"
#include "ZORWENUIEditNotification.h"
#include "ZORWENUIEditorFrame.h"
#include "ZORWENUIEndManipulateNotification.h"
#include "ZORWENUIHandleShow.h"
#include "ZORWENUIModifNotification.h"

class ZORWENUITranslator : public ZORCommand {
  ZOR_DECLARE_CLASS(ZORWENUITranslator, ZORCommand, ZORMetaObject::Implementation, "WENUI")

  //! `listener` receives the notifications; `integerMode` 1 makes distances whole numbers;
  //! `parameter` (may be null) is the length the handle drives and follows.
  ZORWENUITranslator(ZORCommand* listener, int integerMode, const ZORICkeParm_var& parameter);
  //! Removes the drawing, the manipulator and the subscriptions; the notifications live until
  //! the end of the transaction.
  ~ZORWENUITranslator() override;

  //! Removes the drawing at once, then hands the translator over for destruction.
  void RequestDelayedDestruction() override;

  //! Creates the manipulator once.
  void CreateManipulator();
  //! The point distances are measured from, and the handle's location.
  void SetLocationPoint(const ZORMathPoint& point);
  //! The line along which the handle moves.
  void SetLineDirection(const ZORMathDirection& direction);
  //! The signed distance from the initial point to the location along the direction; floored
  //! in integer mode.
  double GetDistance();
  //! Moves the handle by `distance` along the direction.
  void SetDistance(double distance);
  //! Places the handle at `distance` from the initial point.
  void SetAbsDistance(double distance);
  //! The manipulator's axis in the model's frame, its origin kept within the model's size.
  ZORMathAxis GetPosition();
  //! Gives the manipulator `axis` (model frame); the location becomes its origin.
  void SetPosition(const ZORMathAxis& axis);
  //! A copy of `text` (null: none), drawn from the next Refresh on.
  void AssociateText(const char* text);
  //! The text becomes `prefix` and the parameter's shown value; the parameter becomes what a
  //! double-click edits. Nothing for a null parameter.
  void AssociateTextWithValue(const char* prefix, ZORICkeParm_var parameter);
  //! Rebuilds the drawing at the stored location and direction.
  void Refresh();
  //! Removes whatever exists of the drawing.
  void CleanArrows();
  //! Takes the current editor's interactive set.
  void GetCurrent3DViewer();

  //! Sent at each drag step and for a contextual request's edit.
  ZORNotification* GetModifyNotification() const { return modify_.get(); }
  //! Sent when a drag ends.
  ZORNotification* GetEndModifyNotification() const { return endModify_.get(); }
  //! Sent on a contextual request, or a double-click when there is no edition to open.
  ZORNotification* GetEditNotification() const { return edit_.get(); }

  //! The manipulator's callback; `data` is the event's client value.
  void TranslationNotif(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);
  //! The parameter's value-change callback: the handle goes to the parameter's value.
  void LiteralValueChanged(const char* event, void* parameter, ZORNotification* notification,
                           void* data, long id);
  //! Once located and directed, moves the handle by the parameter's value.
  void SetDistanceFromLitteral();

  //! The manipulator, null before the first location or direction.
  ZOR3DManipulator* GetManipulator() const { return manipulator_; }
  //! The handle's location, model frame.
  const ZORMathPoint& GetLocation() const { return location_; }
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

  // The distance without the integer mode's rounding.
  double ExactDistance() const;
  // Gives the manipulator the location as origin, keeping its orientation.
  void PlaceManipulator();
  // A drag's value goes to the parameter, unless it is fixed.
  void UpdateParameter();

  ZORVar<ZORWENUIModifNotification> modify_;
  ZORVar<ZORWENUIEndManipulateNotification> endModify_;
  ZORVar<ZORWENUIEditNotification> edit_;
  ZOR3DManipulator* manipulator_ = nullptr;  // let go with Destroy
  ZORCommand* listener_;                     // not owned
  ZORMathPoint location_;
  ZORMathDirection direction_{1.0, 0.0, 0.0};
  ZORWENUIHandleShow show_;
  ZORBaseUnknown_var associated_;
  ZORMathPoint initial_;
  std::optional<std::string> text_;
  int preactivated_ = 0;
  int integerMode_;
  ZORWENUIEditorFrame frame_;
  ZORICkeParm_var parameter_;
  ZORCallback parameterSubscription_ = 0;
  int locationSet_ = 0;
  int directionSet_ = 0;
};
