// The multi-selection manager's full cycle for n inputs, beside the same model work done on the
// host alone, and the multi-output check over n distinct results and over n results half of
// which repeat another. The removal paths: n features removed one by one through the services
// and straight on the host, and the real features of a multi-selection of n results destroyed.
// Peak resident memory is reported as a counter.

#include <vector>

#include "BenchSupport.h"
#include "LifeCycleObject.h"
#include "ZORGeoFactory.h"
#include "ZORGmoUtilitiesCCP.h"
#include "ZORGuiBasicUtilitiesServices.h"
#include "ZORGuiUtilitiesServices.h"
#include "ZORHostSession.h"
#include "ZORIDescendants.h"
#include "ZORIWENMultiSelAccess.h"
#include "ZORSpecObjectOf.h"
#include "ZORWENMSManager.h"

namespace {

using zor_bench::ReportPeakMemory;
using zor_bench::TimeOnFreshScenes;

// A fresh document with n points and a line matrix ending at one more point, and n preview
// bodies in the current geometric factory.
struct Scene {
  explicit Scene(int n) {
    set = session.Document().CreateTool("GeometricalSet");
    for (int i = 0; i < n; ++i) {
      points.push_back(ZORSpecObjectOf(session.Document().CreatePoint(i, 0, 0, set.get()).get()));
    }
    end = session.Document().CreatePoint(0, 0, 5, set.get());
    matrix = session.Document().CreateFeature("WENLine", set.get());
    ZORIWENMultiSelAccess_var(ZORSpecObjectOf(matrix.get()))
        ->SetMultiSelInput(2, ZORSpecObjectOf(end.get()));
    ZORGeoFactory_var geo = ZORGuiUtilitiesServices::GetCurrentGeoFactory();
    for (int i = 0; i < n; ++i) {
      kept.push_back(geo->CreatePoint(ZORMathPoint(i, 1, 0)));
      bodies.Append(kept.back().get());
    }
  }

  ZORHostSession session;
  ZORFeature_var set, end, matrix;
  std::vector<ZORISpecObject_var> points;
  std::vector<ZORBody_var> kept;
  ZORListPtrZORBody bodies;
};

void BM_MSManagerCycle(benchmark::State& state) {
  TimeOnFreshScenes<Scene>(state, [](Scene& scene) {
    auto* manager = new ZORWENMSManager(ZORSpecObjectOf(scene.matrix.get()), nullptr);
    manager->SetMisc(scene.session.Editor().GetISO(), false);
    ZORIDescendants_var(ZORSpecObjectOf(scene.set.get()))->AddChild(manager->GetMultiSel());
    for (const auto& point : scene.points) manager->Declare(point, 1, false);
    manager->ValidateManipulations(scene.bodies, false);
    manager->Synchronize();
    manager->SetVirtFeatsPreviewsToNull();
    manager->ConvertVirtFeatsToRealFeats();
    manager->FinalizeMultisel(false, false);
    manager->Release();
  });
  ReportPeakMemory(state);
}
BENCHMARK(BM_MSManagerCycle)
    ->Name("MSManager/Cycle")
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

// The model work of the cycle without the manager: the same declarations, previews, copies and
// finishing, straight on the host's multi-selection feature.
void BM_MSManagerHostBaseline(benchmark::State& state) {
  TimeOnFreshScenes<Scene>(state, [](Scene& scene) {
    ZORIWENMultiSel_var ms =
        ZORGuiBasicUtilitiesServices::GetCurrentWENMultiSelFactory()->CreateMultiSel();
    ZORIDescendants_var(ZORSpecObjectOf(scene.set.get()))->AddChild(ZORISpecObject_var(ms));
    ms->StartMultiSel();
    for (const auto& point : scene.points) ms->Declare(point, 1);
    ZORRawCollint indices;
    ZORRawCollint states;
    for (int i = 1; i <= static_cast<int>(scene.points.size()); ++i) {
      indices.Append(i);
      states.Append(0);
    }
    ms->SetPreviews(indices, states);
    ms->SetPreviews(ZORRawCollint(), ZORRawCollint());
    ZORListValZORISpecObject_var inputs1;
    ZORListValZORISpecObject_var inputs2;
    ms->GetVirtualInputs(inputs1, inputs2);
    const ZORISpecObject_var matrix = ZORSpecObjectOf(scene.matrix.get());
    ZORIWENMultiSelAccess_var access(matrix);
    ZORIDescendants_var children(ms);
    for (int i = 1; i <= inputs1.Size(); ++i) {
      access->SetMultiSelInput(1, inputs1[i]);
      ZORISpecObject_var copy =
          ZORGmoUtilitiesCCP::DuplicateSpec(matrix, matrix->GetFeatContainer(), 1);
      children->AddChild(copy, i);
      ZORIWENMultiSelAccess_var(copy)->SetMultiSelInput(1, inputs1[i]);
    }
    ms->FinishMultiSel();
  });
  ReportPeakMemory(state);
}
BENCHMARK(BM_MSManagerHostBaseline)
    ->Name("MSManager/HostBaseline")
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

// n distinct results: nothing to report, every pair compared through the index.
void BM_CheckMultioutput(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Scene scene(n);
  auto* manager = new ZORWENMSManager(ZORSpecObjectOf(scene.matrix.get()), nullptr);
  ZORIDescendants_var(ZORSpecObjectOf(scene.set.get()))->AddChild(manager->GetMultiSel());
  for (const auto& point : scene.points) manager->Declare(point, 1, false);
  manager->ConvertVirtFeatsToRealFeats();
  ZORISpecObject_var ms = manager->GetMultiSel();
  scene.session.Document().UpdateAll();
  for (auto _ : state) {
    benchmark::DoNotOptimize(ZORGuiUtilitiesServices::CheckMultioutput(nullptr, ms));
  }
  manager->Release();
  ReportPeakMemory(state);
}
BENCHMARK(BM_CheckMultioutput)
    ->Name("MSManager/CheckMultioutput")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

// The points of the scene with their multi-selection of n results made and finished: each point
// declared once, or (`repeated`) the first n / 2 points declared twice each, so that half the
// results repeat another.
struct MultiSelScene : Scene {
  explicit MultiSelScene(int n, bool repeated = false) : Scene(n) {
    auto* maker = new ZORWENMSManager(ZORSpecObjectOf(matrix.get()), nullptr);
    multiSel = maker->GetMultiSel();
    ZORIDescendants_var(ZORSpecObjectOf(set.get()))->AddChild(multiSel);
    for (int i = 0; i < n; ++i) {
      maker->Declare(points[static_cast<std::size_t>(repeated ? i / 2 : i)], 1, false);
    }
    maker->ValidateResults();
    maker->FinalizeMultisel(false, false);
    maker->Release();
    session.Document().UpdateAll();
  }
  ~MultiSelScene() {
    if (manager) manager->Release();
  }
  MultiSelScene(const MultiSelScene&) = delete;
  MultiSelScene& operator=(const MultiSelScene&) = delete;

