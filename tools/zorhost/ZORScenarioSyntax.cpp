#include "ZORScenarioSyntax.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace {

struct Param {
  std::string label;
  std::string kind;
  bool optional = false;
  bool repeated = false;
};

std::vector<Param> Params(const std::string& pattern) {
  std::vector<Param> params;
  std::istringstream words(pattern);
  for (std::string word; words >> word;) {
    Param p;
    const auto colon = word.find(':');
    p.label = word.substr(0, colon);
    p.kind = word.substr(colon + 1);
    if (p.kind.ends_with('?')) p.optional = true;
    if (p.kind.ends_with('*')) p.repeated = true;
    if (p.optional || p.repeated) p.kind.pop_back();
    params.push_back(p);
  }
  return params;
}

bool IsNumber(const std::string& text) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const double value = std::strtod(text.c_str(), &end);
  // The whole text, NUL bytes included, must be the number.
  return errno == 0 && end == text.c_str() + text.size() && std::isfinite(value);
}

bool IsInteger(const std::string& text) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(text.c_str(), &end, 10);
  return errno == 0 && end == text.c_str() + text.size() && value >= INT_MIN && value <= INT_MAX;
}

// Why `arg` is not of `param`'s kind; empty when it is.
std::string CheckKind(const Param& param, const std::string& arg) {
  if (param.kind == "num" && !IsNumber(arg)) return param.label + " is not a number: '" + arg + "'";
  if (param.kind == "int" && !IsInteger(arg)) {
    return param.label + " is not a whole number: '" + arg + "'";
  }
  if (param.kind == "onoff" && arg != "on" && arg != "off") {
    return param.label + " must be on or off, not '" + arg + "'";
  }
  if (param.kind == "updown" && arg != "up" && arg != "down") {
    return param.label + " must be up or down, not '" + arg + "'";
  }
  if (param.kind == "name" && arg.empty()) return param.label + " is empty";
  return "";
}

std::size_t RequiredFrom(const std::vector<Param>& params, std::size_t first) {
  std::size_t required = 0;
  for (std::size_t i = first; i < params.size(); ++i) {
    if (!params[i].optional && !params[i].repeated) ++required;
  }
  return required;
}

}  // namespace

