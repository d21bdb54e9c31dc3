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

  static constexpr int kStraight = 0;
  static constexpr int kCircular = 1;

  //! `listener` receives the modify notification on each click.
  ZORWENUIInvertor(ZORCommand* listener, const ZORMathPoint& position,
                   const ZORMathDirection& direction, const int visuMode);
  ~ZORWENUIInvertor() override;

  const ZORMathPoint& GetPosition() const { return position_; }
  const ZORMathDirection& GetDirection() const { return direction_; }
  void SetPosition(const ZORMathPoint& position);
  void SetDirection(const ZORMathDirection& direction);

  //! Each stores its value and rebuilds the drawing. A colour of 256 or more is drawn with index
  //! 253; a priority of 56 or more with priority 1.
  void SetColor(const unsigned int color);
  void SetThickness(const unsigned int thickness);
  void SetNoPick(const unsigned int noPick);
  void SetNoShow(const unsigned int noShow);
  void SetPriority(const int priority);
  void SetVisuMode(const int visuMode);
  //! A copy of `text` (null: none) is drawn at the arrow from the next rebuild on.
  void AssociateText(const char* text);

  ZORNotification* GetModifyNotification() const { return modify_.get(); }
  //! The handle the user clicks; null without a current editor or once destroyed.
  ZOR3DVisuHandle* GetHandle() const { return handle_.get(); }
  int IsTransformed() const { return transformed_; }

  //! Takes the handle out of the interactive set and hands it over for destruction.
  virtual void Destroy();
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
