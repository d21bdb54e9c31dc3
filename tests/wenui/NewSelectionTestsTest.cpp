#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ZORBodyBuilder.h"
#include "ZORCylinder.h"
#include "ZORDriver.h"
#include "ZORDriverPick.h"
#include "ZORFaultGate.h"
#include "ZORFeatureGeometry.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORIMfPoint.h"
#include "ZORIMfZeroDimResult.h"
#include "ZORHostSession.h"
#include "ZORStateCommand.h"
#include "ZORWENUIFeatureAgent.h"
#include "ZORWENUINewSelectionTests.h"

namespace {

using Check = bool (ZORWENUINewSelectionTests::*)(void*);

// A command with one feature agent whose picks go through the given conditions, all of which
// must hold; an accepted pick is logged with the feature and type the conditions stored.
class SelectionCommand : public ZORStateCommand {
  ZOR_DECLARE_CLASS(SelectionCommand, ZORStateCommand, ZORMetaObject::Implementation, "Test")

  SelectionCommand(std::vector<Check> tests, int connexMode)
      : ZORStateCommand("SelectionCommand"), tests_(std::move(tests)), connexMode_(connexMode) {}

  void BuildGraph() override {
    ZORDialogState* state = GetInitialState("Select");
    agent_ = ZORMake<ZORWENUIFeatureAgent>(ZORString("_Sel"), ZORString(), 0, 0, nullptr, 0,
                                           connexMode_);
    AddAgent(state, agent_.get());
    // One test is put on the transition as commands do; several are chained.
    ZORCondition condition = tests_.size() == 1
                                 ? Condition(selection_.get(), tests_[0], agent_.get())
                                 : Condition(&SelectionCommand::Passes, nullptr);
    AddTransition(state, state, condition, Action(&SelectionCommand::Took, nullptr));
  }

  ZORWENUIFeatureAgent& agent() { return *agent_; }
  ZORWENUINewSelectionTests& tests() { return *selection_; }
  std::vector<std::string> log;

 private:
  bool Passes(ZORCallbackData) {
    for (Check test : tests_) {
      if (!(selection_.get()->*test)(agent_.get())) return false;
    }
    return true;
  }
  bool Took(ZORCallbackData) {
    const ZORISpecObject_var& feature = agent_->GetFeature();
    log.push_back((feature ? feature->GetDisplayName().str() : std::string("none")) + " type " +
                  std::to_string(agent_->GetGeometricType()) +
                  (agent_->IsOutputSet() ? " still valued" : ""));
    return true;
  }

  std::vector<Check> tests_;
  int connexMode_;
  ZORVar<ZORWENUIFeatureAgent> agent_;
  ZORVar<ZORWENUINewSelectionTests> selection_ = ZORMake<ZORWENUINewSelectionTests>();
};

// Faces made without the two-dimension result interface ("TestBareFace": one face) and with it
// ("TestTwoFaces": two faces): what a face test goes by, the interface or the geometry.
ZORBody_var Patches(int count) {
  ZORBodyBuilder builder;
  for (int i = 0; i < count; ++i) {
    builder.AddFace(ZORMake<ZORCylinder>(ZORMathPoint(0, 0, 20), ZORMathPoint(0, 0, 30),
                                         ZORMathVector(1, 0, 0), 2.0, 100.0 * i, 100.0 * i + 90));
  }
  return builder.Finish();
}

const bool registered = [] {
  std::vector<IID> bare = ZORFeatureGeometry::Interfaces(0);
  std::erase_if(bare, [](const IID& iid) {
    return iid == ZORIMfPoint::ClassIID() || iid == ZORIMfZeroDimResult::ClassIID();
  });
  auto& registry = ZORFeatureTypeRegistry::Get();
  registry.Register({"TestBareFace", "Bare Face", "", bare, {},
                     [](const ZORFeature&, ZORBody_var& body, std::string&) {
                       body = Patches(1);
                       return true;
                     }});
  registry.Register({"TestTwoFaces", "Two Faces", "", ZORFeatureGeometry::Interfaces(2), {},
                     [](const ZORFeature&, ZORBody_var& body, std::string&) {
                       body = Patches(2);
                       return true;
                     }});
  return true;
}();

class NewSelectionTests : public ::testing::Test {
 protected:
  NewSelectionTests() {
    ZORDocument& doc = session.Document();
    set = doc.CreateTool("GeometricalSet");
    origin = Point(0, 0, 0);
    p2 = Point(10, 0, 0);
    p3 = Point(10, 10, 0);
    corner = Make("WENPolyline", {origin, p2, p3});
    line = Make("WENLine", {origin, p2}, {"Start", "End"});
    arc = Make("WENArc", {origin, Point(5, -2, 0), p2});
    cloud = Make("WENCloud", {p2, p3});
    plane = Make("WENPlane", {origin, p2, p3});
    cylinder = Make("WENCylinder", {origin, p2}, {"Start", "End"});
    cylinder->SetValue("Radius", 3);
    EXPECT_EQ(doc.UpdateAll(), 0);
  }

