#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExampleTranslateCommand.h"
#include "ZORDriver.h"
#include "ZORDriverPick.h"
#include "ZORExternalObjectRegistry.h"
#include "ZORExternalStandInCommand.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORIWENWorkingSupportFactory.h"
#include "ZORSpecObjectOf.h"
#include "ZORTestFeatureCommand.h"
#include "ZORTestResources.h"
#include "ZORWENSettings.h"
#include "ZORWENUIUpdateErrorMS.h"

namespace {

// The example translation commands, driven from the user's clicks to the document.
class ExampleTranslate : public ::testing::Test {
 protected:
  ExampleTranslate() {
    ExampleTranslateCommand::Register();
    resources.Write("ZORGuiInputError", "WENUIINPUT_ERR_1300.Request = {1} is not wanted\n");
    set = doc().CreateTool("GeometricalSet");
    for (double x : {1.0, 2.0, 3.0}) points.push_back(doc().CreatePoint(x, 0, 0, set.get()));
    ZORFeature_var origin = doc().CreatePoint(0, 0, 0, set.get());
    ZORFeature_var up = doc().CreatePoint(0, 0, 1, set.get());
    line = doc().CreateFeature("WENLine", set.get());
    line->SetInput("Start", origin.get());
    line->SetInput("End", up.get());
    after = doc().CreatePoint(9, 9, 9, set.get());
    doc().UpdateAll();
    // The results go after the current feature: Point.3, in the middle of the set.
    session.Editor().SetCurrentFeature(points[2].get());
    driver.DrainEvents();
    before = driver.DumpDocument();
  }
  ~ExampleTranslate() override { Type("WENTranslate").ClearFailures(); }

  ZORDocument& doc() { return session.Document(); }
  static ZORFeatureType& Type(const char* name) {
    return *ZORFeatureTypeRegistry::Get().Find(name);
  }
  bool Pick(const ZORFeature_var& feature) { return ZORDriverPick::Pick(driver, feature.get()); }
  // The dump lines of the set's children, in order, without indentation.
  std::vector<std::string> SetLines() const {
    std::vector<std::string> lines;
    const std::string dump = driver.DumpDocument();
    std::size_t at = 0;
    while ((at = dump.find("\n    ", at)) != std::string::npos) {
      at += 5;
      if (dump[at] == ' ') continue;  // deeper
      lines.push_back(dump.substr(at, dump.find('\n', at) - at));
    }
    return lines;
  }
  std::vector<std::string> MessageNames() {
    std::vector<std::string> names;
    for (const ZORShownMessage& m : driver.DrainMessages()) names.push_back(m.name.str());
    return names;
  }