const ZORScenarioSyntax& ZORScenarioSyntax::Standard() {
  static const ZORScenarioSyntax syntax({
      // the document
      {"tool", "TYPE:name", "a tool (GeometricalSet, Body, ShapeBody) under the part"},
      {"point", "X:num Y:num Z:num", "a point in the last tool"},
      {"line", "START:name END:name", "a line through two points"},
      {"plane", "POINT1:name POINT2:name POINT3:name", "a plane through three points"},
      {"sketch", "SUPPORT:name", "a sketch on a plane"},
      {"parameter", "NAME:name MAGNITUDE:name VALUE:num", "a knowledge parameter"},
      {"feature", "TYPE:name", "a feature of any registered type in the last tool"},
      {"input", "FEATURE:name ROLE:name TARGET:name", "links an input of a feature"},
      {"value", "FEATURE:name KEY:name VALUE:num", "sets a value of a feature"},
      {"support", "PLANE:name ORIGIN:name?", "a gridded working support, made current"},
      {"support surface", "SURFACE:name ORIGIN:name?",
       "a working support on any surface, made current"},
      {"support none", "", "no working support is current"},
      {"grid", "SPACING1:num SPACING2:num GRADUATIONS1:int? GRADUATIONS2:int?",
       "gives the current working support a cartesian grid"},
      {"snap", "STATE:onoff", "snaps work-on-support points to the grid"},
      {"direction", "X:name VALUE:name*",
       "a direction feature by components X Y Z, or by FEATURE (direction by FEATURE)"},
      {"axis", "X:name VALUE:name*",
       "a local axis system X Y Z IX IY IZ JX JY JZ, made current; none: no local axis system"},
      {"compass", "NX:num NY:num NZ:num", "turns the compass so that its normal is (NX, NY, NZ)"},
      {"fail", "TYPE:name INPUT:name* DIAGNOSTIC:text", "a feature type fails for inputs"},
      {"warn", "TYPE:name INPUT:name* TEXT:text", "a feature type warns for inputs"},
      {"current", "FEATURE:name", "makes a feature current"},
      {"update", "", "updates the document"},
      // geometry
      {"polyline", "POINT:name POINT:name POINT:name*", "a polyline through points"},
      {"arc", "POINT1:name POINT2:name POINT3:name", "the arc through three points"},
      {"cylinder", "START:name END:name RADIUS:num ANGLE0:num? ANGLE1:num?",
       "a cylinder patch around an axis, between two angles in degrees (0 and 360 by default)"},
      {"cloud", "POINT:name POINT:name*", "a point cloud"},
      {"assemble", "CURVE:name CURVE:name*", "joins curves into one wire"},
      {"axisline", "POINT:name REFERENCE:name START:num END:num",
       "a line through a point along a reference's direction or normal"},
      {"axisline on", "", "axis lines are drawn fitted to their reference's box"},
      {"axisline off", "", "axis lines are drawn between their own limits"},
      {"valuate", "PARAMETER:name VALUE:num", "values a knowledge parameter, as a program does"},
      // commands
      {"start", "COMMAND:name", "starts a command alone (running ones are cancelled)"},
      {"run", "COMMAND:name", "starts a command over the current one"},
      {"escape", "", "leaves the current command (Escape)"},
      {"undo", "", "undoes the last finished command"},
      {"redo", "", "redoes the last undone command"},
      // acting
      {"pick", "FEATURE:name CELL:name? N:int?",
       "picks a feature in the 3D view, or its Nth vertex, edge or face"},
      {"pick tree", "FEATURE:name", "picks a feature in the tree"},
      {"click", "PATH:name", "clicks a button, or a selector's line"},
      {"check", "PATH:name STATE:onoff", "checks or unchecks a check button"},
      {"select", "PATH:name LINE:int LINE:int*", "selects list lines, or a combo's line (from 0)"},
      {"type", "PATH:name VALUE:text",
       "types a value into a text field, a spinner or a parameter editor"},
      {"mouse", "X:num Y:num Z:num", "moves the mouse over the working support"},
      {"mouse click", "X:num Y:num Z:num", "clicks on the working support"},
      {"answer", "ANSWER:int", "the answer of the next message box"},
      {"ok", "PANEL:name?", "presses OK"},
      {"apply", "PANEL:name?", "presses Apply"},
      {"cancel", "PANEL:name?", "presses Cancel"},
      // acting on widgets: menus, lists, spinners, tabs, windows
      {"menu", "PATH:name LINE:int? ITEM:name",
       "right-clicks a widget (or a list line, from 0), then chooses a menu item"},
      {"double click", "PATH:name LINE:int?", "double-clicks a button or a list line (from 0)"},
      {"spin", "PATH:name DIRECTION:updown COUNT:int?", "clicks a spinner's arrow COUNT times"},
      {"tab", "PATH:name PAGE:name", "brings a page of a tab container in front"},
      {"close", "PANEL:name", "closes a window from its frame"},
      // looking
      {"step", "TITLE:text", "prints a numbered heading"},
      {"dump", "", "prints the document tree"},
      {"dump cells", "", "prints the document tree, then the cells and domains of each result"},
      {"screen", "", "prints the open panels"},
      {"screen cells", "",
       "prints the open panels, then the highlighted picks with their cells and domains"},
      {"events", "", "prints the events of the last action"},
      {"snapshot", "FILE:name VIEWER:name?",
       "writes the 3D feedback, or the 2D viewer at VIEWER, as an SVG file"},
      // assertions
      {"expect panel", "PATH:name", "a panel or widget is open"},
      {"expect no panel", "PATH:name", "no such panel or widget is open"},
      {"expect message", "TEXT:text", "the last action showed a message with this text"},
      {"expect document", "LINE:text", "a line of the dump holds this text"},
      {"expect no document", "LINE:text", "no line of the dump holds this text"},
      {"expect event", "TEXT:text", "the last action sent an event with this text"},
      {"expect command", "COMMAND:name", "the current command (none: no command)"},
      {"expect widget", "PATH:name TEXT:text",
       "the widget (or one of its children) shows this text"},
      // manipulators and viewers
      {"hover handle", "RANK:name", "the pointer over a shown handle (from 1), or off them"},
      {"drag handle", "RANK:int X:num Y:num Z:num STEPS:int?",
       "drags a shown manipulator towards a point along its constraint, in steps"},
      {"drag", "PATH:name X:num Y:num", "drags the manipulator of a 2D viewer to a point"},
      {"expect view", "PATH:name TEXT:text", "the 2D viewer draws a text reading this"},
      {"context handle", "RANK:int ITEM:name?",
       "asks a shown handle for its contextual menu, then chooses an item"},
      {"click handle", "RANK:int", "clicks a shown handle"},
      {"double click handle", "RANK:int", "double-clicks a shown manipulator (its edition)"},
      {"handles", "", "prints the shown handles, ranked as they are named"},
      {"expect handle", "RANK:int TEXT:text", "the shown handle's line holds this text"},
      {"shown", "", "prints the interactive set and its handles"},
      {"expect shown", "TEXT:text", "a line of the interactive set holds this text"},
      {"expect no shown", "TEXT:text", "no line of the interactive set holds this text"},
      // list lines and command states
      {"expect line", "PATH:name LINE:int TEXT:text",
       "a list line (from 0) holds this text, its cells joined by spaces"},
      {"expect state", "STATE:name", "the state the current command is in (none: no state)"},
      // diagnostics in 3D
      {"settings merging", "DISTANCE:num",
       "the tolerant-modeling merging distance of the settings, in mm"},
  });
  return syntax;
}