  ZORFeature_var Point(double x, double y, double z) {
    return session.Document().CreatePoint(x, y, z, set.get());
  }
  ZORFeature_var Make(const char* type, std::vector<ZORFeature_var> inputs,
                      std::vector<std::string> roles = {}) {
    ZORFeature_var f = session.Document().CreateFeature(type, set.get());
    for (std::size_t i = 0; i < inputs.size(); ++i) {
      const std::string role = i < roles.size() ? roles[i] : "Point" + std::to_string(i + 1);
      f->SetInput(role, ZORBaseUnknown_var(inputs[i]));
    }
    return f;
  }
  // Two segments of 10 mm whose directions differ by `degrees`.
  ZORFeature_var Kinked(double degrees) {
    const double a = degrees * 3.14159265358979323846 / 180.0;
    ZORFeature_var f =
        Make("WENPolyline", {Point(0, 20, 0), Point(10, 20, 0),
                             Point(10 + 10 * std::cos(a), 20 + 10 * std::sin(a), 0)});
    session.Document().UpdateAll();
    return f;
  }
  SelectionCommand& Start(std::vector<Check> tests, int connexMode = 0) {
    driver.Start([&] { return command = new SelectionCommand(std::move(tests), connexMode); });
    driver.DrainMessages();
    return *command;
  }
  bool PickCell(const ZORFeature_var& f, int dimension, int index) {
    return ZORDriverPick::PickCell(driver, f.get(),
                                   f->GetResultBody()->GetCellOfDimension(dimension, index));
  }
  // The texts of the error panels shown since the last call.
  std::vector<std::string> Errors() {
    std::vector<std::string> texts;
    for (const ZORShownMessage& m : driver.DrainMessages()) {
      if (m.name == "ErrorPanel") texts.push_back(m.text.str());
      driver.PressOK("ErrorPanel");
    }
    return texts;
  }
  std::string Unattached() const {
    const std::string dump = driver.DumpDocument();
    const std::size_t at = dump.find("Unattached\n");
    return at == std::string::npos ? std::string() : dump.substr(at);
  }
  bool Begins(const std::vector<std::string>& texts, const std::string& start) {
    return texts.size() == 1 && texts[0].rfind(start, 0) == 0;
  }

  ZORHostSession session;
  ZORDriver driver{session};
  SelectionCommand* command = nullptr;
  ZORFeature_var set, origin, p2, p3, corner, line, arc, cloud, plane, cylinder;
};

using S = ZORWENUINewSelectionTests;

}  // namespace