  ZORTestResources resources;
  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, line, after;
  std::vector<ZORFeature_var> points;
  std::string before;
};

TEST_F(ExampleTranslate, CreationPlacesTheUpdatedResultAfterTheCurrentFeature) {
  ZORIWENWorkingSupportSet_var supports =
      ZORIWENWorkingSupportFactory_var(ZORSpecObjectOf(doc().GetPart()))->GetWorkingSupportSet();
  ZORIWENWorkingSupport_var support =
      supports->CreateWorkingSupport(ZORSpecObjectOf(line), ZORSpecObjectOf(points[0]), 1);
  supports->SetCurrentWorkingSupport(support);
  ASSERT_EQ(driver.StartByName("ExampleTranslateCommand"), S_OK);
  EXPECT_EQ(driver.Find("TranslatePanel")->GetTitle(), "Translate Definition");
  ASSERT_TRUE(Pick(points[0]));
  ASSERT_TRUE(Pick(line));
  // The distance field takes numbers only; Longer adds 10 to what it shows.
  EXPECT_FALSE(driver.Type("TranslatePanel/Distance", "far"));
  ASSERT_TRUE(driver.Type("TranslatePanel/Distance", "25"));
  ASSERT_TRUE(driver.Click("TranslatePanel/Longer"));
  EXPECT_NE(driver.DescribePanels().find("\"Distance\" text=\"35\""), std::string::npos);
  ASSERT_TRUE(driver.PressOK());
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  const std::vector<std::string> lines = SetLines();
  ASSERT_GE(lines.size(), 5u);
  EXPECT_EQ(lines[3],
            "Translate.1 [WENTranslate] Element=Point.1 Direction=Line.1 Distance=35 group-input "
            "=> point(1,0,35)");
  EXPECT_EQ(lines[4].rfind("Point.4 ", 0), 0u);
  // The working support knows what was made while it was current.
  ZORListValZORISpecObject_var made;
  support->GetCreatedFeatures(made);
  ASSERT_EQ(made.Size(), 1);
  EXPECT_EQ(made[1]->GetDisplayName().str(), "Translate.1");
  // The result is pickable again, and is the editor's current feature.
  EXPECT_EQ(
      ZORFeature::From(session.Editor().GetCurrentFeatureObject().get())->GetDisplayNameText(),
      "Translate.1");
}

TEST_F(ExampleTranslate, CancelGivesTheDocumentBackAsItWasInEveryMode) {
  ASSERT_EQ(driver.StartByName("ExampleTranslateCommand"), S_OK);
  Pick(points[0]);
  Pick(line);
  ASSERT_TRUE(driver.PressCancel());
  EXPECT_EQ(driver.DumpDocument(), before);

  ASSERT_EQ(driver.StartByName("ExampleTranslateMultiSel"), S_OK);
  Pick(points[0]);
  Pick(points[1]);
  Pick(line);
  ASSERT_TRUE(driver.PressCancel());
  EXPECT_EQ(driver.DumpDocument(), before);
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
}

TEST_F(ExampleTranslate, MultiSelectionMakesOneResultPerInputAndRepairsAFailure) {
  Type("WENTranslate").FailFor({points[1].get()}, "Cannot move Point.2");
  ASSERT_EQ(driver.StartByName("ExampleTranslateMultiSel"), S_OK);
  for (const auto& point : points) ASSERT_TRUE(Pick(point));
  ASSERT_TRUE(Pick(line));
  driver.DrainMessages();
  // OK updates every result: one fails, the update-error command opens on it and the command
  // stays, waiting below it.
  ASSERT_TRUE(driver.PressOK());
  auto* repair = dynamic_cast<ZORWENUIUpdateErrorMS*>(driver.CurrentCommand());
  ASSERT_NE(repair, nullptr);
  ASSERT_NE(driver.Find("UpdateErrorPanel"), nullptr);
  EXPECT_NE(driver.DumpDocument().find("Multi Selection.1 [WENMultiSel] in-error(\"Cannot move "
                                       "Point.2\")"),
            std::string::npos)
      << driver.DumpDocument();
  // The user deletes the failed one, and the update-error panel is closed.
  ASSERT_TRUE(driver.ClickLine("UpdateErrorPanel/ListOfFeatures", 0));
  ASSERT_TRUE(driver.Click("UpdateErrorPanel/DeleteButton"));
  ASSERT_TRUE(driver.PressOK("UpdateErrorPanel"));
  ASSERT_NE(dynamic_cast<ExampleTranslateCommand*>(driver.CurrentCommand()), nullptr);
  ASSERT_TRUE(driver.PressOK());
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  const std::vector<std::string> lines = SetLines();
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines[3], "Multi Selection.1 [WENMultiSel] private group-input entries=2 real=2");
  const std::string dump = driver.DumpDocument();
  EXPECT_NE(dump.find("\n      Translate.2 [WENTranslate] Element=Point.1 Direction=Line.1 "
                      "Distance=10 attr=MultiSelMatrixFeature => point(1,0,10)\n"
                      "      Translate.4 [WENTranslate] Element=Point.3 Direction=Line.1 "
                      "Distance=10 attr=MultiSelMatrixFeature => point(3,0,10)\n"),
            std::string::npos)
      << dump;
}

// A translation made by the creation command, current afterwards.
class ExampleTranslateEdition : public ExampleTranslate {
 protected:
  void Create(bool multiSel) {
    ASSERT_EQ(driver.StartByName(multiSel ? "ExampleTranslateMultiSel" : "ExampleTranslateCommand"),
              S_OK);
    Pick(points[0]);
    if (multiSel) Pick(points[1]);
    Pick(line);
    ASSERT_TRUE(driver.PressOK());
    ASSERT_EQ(driver.CurrentCommand(), nullptr);
    made = driver.DumpDocument();
  }
  std::string made;
};

TEST_F(ExampleTranslateEdition, EditionUpdatesTheResultAndCancelGivesItBack) {
  Create(false);
  ASSERT_EQ(driver.StartByName("ExampleTranslateEdition"), S_OK);
  EXPECT_EQ(driver.Find("TranslatePanel")->GetTitle(), "Translate Edition");
  driver.Click("TranslatePanel/Longer");
  ASSERT_TRUE(driver.PressCancel());
  EXPECT_EQ(driver.DumpDocument(), made);

  ASSERT_EQ(driver.StartByName("ExampleTranslateEdition"), S_OK);
  driver.Click("TranslatePanel/Longer");
  // While it is edited the result cannot be picked.
  EXPECT_NE(driver.DumpDocument().find("Distance=20 unpickable"), std::string::npos)
      << driver.DumpDocument();
  ASSERT_TRUE(driver.PressOK());
  EXPECT_EQ(SetLines().at(3),
            "Translate.1 [WENTranslate] Element=Point.1 Direction=Line.1 Distance=20 group-input "
            "=> point(1,0,20)");
}

TEST_F(ExampleTranslateEdition, EditionOfAMultiSelectionUpdatesEveryResult) {
  Create(true);
  ASSERT_EQ(driver.StartByName("ExampleTranslateEdition"), S_OK);
  driver.Click("TranslatePanel/Longer");
  ASSERT_TRUE(driver.PressCancel());
  EXPECT_EQ(driver.DumpDocument(), made);

  ASSERT_EQ(driver.StartByName("ExampleTranslateEdition"), S_OK);
  driver.Click("TranslatePanel/Longer");
  ASSERT_TRUE(driver.PressOK());
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  const std::string dump = driver.DumpDocument();
  EXPECT_NE(dump.find("Distance=20 attr=MultiSelMatrixFeature => point(1,0,20)"), std::string::npos)
      << dump;
  EXPECT_NE(dump.find("Distance=20 attr=MultiSelMatrixFeature => point(2,0,20)"), std::string::npos)
      << dump;
  EXPECT_EQ(dump.find("unpickable"), std::string::npos) << dump;
}

