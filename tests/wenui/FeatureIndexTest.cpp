// The index the selector lists keep beside their features, and the highlight helper they share:
// both have logic of their own under the lists.

#include <gtest/gtest.h>

#include "ZORFeature.h"
#include "ZORFrmEditor.h"
#include "ZORHSO.h"
#include "ZORHostSession.h"
#include "ZORSpecObjectOf.h"
#include "ZORWENUIFeatureIndex.h"
#include "ZORWENUIListHighlight.h"

namespace {

class FeatureIndex : public ::testing::Test {
 protected:
  FeatureIndex() {
    set = session.Document().CreateTool("GeometricalSet");
    for (double x : {1.0, 2.0, 3.0}) {
      points.push_back(session.Document().CreatePoint(x, 0, 0, set));
    }
  }
  ZORISpecObject_var P(int i) const { return ZORSpecObjectOf(points[static_cast<size_t>(i)]); }
  ZORBaseUnknown_var U(int i) const { return ZORBaseUnknown_var(P(i)); }

  ZORHostSession session;
  ZORFeature_var set;
  std::vector<ZORFeature_var> points;
};

}  // namespace

TEST_F(FeatureIndex, RepeatedEntriesAreFoundInOrderAndAReplacementForgetsItsPosition) {
  ZORListValZORISpecObject_var list{P(0), P(0), P(0)};
  ZORWENUIFeatureIndex index;
  EXPECT_EQ(index.Locate(list, U(0), 0), 1);
  EXPECT_EQ(index.Locate(list, U(0), 1), 2);
  EXPECT_EQ(index.Locate(list, U(0), 2), 3);
  EXPECT_EQ(index.Locate(list, U(0), 3), 0);
  EXPECT_EQ(index.Locate(list, ZORBaseUnknown_var(), 0), 0);

  // The last and then the first of the three are replaced, as a list replaces an entry.
  list.ReplaceAt(3, P(1));
  index.Replaced(list, 3);
  EXPECT_EQ(index.Locate(list, U(0), 2), 0);
  EXPECT_EQ(index.Locate(list, U(1), 0), 3);
  list.ReplaceAt(1, P(2));
  index.Replaced(list, 1);
  EXPECT_EQ(index.Locate(list, U(0), 0), 2);
  EXPECT_EQ(index.Locate(list, U(2), 0), 1);

  list.Append(P(0));
  index.Appended(list);
  EXPECT_EQ(index.Locate(list, U(0), 2), 4);
}

// Removals forget each entry under what it was indexed when it came, replaced or moved up since:
// a position left behind would hide a repeated feature's entry once it is appended again.
TEST_F(FeatureIndex, RemovalsAfterReplacementsAndMovesForgetTheRightEntries) {
  ZORListValZORISpecObject_var list{P(1), P(0), P(2), P(1)};
  ZORWENUIFeatureIndex index;
  ASSERT_EQ(index.Locate(list, U(1), 0), 1);
  list.ReplaceAt(4, P(0));
  index.Replaced(list, 4);
  EXPECT_EQ(index.RemoveLines(list, {0}), (std::vector<int>{0, 0, 1, 2, 3}));
  EXPECT_EQ(index.LocateAll(list, U(0)), (std::vector<int>{1, 3}));
  EXPECT_EQ(index.Locate(list, U(1), 0), 0);
  index.RemoveLines(list, {0});  // the first of the two, moved up before
  list.Append(P(0));
  index.Appended(list);
  EXPECT_EQ(index.LocateAll(list, U(0)), (std::vector<int>{2, 3}));
  EXPECT_EQ(index.Locate(list, U(2), 0), 1);
}

TEST_F(FeatureIndex, AnInvalidatedIndexIsRebuiltAtTheNextLookUp) {
  ZORListValZORISpecObject_var list{P(0), P(1)};
  ZORWENUIFeatureIndex index;
  ASSERT_EQ(index.Locate(list, U(1), 0), 2);
  list.ReplaceAt(2, P(2));  // same size: only the invalidation tells
  index.Invalidate();
  EXPECT_EQ(index.Locate(list, U(2), 0), 2);
  EXPECT_EQ(index.Locate(list, U(1), 0), 0);
}

TEST_F(FeatureIndex, NothingMatchesANullEntryOrFeature) {
  EXPECT_TRUE(ZORWENUIFeatureIndex::Matches(U(0), U(0)));
  EXPECT_FALSE(ZORWENUIFeatureIndex::Matches(U(0), U(1)));
  EXPECT_FALSE(ZORWENUIFeatureIndex::Matches(ZORBaseUnknown_var(), U(0)));
  EXPECT_FALSE(ZORWENUIFeatureIndex::Matches(U(0), ZORBaseUnknown_var()));
}

TEST_F(FeatureIndex, HighlightingNeedsASetAnEditorAndAFeatureWithAPath) {
  ZORHSO* hso = session.Editor().GetHSO();
  EXPECT_EQ(ZORWENUIListHighlight::Add(nullptr, U(0), false), E_FAIL);
  EXPECT_EQ(ZORWENUIListHighlight::Add(hso, ZORBaseUnknown_var(), false), E_FAIL);
  EXPECT_EQ(ZORWENUIListHighlight::Remove(nullptr, U(0), false), E_FAIL);
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  ZORFrmEditor::SetCurrentEditor(nullptr);
  EXPECT_EQ(ZORWENUIListHighlight::Add(hso, U(0), false), E_FAIL);
  EXPECT_EQ(ZORWENUIListHighlight::Remove(hso, U(0), false), E_FAIL);
  ZORFrmEditor::SetCurrentEditor(editor);
  EXPECT_EQ(hso->GetSize(), 0);

  EXPECT_EQ(ZORWENUIListHighlight::Add(hso, U(0), false), S_OK);
  EXPECT_EQ(ZORWENUIListHighlight::Add(hso, U(1), true), S_OK);
  hso->EndAddElements();
  EXPECT_EQ(hso->GetSize(), 2);
  // Added again: still one member, and nothing published.
  const int publications = hso->GetPublicationCount();
  EXPECT_EQ(ZORWENUIListHighlight::Add(hso, U(1), false), S_OK);
  EXPECT_EQ(hso->GetSize(), 2);
  EXPECT_EQ(hso->GetPublicationCount(), publications);
  EXPECT_EQ(ZORWENUIListHighlight::Remove(hso, U(0), false), S_OK);
  ZORPathElement path;
  ASSERT_EQ(ZORWENUIListHighlight::PathOf(U(1), path), S_OK);
  EXPECT_TRUE(hso->IsMember(path));
  ASSERT_EQ(ZORWENUIListHighlight::PathOf(U(0), path), S_OK);
  EXPECT_FALSE(hso->IsMember(path));
  EXPECT_EQ(hso->GetSize(), 1);
}
