#pragma once
// What every knowledge parameter (late type "CkeParm", in a document or volatile) offers
// beside ZORICkeParm: its value as stored, its change events, its editor factory and its
// edition (a box holding its editor). The
// parameter's own Valuate publishes through PublishChange, so that every way of writing a
// value tells the subscribers once.

#include "ZORBaseExtension.h"
#include "ZORICkeParamFrame.h"
#include "ZORICkeParm.h"
#include "ZORIEdit.h"
#include "ZORIParmAsStored.h"
#include "ZORIParmEvents.h"
#include "ZORVar.h"

class ZORCkeParmNotification;

class ZORCkeParmExt : public ZORBaseExtension,
                      public ZORIParmAsStored,
                      public ZORIParmEvents,
                      public ZORICkeParamFrame,
                      public ZORIEdit {
  ZOR_DECLARE_CLASS(ZORCkeParmExt, ZORBaseExtension, ZORMetaObject::DataExtension, "Knowledge")
  ZOR_IMPLEMENTS(ZORBaseExtension, ZORIParmAsStored, ZORIParmEvents, ZORICkeParamFrame, ZORIEdit)

  ZORCkeParmExt();
  ~ZORCkeParmExt() override;

  //! Late type of every knowledge parameter.
  static const char* LateType() { return "CkeParm"; }
  //! Tells the subscribers of `parameter` that its value changed; nothing without any.
  static void PublishChange(ZORBaseUnknown* parameter);

  double GetValueAsStored() override;
  HRESULT SetValueAsStored(double value) override;
  HRESULT SetValueOfMagnitude(double value, const ZORString& magnitude) override;

  ZORCallback SubscribeToValueChange(ZORCommand* subscriber, ZORParmEventMethod method,
                                     void* data) override;
  void UnsubscribeFromValueChange(ZORCommand* subscriber, ZORCallback subscription) override;
  using ZORIParmEvents::SubscribeToValueChange;

  ZORCkeParamFrame* GetInPanelEdition(const ZORICkeParm_var& parameter, ZORDialog* parent,
                                      const ZORString& name, unsigned long style,
                                      const ZORUnicodeString& title) override;

  //! Opens the parameter's edition box ("ParmEditPanel"); `path` may be null.
  HRESULT Activate(ZORPathElement* path) override;

 private:
  ZORICkeParm_var Parm() const;
  void Publish();

  ZORVar<ZORCommand> publisher_;  // the sender subscribers name
  ZORVar<ZORCkeParmNotification> notification_;
};
