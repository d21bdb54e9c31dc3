// OK of an edition of a multi-selection of n translated lines, all out of date, with their
// orientations stored when the edition started: the update of every result, the end of the
// multi-selection and the orientation check. Beside it, the same updates and end done on the
// host alone.

#include <vector>

#include "BenchSupport.h"
#include "ExampleTranslateCommand.h"
#include "ZORDriver.h"
#include "ZORIDescendants.h"
#include "ZORIWENMultiSel.h"
#include "ZORIWENMultiSelAccess.h"
#include "ZORSpecObjectOf.h"
#include "ZORUpdateUI.h"
#include "ZORWENMSManager.h"

namespace {

using zor_bench::ReportPeakMemory;
using zor_bench::TimeOnFreshScenes;

// A document with n lines and a multi-selection of their translations along one more line, the
// multi-selection current; its results made and up to date.
struct Scene {
  explicit Scene(int n) {
    ExampleTranslateCommand::Register();
    ZORDocument& doc = session.Document();
    set = doc.CreateTool("GeometricalSet");
    direction = Line(doc.CreatePoint(0, 0, 0, set.get()), doc.CreatePoint(0, 0, 1, set.get()));
    ZORFeature_var matrix = doc.CreateFeature("WENTranslate");
    matrix->SetInput("Direction", direction.get());
    matrix->SetValue("Distance", 10);
    auto* manager = new ZORWENMSManager(ZORSpecObjectOf(matrix), nullptr);
    ZORIDescendants_var(ZORSpecObjectOf(set))->AddChild(manager->GetMultiSel());
    for (int i = 0; i < n; ++i) {
      ZORFeature_var start = doc.CreatePoint(i, 0, 0, set.get());
      ZORFeature_var end = doc.CreatePoint(i, 1, 0, set.get());
      manager->Declare(ZORSpecObjectOf(Line(start, end)), 1, false);
    }
    manager->ValidateResults();
    manager->FinalizeMultisel(false, false);
    multiSel = ZORFeature::From(manager->GetMultiSel().get());
    manager->Release();
    doc.UpdateAll();
    session.Editor().SetCurrentFeature(multiSel.get());
  }
  ZORFeature_var Line(const ZORFeature_var& start, const ZORFeature_var& end) {
    ZORFeature_var line = session.Document().CreateFeature("WENLine", set.get());
    line->SetInput("Start", start.get());
    line->SetInput("End", end.get());
    return line;
  }
  // Every result out of date, as the edition's change leaves them.
  void Lengthen() {
    for (const auto& real : multiSel->GetChildren()) {
      real->SetValue("Distance", real->GetValue("Distance") + 10);
    }
  }
  const char* CheckUpToDate() const {
    for (const auto& real : multiSel->GetChildren()) {
      if (!real->IsUpToDate()) return "a result is out of date";
    }
    return nullptr;
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORFeature_var set, direction, multiSel;
};

void BM_OkActionEditionOfMultiSel(benchmark::State& state) {
  TimeOnFreshScenes<Scene>(
      state,
      [](Scene& scene) {
        scene.driver.StartByName("ExampleTranslateEdition");
        scene.driver.Click("TranslatePanel/Longer");
      },
      [](Scene& scene) { scene.driver.PressOK(); },
      [](Scene& scene) -> const char* {
        if (scene.driver.CurrentCommand()) return "the edition did not end";
        return scene.CheckUpToDate();
      });
  ReportPeakMemory(state);
}
BENCHMARK(BM_OkActionEditionOfMultiSel)
    ->Name("OkAction/EditionOfMultiSel")
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);

// The host's share: one update object per result, then the end of the multi-selection.
void BM_OkActionHostBaseline(benchmark::State& state) {
  TimeOnFreshScenes<Scene>(
      state, [](Scene& scene) { scene.Lengthen(); },
      [](Scene& scene) {
        for (const auto& real : scene.multiSel->GetChildren()) {
          ZORUpdateUI_var update = ZORUpdateUI_var::Adopt(ZORUpdateUI::CreateUpdateUI());
          update->SetUpdateAllArg(0);
          update->SetDestroyOldReport(0);
          update->AddElement(ZORSpecObjectOf(real));
          update->Run();
        }
        ZORIWENMultiSel_var(ZORSpecObjectOf(scene.multiSel))->FinishMultiSel();
      },
      [](Scene& scene) { return scene.CheckUpToDate(); });
  ReportPeakMemory(state);
}
BENCHMARK(BM_OkActionHostBaseline)
    ->Name("OkAction/HostBaseline")
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
