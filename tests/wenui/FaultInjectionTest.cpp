// Faults injected into the host services that complete user runs call: the k-th gated call
// fails (or raises inside a protected section), for every k the run reaches. Whatever breaks,
// nothing may crash, no error may escape the plug-in, and the document must hold together.

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "ExampleDirectionCommand.h"
#include "ExampleLawCommand.h"
#include "ExamplePointAlongLineCommand.h"
#include "ExamplePointCommand.h"
#include "ExamplePointEditorCommand.h"
#include "ExamplePolylineCommand.h"
#include "ExampleProjectCommand.h"
#include "ExampleRotateCommand.h"
#include "ExampleTranslateCommand.h"
// diagnostics in 3D
#include "ExampleJoinCommand.h"
#include "ExampleSplitCommand.h"
#include "ZORConsistencyCheck.h"
#include "ZORDriver.h"
#include "ZORDriverMouse.h"
#include "ZORDriverPick.h"
#include "ZORError.h"
#include "ZORFaultGate.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORHandleDriver.h"
#include "ZORIWENWorkingSupportFactory.h"
#include "ZORSpecObjectOf.h"
#include "ZORWENCartesianGrid.h"
#include "ZORWENWorkingSupport.h"

// coupling edition
#include "ExampleCouplingCommand.h"
#include "ExamplePositionCommand.h"