TEST_F(NewSelectionTests, PointsAndVerticesAreTakenAsPointsOtherPicksAreRefusedSilently) {
  Start({&S::VertexSelectionne});
  EXPECT_TRUE(ZORDriverPick::PickInTree(driver, p2.get()));
  EXPECT_TRUE(PickCell(corner, 0, 3));  // a vertex of a result, as its BRep feature
  EXPECT_TRUE(ZORDriverPick::Pick(driver, corner.get()));  // a curve: not a point
  EXPECT_EQ(command->log, (std::vector<std::string>{"Point.2 type 1", "BRep.1 type 1"}));
  EXPECT_TRUE(Errors().empty());
  // The refused pick is no longer highlighted and the agent waits for the next one.
  EXPECT_EQ(
      ZORDriver::DescribeHighlight(),
      "Part.1/Geometrical Set.1/Point.2\nPolyline.1 vertex 4 point(10,10,0) in domain 1 of 1\n");
  EXPECT_FALSE(command->agent().IsOutputSet());
  // The kept vertex stays; nothing was made for the refused whole curve.
  EXPECT_NE(Unattached().find("BRep.1 [BRepVertex] Support=Polyline.1"), std::string::npos);
}

TEST_F(NewSelectionTests, AStraightEdgeIsALineACurvedOneIsRefusedAndItsBRepRemoved) {
  Start({&S::LineSelectionnee});
  EXPECT_TRUE(PickCell(corner, 1, 2));
  EXPECT_TRUE(ZORDriverPick::Pick(driver, line.get()));
  EXPECT_TRUE(PickCell(arc, 1, 1));
  EXPECT_TRUE(ZORDriverPick::Pick(driver, corner.get()));  // two segments at a right angle
  EXPECT_EQ(command->log, (std::vector<std::string>{"BRep.1 type 2", "Line.1 type 2"}));
  EXPECT_TRUE(Errors().empty());
  const std::string unattached = Unattached();
  EXPECT_NE(unattached.find("BRep.1 [BRepEdge]"), std::string::npos) << unattached;
  EXPECT_EQ(unattached.find("Support=Arc.1"), std::string::npos) << unattached;
}

TEST_F(NewSelectionTests, AnEdgeIsAnyCurveAFaceAnySurfaceAPlaneOnlyAPlane) {
  SelectionCommand& edges = Start({&S::EdgeSelectionne});
  EXPECT_TRUE(PickCell(arc, 1, 1));
  EXPECT_TRUE(ZORDriverPick::Pick(driver, origin.get()));
  EXPECT_EQ(edges.log, (std::vector<std::string>{"BRep.1 type 0"}));

  SelectionCommand& faces = Start({&S::FaceSelectionnee});
  EXPECT_TRUE(PickCell(cylinder, 2, 1));
  EXPECT_TRUE(ZORDriverPick::Pick(driver, plane.get()));
  EXPECT_TRUE(ZORDriverPick::Pick(driver, line.get()));
  ASSERT_EQ(faces.log.size(), 2u);
  EXPECT_EQ(faces.log[1], "Plane.1 type 0");

  SelectionCommand& planes = Start({&S::PlanSelectionne});
  EXPECT_TRUE(PickCell(cylinder, 2, 1));
  EXPECT_TRUE(ZORDriverPick::Pick(driver, plane.get()));
  EXPECT_EQ(planes.log, (std::vector<std::string>{"Plane.1 type 0"}));
  EXPECT_TRUE(Errors().empty());
}

TEST_F(NewSelectionTests, AFaceIsKnownByItsInterfaceOrByTheSurfaceOfItsOneFace) {
  ZORFeature_var bare = session.Document().CreateFeature("TestBareFace", set.get());
  ZORFeature_var two = session.Document().CreateFeature("TestTwoFaces", set.get());
  session.Document().UpdateAll();
  SelectionCommand& faces = Start({&S::FaceSelectionnee}, 1);
  EXPECT_TRUE(ZORDriverPick::Pick(driver, bare.get()));
  EXPECT_TRUE(ZORDriverPick::Pick(driver, two.get()));
  EXPECT_EQ(faces.log, (std::vector<std::string>{bare->GetDisplayNameText() + " type 0",
                                                 two->GetDisplayNameText() + " type 0"}));
}

