#include <gtest/gtest.h>

#include <vector>

#include "ZORCommand.h"
#include "ZORHSO.h"
#include "ZORISO.h"
#include "ZORSt3DISO.h"
#include "ZORTestListener.h"

namespace {

std::vector<ZORPathElement> Paths(int n) {
  ZORBaseUnknown_var top = ZORMake<ZORSt3DISO>();
  std::vector<ZORPathElement> paths;
  for (int i = 0; i < n; ++i) {
    paths.emplace_back(std::vector<ZORBaseUnknown_var>{top, ZORMake<ZORSt3DISO>()});
  }
  return paths;
}

TEST(HostKit, APublicationShowsTheMembersInOrderWhateverTheBatchDid) {
  const std::vector<ZORPathElement> p = Paths(4);
  auto hso = ZORMake<ZORHSO>();
  hso->AddElement(p[0]);
  hso->AddElement(p[1]);
  // A batch that removes, re-adds and adds: shown only at its end, in member order.
  hso->RemoveElements(p[0]);
  hso->AddElements(p[2]);
  hso->AddElements(p[0]);
  hso->RemoveElements(p[2]);
  hso->AddElements(p[3]);
  EXPECT_EQ(hso->GetShown(), (std::vector<ZORPathElement>{p[0], p[1]}));
  EXPECT_TRUE(hso->IsShown(p[0]));
  EXPECT_FALSE(hso->IsShown(p[3]));
  hso->EndAddElements();
  EXPECT_EQ(hso->GetShown(), hso->GetElements());
  EXPECT_EQ(hso->GetShown(), (std::vector<ZORPathElement>{p[1], p[0], p[3]}));
  EXPECT_FALSE(hso->IsShown(p[2]));
  EXPECT_FALSE(hso->HasPendingChanges());
  const int published = hso->GetPublicationCount();
  hso->RemoveElement(p[1]);
  EXPECT_EQ(hso->GetPublicationCount(), published + 1);
  EXPECT_EQ(hso->GetShown(), (std::vector<ZORPathElement>{p[0], p[3]}));
}

TEST(HostKit, TheInteractiveSetKeepsOrderAndMembersThroughManySwaps) {
  auto iso = ZORMake<ZORISO>();
  std::vector<ZORSt3DISO_var> kept;
  for (int i = 0; i < 3; ++i) {
    kept.push_back(ZORMake<ZORSt3DISO>());
    iso->AddElement(kept.back().get());
  }
  ZORSt3DISO_var moving = ZORMake<ZORSt3DISO>();
  iso->AddElement(moving.get());
  for (int move = 0; move < 100; ++move) {
    ZORSt3DISO_var next = ZORMake<ZORSt3DISO>();
    EXPECT_EQ(iso->RemoveElement(moving.get()), S_OK);
    EXPECT_EQ(iso->AddElement(next.get()), S_OK);
    moving = next;
  }
  iso->RemoveElement(kept[1].get());
  ASSERT_EQ(iso->GetSize(), 3);
  const std::vector<ZORBaseUnknown_var>& elements = iso->GetElements();
  ASSERT_EQ(elements.size(), 3u);
  EXPECT_TRUE(elements[0] == kept[0] && elements[1] == kept[2] && elements[2] == moving);
  EXPECT_EQ(iso->IsMember(kept[1].get()), 0);
  EXPECT_EQ(iso->RemoveElement(kept[1].get()), S_FALSE);
}

TEST(HostKit, DetachedChildrenLeaveTheOthersInOrderAndNotificationsStillClimb) {
  auto father = ZORMake<ZORTestListener>();
  std::vector<ZORVar<ZORCommand>> children;
  for (int i = 0; i < 10; ++i) children.push_back(ZORMake<ZORCommand>(father.get()));
  auto notification = ZORMake<ZORNotification>();
  father->Listen(nullptr, notification.get(), "heard");
  // Destroy every other child, then move one to another father and back.
  for (int i = 0; i < 10; i += 2) children[static_cast<std::size_t>(i)] = nullptr;
  auto other = ZORMake<ZORCommand>();
  children[3]->SetFather(other.get());
  children[3]->SetFather(father.get());
  std::vector<ZORCommand*> expected{children[1].get(), children[5].get(), children[7].get(),
                                    children[9].get(), children[3].get()};
  EXPECT_EQ(father->GetChildren(), expected);
  EXPECT_TRUE(other->GetChildren().empty());
  children[9]->SendNotification(children[9].get(), notification.get());
  EXPECT_EQ(father->log, (std::vector<std::string>{"heard"}));
  // The father going leaves its children fatherless.
  father = nullptr;
  EXPECT_EQ(children[1]->GetFather(), nullptr);
}

}  // namespace
