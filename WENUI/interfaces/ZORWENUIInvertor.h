#pragma once
//! \class ZORWENUIInvertor
//! An orientation arrow shown in the 3D view: straight (visu mode 0) or circular around its
//! direction (visu mode 1), drawn at a point. A click on it reverses its direction and sends its
//! modify notification to the listening command. It has no father and no name: its handle is
//! its only child.
//!
//! Without a current editor it builds no handle and shows nothing; its setters still store
//! their values. In a site edited in place it is drawn in the site's coordinates.

#include <memory>
#include <optional>
#include <string>

#include "ZOR3DBagRep.h"
#include "ZOR3DCustomRep.h"
#include "ZOR3DVisuHandle.h"
#include "ZORCommand.h"
#include "ZORISO.h"
#include "ZORMathDirection.h"
#include "ZORMathPoint.h"
#include "ZORMathTransformation.h"
#include "ZORWENUIModifNotification.h"

class ZORWENUIInvertor : public ZORCommand {
  ZOR_DECLARE_CLASS(ZORWENUIInvertor, ZORCommand, ZORMetaObject::Implementation, "WENUI")

  //! Visu mode: a straight arrow along the direction.
  static constexpr int kStraight = 0;
  //! Visu mode: a circular arrow around the direction.
  static constexpr int kCircular = 1;

  //! `listener` receives the modify notification on each click.
  ZORWENUIInvertor(ZORCommand* listener, const ZORMathPoint& position,
                   const ZORMathDirection& direction, const int visuMode);
  //! Destroys the handle and hands the modify notification to the transaction's end.
  ~ZORWENUIInvertor() override;

  //! Where the arrow is drawn, in the model's coordinates.
  const ZORMathPoint& GetPosition() const { return position_; }
  //! The arrow's current direction; reversed by each click.
  const ZORMathDirection& GetDirection() const { return direction_; }
  //! Moves the arrow and rebuilds the drawing.
  void SetPosition(const ZORMathPoint& position);
  //! Sets the direction and rebuilds the drawing; the click then reverses this one.
  void SetDirection(const ZORMathDirection& direction);

  //! Stores the colour index and rebuilds the drawing; 256 or more is drawn with index 253.
  void SetColor(const unsigned int color);
  //! Stores the line thickness and rebuilds the drawing.
  void SetThickness(const unsigned int thickness);
  //! Non-zero makes the arrow unpickable; rebuilds the drawing.
  void SetNoPick(const unsigned int noPick);
  //! Non-zero hides the arrow; rebuilds the drawing.
  void SetNoShow(const unsigned int noShow);
  //! Stores the drawing priority and rebuilds; 56 or more is drawn with priority 1.
  void SetPriority(const int priority);
  //! kStraight or kCircular; rebuilds the drawing.
  void SetVisuMode(const int visuMode);
  //! A copy of `text` (null: none) is drawn at the arrow from the next rebuild on.
  void AssociateText(const char* text);

  //! The notification the listener receives on each click, owned by the arrow.
  ZORNotification* GetModifyNotification() const { return modify_.get(); }
  //! The handle the user clicks; null without a current editor or once destroyed.
  ZOR3DVisuHandle* GetHandle() const { return handle_.get(); }
  //! 1 when the arrow is drawn in the coordinates of a site edited in place.
  int IsTransformed() const { return transformed_; }

  //! Takes the handle out of the interactive set and hands it over for destruction.
  virtual void Destroy();
  //! Destroy(), then the command's delayed destruction.
  void RequestDelayedDestruction() override;

 private:
  enum ClientValue { kActivate = 1, kPreactivate = 2, kEndPreactivate = 3 };

  void CreateRep();
  //! The graphic attributes of every primitive of the arrow.
  ZORGraphicAttributeSet Attributes() const;
  void DrawStraight(const ZORMathPoint& position, const ZORMathDirection& direction);
  void DrawCircular(const ZORMathPoint& position, const ZORMathDirection& direction);
  void DrawText(const ZORMathPoint& at);
  void InvertNotif(ZORCommand* sender, ZORNotification* notification, ZORCallbackData data);

  ZORMathPoint position_;
  ZORMathDirection direction_;
  ZOR3DVisuHandle_var handle_;
  ZOR3DCustomRep_var drawing_;
  ZOR3DBagRep_var bag_;
  ZORCommand* listener_;   // not owned
  ZORISO* iso_ = nullptr;  // the current editor's, not owned
  ZORVar<ZORWENUIModifNotification> modify_;
  int preactivated_ = 0;
  unsigned int color_ = 247;
  std::optional<std::string> text_;
  int visuMode_;
  unsigned int thickness_ = 1;
  unsigned int noPick_ = 0;
  unsigned int noShow_ = 0;
  int priority_ = 15;
  std::unique_ptr<ZORMathTransformation> siteTransformation_;
  std::unique_ptr<ZORMathTransformation> siteInverse_;
  int transformed_ = 0;
  ZORCallback callbacks_[3] = {0, 0, 0};
};