TEST_F(NewSelectionTests, AnAxisIsALineOfTheAxisKindAnyOtherLineIsRefusedAndForgotten) {
  ZORFeature_var axis = session.Document().CreateFeature("MfAXIS", set.get());
  for (const auto& [key, value] : {std::pair{"X", 1.0}, {"DX", 1.0}}) axis->SetValue(key, value);
  session.Document().UpdateAll();
  SelectionCommand& c = Start({&S::AxisSelectionne});
  EXPECT_TRUE(ZORDriverPick::Pick(driver, line.get()));
  EXPECT_FALSE(c.agent().GetFeature());
  EXPECT_TRUE(ZORDriverPick::Pick(driver, axis.get()));
  EXPECT_EQ(c.log, (std::vector<std::string>{axis->GetDisplayNameText() + " type 3"}));
}

TEST_F(NewSelectionTests, AnOutOfDatePickIsRefusedByNameAndTheUsersFeatureStays) {
  Start({&S::VertexSelectionne});
  p3->SetValue("X", 12);  // changed, not updated
  EXPECT_TRUE(ZORDriverPick::PickInTree(driver, p3.get()));
  EXPECT_TRUE(Begins(Errors(), "Point.3 is not up to date\n"));
  EXPECT_TRUE(command->log.empty());
  EXPECT_NE(driver.DumpDocument().find("Point.3 [WENPoint] X=12"), std::string::npos);
  // The agent waits again: the next pick is taken.
  EXPECT_TRUE(ZORDriverPick::PickInTree(driver, p2.get()));
  EXPECT_EQ(command->log, (std::vector<std::string>{"Point.2 type 1"}));
}

TEST_F(NewSelectionTests, APickThatCannotBeExtractedIsExplainedBeforeTheAgentIsRearmed) {
  Start({&S::VertexSelectionne});
  const ZORPathElement stale = ZORDriverPick::CellPath(corner.get(), 0, 1);
  p2->SetValue("Y", 1);
  session.Document().UpdateAll();  // the corner has a new result: the old vertex is gone
  EXPECT_TRUE(ZORDriverPick::OfferPath(driver, stale));
  EXPECT_TRUE(Begins(Errors(), "The element cannot be extracted\n"));
  EXPECT_TRUE(command->log.empty());
  EXPECT_FALSE(command->agent().IsOutputSet());
}

TEST_F(NewSelectionTests, APieceOfSeveralDisjointPartsIsRefusedUnlessTheAgentAcceptsThem) {
  SelectionCommand& connected = Start({&S::ConnexeSelectionne});
  EXPECT_TRUE(ZORDriverPick::Pick(driver, cloud.get()));
  EXPECT_TRUE(Begins(Errors(), "The selection is not connected\nCloud.1 is made of several"));
  EXPECT_TRUE(ZORDriverPick::Pick(driver, corner.get()));
  EXPECT_EQ(connected.log, (std::vector<std::string>{"Polyline.1 type 0"}));

  // A point test checks connexity only when the agent asks for it (mode 0).
  Start({&S::VertexSelectionne});
  EXPECT_TRUE(ZORDriverPick::Pick(driver, cloud.get()));
  EXPECT_EQ(Errors().size(), 1u);
  SelectionCommand& any = Start({&S::VertexSelectionne}, 1);
  EXPECT_TRUE(ZORDriverPick::Pick(driver, cloud.get()));
  EXPECT_EQ(any.log, (std::vector<std::string>{"Cloud.1 type 1"}));
  EXPECT_TRUE(Errors().empty());
}

