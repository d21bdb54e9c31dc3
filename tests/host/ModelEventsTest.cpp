#include <gtest/gtest.h>

#include "ZORCreate.h"
#include "ZORDelete.h"
#include "ZORDocument.h"
#include "ZORModify.h"
#include "ZORModifyAttribut.h"
#include "ZORModifyShowAttribut.h"
#include "ZORModifyVisProperties.h"
#include "ZORMuiAppendConstraint.h"
#include "ZORMuiRemoveConstraint.h"

namespace {

class ModelEvents : public ::testing::Test {
 protected:
  ZORDocument doc;
  ZORFeature_var set = doc.CreateTool("GeometricalSet");
  ZORFeature_var point = doc.CreatePoint(0, 0, 0, set);
  ZORIModelEvents_var events{ZORBaseUnknown_var(point)};

  template <class Event, class... Args>
  HRESULT Send(Args&&... args) {
    auto event = ZORMake<Event>(std::forward<Args>(args)...);
    return events->Dispatch(event);
  }
};

TEST_F(ModelEvents, EachEventIsLoggedAsOneStableLine) {
  const ZORBaseUnknown_var f(point);
  ZORVisPropertiesValues values;
  values.SetPick(0);
  ZORPathElement path = doc.GivePathElementFrom(f);
  ASSERT_EQ(Send<ZORCreate>(f, ZORBaseUnknown_var(set), 0), S_OK);
  ASSERT_EQ(Send<ZORModify>(f, ZORBaseUnknown::MetaObject(), 1), S_OK);
  ASSERT_EQ(Send<ZORModifyVisProperties>(f, path, 0, ZORVPPick, values), S_OK);
  values.SetOpacity(128);
  ASSERT_EQ(Send<ZORModifyVisProperties>(f, path, 1, ZORVPOpacity, values), S_OK);
  ASSERT_EQ(Send<ZORModifyAttribut>(f, ZORBaseUnknown::MetaObject(), ZORPathElement()), S_OK);
  ASSERT_EQ(Send<ZORModifyShowAttribut>(f, ZORNoShowAttr, 1, 0), S_OK);
  ASSERT_EQ(Send<ZORMuiAppendConstraint>(ZORISpecObject_var(point)->GetImplementation()), S_OK);
  ASSERT_EQ(Send<ZORMuiRemoveConstraint>(f), S_OK);
  ASSERT_EQ(Send<ZORDelete>(f), S_OK);
  EXPECT_EQ(doc.GetEventLog().Lines(),
            (std::vector<std::string>{
                "ZORCreate Point.1 father=Geometrical Set.1 0",
                "ZORModify Point.1 attr=ZORBaseUnknown 1",
                "ZORModifyVisProperties Point.1 path=Part.1/Geometrical Set.1/Point.1 flag=0 "
                "type=8 pick=0",
                "ZORModifyVisProperties Point.1 path=Part.1/Geometrical Set.1/Point.1 flag=1 "
                "type=1 opacity=128",
                "ZORModifyAttribut Point.1 attr=ZORBaseUnknown path=(unset)",
                "ZORModifyShowAttribut Point.1 show=1 1 0",
                "ZORMuiAppendConstraint Point.1",
                "ZORMuiRemoveConstraint Point.1",
                "ZORDelete Point.1",
            }));
  auto logged = doc.GetEventLog().Events();
  ASSERT_EQ(logged.size(), 9u);
  EXPECT_TRUE(logged[0]->IsAKindOf("ZORModelEvent"));
  EXPECT_TRUE(logged[0]->GetObject() == point);
}

TEST_F(ModelEvents, TheDriverDrainsTheLogWhichNeverGrowsWithoutLimit) {
  for (std::size_t i = 0; i < ZOREventLog::kMaxEvents + 5; ++i) {
    Send<ZORModify>(ZORBaseUnknown_var(point), ZORBaseUnknown::MetaObject(), 1);
  }
  EXPECT_EQ(doc.GetEventLog().Size(), ZOREventLog::kMaxEvents);
  EXPECT_EQ(doc.GetEventLog().Dropped(), 5u);
  auto lines = doc.GetEventLog().DrainLines();
  EXPECT_EQ(lines.size(), ZOREventLog::kMaxEvents);
  EXPECT_EQ(doc.GetEventLog().Size(), 0u);
  EXPECT_EQ(events->Dispatch(nullptr), E_INVALIDARG);
  EXPECT_EQ(doc.GetEventLog().Size(), 0u);
}

TEST_F(ModelEvents, ALineKeepsTheNameTheFeatureHadWhenItWasSent) {
  auto loose = doc.CreatePoint(1, 1, 1);
  auto event = ZORMake<ZORDelete>(ZORBaseUnknown_var(loose));
  ASSERT_EQ(ZORIModelEvents_var(loose)->Dispatch(event), S_OK);
  const int mark = doc.SetMark();
  ASSERT_EQ(ZORIModelEvents_var(point)->Dispatch(event), S_OK);
  ASSERT_EQ(doc.UndoToMark(mark), S_OK);
  EXPECT_EQ(doc.GetEventLog().Lines().front(), "ZORDelete Point.2");
  EXPECT_EQ(doc.GetEventLog().Size(), 2u);  // undo does not rewrite what the viewer was told
}

// A rename between two events, and the set's rename under a path already sent: each line names
// what the features were called when it was sent, read before or after the renames.
TEST_F(ModelEvents, ARenameLeavesTheLinesAlreadySentAsTheyWere) {
  ZORVisPropertiesValues values;
  values.SetPick(1);
  const ZORPathElement path = doc.GivePathElementFrom(ZORBaseUnknown_var(point));
  ASSERT_EQ(Send<ZORModifyVisProperties>(ZORBaseUnknown_var(point), path, 0, ZORVPPick, values),
            S_OK);
  ASSERT_EQ(point->Rename(ZORUnicodeString("Apex")), S_OK);
  ASSERT_EQ(set->Rename(ZORUnicodeString("Construction")), S_OK);
  ASSERT_EQ(Send<ZORDelete>(ZORBaseUnknown_var(point)), S_OK);
  EXPECT_EQ(doc.GetEventLog().DrainLines(),
            (std::vector<std::string>{
                "ZORModifyVisProperties Point.1 path=Part.1/Geometrical Set.1/Point.1 flag=0 "
                "type=8 pick=1",
                "ZORDelete Apex",
            }));
  ASSERT_EQ(Send<ZORModifyVisProperties>(ZORBaseUnknown_var(point), path, 0, ZORVPPick, values),
            S_OK);
  EXPECT_EQ(doc.GetEventLog().Lines(),
            std::vector<std::string>{"ZORModifyVisProperties Apex path=Part.1/Construction/Apex "
                                     "flag=0 type=8 pick=1"});
}

}  // namespace
