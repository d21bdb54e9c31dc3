#include "ZORScenarioInterpreter.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "ZOR2DManipulator.h"
#include "ZORCkeParamFrame.h"
#include "ZORClosestNames.h"
#include "ZORDlgCombo.h"
#include "ZORDlgContextualMenu.h"
#include "ZORDlgEditor.h"
#include "ZORDlgList.h"
#include "ZORDlgSpinner.h"
#include "ZORDriverMouse.h"
#include "ZORDriverPick.h"
#include "ZORException.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORHandleDriver.h"
#include "ZORIMfBiDimResult.h"
#include "ZORIMfPlane.h"
#include "ZORISO.h"
#include "ZORIWENWorkingSupportFactory.h"
#include "ZORNavigation2DViewer.h"
#include "ZORScenarioSnapshot.h"
#include "ZORScenarioSyntax.h"
#include "ZORScenarioViewerSnapshot.h"
#include "ZORSpecObjectOf.h"
#include "ZORStateCommand.h"
#include "ZORWENCartesianGrid.h"
#include "ZORWENSettings.h"
#include "ZORWENWorkingSupport.h"

namespace {

double Number(const std::string& text) {
  return std::strtod(text.c_str(), nullptr);
}

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

}  // namespace

ZORScenarioInterpreter::ZORScenarioInterpreter(ZORHostSession& session, std::FILE* out,
                                               std::string svgDirectory)
    : session_(session),
      driver_(session),
      transcript_(out),
      svgDirectory_(std::move(svgDirectory)) {}

const std::map<std::string, ZORScenarioInterpreter::Entry>& ZORScenarioInterpreter::Table() {
  using I = ZORScenarioInterpreter;
  static const std::map<std::string, Entry> table = {
      {"tool", {&I::DoTool, true}},
      {"point", {&I::DoPoint, true}},
      {"line", {&I::DoLine, true}},
      {"plane", {&I::DoPlane, true}},
      {"sketch", {&I::DoSketch, true}},
      {"parameter", {&I::DoParameter, true}},
      {"feature", {&I::DoFeature, true}},
      {"input", {&I::DoInput, true}},
      {"value", {&I::DoValue, true}},
      {"support", {&I::DoSupport, true}},
      {"support surface", {&I::DoSupportSurface, true}},
      {"support none", {&I::DoSupportNone, true}},
      {"grid", {&I::DoGrid, true}},
      {"snap", {&I::DoSnap, true}},
      {"direction", {&I::DoDirection, true}},
      {"axis", {&I::DoAxis, true}},
      {"compass", {&I::DoCompass, true}},
      {"fail", {&I::DoFail, true}},
      {"warn", {&I::DoWarn, true}},
      {"current", {&I::DoCurrent, true}},
      {"update", {&I::DoUpdate, true}},
      // geometry
      {"polyline", {&I::DoPolyline, true}},
      {"arc", {&I::DoArc, true}},
      {"cylinder", {&I::DoCylinder, true}},
      {"cloud", {&I::DoCloud, true}},
      {"assemble", {&I::DoAssemble, true}},
      {"axisline", {&I::DoAxisLine, true}},
      {"axisline on", {&I::DoAxisLineOption, true}},
      {"axisline off", {&I::DoAxisLineOption, true}},
      {"valuate", {&I::DoValuate, true}},
      {"dump cells", {&I::DoDumpCells, false}},
      {"start", {&I::DoStart, true}},
      {"run", {&I::DoRun, true}},
      {"escape", {&I::DoEscape, true}},
      {"undo", {&I::DoUndo, true}},
      {"redo", {&I::DoRedo, true}},
      {"pick", {&I::DoPick, true}},
      {"pick tree", {&I::DoPickTree, true}},
      {"click", {&I::DoClick, true}},
      {"check", {&I::DoCheck, true}},
      {"select", {&I::DoSelect, true}},
      {"type", {&I::DoType, true}},
      {"mouse", {&I::DoMouse, true}},
      {"mouse click", {&I::DoMouseClick, true}},
      {"answer", {&I::DoAnswer, false}},
      {"ok", {&I::DoOK, true}},
      {"apply", {&I::DoApply, true}},
      {"cancel", {&I::DoCancel, true}},
      // acting on widgets: menus, lists, spinners, tabs, windows
      {"menu", {&I::DoMenu, true}},
      {"double click", {&I::DoDoubleClick, true}},
      {"spin", {&I::DoSpin, true}},
      {"tab", {&I::DoTab, true}},
      {"close", {&I::DoClose, true}},
      {"step", {&I::DoStep, false}},
      {"dump", {&I::DoDump, false}},
      {"screen", {&I::DoScreen, false}},
      {"screen cells", {&I::DoScreenCells, false}},
      {"events", {&I::DoEvents, false}},
      {"snapshot", {&I::DoSnapshot, false}},
      {"expect panel", {&I::DoExpectPanel, false}},
      {"expect no panel", {&I::DoExpectNoPanel, false}},
      {"expect message", {&I::DoExpectMessage, false}},
      {"expect document", {&I::DoExpectDocument, false}},
      {"expect no document", {&I::DoExpectNoDocument, false}},
      {"expect event", {&I::DoExpectEvent, false}},
      {"expect command", {&I::DoExpectCommand, false}},
      {"expect widget", {&I::DoExpectWidget, false}},
      // manipulators and viewers
      {"hover handle", {&I::DoHoverHandle, true}},
      {"drag handle", {&I::DoDragHandle, true}},
      {"drag", {&I::DoDragViewer, true}},
      {"expect view", {&I::DoExpectView, false}},
      {"context handle", {&I::DoContextHandle, true}},
      {"click handle", {&I::DoClickHandle, true}},
      {"double click handle", {&I::DoDoubleClickHandle, true}},
      {"handles", {&I::DoHandles, false}},
      {"expect handle", {&I::DoExpectHandle, false}},
      {"shown", {&I::DoShown, false}},
      {"expect shown", {&I::DoExpectShown, false}},
      {"expect no shown", {&I::DoExpectNoShown, false}},
      // list lines and command states
      {"expect line", {&I::DoExpectLine, false}},
      {"expect state", {&I::DoExpectState, false}},
      // diagnostics in 3D
      {"settings merging", {&I::DoSettingsMerging, true}},
  };
  return table;
}

