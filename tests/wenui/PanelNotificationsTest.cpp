#include <gtest/gtest.h>

#include <string>

#include "ZORFeature.h"
#include "ZORGuiMSList1ActivateNotification.h"
#include "ZORGuiMSList1ClearAllNotification.h"
#include "ZORGuiMSList1InvertNotification.h"
#include "ZORGuiMSList1RemoveNotification.h"
#include "ZORGuiMSList1ReplaceNotification.h"
#include "ZORGuiMSList2ActivateNotification.h"
#include "ZORGuiMSList2ClearAllNotification.h"
#include "ZORGuiMSList2RemoveNotification.h"
#include "ZORGuiMSList2ReplaceNotification.h"
#include "ZORGuiMSPushBagButtonNotification.h"
#include "ZORGuiMSPushCloseButtonNotification.h"
#include "ZORHostSession.h"
#include "ZORWENUIUpdateErrorMSPanel.h"

namespace {

// Each notification class is its own kind of notification of the plug-in, and can be made by
// name once it has been used.
template <class N>
void ExpectPluginNotification() {
  SCOPED_TRACE(N::ClassName());
  auto notification = ZORMake<N>();
  EXPECT_STREQ(notification->IsA(), N::ClassName());
  EXPECT_TRUE(notification->IsAKindOf("ZORNotification"));
  EXPECT_STREQ(N::MetaObject()->GetFramework(), "WENUI");
  EXPECT_STREQ(N::MetaObject()->GetBase()->ClassName(), "ZORNotification");

  const ZORMetaObject* found = ZORMetaObject::Find(N::ClassName());
  ASSERT_EQ(found, N::MetaObject());
  auto made = ZORVar<ZORBaseUnknown>::Adopt(found->CreateInstance());
  ASSERT_TRUE(made);
  EXPECT_STREQ(made->IsA(), N::ClassName());
}

template <class... N>
void ExpectPluginNotifications() {
  (ExpectPluginNotification<N>(), ...);
}

TEST(PanelNotifications, EveryClassIsAPluginNotification) {
  ExpectPluginNotifications<
      ZORGuiMSList1RemoveNotification, ZORGuiMSList1InvertNotification,
      ZORGuiMSList1ActivateNotification, ZORGuiMSList1ReplaceNotification,
      ZORGuiMSList1ClearAllNotification, ZORGuiMSList2RemoveNotification,
      ZORGuiMSList2ActivateNotification, ZORGuiMSList2ReplaceNotification,
      ZORGuiMSList2ClearAllNotification, ZORGuiMSPushBagButtonNotification,
      ZORGuiMSPushCloseButtonNotification, ZORWENUIUpdateErrorMSDeactivateNotification,
      ZORWENUIUpdateErrorMSDeleteNotification, ZORWENUIUpdateErrorMSDeactivateAllNotification,
      ZORWENUIUpdateErrorMSDeleteAllNotification, ZORWENUIUpdateErrorMSReplaceParentNotification,
      ZORWENUIUpdateErrorMSReplaceParentNotification2>();
}

// A payload goes in and comes out as a copy: the sender may change its list after setting it,
// and the receiver's list is replaced, not appended to.
template <class N>
void ExpectPayloadRoundTrip(void (N::*set)(const ZORListValZORISpecObject_var&),
                            void (N::*get)(ZORListValZORISpecObject_var&) const,
                            const ZORListValZORISpecObject_var& features) {
  SCOPED_TRACE(N::ClassName());
  auto notification = ZORMake<N>();
  ZORListValZORISpecObject_var received = {features[1]};
  ((*notification).*get)(received);
  EXPECT_TRUE(received.IsEmpty());

  ZORListValZORISpecObject_var sent = features;
  ((*notification).*set)(sent);
  sent.RemoveAll();
  ((*notification).*get)(received);
  ASSERT_EQ(received.Size(), features.Size());
  for (int i = 1; i <= features.Size(); ++i) EXPECT_EQ(received[i], features[i]);

  // Received by a listener through the command tree, the payload is what was set.
  auto listener = ZORMake<ZORCommand>(nullptr, "Listener");
  auto sender = ZORMake<ZORCommand>(listener.get(), "Panel");
  int seen = 0;
  listener->AddAnalyseNotificationCB(
      sender.get(), N::ClassName(),
      [&](ZORCommand*, ZORNotification* n, ZORCallbackData) {
        ZORListValZORISpecObject_var carried;
        (static_cast<N&>(*n).*get)(carried);
        seen = carried.Size();
      },
      nullptr);
  ((*notification).*set)(ZORListValZORISpecObject_var{features[2]});
  EXPECT_TRUE(sender->SendNotification(listener.get(), notification.get()));
  EXPECT_EQ(seen, 1);
}

TEST(PanelNotifications, FeatureListsTravelAsCopies) {
  ZORHostSession session;
  ZORFeature_var set = session.Document().CreateTool("GeometricalSet");
  ZORListValZORISpecObject_var features;
  for (int i = 0; i < 3; ++i) {
    features.Append(ZORISpecObject_var(session.Document().CreatePoint(i, 0, 0, set.get()).get()));
  }
  ExpectPayloadRoundTrip(&ZORGuiMSList1RemoveNotification::SetRemoveFeatureList,
                         &ZORGuiMSList1RemoveNotification::GetRemoveFeatureList, features);
  ExpectPayloadRoundTrip(&ZORGuiMSList2RemoveNotification::SetRemoveFeatureList,
                         &ZORGuiMSList2RemoveNotification::GetRemoveFeatureList, features);
  ExpectPayloadRoundTrip(&ZORGuiMSList1InvertNotification::SetFeatureList,
                         &ZORGuiMSList1InvertNotification::GetFeatureList, features);
}

}  // namespace
