// The statements of local axis systems, the compass and widget expectations.

#include <cmath>
#include <cstdlib>

#include "ZORDocument.h"
#include "ZORFeature.h"
#include "ZORFrmEditor.h"
#include "ZORIMf3DAxisSystemManager.h"
#include "ZORIWENDirection.h"
#include "ZORScenarioInterpreter.h"
#include "ZORSpecObjectOf.h"

namespace {

// The number the syntax already checked.
double Number(const std::string& text) {
  return std::strtod(text.c_str(), nullptr);
}

}  // namespace

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoDirection(const ZORScenarioStatement& s) {
  const bool byElement = s.args.size() == 2 && s.args[0] == "by";
  if (!byElement && s.args.size() != 3) return Error("direction takes X Y Z, or by FEATURE");
  Outcome outcome;
  ZORFeature* element = byElement ? Feature(s.args[1], outcome) : nullptr;
  if (outcome.status) return outcome;
  for (std::size_t i = 0; !byElement && i < 3; ++i) {
    char* end = nullptr;
    const double value = std::strtod(s.args[i].c_str(), &end);
    if (end == s.args[i].c_str() || *end != '\0' || !std::isfinite(value)) {
      return Error("'" + s.args[i] + "' is not a number");
    }
  }
  ZORFeature_var feature = session_.Document().CreateFeature("WENDirection", Tool());
  ZORIWENDirection_var direction(ZORBaseUnknown_var(feature.get()));
  if (!direction) return Error("the document refuses a direction");
  const HRESULT hr =
      byElement ? direction->SetElement(ZORSpecObjectOf(element))
                : direction->SetComponents(Number(s.args[0]), Number(s.args[1]), Number(s.args[2]));
  if (FAILED(hr)) return Error("the direction refuses its definition");
  return Created(feature.get(), "a direction");
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoAxis(const ZORScenarioStatement& s) {
  ZORIMf3DAxisSystemManager_var manager(session_.Document().GetContainer());
  if (!manager) return Error("the document has no axis-system manager");
  if (s.args.size() == 1 && s.args[0] == "none") {
    manager->SetCurrentAxisSystem(nullptr);
    transcript_.Note("no local axis system");
    return Done();
  }
  if (s.args.size() != 9) return Error("axis takes nine numbers (X Y Z IX IY IZ JX JY JZ) or none");
  static const char* const kKeys[] = {"X", "Y", "Z", "IX", "IY", "IZ", "JX", "JY", "JZ"};
  for (const std::string& arg : s.args) {
    char* end = nullptr;
    const double value = std::strtod(arg.c_str(), &end);
    if (end == arg.c_str() || *end != '\0' || !std::isfinite(value)) {
      return Error("'" + arg + "' is not a number");
    }
  }
  ZORFeature_var axis = session_.Document().CreateFeature("AxisSystem", Tool());
  if (!axis) return Error("the document refuses an axis system");
  for (int k = 0; k < 9; ++k) axis->SetValue(kKeys[k], Number(s.args[k]));
  axis->Update();
  if (FAILED(manager->SetCurrentAxisSystem(ZORSpecObjectOf(axis.get())))) {
    transcript_.Note(axis->GetDisplayNameText() + " is degenerate: the local axis system is kept");
    return Done();
  }
  transcript_.Note(axis->GetDisplayNameText() + " is the local axis system");
  return Done();
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoCompass(const ZORScenarioStatement& s) {
  ZORFrmEditor* editor = ZORFrmEditor::GetCurrentEditor();
  const ZORMathVector normal(Number(s.args[0]), Number(s.args[1]), Number(s.args[2]));
  // The compass's plane: a first direction across the normal, the second making the system
  // direct about it.
  const ZORMathVector across = std::abs(normal.GetX()) < 0.9 * normal.Norm()
                                   ? ZORMathVector(1, 0, 0)
                                   : ZORMathVector(0, 1, 0);
  const ZORMathVector first = across.Cross(normal);
  const std::optional<ZORMathAxis> axis =
      ZORMathAxis::Orthonormal(ZORMathPoint(), first, normal.Cross(first));
  if (!editor) return Error("no editor holds a compass");
  if (!axis) return Error("the compass needs a normal that is not null");
  editor->SetCompassPosition(*axis);
  return Done();
}

ZORScenarioInterpreter::Outcome ZORScenarioInterpreter::DoExpectWidget(
    const ZORScenarioStatement& s) {
  Outcome outcome;
  if (!HasWidget(s.args[0], outcome)) return outcome;
  return Expect(driver_.DescribeWidget(s.args[0]).find(s.args[1]) != std::string::npos,
                "'" + s.args[0] + "' does not show \"" + s.args[1] + "\"");
}
