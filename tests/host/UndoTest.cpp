#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "ZORConsistencyCheck.h"
#include "ZORDocument.h"
#include "ZORFaultGate.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORGmoUtilitiesServices.h"

namespace {

// A document with a bit of everything that undo must give back.
class Undo : public ::testing::Test {
 protected:
  void SetUp() override {
    set = doc.CreateTool("GeometricalSet");
    body = doc.CreateTool("Body");
    a = doc.CreatePoint(0, 0, 0, set);
    b = doc.CreatePoint(3, 0, 0, set);
    line = doc.CreateFeature("WENLine", set);
    line->SetInput("Start", ZORBaseUnknown_var(a));
    line->SetInput("End", ZORBaseUnknown_var(b));
    ZORFeatureTypeRegistry::Get().Find("WENLine")->FailFor({b.get()}, "Not through\nPoint.2");
    doc.UpdateAll();
    ZORFeatureTypeRegistry::Get().ClearAllFailures();
  }
  void TearDown() override { ZORFeatureTypeRegistry::Get().ClearAllFailures(); }

  ZORDocument doc;
  ZORFeature_var set, body, a, b, line;
};

TEST_F(Undo, TheDumpShowsTheTreeWithStatesAndResults) {
  ZORIVisProperties_var vis(a);
  ZORVisPropertiesValues values;
  values.SetShow(ZORNoShowAttr);
  vis->SetPropertiesAtt(values, ZORVPShow);
  doc.CreatePoint(9, 9, 9);
  EXPECT_EQ(doc.Dump(),
            "Document Document\n"
            "Part.1 [MechanicalPart]\n"
            "  Geometrical Set.1 [GeometricalSet]\n"
            "    Point.1 [WENPoint] X=0 Y=0 Z=0 hidden => point(0,0,0)\n"
            "    Point.2 [WENPoint] X=3 Y=0 Z=0 => point(3,0,0)\n"
            "    Line.1 [WENLine] Start=Point.1 End=Point.2 out-of-date "
            "in-error(\"Not through\\nPoint.2\") => empty\n"
            "  Body.1 [Body]\n"
            "Unattached\n"
            "  Point.3 [WENPoint] X=9 Y=9 Z=9 out-of-date\n");
}

TEST_F(Undo, UndoToAMarkGivesBackExactlyTheDocumentOfTheMark) {
  const std::string before = doc.Dump();
  const int mark = doc.SetMark();

  // A command's worth of changes: create, move, relink, recompute, hide, remove, rename-by-count.
  auto c = doc.CreatePoint(1, 1, 0, body);
  ASSERT_EQ(ZORIDescendants_var(body)->AddChild(ZORISpecObject_var(b)), S_OK);
  ASSERT_EQ(line->SetInput("End", ZORBaseUnknown_var(c)), S_OK);
  a->SetValue("Z", 7);
  ASSERT_EQ(doc.UpdateAll(), 0);
  ZORVisPropertiesValues values;
  values.SetPick(0);
  ZORIVisProperties_var(line)->SetPropertiesAtt(values, ZORVPPick);
  ASSERT_EQ(ZORGmoUtilitiesServices::Remove(ZORBaseUnknown_var(set)), S_OK);
  ASSERT_NE(doc.Dump(), before);

  ASSERT_EQ(doc.UndoToMark(mark), S_OK);
  EXPECT_EQ(doc.Dump(), before);
  EXPECT_FALSE(c->IsInDocument());
  EXPECT_FALSE(ZORISpecObject_var(c)->GetFather());
  EXPECT_TRUE(a->IsInDocument());
  EXPECT_EQ(line->GetInput("End"), b.get());
  // The indexes follow the restored state: users, positions, error, names.
  EXPECT_EQ(b->GetUsers(), std::vector<ZORFeature*>{line.get()});
  EXPECT_EQ(c->GetUsers(), std::vector<ZORFeature*>{});
  EXPECT_EQ(ZORIDescendants_var(set)->GetPosition(ZORISpecObject_var(line)), 3);
  EXPECT_EQ(ZORIUpdateError_var(line)->GetUpdateError()->GetDiagnostic(), "Not through\nPoint.2");
  EXPECT_EQ(doc.CreatePoint(0, 0, 0)->GetDisplayNameText(), "Point.3");

  // The mark stays: a second round trip works the same.
  b->SetValue("X", 5);
  ASSERT_EQ(doc.UndoToMark(mark), S_OK);
  EXPECT_EQ(doc.Dump(), before);
}

TEST_F(Undo, ManyChildrenRemovedOneByOneComeBackInTheirPlaces) {
  std::vector<ZORFeature_var> points;
  for (int i = 0; i < 40; ++i) points.push_back(doc.CreatePoint(i, 0, 0, body));
  const std::string before = doc.Dump();
  const int mark = doc.SetMark();
  // Two of every three go, first to last; the rest keep their order.
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (i % 3 == 1) continue;
    ASSERT_EQ(ZORGmoUtilitiesServices::Remove(ZORBaseUnknown_var(points[i])), S_OK);
  }
  ZORIDescendants_var children(body);
  ASSERT_EQ(children->GetNumberOfChildren(), 13);
  EXPECT_EQ(children->GetPosition(ZORISpecObject_var(points[37])), 13);
  EXPECT_NE(doc.Dump().find("  Body.1 [Body]\n    Point.4 [WENPoint] X=1 Y=0 Z=0 out-of-date\n"
                            "    Point.7 [WENPoint] X=4 Y=0 Z=0 out-of-date\n"),
            std::string::npos)
      << doc.Dump();

