#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "ZORClosestNames.h"
#include "ZORGuiCommandStack.h"
#include "ZORHostSession.h"
#include "ZORScenarioInterpreter.h"
#include "ZORScenarioReader.h"
#include "ZORScenarioTestCommand.h"

namespace {

struct Ran {
  int status = -1;
  std::string transcript;
  bool Says(const std::string& text) const { return transcript.find(text) != std::string::npos; }
};

// Runs `script` in a fresh session, as zorhost runs a file.
Ran RunScript(const std::string& script) {
  static const bool registered = [] {
    ZORGuiCommandStack::Instance()->RegisterCommand("TestPickCommand",
                                                    [] { return new ZORScenarioTestCommand(); });
    return true;
  }();
  (void)registered;
  const auto read = ZORScenarioReader().Read(script, "s.zsc");
  EXPECT_TRUE(read.Ok()) << (read.Ok() ? "" : read.problems[0]);
  Ran ran;
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* out = open_memstream(&buffer, &size);
  {
    ZORHostSession session;
    ran.status = ZORScenarioInterpreter(session, out, ".").Run(read.statements);
    EXPECT_EQ(ZORGuiCommandStack::Instance()->GetCurrentCommand(), nullptr);
  }
  std::fclose(out);
  ran.transcript.assign(buffer, size);
  std::free(buffer);
  return ran;
}

}  // namespace

TEST(ScenarioInterpreter, BuildsTheDocumentAndRefusesWhatTheDocumentRefuses) {
  const Ran built = RunScript(
      "point 0 0 0\n"
      "point 3 0 0\n"
      "line Point.1 Point.2\n"
      "update\n"
      "expect document \"Geometrical Set.1 [GeometricalSet]\"\n"
      "expect document \"Line.1 [WENLine] Start=Point.1 End=Point.2 => segment(0,0,0)-(3,0,0)\"\n");
  EXPECT_EQ(built.status, 0) << built.transcript;
  EXPECT_TRUE(built.Says("   made Geometrical Set.1 to hold it\n   made Point.1\n"));

  const std::pair<const char*, const char*> refused[] = {
      {"point 0 0 0\nline Point.1 Point.1\ninput Point.1 Start Line.1\n",
       "s.zsc:3: error: Point.1 has no input 'Start'"},
      {"point 0 0 0\npoint 1 0 0\nline Point.1 Point.2\nline Line.1 Point.2\ninput Line.1 Start "
       "Line.2\n",
       "s.zsc:5: error: Line.1 refuses Line.2 as its Start"},
      {"tool Nothing\n", "s.zsc:1: error: no tool type 'Nothing'"},
      {"feature NoSuchType\n", "error: the document could not make a feature of type 'NoSuchType'"},
      {"fail NoSuchType \"d\"\n", "s.zsc:1: error: no feature type 'NoSuchType'"},
      {"line Point.1 Point.2\n", "s.zsc:1: error: no feature named 'Point.1'"},
      {"point 0 0 0\nsupport Point.1\n", "s.zsc:2: error: Point.1 is not a plane"},
  };
  for (const auto& [script, message] : refused) {
    const Ran ran = RunScript(script);
    EXPECT_EQ(ran.status, 2) << script;
    EXPECT_TRUE(ran.Says(message)) << ran.transcript;
  }
}

TEST(ScenarioInterpreter, AFailureRuleReachesFeaturesComputedBeforeIt) {
  const Ran ran = RunScript(
      "point 0 0 0\n"
      "point 3 0 0\n"
      "point 0 3 0\n"
      "line Point.1 Point.2\n"
      "line Point.1 Point.3\n"
      "update\n"
      "fail WENLine Point.2 \"not this one\"\n"
      "update\n"
      "expect document \"Line.1 [WENLine] Start=Point.1 End=Point.2 out-of-date "
      "in-error(\\\"not this one\\\")\"\n"
      "expect no document \"End=Point.3 out-of-date\"\n");
  EXPECT_EQ(ran.status, 0) << ran.transcript;
  EXPECT_TRUE(ran.Says("2 feature(s) of type WENLine out of date"));
  EXPECT_TRUE(ran.Says("1 feature(s) failed to update"));
}

