#pragma once
// Runs scenario statements over the driver, as a user at the screen would act, and writes a
// transcript of what that user would see. Each statement kind is one small member function,
// found by keyword in one table.
//
// Run answers 0 when every statement ran and every expectation held, 1 at the first
// expectation that failed, 2 at the first statement that could not run (an unknown feature,
// widget, type or command). Both stop the scenario; a command it leaves running is cancelled and
// reported.

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "ZORDriver.h"
#include "ZORHostSession.h"
#include "ZORHostTranscript.h"
#include "ZORIWENWorkingSupportSet.h"
#include "ZORScenarioStatement.h"

class ZORFeature;
class ZORFeatureType;
class ZORStateCommand;

class ZORScenarioInterpreter {
 public:
  // `svgDirectory`: where snapshots are written (a snapshot names its file).
  ZORScenarioInterpreter(ZORHostSession& session, std::FILE* out, std::string svgDirectory);

  int Run(const std::vector<ZORScenarioStatement>& statements);
  //! The pictures the snapshots wrote, in the order they were taken.
  const std::vector<std::string>& GetSnapshots() const { return snapshots_; }

  // Whether every statement the reader knows has a function here.
  static std::vector<std::string> KeywordsWithoutHandler();

 private:
  struct Outcome {
    int status = 0;  // 0 ran, 1 an expectation failed, 2 could not run
    std::string message;
  };
  using Handler = Outcome (ZORScenarioInterpreter::*)(const ZORScenarioStatement&);
  struct Entry {
    Handler handler;
    bool acts;  // a user event or a document change: what it shows is gathered after it
  };
  static const std::map<std::string, Entry>& Table();

  static Outcome Done() { return {}; }
  static Outcome Failed(std::string message) { return {1, std::move(message)}; }
  static Outcome Error(std::string message) { return {2, std::move(message)}; }
  Outcome Expect(bool held, const std::string& what);
  // Runs `handler`, turning an error object the host raised into an error of the statement.
  Outcome Protected(Handler handler, const ZORScenarioStatement& s);

  // What the last user event showed: messages printed, the commands running when they change.
  void AfterAction();
  void EndRunningCommands(const std::string& file);
  std::string RunningCommands() const;

  // Features by display name; the tool new features go under (made when there is none).
  ZORFeature* Feature(const std::string& name, Outcome& outcome) const;
  // " (closest: ...)" for a feature or command name that does not exist.
  std::string FeatureHint(const std::string& name) const;
  static std::string CommandHint(const std::string& name);
  ZORFeature* Tool();
  Outcome Created(ZORFeature* feature, const std::string& what);
  Outcome Build(const std::string& type, const std::vector<std::string>& roles,
                const std::vector<std::string>& inputs,
                const std::map<std::string, double>& values = {});
  Outcome SetInput(ZORFeature& feature, const std::string& role, ZORFeature& target);
  bool HasWidget(const std::string& path, Outcome& outcome) const;
  Outcome Report(bool done, const std::string& otherwise);

