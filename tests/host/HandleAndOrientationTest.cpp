#include <gtest/gtest.h>

#include "ZOR3DBagRep.h"
#include "ZOR3DCustomRep.h"
#include "ZOR3DFixedArrowGP.h"
#include "ZOR3DVisuHandle.h"
#include "ZORDriver.h"
#include "ZORGetTangent.h"
#include "ZORGmoUtilitiesServices.h"
#include "ZORHandleDriver.h"
#include "ZORHostSession.h"
#include "ZORIOrientationFlag.h"
#include "ZORMathDirection.h"
#include "ZORMathTransformation.h"
#include "ZORSpecObjectOf.h"
#include "ZORTestListener.h"
#include "ZORWENGetNormale.h"

namespace {

// A bag holding one arrow drawn with `attributes`.
ZOR3DBagRep_var ArrowBag(const ZORGraphicAttributeSet& attributes = ZORGraphicAttributeSet()) {
  auto drawing = ZORMake<ZOR3DCustomRep>();
  drawing->AddGP(
      std::make_unique<ZOR3DFixedArrowGP>(ZORMathPointf(0, 0, 0), ZORMathVectorf(1, 0, 0), 15, 5),
      attributes);
  auto bag = ZORMake<ZOR3DBagRep>();
  bag->AddChild(drawing.get());
  return bag;
}

// A handle in the current editor's interactive set, listened to by a command.
class VisuHandle : public ::testing::Test {
 protected:
  void Show(ZOR3DRep* rep) {
    handle = ZORMake<ZOR3DVisuHandle>(&owner, ZORString("handle"), rep);
    owner.Listen(handle.get(), handle->GetPreactivateNotification(), "over");
    owner.Listen(handle.get(), handle->GetEndPreactivateNotification(), "away");
    owner.Listen(handle.get(), handle->GetActivateNotification(), "click");
    session.Editor().GetISO()->AddElement(handle.get());
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORHandleDriver pointer{driver};
  ZORTestListener owner;
  ZOR3DVisuHandle_var handle;
};

TEST_F(VisuHandle, PointerOverAwayAndClicksReachTheFather) {
  Show(ArrowBag().get());
  ASSERT_EQ(pointer.ShownHandles().size(), 1u);
  EXPECT_TRUE(pointer.MoveOver(1));
  EXPECT_TRUE(pointer.MoveOver(1));  // still over it: nothing new
  EXPECT_EQ(
      pointer.DescribeHandles(),
      (std::vector<std::string>{"handle over bag(custom(arrow(0,0,0 dir=1,0,0 size=15,5)))"}));
  EXPECT_TRUE(pointer.MoveAway());
  EXPECT_FALSE(pointer.MoveAway());
  EXPECT_TRUE(pointer.Click(1));  // the pointer comes over it first
  EXPECT_FALSE(pointer.Click(2));
  EXPECT_EQ(owner.log, (std::vector<std::string>{"over", "away", "over", "click"}));
}

TEST_F(VisuHandle, NoPickOrOnlyHiddenDrawingCannotBePicked) {
  ZOR3DBagRep_var bag = ArrowBag();
  bag->SetNoPick(true);
  Show(bag.get());
  EXPECT_FALSE(pointer.Click(1));
  EXPECT_EQ(pointer.DescribeHandles()[0].rfind("handle nopick", 0), 0u);

  ZORGraphicAttributeSet hidden;
  hidden.SetHiddenSpace(true);
  handle->SetRep(ArrowBag(hidden).get());
  EXPECT_FALSE(pointer.MoveOver(1));
  handle->SetRep(ArrowBag().get());
  // The owner hands its reference over; the interactive set keeps the handle alive meanwhile.
  ZOR3DVisuHandle* going = handle.Detach();
  going->RequestDelayedDestruction();
  EXPECT_FALSE(going->Click());
  EXPECT_TRUE(owner.log.empty());
}

class Orientation : public ::testing::Test {
 protected:
  void SetUp() override {
    set = doc().CreateTool("GeometricalSet");
    a = doc().CreatePoint(0, 0, 0, set.get());
    b = doc().CreatePoint(10, 0, 0, set.get());
    c = doc().CreatePoint(0, 10, 0, set.get());
    line = doc().CreateFeature("WENLine", set.get());
    line->SetInput("Start", ZORSpecObjectOf(a));
    line->SetInput("End", ZORSpecObjectOf(b));
    plane = doc().CreateFeature("WENPlane", set.get());
    plane->SetInput("Point1", ZORSpecObjectOf(a));
    plane->SetInput("Point2", ZORSpecObjectOf(b));
    plane->SetInput("Point3", ZORSpecObjectOf(c));
    ASSERT_EQ(doc().UpdateAll(), 0);
  }

