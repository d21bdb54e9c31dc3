#include <gtest/gtest.h>

#include "ZORCommand.h"
#include "ZORFeature.h"
#include "ZORGuiMSList1InvertNotification.h"
#include "ZORGuiMSList1RemoveNotification.h"
#include "ZORGuiMSList2RemoveNotification.h"
#include "ZORHostSession.h"

namespace {

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
