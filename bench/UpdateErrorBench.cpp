// The update-error command over n results of a multi-selection that failed to update: the panel
// built and every row deleted at once, the rows deleted one by one as a user does it, and every
// row deleted at once by a command without a manager, which removes the features themselves.

#include "BenchSupport.h"
#include "ZORDlgList.h"
#include "ZORDriver.h"
#include "ZORFeature.h"
#include "ZORFeatureTypeRegistry.h"
#include "ZORHostSession.h"
#include "ZORIDescendants.h"
#include "ZORSpecObjectOf.h"
#include "ZORWENMSManager.h"
#include "ZORWENUIUpdateErrorMS.h"

namespace {

constexpr const char* kRows = "UpdateErrorPanel/ListOfFeatures";

// n lines from n points to one end point, made by a multi-selection, all in error.
class Scene {
 public:
  explicit Scene(int n) {
    ZORDocument& doc = session_.Document();
    ZORFeature_var set = doc.CreateTool("GeometricalSet");
    ZORFeature_var end = doc.CreatePoint(0, 0, 1000, set.get());
    ZORFeature_var matrix = doc.CreateFeature("WENLine");
    matrix->SetInput("End", end.get());
    manager_ = new ZORWENMSManager(ZORSpecObjectOf(matrix), nullptr);
    ZORIDescendants_var(ZORSpecObjectOf(set))->AddChild(manager_->GetMultiSel());
    for (int i = 0; i < n; ++i) {
      manager_->Declare(ZORSpecObjectOf(doc.CreatePoint(i, 0, 0, set.get())), 1, false);
    }
    manager_->ValidateResults();
    manager_->FinalizeMultisel(false, false);
    ZORFeatureTypeRegistry::Get().Find("WENLine")->FailFor({end.get()}, "End refused");
    doc.UpdateAll();
    manager_->GetRealFeaturesList(features_);
  }
  ~Scene() {
    driver_.CancelCurrent();
    manager_->Release();
  }
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  ZORDriver& Driver() { return driver_; }
  void StartCommand(bool withManager = true) {
    driver_.Start(
        new ZORWENUIUpdateErrorMS("UpdateErrorMS", features_, 1, withManager ? manager_ : nullptr));
  }
  int ResultCount() const {
    return ZORIDescendants_var(manager_->GetMultiSel())->GetNumberOfChildren();
  }
  int RowCount() const {
    auto* rows = dynamic_cast<ZORDlgList*>(driver_.Find(kRows));
    return rows ? rows->GetLineCount() : -1;
  }

 private:
  ZORHostSession session_;
  ZORDriver driver_{session_};
  ZORWENMSManager* manager_ = nullptr;
  ZORListValZORISpecObject_var features_;
};

const char* CheckNoRowLeft(Scene& scene) {
  return scene.RowCount() == 0 ? nullptr : "rows left in the panel";
}

void BM_UpdateErrorBuildAndDeleteAll(benchmark::State& state) {
  zor_bench::TimeOnFreshScenes<Scene>(
      state, [](Scene&) {},
      [](Scene& scene) {
        scene.StartCommand();
        scene.Driver().Click("UpdateErrorPanel/DeleteAllButton");
      },
      CheckNoRowLeft);
}

// Row 1 selected and deleted until the list is empty, as a user clears it by hand.
void BM_UpdateErrorDeleteRowByRow(benchmark::State& state) {
  zor_bench::TimeOnFreshScenes<Scene>(
      state, [](Scene& scene) { scene.StartCommand(); },
      [](Scene& scene) {
        for (int left = scene.RowCount(); left > 0; --left) {
          scene.Driver().ClickLine(kRows, 0);
          scene.Driver().Click("UpdateErrorPanel/DeleteButton");
        }
      },
      CheckNoRowLeft);
}

void BM_UpdateErrorDeleteAllWithoutManager(benchmark::State& state) {
  zor_bench::TimeOnFreshScenes<Scene>(
      state, [](Scene& scene) { scene.StartCommand(false); },
      [](Scene& scene) { scene.Driver().Click("UpdateErrorPanel/DeleteAllButton"); },
      [](Scene& scene) -> const char* {
        if (const char* error = CheckNoRowLeft(scene)) return error;
        return scene.ResultCount() == 0 ? nullptr : "results left";
      });
}

BENCHMARK(BM_UpdateErrorBuildAndDeleteAll)
    ->Name("UpdateError/BuildAndDeleteAll")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateErrorDeleteRowByRow)
    ->Name("UpdateError/DeleteRowByRow")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateErrorDeleteAllWithoutManager)
    ->Name("Removal/UpdateErrorDeleteAll")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