  ASSERT_EQ(doc.UndoToMark(mark), S_OK);
  EXPECT_EQ(doc.Dump(), before);
  for (std::size_t i = 0; i < points.size(); ++i) {
    EXPECT_EQ(children->GetPosition(ZORISpecObject_var(points[i])), static_cast<int>(i) + 1);
  }
  // The list works on after undo: removals and insertions land where they should.
  ASSERT_EQ(children->RemoveChildAtPosition(1), S_OK);
  ASSERT_EQ(children->AddChild(ZORISpecObject_var(points[0]), 40), S_OK);
  EXPECT_EQ(children->GetPosition(ZORISpecObject_var(points[0])), 40);
  EXPECT_EQ(children->GetPosition(ZORISpecObject_var(points[39])), 39);
}

TEST_F(Undo, LaterMarksAreForgottenAndUnknownMarksRefused) {
  const int first = doc.SetMark();
  doc.CreatePoint(1, 2, 3, set);
  const int second = doc.SetMark();
  ASSERT_EQ(doc.UndoToMark(first), S_OK);
  EXPECT_FALSE(doc.HasMark(second));
  EXPECT_EQ(doc.UndoToMark(second), E_INVALIDARG);
  doc.ForgetMark(first);
  EXPECT_EQ(doc.UndoToMark(first), E_INVALIDARG);

  ZORFaultGate::Arm(1);
  const int third = doc.SetMark();
  EXPECT_EQ(doc.UndoToMark(third), E_FAIL);
  ZORFaultGate::Disarm();
}

TEST_F(Undo, MarksGoBackAndForthBetweenStatesThatChangedAtDifferentTimes) {
  // a changes between the first two marks only, b between the last two only: the marks share
  // the states that did not change, and each must still give back its own.
  const int first = doc.SetMark();
  a->SetValue("X", 1);
  const int second = doc.SetMark();
  b->SetValue("X", 5);
  const int third = doc.SetMark();
  a->SetValue("X", 2);  // changed after every mark
  auto values = [&] { return std::vector<double>{a->GetValue("X"), b->GetValue("X")}; };
  ASSERT_EQ(doc.GoToMark(first), S_OK);
  EXPECT_EQ(values(), (std::vector<double>{0, 3}));
  ASSERT_EQ(doc.GoToMark(third), S_OK);
  EXPECT_EQ(values(), (std::vector<double>{1, 5}));
  ASSERT_EQ(doc.GoToMark(second), S_OK);
  EXPECT_EQ(values(), (std::vector<double>{1, 3}));
  // A mark set now shares what the second holds, and still outlives it.
  const int fourth = doc.SetMark();
  doc.ForgetMark(second);
  b->SetValue("X", 8);
  ASSERT_EQ(doc.GoToMark(fourth), S_OK);
  EXPECT_EQ(values(), (std::vector<double>{1, 3}));
}