  int ResultCount() const { return ZORIDescendants_var(multiSel)->GetNumberOfChildren(); }
  // An edition's manager around a new template (the maker's went with it).
  void Edit() {
    ZORFeature_var edited = session.Document().CreateFeature("WENLine");
    ZORIWENMultiSelAccess_var(ZORSpecObjectOf(edited.get()))
        ->SetMultiSelInput(2, ZORSpecObjectOf(end.get()));
    manager = new ZORWENMSManager(ZORSpecObjectOf(edited.get()), multiSel);
  }

  ZORISpecObject_var multiSel;
  ZORWENMSManager* manager = nullptr;  // an edition's, when one is made
};

// Every point of the set removed, first to last, as a command removes what it made.
template <class Remove>
void RemovePoints(benchmark::State& state, Remove remove) {
  TimeOnFreshScenes<Scene>(
      state, [](Scene&) {},
      [remove](Scene& scene) {
        for (const auto& point : scene.points) remove(point);
      },
      [](Scene& scene) -> const char* {
        return scene.set->GetChildren().size() == 2 ? nullptr : "points left in the set";
      });
}

void BM_ServicesRemove(benchmark::State& state) {
  RemovePoints(state,
               [](const ZORISpecObject_var& point) { ZORGuiUtilitiesServices::Remove(point); });
}
BENCHMARK(BM_ServicesRemove)
    ->Name("Removal/ServicesRemove")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

// The host's share: the life-cycle removal alone.
void BM_HostRemove(benchmark::State& state) {
  RemovePoints(state,
               [](const ZORISpecObject_var& point) { LifeCycleObject_var(point)->remove(0); });
}
BENCHMARK(BM_HostRemove)
    ->Name("Removal/HostRemove")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

void BM_DestroyRealFeats(benchmark::State& state) {
  TimeOnFreshScenes<MultiSelScene>(
      state, [](MultiSelScene& scene) { scene.Edit(); },
      [](MultiSelScene& scene) { scene.manager->DestroyRealFeats(); },
      [](MultiSelScene& scene) -> const char* {
        return scene.ResultCount() == 0 ? nullptr : "results left";
      });
  ReportPeakMemory(state);
}
BENCHMARK(BM_DestroyRealFeats)
    ->Name("Removal/DestroyRealFeats")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

struct RepeatedScene : MultiSelScene {
  explicit RepeatedScene(int n) : MultiSelScene(n, true) {}
};

// n results, every second one repeating the one before it: each repeat is reported, replaced by
// the result it repeats and removed.
void BM_CheckMultioutputDuplicates(benchmark::State& state) {
  TimeOnFreshScenes<RepeatedScene>(
      state, [](RepeatedScene&) {},
      [](RepeatedScene& scene) {
        ZORGuiUtilitiesServices::CheckMultioutput(nullptr, scene.multiSel);
      },
      [](RepeatedScene& scene) -> const char* {
        const int n = static_cast<int>(scene.points.size());
        return scene.ResultCount() == n - n / 2 ? nullptr : "repeats left";
      });
  ReportPeakMemory(state);
}
BENCHMARK(BM_CheckMultioutputDuplicates)
    ->Name("Removal/CheckMultioutputDuplicates")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
