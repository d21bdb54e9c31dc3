// OK of an edition of a multi-selection of n translated lines, all out of date, with their
// orientations stored when the edition started: the update of every result, the end of the
// multi-selection and the orientation check. Beside it, the same updates and end done on the
// host alone. Then an edition of such a multi-selection started and cancelled, and an edition
// that adds n results converted into datums.

#include <vector>

#include "BenchSupport.h"
#include "ExampleTranslateCommand.h"
#include "ZORDriver.h"
#include "ZORGmoDatumServices.h"
#include "ZORIDescendants.h"
#include "ZORIWENMultiSel.h"
#include "ZORIWENMultiSelAccess.h"
#include "ZORSpecObjectOf.h"
#include "ZORTestFeatureCommand.h"
#include "ZORUpdateUI.h"
#include "ZORWENMSManager.h"
#include "ZORWENUIStateCmdInfo.h"

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
    lines = static_cast<std::size_t>(n);
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
  std::size_t lines = 0;
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
    ->Arg(100000)
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
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

// The edition started on the multi-selection of n results (its manager takes them over), then
// cancelled: the document goes back to what it was.
void BM_EditLargeMultiSel(benchmark::State& state) {
  TimeOnFreshScenes<Scene>(
      state, [](Scene&) {},
      [](Scene& scene) {
        scene.driver.StartByName("ExampleTranslateEdition");
        scene.driver.PressCancel();
      },
      [](Scene& scene) -> const char* {
        if (scene.driver.CurrentCommand()) return "the edition did not end";
        const auto n = static_cast<std::size_t>(scene.multiSel->GetChildren().size());
        return n == scene.lines ? nullptr : "results lost";
      });
  ReportPeakMemory(state);
}
BENCHMARK(BM_EditLargeMultiSel)
    ->Name("Removal/EditLargeMultiSel")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

// A multi-selection of one result edited in datum mode, n more points declared and their
// results made and up to date: the command converts the n new results into datums.
struct DatumScene : Scene {
  explicit DatumScene(int n) : Scene(1) {
    ZORDocument& doc = session.Document();
    for (int i = 0; i < n; ++i) added.push_back(doc.CreatePoint(i, 2, 0, set.get()));
    info.SetDatumMode(1);
  }
  // The edition goes before the settings it reads.
  ~DatumScene() { driver.CancelCurrent(); }
  DatumScene(const DatumScene&) = delete;
  DatumScene& operator=(const DatumScene&) = delete;
  // The edition started and given its new results; null when it did not start.
  ZORWENUIStateCommand* Edit() {
    ZORFeature_var matrix = session.Document().CreateFeature("WENTranslate");
    matrix->SetInput("Direction", direction.get());
    matrix->SetValue("Distance", 10);
    ZORTestFeatureCommand::Options options{.feature = multiSel.get(), .edit = true, .info = &info};
    options.setUp = [this, matrix](ZORTestFeatureCommand& c) {
      ZORWENMSManager* manager = nullptr;
      c.initMultiSelMode(manager, ZORSpecObjectOf(matrix.get()), ZORSpecObjectOf(multiSel.get()));
    };
    driver.Start(new ZORTestFeatureCommand(options));
    auto* command = dynamic_cast<ZORWENUIStateCommand*>(driver.CurrentCommand());
    if (!command || !command->GetManager()) return nullptr;
    for (const auto& point : added) {
      command->GetManager()->Declare(ZORSpecObjectOf(point.get()), 1, false);
    }
    command->GetManager()->ValidateResults();
    session.Document().UpdateAll();
    return command;
  }
  // The results the edition holds, in its manager's multi-selection.
  const char* CheckConverted() const {
    const auto& results =
        ZORFeature::From(command->GetManager()->GetMultiSel().get())->GetChildren();
    if (results.size() != added.size() + 1) return "results lost";
    for (std::size_t i = 1; i < results.size(); ++i) {
      if (!ZORGmoDatumServices::IsDatum(*results[i])) return "a new result is not a datum";
    }
    return nullptr;
  }

  ZORWENUIStateCmdInfo info;
  std::vector<ZORFeature_var> added;
  ZORWENUIStateCommand* command = nullptr;
  HRESULT converted = E_FAIL;
};

void BM_ConvertToDatum(benchmark::State& state) {
  TimeOnFreshScenes<DatumScene>(
      state, [](DatumScene& scene) { scene.command = scene.Edit(); },
      [](DatumScene& scene) {
        if (scene.command) {
          scene.converted =
              scene.command->ConvertToDatum(scene.command->GetManager()->GetMultiSel());
        }
      },
      [](DatumScene& scene) -> const char* {
        if (!scene.command) return "the edition did not start";
        if (scene.converted != S_OK) return "the conversion failed";
        return scene.CheckConverted();
      });
  ReportPeakMemory(state);
}
BENCHMARK(BM_ConvertToDatum)
    ->Name("Removal/ConvertToDatum")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