  // --- the document ---
  Outcome DoTool(const ZORScenarioStatement& s);
  Outcome DoPoint(const ZORScenarioStatement& s);
  Outcome DoLine(const ZORScenarioStatement& s);
  Outcome DoPlane(const ZORScenarioStatement& s);
  Outcome DoSketch(const ZORScenarioStatement& s);
  Outcome DoParameter(const ZORScenarioStatement& s);
  Outcome DoFeature(const ZORScenarioStatement& s);
  Outcome DoInput(const ZORScenarioStatement& s);
  Outcome DoValue(const ZORScenarioStatement& s);
  Outcome DoSupport(const ZORScenarioStatement& s);
  Outcome DoSupportSurface(const ZORScenarioStatement& s);
  Outcome DoSupportNone(const ZORScenarioStatement& s);
  Outcome DoGrid(const ZORScenarioStatement& s);
  // Makes a working support of `type` on the feature named `args[0]`, from the point named
  // `args[1]` when given, current.
  Outcome MakeSupportCurrent(const ZORScenarioStatement& s, int type);
  ZORIWENWorkingSupportSet_var SupportSet();
  // directions and axis systems (ZORScenarioDirection.cpp)
  Outcome DoDirection(const ZORScenarioStatement& s);
  Outcome DoAxis(const ZORScenarioStatement& s);
  Outcome DoCompass(const ZORScenarioStatement& s);
  Outcome DoExpectWidget(const ZORScenarioStatement& s);
  Outcome DoSnap(const ZORScenarioStatement& s);
  // Gives a feature type a failure or warning rule for the inputs named by the statement, and
  // makes the features of that type out of date so that the rule applies at the next update.
  Outcome AddRule(const ZORScenarioStatement& s,
                  void (ZORFeatureType::*add)(const std::vector<const ZORFeature*>&, std::string));
  Outcome DoFail(const ZORScenarioStatement& s);
  Outcome DoWarn(const ZORScenarioStatement& s);
  Outcome DoCurrent(const ZORScenarioStatement& s);
  Outcome DoUpdate(const ZORScenarioStatement& s);
  // --- geometry ---
  // A feature of `type` whose numbered inputs `base`1, `base`2 ... are the statement's names.
  Outcome BuildNumbered(const std::string& type, const std::string& base,
                        const std::vector<std::string>& names);
  Outcome DoPolyline(const ZORScenarioStatement& s);
  Outcome DoArc(const ZORScenarioStatement& s);
  Outcome DoCylinder(const ZORScenarioStatement& s);
  Outcome DoCloud(const ZORScenarioStatement& s);
  Outcome DoAssemble(const ZORScenarioStatement& s);
  Outcome DoAxisLine(const ZORScenarioStatement& s);
  // A pick of the Nth vertex, edge or face of a feature's result.
  Outcome PickCell(const ZORScenarioStatement& s);
  Outcome DoDumpCells(const ZORScenarioStatement& s);
  // --- commands ---
  Outcome DoStart(const ZORScenarioStatement& s);
  Outcome DoRun(const ZORScenarioStatement& s);
  Outcome DoEscape(const ZORScenarioStatement& s);
  Outcome DoUndo(const ZORScenarioStatement& s);
  Outcome DoRedo(const ZORScenarioStatement& s);
  // --- acting ---
  // A pick in the view or the tree of the feature named by the statement.
  Outcome PickWith(const ZORScenarioStatement& s, bool (*pick)(ZORDriver&, ZORBaseUnknown*));
  Outcome DoPick(const ZORScenarioStatement& s);
  Outcome DoPickTree(const ZORScenarioStatement& s);
  Outcome DoClick(const ZORScenarioStatement& s);
  Outcome DoCheck(const ZORScenarioStatement& s);
  Outcome DoSelect(const ZORScenarioStatement& s);
  Outcome DoType(const ZORScenarioStatement& s);
  Outcome DoMouse(const ZORScenarioStatement& s);
  Outcome DoMouseClick(const ZORScenarioStatement& s);
  Outcome DoAnswer(const ZORScenarioStatement& s);
  Outcome DoOK(const ZORScenarioStatement& s);
  Outcome DoApply(const ZORScenarioStatement& s);
  Outcome DoCancel(const ZORScenarioStatement& s);
  Outcome Press(const ZORScenarioStatement& s, bool (ZORDriver::*press)(const std::string&));
  // --- acting on widgets: menus, lists, spinners, tabs, windows ---
  Outcome DoMenu(const ZORScenarioStatement& s);
  Outcome DoDoubleClick(const ZORScenarioStatement& s);
  Outcome DoSpin(const ZORScenarioStatement& s);
  Outcome DoTab(const ZORScenarioStatement& s);
  Outcome DoClose(const ZORScenarioStatement& s);
  // --- looking ---
  Outcome DoStep(const ZORScenarioStatement& s);
  Outcome DoDump(const ZORScenarioStatement& s);
  Outcome DoScreen(const ZORScenarioStatement& s);
  Outcome DoScreenCells(const ZORScenarioStatement& s);
  Outcome DoEvents(const ZORScenarioStatement& s);
  Outcome DoSnapshot(const ZORScenarioStatement& s);
  // --- expectations ---
  Outcome DoExpectPanel(const ZORScenarioStatement& s);
  Outcome DoExpectNoPanel(const ZORScenarioStatement& s);
  Outcome DoExpectMessage(const ZORScenarioStatement& s);
  Outcome DoExpectDocument(const ZORScenarioStatement& s);
  Outcome DoExpectNoDocument(const ZORScenarioStatement& s);
  Outcome DoExpectEvent(const ZORScenarioStatement& s);
  Outcome DoExpectCommand(const ZORScenarioStatement& s);
  bool DocumentHas(const std::string& text) const;
  // --- manipulators and viewers ---
  Outcome DoHoverHandle(const ZORScenarioStatement& s);
  Outcome DoDragHandle(const ZORScenarioStatement& s);
  Outcome DoDragViewer(const ZORScenarioStatement& s);
  Outcome DoContextHandle(const ZORScenarioStatement& s);
  Outcome DoClickHandle(const ZORScenarioStatement& s);
  Outcome DoDoubleClickHandle(const ZORScenarioStatement& s);
  Outcome DoHandles(const ZORScenarioStatement& s);
  Outcome DoExpectHandle(const ZORScenarioStatement& s);
  Outcome DoValuate(const ZORScenarioStatement& s);
  Outcome DoAxisLineOption(const ZORScenarioStatement& s);
  // The rank of a shown handle named by `word`; an error outcome for any other word.
  int HandleRank(const std::string& word, Outcome& outcome) const;
  Outcome DoExpectView(const ZORScenarioStatement& s);
  Outcome DoShown(const ZORScenarioStatement& s);
  Outcome DoExpectShown(const ZORScenarioStatement& s);
  Outcome DoExpectNoShown(const ZORScenarioStatement& s);
  // The interactive set one element a line, then the handles ranked as the user names them.
  std::vector<std::string> ShownLines() const;
  // --- list lines and command states (ZORScenarioLists.cpp) ---
  Outcome DoExpectLine(const ZORScenarioStatement& s);
  Outcome DoExpectState(const ZORScenarioStatement& s);

  // Diagnostics in 3D.
  Outcome DoSettingsMerging(const ZORScenarioStatement& s);

  ZORHostSession& session_;
  ZORDriver driver_;
  ZORHostTranscript transcript_;
  std::string svgDirectory_;
  std::vector<std::string> snapshots_;
  ZORFeature* tool_ = nullptr;  // the last tool made, held by the document
  std::vector<ZORShownMessage> messages_;
  std::vector<std::string> events_;
  std::vector<const ZORStateCommand*> running_;  // compared, never followed
};