TEST(ScenarioInterpreter, AFailedExpectationStopsTheRunAtItsLine) {
  const Ran ran = RunScript(
      "point 1 1 1\n"
      "expect no document \"Point.1\"\n"
      "point 2 2 2\n");
  EXPECT_EQ(ran.status, 1);
  EXPECT_TRUE(ran.Says("s.zsc:2: expectation failed: a line of the document holds \"Point.1\""));
  EXPECT_FALSE(ran.Says("point 2 2 2"));

  const std::pair<const char*, const char*> failing[] = {
      {"expect panel PickPanel\n", "no open panel or widget 'PickPanel'"},
      {"start TestPickCommand\nexpect no panel PickPanel/Ask\n", "'PickPanel/Ask' is open"},
      {"expect command PickCommand\n", "the current command is none"},
      {"start TestPickCommand\nexpect command none\n", "the current command is PickCommand"},
  };
  for (const auto& [script, message] : failing) {
    const Ran failed = RunScript(script);
    EXPECT_EQ(failed.status, 1) << script;
    EXPECT_TRUE(failed.Says(message)) << failed.transcript;
  }
}

TEST(ScenarioInterpreter, MessagesAreThoseOfTheLastAction) {
  const Ran ran = RunScript(
      "point 1 1 1\n"
      "update\n"
      "start TestPickCommand\n"
      "answer 3\n"
      "click PickPanel/Ask\n"
      "expect message \"Keep going?\"\n"
      "expect message \"Pick\"\n"
      "pick tree Point.1\n"
      "expect message \"Keep going?\"\n");
  EXPECT_EQ(ran.status, 1);
  EXPECT_TRUE(ran.Says("message Notify (ZORDlgNotify, style 0x08100000, answered 3)"));
  EXPECT_TRUE(ran.Says("> pick tree Point.1\n   taken\n")) << ran.transcript;
  EXPECT_TRUE(
      ran.Says("s.zsc:9: expectation failed: the last action showed no message with "
               "\"Keep going?\" (0 shown)"));
}

TEST(ScenarioInterpreter, ActionsOnWhatIsNotThereAreErrors) {
  const std::pair<const char*, const char*> cases[] = {
      {"click NoPanel/Button\n", "s.zsc:1: error: no open panel or widget 'NoPanel/Button'"},
      {"start TestPickCommand\ntype PickPanel/Ask 3\n", "'PickPanel/Ask' takes no typed value"},
      {"start NoSuchCommand\n", "cannot start the command 'NoSuchCommand'"},
      {"run NoSuchCommand\n", "cannot run the command 'NoSuchCommand'"},
      {"ok\n", "s.zsc:1: error: no command is running"},
      {"cancel ErrorPanel\n", "no open panel or widget 'ErrorPanel'"},
      {"snapshot view.png\n", "a snapshot is an .svg file, not 'view.png'"},
      {"pick Point.1\n", "no feature named 'Point.1'"},
      // A mistyped name is answered with the names nearest to it.
      {"point 0 0 0\npoint 1 0 0\npick Piont.2\n",
       "no feature named 'Piont.2' (closest: Point.2, Point.1, Part.1)"},
      {"start testpickcomand\n",
       "cannot start the command 'testpickcomand' (closest: TestPickCommand"},
      // Working supports: a grid needs a current one, a surface support a surface.
      {"grid 10 10 4 4\n", "s.zsc:1: error: no working support is current"},
      {"point 0 0 0\npoint 1 0 0\npoint 0 1 0\nplane Point.1 Point.2 Point.3\n"
       "support Plane.1\nsupport none\ngrid 10 10\n",
       "s.zsc:7: error: no working support is current"},
      {"point 0 0 0\nsupport surface Point.1\n", "Point.1 is not a surface"},
  };
  for (const auto& [script, message] : cases) {
    const Ran ran = RunScript(script);
    EXPECT_EQ(ran.status, 2) << script;
    EXPECT_TRUE(ran.Says(message)) << ran.transcript;
  }
  // An error object a command raises and nobody catches stops the run, not the program.
  const Ran raised = RunScript("start TestPickCommand\nclick PickPanel/Raise\npoint 1 1 1\n");
  EXPECT_EQ(raised.status, 2);
  EXPECT_TRUE(
      raised.Says("s.zsc:2: error: the host raised an error it did not handle: "
                  "ZORException out of cheese"))
      << raised.transcript;
  EXPECT_FALSE(raised.Says("point 1 1 1"));
  // What a widget refuses is told, and the run goes on.
  const Ran refused =
      RunScript("point 0 0 0\nstart TestPickCommand\nselect PickPanel/Ask 0\nescape\n");
  EXPECT_EQ(refused.status, 0);
  EXPECT_TRUE(refused.Says("nothing happened (not a list, or no such line)"));
  EXPECT_TRUE(refused.Says("> escape\n   running: no command\n"));
}