TEST_F(NewSelectionTests, ACloudIsTakenWithoutRearmingTheAgent) {
  SelectionCommand& c = Start({&S::CloudSelectionneSuivi}, 1);
  EXPECT_TRUE(ZORDriverPick::Pick(driver, corner.get()));
  EXPECT_TRUE(c.log.empty());
  EXPECT_TRUE(ZORDriverPick::Pick(driver, cloud.get()));
  EXPECT_EQ(c.log, (std::vector<std::string>{"Cloud.1 type 0 still valued"}));
}

TEST_F(NewSelectionTests, ATurnOfOneDegreeBreaksTangencyAQuarterDegreeDoesNot) {
  ZORFeature_var sharp = Kinked(1.0);
  ZORFeature_var smooth = Kinked(0.25);
  SelectionCommand& c = Start({&S::EdgeSelectionne, &S::SelectionContinuousInTgt});
  EXPECT_TRUE(ZORDriverPick::Pick(driver, sharp.get()));
  const std::string name = sharp->GetDisplayNameText();
  EXPECT_TRUE(Begins(Errors(), name + " is not tangent continuous\n" + name + " has a tangent"));
  EXPECT_TRUE(ZORDriverPick::Pick(driver, smooth.get()));
  EXPECT_TRUE(ZORDriverPick::Pick(driver, arc.get()));
  EXPECT_EQ(c.log,
            (std::vector<std::string>{smooth->GetDisplayNameText() + " type 0", "Arc.1 type 0"}));
  // A feature without a wire passes; no feature fails.
  EXPECT_TRUE(c.tests().TestIsContinuousInTgt(ZORISpecObject_var(cylinder.get())));
  EXPECT_FALSE(c.tests().TestIsContinuousInTgt(nullptr));
  EXPECT_TRUE(Errors().empty());
}

TEST_F(NewSelectionTests, OneElementPassesSeveralFailAndAFeatureInErrorIsExplained) {
  SelectionCommand& c = Start({&S::EdgeSelectionne, &S::MonoElementSelection});
  EXPECT_TRUE(ZORDriverPick::Pick(driver, corner.get()));  // two segments
  EXPECT_TRUE(ZORDriverPick::Pick(driver, line.get()));
  EXPECT_EQ(c.log, (std::vector<std::string>{"Line.1 type 0"}));
  EXPECT_TRUE(Errors().empty());
  // The stored feature can no longer give its result.
  line->SetInput("End", ZORBaseUnknown_var(origin));
  session.Document().UpdateAll();
  EXPECT_FALSE(c.tests().MonoElementSelection(&c.agent()));
  EXPECT_EQ(Errors().size(), 1u);
}

TEST_F(NewSelectionTests, EveryConditionRefusesANullOrUnvaluedAgent) {
  SelectionCommand& c = Start({&S::VertexSelectionne});
  S& tests = c.tests();
  for (Check test : {&S::VertexSelectionne, &S::VertexSelectionneSuivi, &S::EdgeSelectionne,
                     &S::EdgeSelectionneSuivi, &S::LineSelectionnee, &S::LineSelectionneeSuivi,
                     &S::AxisSelectionne, &S::AxisSelectionneSuivi, &S::FaceSelectionnee,
                     &S::FaceSelectionneeSuivi, &S::PlanSelectionne, &S::PlanSelectionneSuivi,
                     &S::ConnexeSelectionne, &S::ConnexeSelectionneSuivi, &S::CloudSelectionneSuivi,
                     &S::SelectionContinuousInTgt, &S::MonoElementSelection}) {
    EXPECT_FALSE((tests.*test)(nullptr));
    if (test != &S::SelectionContinuousInTgt && test != &S::MonoElementSelection) {
      EXPECT_FALSE((tests.*test)(&c.agent()));  // nothing picked
    }
  }
  EXPECT_TRUE(tests.TestSpec(nullptr, &c.agent()));
  EXPECT_TRUE(tests.TestIsNotExtractable(nullptr));
  tests.InitializeData(nullptr, 0);
  EXPECT_TRUE(Errors().empty());
}