// Repetition: the panel's button asks for the command to start again once it ends.
class ExampleTranslateRepetition : public ExampleTranslate {
 protected:
  ExampleTranslateRepetition() {
    ZORWENSettings::GetWENSettings()->SetShapeDesignVersion(4);
    ZORExternalObjectRegistry::Get().ClearRequests();
  }
  void CreateWithRepetition() {
    ASSERT_EQ(driver.StartByName("ExampleTranslateCommand"), S_OK);
    ASSERT_TRUE(driver.Check("TranslatePanel/CheckRepeat", true));
    Pick(points[0]);
    Pick(line);
    driver.DrainMessages();
    ASSERT_TRUE(driver.PressOK());
  }
};

TEST_F(ExampleTranslateRepetition, TheRepetitionCommandStartsWithTheResultInTheCurrentSet) {
  CreateWithRepetition();
  const auto& requests = ZORExternalObjectRegistry::Get().GetRequests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].className, "ZORWENUIMultiple");
  EXPECT_EQ(requests[0].libraryName, "ZORGuiMultiple");
  auto* standIn = dynamic_cast<ZORExternalStandInCommand*>(driver.CurrentCommand());
  ASSERT_NE(standIn, nullptr);
  ASSERT_EQ(session.Editor().GetCSO()->GetSize(), 1);
  EXPECT_TRUE(driver.CancelCurrent());
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
}

TEST_F(ExampleTranslateRepetition, ATranslationInAShapeBodyIsNotRepeated) {
  // A translation in a shape body stands for a moved copy of its element: no repetition.
  ZORFeature_var shape = doc().CreateTool("ShapeBody");
  ZORFeature_var inShape = doc().CreatePoint(4, 0, 0, shape.get());
  doc().UpdateAll();
  session.Editor().SetCurrentFeature(inShape.get());
  CreateWithRepetition();
  const std::vector<ZORShownMessage> shown = driver.DrainMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].name, "ErrorPanel");
  EXPECT_TRUE(ZORExternalObjectRegistry::Get().GetRequests().empty());
  EXPECT_EQ(driver.CurrentCommand(), nullptr);
  EXPECT_NE(driver.DumpDocument().find("    Translate.1 [WENTranslate]"), std::string::npos);
}

// A command started to make an input for a waiting command.
class ExampleTranslateForInput : public ExampleTranslate {
 protected:
  // Starts the creation for `waiting` and makes a translation of Point.1; then OK.
  void MakeFor(ZORWENUIFeatureAgent* waiting) {
    auto* command = new ExampleTranslateCommand(ExampleTranslateCommand::Mode::Creation);
    command->SetStartMode(ZORSurfacicUIStateCommand::kStartForInput);
    std::vector<ZORDialogAgent*> agents;
    if (waiting) agents.push_back(waiting);
    ASSERT_EQ(ZORGuiCommandStack::Instance()->StartCommand(
                  command, ZORGuiCommandStack::Mode::Shared, agents),
              S_OK);
    Pick(points[0]);
    Pick(line);
    driver.DrainMessages();
    ASSERT_TRUE(driver.PressOK());
  }
};

TEST_F(ExampleTranslateForInput, TheResultGoesToTheWaitingAgent) {
  auto waiting = ZORMake<ZORWENUIFeatureAgent>("_Waiting", "WENTranslate");
  MakeFor(waiting.get());
  ASSERT_TRUE(waiting->IsOutputSet());
  ZORFeature* given = ZORFeature::From(waiting->GetValuePath()->GetLeaf().get());
  ASSERT_NE(given, nullptr);
  EXPECT_EQ(given->GetDisplayNameText(), "Translate.1");
  EXPECT_TRUE(driver.DrainMessages().empty());
  EXPECT_EQ(driver.DumpDocument().find("in-error"), std::string::npos);
}

TEST_F(ExampleTranslateForInput, AResultNobodyTakesIsReportedAndMarkedInError) {
  auto waiting = ZORMake<ZORWENUIFeatureAgent>("_Waiting", "WENPlane");
  MakeFor(waiting.get());
  EXPECT_FALSE(waiting->IsOutputSet());
  const std::vector<ZORShownMessage> shown = driver.DrainMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text.str().rfind("Translate.1 is not wanted", 0), 0u);
  EXPECT_NE(driver.DumpDocument().find("Translate.1 [WENTranslate] Element=Point.1 "
                                       "Direction=Line.1 Distance=10 in-error"),
            std::string::npos)
      << driver.DumpDocument();

  MakeFor(nullptr);  // nobody waits at all
  EXPECT_EQ(driver.DrainMessages().size(), 1u);
}

}  // namespace