const ZORScenarioSyntax::Form* ZORScenarioSyntax::Match(
    const std::vector<std::string_view>& words) const {
  const Form* best = nullptr;
  std::size_t bestLength = 0;
  for (const Form& form : forms_) {
    std::istringstream keywordWords(form.keyword);
    std::size_t length = 0;
    bool matches = true;
    for (std::string word; keywordWords >> word; ++length) {
      if (length >= words.size() || words[length] != word) {
        matches = false;
        break;
      }
    }
    if (matches && length > bestLength) {
      best = &form;
      bestLength = length;
    }
  }
  return best;
}

std::string ZORScenarioSyntax::Check(const Form& form, const std::vector<std::string>& args) {
  const std::vector<Param> params = Params(form.pattern);
  std::size_t next = 0;
  for (std::size_t i = 0; i < params.size(); ++i) {
    const Param& p = params[i];
    const std::size_t left = args.size() - next;
    const std::size_t later = RequiredFrom(params, i + 1);
    std::size_t take = 1;
    if (p.repeated) take = left > later ? left - later : 0;
    if (p.optional) take = left > later ? 1 : 0;
    if (!p.optional && !p.repeated && left == 0) {
      return "missing " + p.label + " (" + Usage(form) + ")";
    }
    for (std::size_t k = 0; k < take; ++k, ++next) {
      const std::string problem = CheckKind(p, args[next]);
      if (!problem.empty()) return problem;
    }
  }
  if (next < args.size()) return "too many arguments (" + Usage(form) + ")";
  return "";
}

std::string ZORScenarioSyntax::Usage(const Form& form) {
  std::string usage = form.keyword;
  for (const Param& p : Params(form.pattern)) {
    if (p.optional) {
      usage += " [" + p.label + "]";
    } else if (p.repeated) {
      usage += " [" + p.label + "...]";
    } else {
      usage += " " + p.label;
    }
  }
  return usage;
}