TEST(ScenarioInterpreter, CommandsLeftRunningAreCancelledAndReported) {
  const Ran ran = RunScript("start TestPickCommand\nrun TestPickCommand\n");
  EXPECT_EQ(ran.status, 0);
  EXPECT_TRUE(ran.Says("   running: PickCommand > PickCommand\n"));
  EXPECT_TRUE(ran.Says("s.zsc: still running at the end: PickCommand > PickCommand; cancelled\n"));
  EXPECT_TRUE(ran.transcript.ends_with("   running: no command\n")) << ran.transcript;
  // A script that ends nothing has nothing to report.
  EXPECT_FALSE(RunScript("escape\nundo\n").Says("still running"));
}

TEST(ClosestNames, NearestFirstByEditsIgnoringCaseTiesInTheOrderGiven) {
  EXPECT_EQ(ZORClosestNames::Distance("kitten", "sitting"), 3u);
  EXPECT_EQ(ZORClosestNames::Distance("", "abc"), 3u);
  EXPECT_EQ(ZORClosestNames::Distance("Point.1", "POINT.1"), 0u);
  const std::vector<std::string> names = {"Line.1", "Point.12", "Point.1", "Plane.1", "Point.2"};
  EXPECT_EQ(ZORClosestNames::Find("Point.9", names),
            (std::vector<std::string>{"Point.1", "Point.2", "Point.12"}));
  EXPECT_EQ(ZORClosestNames::Find("x", names, 10).size(), names.size());
  EXPECT_EQ(ZORClosestNames::Hint("x", {}), "");
  EXPECT_EQ(ZORClosestNames::Hint("Lin.1", {"Line.1"}), " (closest: Line.1)");
}

TEST(ScenarioInterpreter, MakesAxisSystemsDirectionsAndTheCompassAndRefusesBadOnes) {
  const Ran made = RunScript(
      "axis 0 0 2 0 1 0 -1 0 0\n"
      "axis 0 0 0 1 0 0 2 0 0\n"
      "point 0 0 0\n"
      "point 0 0 1\n"
      "line Point.1 Point.2\n"
      "direction by Line.1\n"
      "direction 0 3 4\n"
      "compass 0 0 1\n"
      "update\n"
      "expect document \"Direction.2 [WENDirection] X=X Y=Y Z=Z ByElement=0\"\n"
      "expect document \"=> segment(0,0,0)-(0,0.6,0.8)\"\n"
      "axis none\n");
  EXPECT_EQ(made.status, 0) << made.transcript;
  EXPECT_TRUE(made.Says("Axis System.1 is the local axis system")) << made.transcript;
  EXPECT_TRUE(made.Says("Axis System.2 is degenerate: the local axis system is kept"));
  EXPECT_TRUE(made.Says("no local axis system"));
  EXPECT_EQ(RunScript("axis 1 2\n").status, 2);
  EXPECT_EQ(RunScript("axis 0 0 0 1 0 0 0 1 x\n").status, 2);
  EXPECT_EQ(RunScript("direction 1 nan 0\n").status, 2);
  EXPECT_EQ(RunScript("direction by Nothing.1\n").status, 2);
  EXPECT_EQ(RunScript("compass 0 0 0\n").status, 2);
  EXPECT_EQ(RunScript("expect widget Nowhere \"x\"\n").status, 2);
}

// list lines and command states
namespace {

TEST(ScenarioInterpreter, LineAndStateExpectationsNameWhatIsThere) {
  EXPECT_EQ(RunScript("expect state none\n").status, 0);
  const Ran state = RunScript("expect state SomeState\n");
  EXPECT_EQ(state.status, 1);
  EXPECT_TRUE(state.Says("the current state is none")) << state.transcript;
  EXPECT_EQ(RunScript("expect line Nowhere 0 \"x\"\n").status, 2);
}

}  // namespace
