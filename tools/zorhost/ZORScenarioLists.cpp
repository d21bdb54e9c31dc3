// The expectations on list lines and on the state a command is in.

#include <cstdlib>

#include "ZORDialogState.h"
#include "ZORDlgList.h"
#include "ZORDlgMultiList.h"
#include "ZORDlgSelectorList.h"
#include "ZORScenarioInterpreter.h"
#include "ZORStateCommand.h"

namespace {

// What a line shows: a selector's line, or a multi-list's cells joined by spaces.
std::string LineText(const ZORDlgList& list, int line) {
  if (const auto* lines = dynamic_cast<const ZORDlgSelectorList*>(&list)) {
    return lines->GetLine(line).str();
  }
  std::string text;
  if (const auto* multi = dynamic_cast<const ZORDlgMultiList*>(&list)) {
    for (int column = 0; column < multi->GetColumnCount(); ++column) {
      if (column) text += " ";
      text += multi->GetColumnItem(column, line).str();
    }
  }
  return text;
}

}  // namespace

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoExpectLine(
    const ZORScenarioStatement& s) {
  Outcome outcome;
  if (!HasWidget(s.args[0], outcome)) return outcome;
  const ZORDlgList* list = driver_.ListAt(s.args[0]);
  if (!list) return Error("'" + s.args[0] + "' is no list");
  const int line = std::atoi(s.args[1].c_str());
  if (line < 0 || line >= list->GetLineCount()) {
    return Expect(false, "'" + s.args[0] + "' has no line " + s.args[1] + " (" +
                             std::to_string(list->GetLineCount()) + " lines)");
  }
  const std::string text = LineText(*list, line);
  return Expect(text.find(s.args[2]) != std::string::npos,
                "line " + s.args[1] + " of '" + s.args[0] + "' reads \"" + text + "\"");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoExpectState(
    const ZORScenarioStatement& s) {
  ZORStateCommand* command = driver_.CurrentCommand();
  ZORDialogState* state = command ? command->GetCurrentState() : nullptr;
  const std::string current = state ? state->GetName().str() : "none";
  return Expect(current == s.args[0], "the current state is " + current);
}