// Back to the state before a relink, then forward to the state after it: each time the users
// are those of the state reached, and a change reaches the user of that state.
TEST_F(Undo, GoingBackAndForthKeepsTheUsersOfEachState) {
  const int before = doc.SetMark();
  auto c = doc.CreatePoint(1, 1, 0, body);
  ASSERT_EQ(line->SetInput("End", ZORBaseUnknown_var(c)), S_OK);
  const int after = doc.SetMark();
  ASSERT_EQ(doc.GoToMark(before), S_OK);
  EXPECT_EQ(b->GetUsers(), std::vector<ZORFeature*>{line.get()});
  EXPECT_EQ(c->GetUsers(), std::vector<ZORFeature*>{});
  EXPECT_TRUE(ZORConsistencyCheck::Problems(doc).empty());
  ASSERT_EQ(doc.GoToMark(after), S_OK);
  EXPECT_EQ(b->GetUsers(), std::vector<ZORFeature*>{});
  EXPECT_EQ(c->GetUsers(), std::vector<ZORFeature*>{line.get()});
  EXPECT_EQ(a->GetUsers(), std::vector<ZORFeature*>{line.get()});
  ASSERT_EQ(doc.UpdateAll(), 0);
  c->SetValue("X", 5);
  EXPECT_FALSE(line->IsUpToDate());
  EXPECT_TRUE(ZORConsistencyCheck::Problems(doc).empty());
}

TEST_F(Undo, AFeatureCreatedAfterTheMarkAndUsingOthersLetsGoOfThem) {
  const int mark = doc.SetMark();
  auto extra = doc.CreateFeature("WENLine", body);
  extra->SetInput("Start", ZORBaseUnknown_var(a));
  ASSERT_EQ(a->GetUsers().size(), 2u);
  ASSERT_EQ(doc.UndoToMark(mark), S_OK);
  EXPECT_EQ(a->GetUsers(), std::vector<ZORFeature*>{line.get()});
  EXPECT_EQ(extra->GetInput("Start"), nullptr);
  a->SetValue("X", 1);
  EXPECT_FALSE(line->IsUpToDate());
}

// Commands at random between marks set, gone back to, forgotten and undone to in any order:
// going to a mark gives back the very document it saw, with the users of that document.
TEST_F(Undo, AnyWalkThroughMarksGivesBackTheDocumentOfEachMark) {
  std::mt19937 random(11);
  std::vector<ZORFeature_var> points{a, b};
  std::map<int, std::string> dumps;  // the marks alive, with the document each saw
  const auto any = [&](auto& items) -> auto& {
    return items[random() % items.size()];
  };
  const auto anyMark = [&] { return std::next(dumps.begin(), random() % dumps.size()); };
  const auto expectMarkState = [&](const std::string& dump) {
    EXPECT_EQ(doc.Dump(), dump);
    EXPECT_TRUE(ZORConsistencyCheck::Problems(doc).empty());
  };
  for (int step = 0; step < 800 && !HasFailure(); ++step) {
    ZORFeature_var& point = any(points);
    switch (random() % 10) {
      case 0:
        points.push_back(doc.CreatePoint(step, 1, 2, random() % 2 ? set : body));
        break;
      case 1:
        point->SetValue("X", step);
        break;
      case 2:
        ZORGmoUtilitiesServices::Remove(ZORBaseUnknown_var(point));
        break;
      case 3:
        line->SetInput(random() % 2 ? "Start" : "End", ZORBaseUnknown_var(point));
        break;
      case 4: {
        ZORVisPropertiesValues values;
        values.SetShow(random() % 2 ? ZORNoShowAttr : ZORShowAttr);
        ZORIVisProperties_var(point)->SetPropertiesAtt(values, ZORVPShow);
        break;
      }
      case 5:
        ZORIDescendants_var(random() % 2 ? body : set)->AddChild(ZORISpecObject_var(point));
        break;
      case 6:
        doc.UpdateAll();
        break;
      case 7:
        dumps[doc.SetMark()] = doc.Dump();
        break;
      case 8:
        if (dumps.empty()) break;
        if (auto mark = anyMark(); true) {
          ASSERT_EQ(doc.GoToMark(mark->first), S_OK);
          expectMarkState(mark->second);
        }
        break;
      default:
        if (dumps.empty()) break;
        if (auto mark = anyMark(); random() % 2) {
          doc.ForgetMark(mark->first);
          dumps.erase(mark);
        } else {
          ASSERT_EQ(doc.UndoToMark(mark->first), S_OK);
          expectMarkState(mark->second);
          dumps.erase(std::next(mark), dumps.end());
        }
    }
  }
  for (const auto& [mark, dump] : dumps) EXPECT_TRUE(doc.HasMark(mark));
}

}  // namespace
