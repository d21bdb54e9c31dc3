#include <gtest/gtest.h>

#include "ZORConsistencyCheck.h"
#include "ZORIModelEvents.h"
#include "ZORModify.h"
#include "ZORSpecObjectOf.h"

namespace {

TEST(ConsistencyCheck, AWholeDocumentHasNoProblemAndAStrayEventIsOne) {
  ZORDocument mine("Mine");
  ZORDocument other("Other");
  ZORFeature_var set = mine.CreateTool("GeometricalSet");
  ZORFeature_var point = mine.CreatePoint(1, 0, 0, set.get());
  ZORFeature_var parameter = mine.CreateParameter("Length", "Longueur", 2);
  point->remove();
  mine.UpdateAll();
  EXPECT_TRUE(ZORConsistencyCheck::Problems(mine).empty());
  // A parameter stands outside the tree by nature; a point never does outside a command.
  EXPECT_TRUE(ZORConsistencyCheck::Unattached(mine).empty());
  ZORFeature_var loose = mine.CreatePoint(2, 0, 0);
  EXPECT_EQ(ZORConsistencyCheck::Unattached(mine),
            (std::vector<std::string>{"Point.2 is in the document without a father"}));
  loose->remove();
  EXPECT_TRUE(ZORConsistencyCheck::Unattached(mine).empty());

  // An event about this document's feature sent through another document's part.
  ZORFeature_var foreign = other.CreatePoint(0, 0, 0, other.CreateTool("GeometricalSet").get());
  ZORIModelEvents_var(ZORSpecObjectOf(mine.GetPart()))
      ->Dispatch(ZORMake<ZORModify>(ZORSpecObjectOf(foreign), nullptr, 0).get());
  const std::vector<std::string> problems = ZORConsistencyCheck::Problems(mine);
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].rfind("event names a feature of another document: ZORModify Point.1", 0),
            0u)
      << problems[0];
}

}  // namespace