namespace {

// A fresh session with three points, a line and a translation of the first point; the
// translation is current.
struct World {
  World() {
    ExampleTranslateCommand::Register();
    ExamplePointCommand::Register();
    ExamplePolylineCommand::Register();
    ExampleRotateCommand::Register();
    ExampleDirectionCommand::Register();
    ExamplePointEditorCommand::Register();
    ExampleLawCommand::Register();
    ExamplePointAlongLineCommand::Register();
    ExampleProjectCommand::Register();
    // coupling edition
    ExampleCouplingCommand::Register();
    // planar positioning
    ExamplePositionCommand::Register();
    // diagnostics in 3D
    ExampleJoinCommand::Register();
    ExampleSplitCommand::Register();
    ZORDocument& doc = session.Document();
    set = doc.CreateTool("GeometricalSet");
    for (double x : {1.0, 2.0, 3.0}) points.push_back(doc.CreatePoint(x, 0, 0, set.get()));
    line = doc.CreateFeature("WENLine", set.get());
    line->SetInput("Start", doc.CreatePoint(0, 0, 0, set.get()).get());
    line->SetInput("End", doc.CreatePoint(0, 0, 1, set.get()).get());
    translation = doc.CreateFeature("WENTranslate", set.get());
    translation->SetInput("Element", points[0].get());
    translation->SetInput("Direction", line.get());
    translation->SetValue("Distance", 10);
    doc.UpdateAll();
    session.Editor().SetCurrentFeature(translation.get());
  }
  void Pick(const ZORFeature_var& feature) { ZORDriverPick::Pick(driver, feature.get()); }
  // A feature of `type` on the points at `at`, under `roles`, updated.
  ZORFeature_var Through(const char* type, const std::vector<ZORMathPoint>& at,
                         const std::vector<const char*>& roles) {
    ZORDocument& doc = session.Document();
    ZORFeature_var made = doc.CreateFeature(type, set.get());
    for (std::size_t i = 0; made && i < at.size(); ++i) {
      made->SetInput(roles[i],
                     doc.CreatePoint(at[i].GetX(), at[i].GetY(), at[i].GetZ(), set.get()).get());
    }
    doc.UpdateAll();
    return made;
  }
  ZORFeature_var Polyline(const ZORMathPoint& a, const ZORMathPoint& b) {
    return Through("WENPolyline", {a, b}, {"Point1", "Point2"});
  }
  // A multi-selection of the three points whose second translation fails; OK opens the
  // update-error panel.
  void FailingMultiSelection() {
    ZORFeatureTypeRegistry::Get().Find("WENTranslate")->FailFor({points[1].get()}, "No");
    driver.StartByName("ExampleTranslateMultiSel");
    for (const auto& point : points) Pick(point);
    Pick(line);
    driver.PressOK();
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, line, translation;
  std::vector<ZORFeature_var> points;
};

struct UserRun {
  const char* name;
  std::function<void(World&)> work;
};

const std::vector<UserRun>& Runs() {
  static const std::vector<UserRun> runs = {
      {"creation with OK",
       [](World& w) {
         w.driver.StartByName("ExampleTranslateCommand");
         w.Pick(w.points[2]);
         w.Pick(w.line);
         w.driver.Type("TranslatePanel/Distance", "5");
         w.driver.PressOK();
       }},
      {"translation dragged by its handle",
       [](World& w) {
         w.driver.StartByName("ExampleTranslateCommand");
         w.Pick(w.points[2]);
         w.Pick(w.line);
         ZORHandleDriver(w.driver).Drag(1, ZORMathPoint(3, 0, 7), 2);
         ZORHandleDriver(w.driver).DoubleClick(1);
         w.driver.Type("ParmEditPanel/Value", "4");
         w.driver.PressOK("ParmEditPanel");
         w.driver.PressOK();
       }},
      {"rotation turned by its handle",
       [](World& w) {
         w.driver.StartByName("ExampleRotateCommand");
         w.Pick(w.points[2]);
         w.Pick(w.line);
         ZORHandleDriver(w.driver).Drag(1, ZORMathPoint(0, 3, 0), 2);
         w.driver.Type("RotatePanel/Angle", "45");
         w.driver.PressOK();
       }},
      {"multi-selection with OK and a failing input", [](World& w) { w.FailingMultiSelection(); }},
      {"edition with Cancel",
       [](World& w) {
         w.driver.StartByName("ExampleTranslateEdition");
         w.driver.Click("TranslatePanel/Longer");
         w.driver.PressCancel();
       }},
      {"creation given way to another command",
       [](World& w) {
         // The point stands outside the tree until its OK; the translation started over it
         // cancels it, which must take the point away.
         w.driver.StartByName("ExamplePointCommand");
         w.driver.Click("PointPanel/MoveX");
         w.driver.StartByName("ExampleTranslateCommand", ZORGuiCommandStack::Mode::Exclusive);
         w.Pick(w.points[2]);
         w.Pick(w.line);
         w.driver.PressOK();
       }},
      {"points in a modes list, then OK",
       [](World& w) {
         w.driver.StartByName("ExamplePolylineCommand");
         for (const auto& point : w.points) w.Pick(point);
         w.Pick(w.points[1]);  // taken out again
         w.driver.ClickLine("PolylinePanel/Points", 0);
         w.driver.Menu("PolylinePanel/Points", 0, "Replace");
         w.Pick(w.points[1]);
         w.driver.PressOK();
       }},
      {"distance from the value editor",
       [](World& w) {
         w.driver.StartByName("ExampleDirectionCommand");
         w.driver.Click("DirectionPanel/Distance");
         w.driver.Type("DistanceEditor/spinner", "12.5");
         w.driver.PressOK();
       }},
      {"point from its cylindrical page",
       [](World& w) {
         w.session.Editor().SetCurrentFeature(w.points[1].get());
         w.driver.StartByName("ExamplePointEditorCommand");
         w.driver.Tab("PointEditorPanel/3DPointTab", "CylindricalPage");
         w.driver.Type("PointEditorPanel/CylindricalPage/Radius", "10");
         w.driver.Tab("PointEditorPanel/3DPointTab", "CartesianPage");
         w.driver.PressOK();
       }},
      {"an S-type law from its panel, a law feature picked, then OK",
       [](World& w) {
         ZORFeature_var law = w.session.Document().CreateFeature("WENLaw", w.set.get());
         w.driver.StartByName("ExampleLawCommand");
         w.driver.Type("ZORGuiBasicLawPanel/FraParam1", "10");
         w.driver.Type("ZORGuiBasicLawPanel/FraParam2", "20");
         w.driver.Click("ZORGuiBasicLawPanel/SBut");
         w.driver.Click("ZORGuiBasicLawPanel/AdvBut");
         w.driver.Click("ZORGuiBasicLawPanel/SelLaw");
         ZORDriverPick::PickInTree(w.driver, law.get());
         w.driver.Click("ZORGuiBasicLawPanel/SBut");
         w.driver.Click("LawCommand/Smoothing/G1Button");
         w.driver.PressOK();
       }},
      {"a point along a line: the second solution, then the first site, then OK",
       [](World& w) {
         w.session.Editor().SetCurrentFeature(w.line.get());
         w.driver.StartByName("ExamplePointAlongLineCommand");
         w.Pick(w.points[1]);
         w.driver.Click("PointAlongLinePanel/SolutionSelectorFrame/NextButton");
         ZORHandleDriver(w.driver).Click(1);
         w.driver.PressOK();
       }},
      {"points and an axis clicked on a gridded working plane",
       [](World& w) {
         ZORDocument& doc = w.session.Document();
         ZORFeature_var plane = doc.CreateFeature("WENPlane", w.set.get());
         ZORFeature_var corner = doc.CreatePoint(1, 5, 0, w.set.get());
         if (!plane || !corner) return;
         plane->SetInput("Point1", w.points[0].get());
         plane->SetInput("Point2", w.points[2].get());
         plane->SetInput("Point3", corner.get());
         doc.UpdateAll();
         auto factory = ZORIWENWorkingSupportFactory_var(doc.GetPart());
         auto supports = factory ? factory->GetWorkingSupportSet() : nullptr;
         auto support = supports ? supports->CreateWorkingSupport(ZORSpecObjectOf(plane),
                                                                  ZORSpecObjectOf(w.points[0]), 2)
                                 : nullptr;
         if (!support) return;
         dynamic_cast<ZORWENWorkingSupport*>(support.get())
             ->SetGrid(ZORIWENGrid_var(ZORMake<ZORWENCartesianGrid>(10, 10, 4, 4, nullptr)));
         supports->SetCurrentWorkingSupport(support);
         w.driver.StartByName("ExampleProjectCommand");
         ZORDriverMouse mouse(w.driver);
         mouse.Move({12.3, 7.4, 50});
         mouse.Click({12.3, 7.4, 50});
         mouse.Click({5, 5, 50});
         w.driver.PressOK();
       }},
      {"update-error repair",
       [](World& w) {
         w.FailingMultiSelection();
         w.driver.ClickLine("UpdateErrorPanel/ListOfFeatures", 0);
         w.driver.Click("UpdateErrorPanel/DeleteButton");
         w.driver.PressOK("UpdateErrorPanel");
         w.driver.PressOK();
       }},
      // Implicit law.
      {"an implicit law through three points, a value typed, a point removed, then OK",
       [](World& w) {
         ZORFeature_var support = w.session.Document().CreateFeature("WENPolyline", w.set.get());
         if (!support) return;
         support->SetInput("Point1", w.points[0].get());
         support->SetInput("Point2", w.points[2].get());
         w.session.Document().UpdateAll();
         w.driver.StartByName("ExampleLawCommand");
         w.driver.Click("ZORGuiBasicLawPanel/ImplicitBut");
         ZORDriverPick::PickInTree(w.driver, support.get());
         for (const auto& point : w.points) ZORDriverPick::PickInTree(w.driver, point.get());
         const std::string list = "ZORGuiBasicLawPanel/FrameImplicitLaw/MultiListPointsParams";
         w.driver.ClickLine(list, 1);
         w.driver.Type("ZORGuiBasicLawPanel/FrameImplicitLaw/FrameParamRadiusList/FraParamImp",
                       "7");
         w.driver.SelectInCombo(
             "ZORGuiBasicLawPanel/FrameImplicitLaw/FrameTempoParam/ComboInterpoMode", 1);
         w.driver.Menu(list, 0, "RemoveItem");
         w.driver.PressOK();
       }},
      // coupling edition
      {"couplings edited from the frame's menu and a line's menu, then OK",
       [](World& w) {
         w.driver.StartByName("ExampleCouplingCommand");
         w.Pick(w.points[0]);
         w.Pick(w.points[1]);
         w.driver.Menu("CouplingPanel/CouplingList", 0, "CouplingAddBeforeItem");
         w.Pick(w.points[2]);
         w.Pick(w.points[0]);
         w.driver.DoubleClickLine("CouplingPanel/CouplingList", 1);
         ZORHandleDriver(w.driver).Click(2);
         ZORHandleDriver(w.driver).Context(1, "RemoveCoupling");
         w.driver.Check("CouplingPanel/ShowCouplLines", false);
         w.driver.PressOK();
       }},
      // planar positioning
      {"a profile placed by two systems, switched off and on, swapped, dragged, then OK",
       [](World& w) {
         ZORFeature_var profile = w.Through("WENPolyline", {{0, 0, 0}, {4, 0, 0}, {4, 2, 0}},
                                            {"Point1", "Point2", "Point3"});
         w.driver.StartByName("ExamplePositionCommand");
         w.Pick(profile);
         w.Pick(w.points[0]);
         w.Pick(w.line);
         w.Pick(w.points[1]);
         w.Pick(w.line);
         w.driver.Click("PositionPanel/ShowParamButton");
         w.driver.Click("PositionPanel/SelOriginP1");
         w.Pick(w.points[2]);
         w.driver.Check("PositionPanel/SelPosButton", false);
         w.driver.Check("PositionPanel/SelPosButton", true);
         w.driver.Check("PositionPanel/SwapXAxisButton", true);
         ZORHandleDriver(w.driver).Drag(3, ZORMathPoint(3, 2, 0), 2);
         ZORHandleDriver(w.driver).Drag(4, ZORMathPoint(0, 3, 0), 2);
         w.driver.PressOK();
       }},
      // diagnostics in 3D
      {"three curves joined, a gap left open, a junction's flag hovered, then OK",
       [](World& w) {
         ZORFeature_var a = w.Polyline({0, 0, 0}, {10, 0, 0});
         ZORFeature_var b = w.Polyline({10, 1, 0}, {20, 0, 0});
         ZORFeature_var c = w.Polyline({20, 0, 0}, {20, 10, 0});
         w.driver.StartByName("ExampleJoinCommand");
         for (const auto& curve : {a, b, c}) w.Pick(curve);
         ZORHandleDriver(w.driver).MoveOver(1);
         ZORHandleDriver(w.driver).MoveAway();
         w.driver.PressOK();
       }},
      {"a split that cuts nothing, then one cut twice, then OK",
       [](World& w) {
         ZORFeature_var u = w.Through("WENPolyline", {{0, 0, 0}, {10, 0, 0}, {10, 5, 0}, {0, 5, 0}},
                                      {"Point1", "Point2", "Point3", "Point4"});
         ZORFeature_var far = w.Through("WENPlane", {{20, 0, 0}, {20, 1, 0}, {20, 0, 1}},
                                        {"Point1", "Point2", "Point3"});
         ZORFeature_var near = w.Through("WENPlane", {{4, 0, 0}, {4, 1, 0}, {4, 0, 1}},
                                         {"Point1", "Point2", "Point3"});
         w.driver.StartByName("ExampleSplitCommand");
         w.Pick(u);
         w.Pick(far);
         w.Pick(near);
         w.driver.PressOK("ErrorPanel");
         w.driver.PressOK();
       }},
  };
  return runs;
}

// Runs `run` with the k-th gated call failing (0: no fault); answers what went wrong, and
// whether the fault fired and in which service.
std::string RunWithFault(const UserRun& run, long k, bool& fired, std::string& service) {
  World world;
  ZORFaultGate::Arm(k);
  std::string escaped;
  try {
    run.work(world);
  } catch (ZORException* raised) {
    escaped = "an error escaped: " + raised->GetDescription().str();
    raised->Release();
  } catch (const std::exception& e) {
    escaped = std::string("an exception escaped: ") + e.what();
  }
  fired = ZORFaultGate::Fired();
  service = ZORFaultGate::FiredService();
  ZORFaultGate::Disarm();
  std::ostringstream problems;
  if (!escaped.empty()) problems << escaped << "\n";
  for (const std::string& p : ZORConsistencyCheck::Problems(world.session.Document())) {
    problems << p << "\n";
  }
  // Without a fault, nothing is left outside the tree either.
  for (const std::string& p :
       k ? std::vector<std::string>() : ZORConsistencyCheck::Unattached(world.session.Document())) {
    problems << p << "\n";
  }
  // Whatever the run left running is cancelled; that too must leave the document whole.
  world.driver.CancelCurrent();
  ZORGuiCommandStack::Instance()->CancelAll();
  for (const std::string& p : ZORConsistencyCheck::Problems(world.session.Document())) {
    problems << "after cancel: " << p << "\n";
  }
  // A fault may stop a command half way; once it is cancelled, nothing it made is left behind,
  // unless the fault was the very removal that would have taken it away.
  const bool removalRefused = service == "LifeCycleObject::remove";
  for (const std::string& p : removalRefused
                                  ? std::vector<std::string>()
                                  : ZORConsistencyCheck::Unattached(world.session.Document())) {
    problems << "after cancel: " << p << "\n";
  }
  return problems.str();
}

TEST(FaultInjection, EveryFaultOfACompleteRunLeavesTheDocumentWhole) {
  for (const UserRun& run : Runs()) {
    bool fired = false;
    std::string service;
    ASSERT_EQ(RunWithFault(run, 0, fired, service), "") << run.name << " fails without any fault";
    long points = 0;
    // Each k makes one more call fail, until the run makes fewer calls than k.
    for (long k = 1;; ++k) {
      const std::string problems = RunWithFault(run, k, fired, service);
      if (!fired) break;
      ++points;
      EXPECT_EQ(problems, "") << run.name << ", fault at call " << k << " (" << service << ")";
    }
    EXPECT_GT(points, 0) << run.name;
    std::printf("[ sweep    ] %s: %ld injection points\n", run.name, points);
  }
}

}  // namespace
