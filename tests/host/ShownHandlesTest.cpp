#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "ZOR3DBagRep.h"
#include "ZOR3DCustomRep.h"
#include "ZOR3DManipulator.h"
#include "ZOR3DMarkerGP.h"
#include "ZOR3DVisuHandle.h"
#include "ZORDriver.h"
#include "ZORHandleDriver.h"
#include "ZORHostSession.h"
#include "ZORSt3DISO.h"
#include "ZORTestListener.h"

namespace {

ZOR3DRep_var Marker(double x) {
  auto drawing = ZORMake<ZOR3DCustomRep>();
  drawing->AddGP(std::make_unique<ZOR3DMarkerGP>(ZORMathPointf(ZORMathPoint(x, 0, 0)), 5));
  return ZOR3DRep_var(drawing.get());
}

// Manipulators and the carriers that put their drawings in the interactive set, as commands
// make them: the pointer must find each manipulator through what shows it, in creation order.
class ShownHandles : public ::testing::Test {
 protected:
  ZOR3DManipulator* Manipulator(const char* name, ZOR3DRep* grabbed) {
    auto* m = new ZOR3DManipulator(&owner, ZORString(name));
    m->AddRepToManipulate(grabbed);
    made.push_back(m);
    return m;
  }
  ZORSt3DISO_var Carry(ZOR3DRep* rep) {
    auto carrier = ZORMake<ZORSt3DISO>(rep);
    iso->AddElement(carrier.get());
    return ZORSt3DISO_var(carrier.get());
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (ZORVisuHandle* handle : pointer.ShownHandles()) names.push_back(handle->GetName().str());
    return names;
  }

  ~ShownHandles() override {
    for (ZOR3DManipulator* m : made) {
      if (!m->IsDestructionRequested()) m->Destroy();
    }
    driver.EndTransaction();
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORHandleDriver pointer{driver};
  ZORISO* iso = session.Editor().GetISO();
  ZORTestListener owner;
  std::vector<ZOR3DManipulator*> made;
};

TEST_F(ShownHandles, RanksFollowCreationNotTheOrderTheDrawingsWereShown) {
  ZOR3DRep_var first = Marker(0);
  ZOR3DRep_var second = Marker(3);
  Manipulator("First", first.get());
  Manipulator("Second", second.get());
  ZORSt3DISO_var late = Carry(second.get());
  EXPECT_EQ(Names(), (std::vector<std::string>{"Second"}));
  ZORSt3DISO_var early = Carry(first.get());
  EXPECT_EQ(Names(), (std::vector<std::string>{"First", "Second"}));
  // Rank 2 is the second made, though its drawing was shown first.
  ASSERT_TRUE(pointer.MoveOver(2));
  EXPECT_TRUE(made[1]->IsPreactivated());
  EXPECT_FALSE(made[0]->IsPreactivated());
  EXPECT_FALSE(pointer.MoveOver(3));
  EXPECT_FALSE(pointer.MoveOver(0));
}

TEST_F(ShownHandles, AManipulatorInsideABagIsShownWhileACarrierHoldsTheBag) {
  ZOR3DRep_var inner = Marker(0);
  auto bag = ZORMake<ZOR3DBagRep>();
  auto outer = ZORMake<ZOR3DBagRep>();
  bag->AddChild(inner.get());
  outer->AddChild(bag.get());
  Manipulator("Inside", inner.get());
  ZORSt3DISO_var carrier = Carry(outer.get());
  EXPECT_EQ(Names(), (std::vector<std::string>{"Inside"}));
  // The carrier draws something else now: nothing grabs the manipulator in the set.
  ZOR3DRep_var other = Marker(9);
  carrier->SetRep(other.get());
  EXPECT_TRUE(Names().empty());
  carrier->SetRep(outer.get());
  ASSERT_EQ(Names().size(), 1U);
  // Taken out of the bag, the drawing shows it no more.
  bag->RemoveChild(inner.get());
  EXPECT_TRUE(Names().empty());
}

TEST_F(ShownHandles, ADrawingThatGrabsTwoShowsTheOldestStillAlive) {
  ZOR3DRep_var shared = Marker(0);
  Manipulator("Old", shared.get());
  Manipulator("Young", shared.get());
  ZORSt3DISO_var carrier = Carry(shared.get());
  EXPECT_EQ(Names(), (std::vector<std::string>{"Old"}));
  made[0]->RequestDelayedDestruction();
  EXPECT_EQ(Names(), (std::vector<std::string>{"Young"}));
  // A drawing inside a grabbing bag: the oldest of all it grabs wins, wherever it grabs.
  auto bag = ZORMake<ZOR3DBagRep>();
  ZOR3DRep_var inner = Marker(1);
  bag->AddChild(inner.get());
  ZOR3DManipulator* elder = made[1];
  Manipulator("Newest", bag.get());
  elder->AddRepToManipulate(inner.get());
  ZORSt3DISO_var both = Carry(bag.get());
  EXPECT_EQ(Names(), (std::vector<std::string>{"Young"}));
}

TEST_F(ShownHandles, AHandleOfItsOwnShowsItselfNotWhatItsDrawingGrabs) {
  ZOR3DRep_var drawing = Marker(0);
  Manipulator("Grabbed", drawing.get());
  auto handle = ZORMake<ZOR3DVisuHandle>(&owner, ZORString("Own"), drawing.get());
  iso->AddElement(handle.get());
  EXPECT_EQ(Names(), (std::vector<std::string>{"Own"}));
  iso->RemoveElement(handle.get());
  EXPECT_TRUE(Names().empty());
}

TEST_F(ShownHandles, MovingAwayLeavesOnlyWhatIsStillShown) {
  ZOR3DRep_var a = Marker(0);
  ZOR3DRep_var b = Marker(3);
  Manipulator("A", a.get());
  Manipulator("B", b.get());
  ZORSt3DISO_var showsA = Carry(a.get());
  ZORSt3DISO_var showsB = Carry(b.get());
  ASSERT_TRUE(pointer.MoveOver(1));
  // Over B now: the pointer left A first.
  ASSERT_TRUE(pointer.MoveOver(2));
  EXPECT_FALSE(made[0]->IsPreactivated());
  EXPECT_TRUE(made[1]->IsPreactivated());
  // B is hidden: the pointer cannot leave what it no longer sees.
  iso->RemoveElement(showsB.get());
  EXPECT_FALSE(pointer.MoveAway());
  EXPECT_TRUE(made[1]->IsPreactivated());
  iso->AddElement(showsB.get());
  EXPECT_TRUE(pointer.MoveAway());
  EXPECT_FALSE(made[1]->IsPreactivated());
  EXPECT_FALSE(pointer.MoveAway());
}

}  // namespace