  ZORDocument& doc() { return session.Document(); }

  ZORMathVector Tangent() {
    ZORMathPoint point;
    ZORMathVector tangent;
    EXPECT_EQ(GetTangent(ZORSpecObjectOf(line), kZORTangentAtStart, ZORMathVector(1, 0, 0), point,
                         tangent),
              S_OK);
    return tangent;
  }
  ZORMathVector Normal() {
    ZORMathVector normal;
    EXPECT_EQ(ZORWENGetNormale(ZORSpecObjectOf(plane), normal), S_OK);
    return normal;
  }

  // Replaces the feature by itself while its flag is up, as the orientation question does.
  void Invert(const ZORFeature_var& feature) {
    ZORIOrientationFlag_var flag(ZORSpecObjectOf(feature));
    ASSERT_TRUE(flag);
    ASSERT_EQ(flag->SetOrientationFlag(1), S_OK);
    ASSERT_EQ(
        ZORGmoUtilitiesServices::Replace(ZORSpecObjectOf(feature), ZORSpecObjectOf(feature), 0),
        S_OK);
    ASSERT_EQ(flag->SetOrientationFlag(0), S_OK);
  }

  ZORHostSession session;
  ZORFeature_var set, a, b, c, line, plane;
};

TEST_F(Orientation, ReplacingAFlaggedFeatureByItselfInvertsItsResult) {
  EXPECT_EQ(Tangent(), ZORMathVector(1, 0, 0));
  EXPECT_EQ(Normal(), ZORMathVector(0, 0, 1));
  const int mark = doc().SetMark();

  // Without the flag a replacement by itself only makes the feature out of date.
  ASSERT_EQ(ZORGmoUtilitiesServices::Replace(ZORSpecObjectOf(line), ZORSpecObjectOf(line), 0),
            S_OK);
  ASSERT_EQ(doc().UpdateAll(), 0);
  EXPECT_EQ(Tangent(), ZORMathVector(1, 0, 0));

  Invert(line);
  Invert(plane);
  EXPECT_FALSE(line->IsUpToDate());
  EXPECT_EQ(ZORIOrientationFlag_var(ZORSpecObjectOf(line))->GetOrientation(), -1);
  ASSERT_EQ(doc().UpdateAll(), 0);
  EXPECT_EQ(Tangent(), ZORMathVector(-1, 0, 0));
  EXPECT_EQ(Normal(), ZORMathVector(0, 0, -1));

  // The orientation is part of the model: undo gives it back, a second inversion too.
  ASSERT_EQ(doc().UndoToMark(mark), S_OK);
  EXPECT_EQ(ZORIOrientationFlag_var(ZORSpecObjectOf(line))->GetOrientation(), 1);
  Invert(line);
  Invert(line);
  ASSERT_EQ(doc().UpdateAll(), 0);
  EXPECT_EQ(Tangent(), ZORMathVector(1, 0, 0));
  EXPECT_FALSE(ZORIOrientationFlag_var(ZORSpecObjectOf(a)));  // a point has no orientation
}

TEST(MathGeometry, ATransformationAndItsInverseComposeToTheIdentity) {
  const double m[3][3] = {{0, -1, 0}, {1, 0, 0}, {0, 0, 2}};
  const ZORMathTransformation t(m, ZORMathVector(1, 2, 3));
  const auto inverse = t.Inverse();
  ASSERT_TRUE(inverse);
  EXPECT_TRUE(inverse->Compose(t).IsIdentity());
  EXPECT_EQ(inverse->Apply(t.Apply(ZORMathPoint(4, -5, 6))), ZORMathPoint(4, -5, 6));
  const double flat[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 0}};
  EXPECT_FALSE(ZORMathTransformation(flat, ZORMathVector()).Inverse());

  const ZORMathDirection d(0, 3, 4);
  EXPECT_EQ(d, ZORMathVector(0, 0.6, 0.8));
  EXPECT_EQ(-d, ZORMathVector(0, -0.6, -0.8));
  EXPECT_EQ(ZORMathDirection(ZORMathVector()), ZORMathVector(1, 0, 0));
}

}  // namespace