std::vector<std::string> ZORScenarioInterpreter::KeywordsWithoutHandler() {
  std::vector<std::string> missing;
  for (const auto& form : ZORScenarioSyntax::Standard().Forms()) {
    if (!Table().count(form.keyword)) missing.push_back(form.keyword);
  }
  return missing;
}

int ZORScenarioInterpreter::Run(const std::vector<ZORScenarioStatement>& statements) {
  int status = 0;
  for (const ZORScenarioStatement& s : statements) {
    if (s.keyword != "step") transcript_.Statement(s);
    const auto entry = Table().find(s.keyword);
    const Outcome outcome = entry == Table().end() ? Error("no function runs '" + s.keyword + "'")
                                                   : Protected(entry->second.handler, s);
    if (entry != Table().end() && entry->second.acts) AfterAction();
    if (outcome.status == 0) continue;
    const char* kind = outcome.status == 1 ? "expectation failed" : "error";
    transcript_.Print(s.Where() + ": " + kind + ": " + outcome.message + "\n");
    status = outcome.status;
    break;
  }
  if (!statements.empty()) EndRunningCommands(statements.back().file);
  return status;
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::Protected(Handler handler,
                                                                  const ZORScenarioStatement& s) {
  // What a command does not catch itself must not end the program. Not a protected section:
  // a user's event does not run in one, and the fault gate tells the two apart.
  ZORException* raised = nullptr;
  try {
    return (this->*handler)(s);
  } catch (ZORException* error) {
    raised = error;
  }
  const std::string what = raised->IsA() + std::string(" ") + raised->GetDescription().str();
  raised->Release();
  return Error("the host raised an error it did not handle: " + what);
}

void ZORScenarioInterpreter::AfterAction() {
  messages_ = driver_.DrainMessages();
  transcript_.Messages(messages_);
  events_ = driver_.DrainEvents();
  // A command that gave way to another of the same name is a change too.
  std::vector<const ZORStateCommand*> running;
  for (const ZORGuiCommandStackState& state : ZORGuiCommandStack::Instance()->GiveStateList()) {
    running.push_back(state.GetCommand());
  }
  if (running == running_) return;
  running_ = running;
  const std::string commands = RunningCommands();
  transcript_.Note("running: " + (commands.empty() ? std::string("no command") : commands));
}

std::string ZORScenarioInterpreter::RunningCommands() const {
  std::string names;
  for (const ZORGuiCommandStackState& state : ZORGuiCommandStack::Instance()->GiveStateList()) {
    names += (names.empty() ? "" : " > ") + state.GetCommand()->GetName().str();
  }
  return names;
}

void ZORScenarioInterpreter::EndRunningCommands(const std::string& file) {
  if (!driver_.CurrentCommand()) return;
  transcript_.Print(file + ": still running at the end: " + RunningCommands() + "; cancelled\n");
  // Each cancel ends one command; the one below resumes and is cancelled in turn.
  for (int guard = 0; driver_.CurrentCommand() && guard < 100; ++guard) {
    driver_.CancelCurrent();
    AfterAction();
  }
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::Expect(bool held, const std::string& what) {
  if (!held) return Failed(what);
  transcript_.Note("ok");
  return Done();
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::Report(bool done,
                                                               const std::string& otherwise) {
  if (!done) transcript_.Note(otherwise);
  return Done();
}

// --- the document ---

ZORFeature* ZORScenarioInterpreter::Feature(const std::string& name, Outcome& outcome) const {
  ZORFeature* feature = session_.Document().FindByName(name);
  if (!feature) outcome = Error("no feature named '" + name + "'" + FeatureHint(name));
  return feature;
}

std::string ZORScenarioInterpreter::FeatureHint(const std::string& name) const {
  std::vector<std::string> names;
  for (ZORFeature* feature : session_.Document().GetFeatures()) {
    if (feature->IsInDocument()) names.push_back(feature->GetDisplayNameText());
  }
  return ZORClosestNames::Hint(name, names);
}

ZORFeature* ZORScenarioInterpreter::Tool() {
  if (tool_ && tool_->IsInDocument()) return tool_;
  ZORFeature_var tool = session_.Document().CreateTool("GeometricalSet");
  tool_ = tool.get();
  if (tool_) transcript_.Note("made " + tool_->GetDisplayNameText() + " to hold it");
  return tool_;
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::Created(ZORFeature* feature,
                                                                const std::string& what) {
  if (!feature) return Error("the document could not make " + what);
  transcript_.Note("made " + feature->GetDisplayNameText());
  return Done();
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::SetInput(ZORFeature& feature,
                                                                 const std::string& role,
                                                                 ZORFeature& target) {
  const HRESULT hr = feature.SetInput(role, ZORBaseUnknown_var(&target));
  if (hr == E_INVALIDARG) {
    return Error(feature.GetDisplayNameText() + " has no input '" + role + "'");
  }
  if (FAILED(hr)) {
    return Error(feature.GetDisplayNameText() + " refuses " + target.GetDisplayNameText() +
                 " as its " + role);
  }
  return Done();
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::Build(
    const std::string& type, const std::vector<std::string>& roles,
    const std::vector<std::string>& inputs, const std::map<std::string, double>& values) {
  Outcome outcome;
  std::vector<ZORFeature*> targets;
  for (const std::string& name : inputs) {
    targets.push_back(Feature(name, outcome));
    if (outcome.status) return outcome;
  }
  ZORFeature* tool = Tool();
  ZORFeature_var feature = tool ? session_.Document().CreateFeature(type, tool) : nullptr;
  if (!feature) return Error("the document could not make a feature of type '" + type + "'");
  for (std::size_t i = 0; i < roles.size(); ++i) {
    outcome = SetInput(*feature, roles[i], *targets[i]);
    if (outcome.status) return outcome;
  }
  for (const auto& [key, value] : values) feature->SetValue(key, value);
  return Created(feature.get(), type);
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoTool(const ZORScenarioStatement& s) {
  ZORFeature_var tool = session_.Document().CreateTool(s.args[0]);
  if (!tool) return Error("no tool type '" + s.args[0] + "'");
  tool_ = tool.get();
  return Created(tool_, s.args[0]);
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoPoint(const ZORScenarioStatement& s) {
  ZORFeature* tool = Tool();
  ZORFeature_var point = session_.Document().CreatePoint(Number(s.args[0]), Number(s.args[1]),
                                                         Number(s.args[2]), tool);
  return Created(point.get(), "a point");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoLine(const ZORScenarioStatement& s) {
  return Build("WENLine", {"Start", "End"}, s.args);
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoPlane(const ZORScenarioStatement& s) {
  return Build("WENPlane", {"Point1", "Point2", "Point3"}, s.args);
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoSketch(const ZORScenarioStatement& s) {
  return Build("Sketch", {"Support"}, s.args);
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoParameter(const ZORScenarioStatement& s) {
  ZORFeature_var parameter =
      session_.Document().CreateParameter(s.args[0], s.args[1], Number(s.args[2]));
  return Created(parameter.get(), "a parameter of magnitude '" + s.args[1] + "'");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoFeature(const ZORScenarioStatement& s) {
  return Build(s.args[0], {}, {});
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoInput(const ZORScenarioStatement& s) {
  Outcome outcome;
  ZORFeature* feature = Feature(s.args[0], outcome);
  ZORFeature* target = feature ? Feature(s.args[2], outcome) : nullptr;
  return target ? SetInput(*feature, s.args[1], *target) : outcome;
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoValue(const ZORScenarioStatement& s) {
  Outcome outcome;
  ZORFeature* feature = Feature(s.args[0], outcome);
  if (feature) feature->SetValue(s.args[1], Number(s.args[2]));
  return outcome;
}

ZORIWENWorkingSupportSet_var ZORScenarioInterpreter::SupportSet() {
  ZORIWENWorkingSupportFactory_var factory(session_.Document().GetPart());
  return factory ? factory->GetWorkingSupportSet() : nullptr;
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::MakeSupportCurrent(
    const ZORScenarioStatement& s, int type) {
  Outcome outcome;
  ZORFeature* support = Feature(s.args[0], outcome);
  ZORFeature* origin = support && s.args.size() > 1 ? Feature(s.args[1], outcome) : nullptr;
  if (outcome.status) return outcome;
  ZORIWENWorkingSupportSet_var set = SupportSet();
  ZORIWENWorkingSupport_var made =
      set ? set->CreateWorkingSupport(ZORSpecObjectOf(support), ZORSpecObjectOf(origin), type)
          : nullptr;
  if (!made || FAILED(set->SetCurrentWorkingSupport(made))) {
    return Error("the part refuses " + s.args[0] + " as a working support");
  }
  transcript_.Note("working support " + std::to_string(set->GetNumberOfWorkingSupports()) + " on " +
                   s.args[0] + ", current");
  return Done();
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoSupport(const ZORScenarioStatement& s) {
  Outcome outcome;
  ZORFeature* plane = Feature(s.args[0], outcome);
  if (outcome.status) return outcome;
  if (!ZORVar<ZORIMfPlane>(plane)) return Error(s.args[0] + " is not a plane");
  return MakeSupportCurrent(s, ZORIWENWorkingSupport::kCartesianPlane);
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoSupportSurface(
    const ZORScenarioStatement& s) {
  Outcome outcome;
  ZORFeature* surface = Feature(s.args[0], outcome);
  if (outcome.status) return outcome;
  if (!ZORVar<ZORIMfBiDimResult>(surface)) return Error(s.args[0] + " is not a surface");
  return MakeSupportCurrent(s, ZORIWENWorkingSupport::kSurface);
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoSupportNone(const ZORScenarioStatement&) {
  ZORIWENWorkingSupportSet_var set = SupportSet();
  if (!set) return Error("the part has no working supports");
  set->SetCurrentWorkingSupport(nullptr);
  return Done();
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoGrid(const ZORScenarioStatement& s) {
  ZORIWENWorkingSupportSet_var set = SupportSet();
  auto* support =
      set ? dynamic_cast<ZORWENWorkingSupport*>(set->GetCurrentWorkingSupport().get()) : nullptr;
  if (!support) return Error("no working support is current");
  const int first = s.args.size() > 2 ? std::atoi(s.args[2].c_str()) : 0;
  const int second = s.args.size() > 3 ? std::atoi(s.args[3].c_str()) : first;
  support->SetGrid(ZORIWENGrid_var(ZORMake<ZORWENCartesianGrid>(
      Number(s.args[0]), Number(s.args[1]), first, second, ZORISpecObject_var())));
  return Done();
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoSnap(const ZORScenarioStatement& s) {
  ZORWENSettings* settings = ZORWENSettings::GetWENSettings();
  if (!settings) return Error("the settings are not available");
  settings->SetWorkOnSupportSnap(s.args[0] == "on");
  return Done();
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::AddRule(
    const ZORScenarioStatement& s,
    void (ZORFeatureType::*add)(const std::vector<const ZORFeature*>&, std::string)) {
  ZORFeatureType* type = ZORFeatureTypeRegistry::Get().Find(s.args[0]);
  if (!type) return Error("no feature type '" + s.args[0] + "'");
  Outcome outcome;
  std::vector<const ZORFeature*> inputs;
  for (std::size_t i = 1; i + 1 < s.args.size(); ++i) {
    inputs.push_back(Feature(s.args[i], outcome));
    if (outcome.status) return outcome;
  }
  (type->*add)(inputs, s.args.back());
  // Features already computed would keep their result until something else changes.
  int marked = 0;
  for (ZORFeature* feature : session_.Document().GetFeatures()) {
    if (!feature->IsInDocument() || &feature->GetFeatureType() != type) continue;
    feature->MarkOutOfDate();
    ++marked;
  }
  transcript_.Note(std::to_string(marked) + " feature(s) of type " + s.args[0] + " out of date");
  return Done();
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoFail(const ZORScenarioStatement& s) {
  return AddRule(s, &ZORFeatureType::FailFor);
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoWarn(const ZORScenarioStatement& s) {
  return AddRule(s, &ZORFeatureType::WarnFor);
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoCurrent(const ZORScenarioStatement& s) {
  Outcome outcome;
  ZORFeature* feature = Feature(s.args[0], outcome);
  if (feature) session_.Editor().SetCurrentFeature(feature);
  return outcome;
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoUpdate(const ZORScenarioStatement&) {
  const int failed = session_.Document().UpdateAll();
  transcript_.Note(failed ? std::to_string(failed) + " feature(s) failed to update"
                          : "every feature is up to date");
  return Done();
}

// --- geometry ---

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::BuildNumbered(
    const std::string& type, const std::string& base, const std::vector<std::string>& names) {
  std::vector<std::string> roles;
  for (std::size_t i = 1; i <= names.size(); ++i) roles.push_back(base + std::to_string(i));
  return Build(type, roles, names);
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoPolyline(const ZORScenarioStatement& s) {
  return BuildNumbered("WENPolyline", "Point", s.args);
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoArc(const ZORScenarioStatement& s) {
  return BuildNumbered("WENArc", "Point", s.args);
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoCylinder(const ZORScenarioStatement& s) {
  if (s.args.size() == 4) return Error("give both angles, or neither");
  std::map<std::string, double> values = {{"Radius", Number(s.args[2])}};
  if (s.args.size() == 5) {
    values["StartAngle"] = Number(s.args[3]);
    values["EndAngle"] = Number(s.args[4]);
  }
  return Build("WENCylinder", {"Start", "End"}, {s.args[0], s.args[1]}, values);
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoCloud(const ZORScenarioStatement& s) {
  return BuildNumbered("WENCloud", "Point", s.args);
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoAssemble(const ZORScenarioStatement& s) {
  return BuildNumbered("WENAssemble", "Element", s.args);
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoAxisLine(const ZORScenarioStatement& s) {
  return Build("WENAxisLine", {"Point", "Reference"}, {s.args[0], s.args[1]},
               {{"Start", Number(s.args[2])}, {"End", Number(s.args[3])}});
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::PickCell(const ZORScenarioStatement& s) {
  static const std::map<std::string, int> kDimensions = {{"vertex", 0}, {"edge", 1}, {"face", 2}};
  const auto dimension = kDimensions.find(s.args[1]);
  if (dimension == kDimensions.end() || s.args.size() != 3) {
    return Error("pick a cell as: pick FEATURE vertex|edge|face N");
  }
  Outcome outcome;
  ZORFeature* feature = Feature(s.args[0], outcome);
  if (!feature) return outcome;
  ZORBody_var body = feature->GetResultBody();
  ZORCell* cell =
      body ? body->GetCellOfDimension(dimension->second, std::atoi(s.args[2].c_str())) : nullptr;
  if (!cell) return Error(s.args[0] + " has no " + s.args[1] + " " + s.args[2]);
  transcript_.Note(cell->Describe());
  transcript_.Note(ZORDriverPick::PickCell(driver_, feature, cell) ? "taken" : "refused");
  return Done();
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoDumpCells(const ZORScenarioStatement&) {
  std::string text = driver_.DumpDocument();
  for (ZORFeature* feature : session_.Document().GetFeatures()) {
    ZORBody_var body = feature->IsInDocument() ? feature->GetResultBody() : nullptr;
    if (!body) continue;
    text += feature->GetDisplayNameText() + ":\n";
    for (const std::string& line : body->DescribeCells()) text += "  " + line + "\n";
  }
  transcript_.Block("document:", text);
  return Done();
}

// --- commands ---

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoStart(const ZORScenarioStatement& s) {
  // As a click on the command's icon: the running commands give way.
  if (FAILED(driver_.StartByName(s.args[0], ZORGuiCommandStack::Mode::Exclusive))) {
    return Error("cannot start the command '" + s.args[0] + "'" + CommandHint(s.args[0]));
  }
  return Done();
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoRun(const ZORScenarioStatement& s) {
  if (FAILED(driver_.StartByName(s.args[0], ZORGuiCommandStack::Mode::Shared))) {
    return Error("cannot run the command '" + s.args[0] + "'" + CommandHint(s.args[0]));
  }
  return Done();
}

std::string ZORScenarioInterpreter::CommandHint(const std::string& name) {
  // A known command may refuse to start (nothing to edit): only an unknown name gets a hint.
  const std::vector<std::string> names = ZORGuiCommandStack::Instance()->GetCommandNames();
  if (std::find(names.begin(), names.end(), name) != names.end()) return std::string();
  return ZORClosestNames::Hint(name, names);
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoEscape(const ZORScenarioStatement&) {
  return Report(driver_.CancelCurrent(), "no command to leave");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoUndo(const ZORScenarioStatement&) {
  return Report(driver_.GlobalUndo(), "nothing to undo");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoRedo(const ZORScenarioStatement&) {
  return Report(driver_.GlobalRedo(), "nothing to redo");
}

// --- acting ---

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::PickWith(const ZORScenarioStatement& s,
                                                                 bool (*pick)(ZORDriver&,
                                                                              ZORBaseUnknown*)) {
  Outcome outcome;
  ZORFeature* feature = Feature(s.args[0], outcome);
  if (!feature) return outcome;
  transcript_.Note(pick(driver_, feature) ? "taken" : "refused");
  return Done();
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoPick(const ZORScenarioStatement& s) {
  if (s.args.size() > 1) return PickCell(s);
  return PickWith(s, &ZORDriverPick::Pick);
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoPickTree(const ZORScenarioStatement& s) {
  return PickWith(s, &ZORDriverPick::PickInTree);
}

bool ZORScenarioInterpreter::HasWidget(const std::string& path, Outcome& outcome) const {
  if (driver_.Find(path)) return true;
  outcome = Error("no open panel or widget '" + path + "'");
  return false;
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoClick(const ZORScenarioStatement& s) {
  Outcome outcome;
  if (!HasWidget(s.args[0], outcome)) return outcome;
  return Report(driver_.Click(s.args[0]), "nothing happened (insensitive, or not a button)");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoCheck(const ZORScenarioStatement& s) {
  Outcome outcome;
  if (!HasWidget(s.args[0], outcome)) return outcome;
  return Report(driver_.Check(s.args[0], s.args[1] == "on"),
                "nothing happened (insensitive, or not a check button)");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoSelect(const ZORScenarioStatement& s) {
  Outcome outcome;
  if (!HasWidget(s.args[0], outcome)) return outcome;
  std::vector<int> lines;
  for (std::size_t i = 1; i < s.args.size(); ++i) lines.push_back(std::atoi(s.args[i].c_str()));
  if (dynamic_cast<ZORDlgCombo*>(driver_.Find(s.args[0]))) {
    if (lines.size() != 1) return Error("a combo takes one line");
    return Report(driver_.SelectInCombo(s.args[0], lines[0]),
                  "nothing happened (insensitive, or no such line)");
  }
  return Report(driver_.SelectLines(s.args[0], lines),
                "nothing happened (not a list, or no such line)");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoType(const ZORScenarioStatement& s) {
  Outcome outcome;
  if (!HasWidget(s.args[0], outcome)) return outcome;
  ZORDialog* widget = driver_.Find(s.args[0]);
  if (!dynamic_cast<ZORDlgEditor*>(widget) && !dynamic_cast<ZORDlgSpinner*>(widget) &&
      !dynamic_cast<ZORCkeParamFrame*>(widget)) {
    return Error("'" + s.args[0] + "' takes no typed value");
  }
  return Report(driver_.Type(s.args[0], s.args[1]),
                "refused (not a value the field takes, or insensitive)");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoMouse(const ZORScenarioStatement& s) {
  const ZORMathPoint at(Number(s.args[0]), Number(s.args[1]), Number(s.args[2]));
  return Report(ZORDriverMouse(driver_).Move(at), "no command to send it to");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoMouseClick(
    const ZORScenarioStatement& s) {
  const ZORMathPoint at(Number(s.args[0]), Number(s.args[1]), Number(s.args[2]));
  return Report(ZORDriverMouse(driver_).Click(at), "no command to send it to");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoAnswer(const ZORScenarioStatement& s) {
  driver_.QueueAnswer(std::atoi(s.args[0].c_str()));
  return Done();
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::Press(
    const ZORScenarioStatement& s, bool (ZORDriver::*press)(const std::string&)) {
  const std::string panel = s.args.empty() ? "" : s.args[0];
  Outcome outcome;
  if (!panel.empty() && !HasWidget(panel, outcome)) return outcome;
  if (panel.empty() && !driver_.CurrentCommand()) return Error("no command is running");
  return Report((driver_.*press)(panel), "the panel did not take it");
}

// --- acting on widgets: menus, lists, spinners, tabs, windows

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoMenu(const ZORScenarioStatement& s) {
  Outcome outcome;
  if (!HasWidget(s.args[0], outcome)) return outcome;
  // A 2D viewer's menu comes with the right click on its handle.
  const bool viewer = dynamic_cast<ZORNavigation2DViewer*>(driver_.Find(s.args[0])) != nullptr;
  if (!viewer && !ZORDlgContextualMenu::Of(driver_.Find(s.args[0])) &&
      !ZORDlgContextualMenu::Of(driver_.ListAt(s.args[0]))) {
    return Error("'" + s.args[0] + "' has no contextual menu");
  }
  const bool onLine = s.args.size() == 3;
  const int line = onLine ? std::atoi(s.args[1].c_str()) : -1;
  return Report(driver_.Menu(s.args[0], line, s.args.back()),
                "nothing happened (insensitive, no such line or no such item)");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoDoubleClick(
    const ZORScenarioStatement& s) {
  Outcome outcome;
  if (!HasWidget(s.args[0], outcome)) return outcome;
  const bool done = s.args.size() == 2
                        ? driver_.DoubleClickLine(s.args[0], std::atoi(s.args[1].c_str()))
                        : driver_.DoubleClick(s.args[0]);
  return Report(done, "nothing happened (insensitive, or no such line)");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoSpin(const ZORScenarioStatement& s) {
  Outcome outcome;
  if (!HasWidget(s.args[0], outcome)) return outcome;
  const int clicks = s.args.size() == 3 ? std::atoi(s.args[2].c_str()) : 1;
  return Report(driver_.Spin(s.args[0], s.args[1] == "up", clicks),
                "nothing happened (not a spinner, insensitive or at the end of its range)");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoTab(const ZORScenarioStatement& s) {
  Outcome outcome;
  if (!HasWidget(s.args[0], outcome)) return outcome;
  return Report(driver_.Tab(s.args[0], s.args[1]),
                "nothing happened (not a tab container, insensitive or no such page)");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoClose(const ZORScenarioStatement& s) {
  Outcome outcome;
  if (!HasWidget(s.args[0], outcome)) return outcome;
  return Report(driver_.CloseWindow(s.args[0]), "nothing happened (not a window, or insensitive)");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoOK(const ZORScenarioStatement& s) {
  return Press(s, &ZORDriver::PressOK);
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoApply(const ZORScenarioStatement& s) {
  return Press(s, &ZORDriver::PressApply);
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoCancel(const ZORScenarioStatement& s) {
  return Press(s, &ZORDriver::PressCancel);
}

// --- looking ---

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoStep(const ZORScenarioStatement& s) {
  transcript_.Step(s.args[0]);
  return Done();
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoDump(const ZORScenarioStatement&) {
  transcript_.Block("document:", driver_.DumpDocument());
  return Done();
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoScreen(const ZORScenarioStatement&) {
  const std::string focus = driver_.FocusHolder();
  transcript_.Block(
      "open panels:",
      driver_.DescribePanels() + (focus.empty() ? "" : "power input focus: " + focus + "\n"));
  return Done();
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoScreenCells(
    const ZORScenarioStatement& s) {
  DoScreen(s);
  transcript_.Block("highlighted:", ZORDriver::DescribeHighlight());
  return Done();
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoEvents(const ZORScenarioStatement&) {
  transcript_.Block("events of the last action:", Join(events_));
  return Done();
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoSnapshot(const ZORScenarioStatement& s) {
  const std::string& name = s.args[0];
  if (!name.ends_with(".svg")) return Error("a snapshot is an .svg file, not '" + name + "'");
  const std::string path = name.starts_with('/') ? name : svgDirectory_ + "/" + name;
  std::string svg;
  int shown = 0, features = 0;
  if (s.args.size() > 1) {
    auto* viewer = dynamic_cast<ZORNavigation2DViewer*>(driver_.Find(s.args[1]));
    if (!viewer) return Error("no open 2D viewer '" + s.args[1] + "'");
    const ZORScenarioViewerSnapshot snapshot(*viewer);
    svg = snapshot.Svg(name);
    shown = snapshot.ShownCount();
  } else {
    const ZORScenarioSnapshot snapshot(session_.Document(), session_.Editor().GetISO(),
                                       session_.Editor().GetHSO());
    svg = snapshot.Svg(name);
    shown = snapshot.ShownCount();
    features = snapshot.FeatureCount();
  }
  std::ofstream file(path);
  file << svg;
  if (!file.flush()) return Error("cannot write '" + path + "'");
  snapshots_.push_back(std::move(svg));
  transcript_.Note("wrote " + name + ": " + std::to_string(shown) + " shown, " +
                   std::to_string(features) + " features");
  return Done();
}

// --- expectations ---

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoExpectPanel(
    const ZORScenarioStatement& s) {
  return Expect(driver_.Find(s.args[0]) != nullptr, "no open panel or widget '" + s.args[0] + "'");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoExpectNoPanel(
    const ZORScenarioStatement& s) {
  return Expect(driver_.Find(s.args[0]) == nullptr, "'" + s.args[0] + "' is open");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoExpectMessage(
    const ZORScenarioStatement& s) {
  bool shown = false;
  for (const ZORShownMessage& m : messages_) {
    shown = shown || Contains(m.title.str(), s.args[0]) || Contains(m.text.str(), s.args[0]);
  }
  return Expect(shown, "the last action showed no message with \"" + s.args[0] + "\" (" +
                           std::to_string(messages_.size()) + " shown)");
}

bool ZORScenarioInterpreter::DocumentHas(const std::string& text) const {
  // A statement's text holds no line break, so it is in the dump only within one line.
  return Contains(driver_.DumpDocument(), text);
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoExpectDocument(
    const ZORScenarioStatement& s) {
  return Expect(DocumentHas(s.args[0]), "no line of the document holds \"" + s.args[0] + "\"");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoExpectNoDocument(
    const ZORScenarioStatement& s) {
  return Expect(!DocumentHas(s.args[0]), "a line of the document holds \"" + s.args[0] + "\"");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoExpectEvent(
    const ZORScenarioStatement& s) {
  bool sent = false;
  for (const std::string& line : events_) sent = sent || Contains(line, s.args[0]);
  return Expect(sent, "the last action sent no event with \"" + s.args[0] + "\" (" +
                          std::to_string(events_.size()) + " sent)");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoExpectCommand(
    const ZORScenarioStatement& s) {
  ZORStateCommand* command = driver_.CurrentCommand();
  const std::string current = command ? command->GetName().str() : "none";
  return Expect(current == s.args[0], "the current command is " + current);
}

// --- manipulators and viewers ---

int ZORScenarioInterpreter::HandleRank(const std::string& word, Outcome& outcome) const {
  char* end = nullptr;
  const long rank = std::strtol(word.c_str(), &end, 10);
  const long shown =
      static_cast<long>(ZORHandleDriver(const_cast<ZORDriver&>(driver_)).ShownHandles().size());
  if (end == word.c_str() || *end || rank < 1 || rank > shown) {
    outcome = Error("no handle " + word + ": " + std::to_string(shown) + " shown");
    return 0;
  }
  return static_cast<int>(rank);
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoHoverHandle(
    const ZORScenarioStatement& s) {
  ZORHandleDriver handles(driver_);
  if (s.args[0] == "off") return Report(handles.MoveAway(), "the pointer was over no handle");
  Outcome outcome;
  const int rank = HandleRank(s.args[0], outcome);
  if (!rank) return outcome;
  return Report(handles.MoveOver(rank), "the handle cannot be pointed at");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoDragHandle(
    const ZORScenarioStatement& s) {
  const int steps = s.args.size() > 4 ? std::atoi(s.args[4].c_str()) : 1;
  if (steps < 1) return Error("a drag takes one step at least, not " + s.args[4]);
  Outcome outcome;
  const int rank = HandleRank(s.args[0], outcome);
  if (!rank) return outcome;
  const ZORMathPoint to(Number(s.args[1]), Number(s.args[2]), Number(s.args[3]));
  return Report(ZORHandleDriver(driver_).Drag(rank, to, steps), "the handle cannot be dragged");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoDragViewer(
    const ZORScenarioStatement& s) {
  Outcome outcome;
  if (!HasWidget(s.args[0], outcome)) return outcome;
  auto* viewer = dynamic_cast<ZORNavigation2DViewer*>(driver_.Find(s.args[0]));
  if (!viewer) return Error("'" + s.args[0] + "' is not a 2D viewer");
  return Report(ZORHandleDriver(driver_).Drag(*viewer, Number(s.args[1]), Number(s.args[2])),
                "no manipulator to drag in the viewer");
}

namespace {

// Whether `bag` or one of its children draws a text reading `text`.
bool DrawsText(const ZOR2DBagRep& bag, const std::string& text) {
  const auto& primitives = bag.GetPrimitives();
  const bool here = std::any_of(primitives.begin(), primitives.end(), [&](const auto& p) {
    return p.kind == ZOR2DPrimitive::Kind::kText && p.text == text;
  });
  if (here) return true;
  const auto& children = bag.GetChildren();
  return std::any_of(children.begin(), children.end(),
                     [&](const auto& child) { return DrawsText(*child, text); });
}

}  // namespace

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoExpectView(
    const ZORScenarioStatement& s) {
  Outcome outcome;
  if (!HasWidget(s.args[0], outcome)) return outcome;
  auto* viewer = dynamic_cast<ZORNavigation2DViewer*>(driver_.Find(s.args[0]));
  if (!viewer) return Error("'" + s.args[0] + "' is not a 2D viewer");
  bool drawn = std::any_of(viewer->GetReps().begin(), viewer->GetReps().end(),
                           [&](const ZOR2DBagRep_var& rep) { return DrawsText(*rep, s.args[1]); });
  for (const ZOR2DManipulator_var& m : viewer->GetManipulators()) {
    drawn = drawn || (m->GetRep() && DrawsText(*m->GetRep(), s.args[1]));
  }
  return Expect(drawn, "'" + s.args[0] + "' draws no text \"" + s.args[1] + "\"");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoContextHandle(
    const ZORScenarioStatement& s) {
  Outcome outcome;
  const int rank = HandleRank(s.args[0], outcome);
  if (!rank) return outcome;
  const std::string item = s.args.size() > 1 ? s.args[1] : std::string();
  return Report(ZORHandleDriver(driver_).Context(rank, item),
                item.empty() ? "the handle cannot be pointed at" : "no such item");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoClickHandle(
    const ZORScenarioStatement& s) {
  Outcome outcome;
  const int rank = HandleRank(s.args[0], outcome);
  if (!rank) return outcome;
  return Report(ZORHandleDriver(driver_).Click(rank), "the handle cannot be pointed at");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoDoubleClickHandle(
    const ZORScenarioStatement& s) {
  Outcome outcome;
  const int rank = HandleRank(s.args[0], outcome);
  if (!rank) return outcome;
  return Report(ZORHandleDriver(driver_).DoubleClick(rank), "the handle cannot be double-clicked");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoHandles(const ZORScenarioStatement&) {
  std::vector<std::string> lines;
  int rank = 0;
  for (const std::string& handle : ZORHandleDriver(driver_).DescribeHandles()) {
    lines.push_back(std::to_string(++rank) + ": " + handle);
  }
  transcript_.Block("handles:", Join(lines));
  return Done();
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoExpectHandle(
    const ZORScenarioStatement& s) {
  Outcome outcome;
  const int rank = HandleRank(s.args[0], outcome);
  if (!rank) return outcome;
  const std::string line =
      ZORHandleDriver(driver_).DescribeHandles()[static_cast<std::size_t>(rank - 1)];
  return Expect(Contains(line, s.args[1]), "handle " + s.args[0] + " is " + line);
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoValuate(const ZORScenarioStatement& s) {
  Outcome outcome;
  ZORFeature* feature = Feature(s.args[0], outcome);
  if (!feature) return outcome;
  ZORICkeParm_var parameter(ZORSpecObjectOf(feature));
  if (!parameter) return Error("'" + s.args[0] + "' is not a parameter");
  return Report(SUCCEEDED(parameter->Valuate(Number(s.args[1]))),
                "the parameter refused the value");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoAxisLineOption(
    const ZORScenarioStatement& s) {
  ZORWENSettings* settings = ZORWENSettings::GetWENSettings();
  if (!settings) return Error("the settings are not available");
  settings->SetAxisLineVisuOption(s.keyword == "axisline on" ? 1 : 0);
  return Done();
}

std::vector<std::string> ZORScenarioInterpreter::ShownLines() const {
  std::vector<std::string> lines = session_.Editor().GetISO()->Describe();
  int rank = 0;
  for (const std::string& handle :
       ZORHandleDriver(const_cast<ZORDriver&>(driver_)).DescribeHandles()) {
    lines.push_back("handle " + std::to_string(++rank) + ": " + handle);
  }
  return lines;
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoShown(const ZORScenarioStatement&) {
  transcript_.Block("shown:", Join(ShownLines()));
  return Done();
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoExpectShown(
    const ZORScenarioStatement& s) {
  const std::vector<std::string> lines = ShownLines();
  const bool held = std::any_of(lines.begin(), lines.end(),
                                [&](const std::string& line) { return Contains(line, s.args[0]); });
  return Expect(held, "nothing shown holds \"" + s.args[0] + "\"");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoExpectNoShown(
    const ZORScenarioStatement& s) {
  const std::vector<std::string> lines = ShownLines();
  const bool none = std::none_of(lines.begin(), lines.end(), [&](const std::string& line) {
    return Contains(line, s.args[0]);
  });
  return Expect(none, "something shown holds \"" + s.args[0] + "\"");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoSettingsMerging(
    const ZORScenarioStatement& s) {
  const double distance = Number(s.args[0]);
  if (!(distance >= 0.0)) return Error("a merging distance is not negative: " + s.args[0]);
  ZORWENSettings* settings = ZORWENSettings::GetWENSettings();
  if (!settings) return Error("the settings are not available");
  settings->SetTMMergingDistanceValue(distance);
  return Done();
}
