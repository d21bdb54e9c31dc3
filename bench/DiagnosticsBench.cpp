// Diagnostics in 3D at scale: a gathering check error of n sub-errors (one-segment defects, two
// texts each) appended to a viewer and shown; n interactive continuity locations under one
// command, their data set, then all handed over for destruction and the transaction ended.

#include "BenchSupport.h"
#include "ZORGuiCheckErrorViewer.h"
#include "ZORGuiChecksError.h"
#include "ZORGuiDiscontinuityLocation.h"
#include "ZORHostSession.h"
#include "ZORTestResources.h"
#include "ZORTransaction.h"

namespace {

class Scene {
 public:
  explicit Scene(int n) : n_(n) {
    resources_.Write("BenchCheck", "GAP.Request = A gap\nGAP.Diagnostic = Left open\n");
  }
  ~Scene() {
    if (checks_) checks_->Release();
    father_->RequestDelayedDestruction();
    ZORTransaction::End();
  }
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  void MakeChecks() {
    checks_ = new ZORGuiChecksError("GAP", "BenchCheck");
    for (int i = 0; i < n_; ++i) {
      auto* gap = new ZORGuiCheckError("GAP", "BenchCheck");
      gap->SetBody(ZORBody::MakeSegment({10.0 * i, 0, 0}, {10.0 * i + 1, 0, 0}).get());
      checks_->GetErrorList().Append(gap);
      gap->Release();
    }
  }
  void ShowChecks() {
    viewer_ = std::make_unique<ZORGuiCheckErrorViewer>();
    viewer_->Initialize();
    viewer_->Append(checks_);
    viewer_->Update();
  }
  void Locations() {
    std::vector<ZORGuiDiscontinuityLocation*> made;
    made.reserve(static_cast<std::size_t>(n_));
    for (int i = 0; i < n_; ++i) {
      auto* location = new ZORGuiDiscontinuityLocation(father_, {10.0 * i, 0, 0}, 1);
      location->SetInputData(-1, 0.5);
      location->SetOutputData(0, 2.5);
      made.push_back(location);
    }
    for (ZORGuiDiscontinuityLocation* location : made) location->RequestDelayedDestruction();
    ZORTransaction::End();
  }
  int ShownCount() { return session_.Editor().GetISO()->GetSize(); }

 private:
  int n_;
  ZORTestResources resources_;
  ZORHostSession session_;
  ZORCommand* father_ = new ZORCommand(nullptr, ZORString("BenchCommand"));
  ZORGuiChecksError* checks_ = nullptr;
  std::unique_ptr<ZORGuiCheckErrorViewer> viewer_;
};

void BM_CheckErrorViewer(benchmark::State& state) {
  zor_bench::TimeOnFreshScenes<Scene>(
      state, [](Scene& scene) { scene.MakeChecks(); }, [](Scene& scene) { scene.ShowChecks(); },
      [](Scene& scene) -> const char* {
        return scene.ShownCount() == 1 ? nullptr : "the viewer is not shown alone";
      });
}

void BM_DiscontinuityLocations(benchmark::State& state) {
  zor_bench::TimeOnFreshScenes<Scene>(
      state, [](Scene&) {}, [](Scene& scene) { scene.Locations(); },
      [](Scene& scene) -> const char* {
        return scene.ShownCount() == 0 ? nullptr : "locations left in the view";
      });
}

BENCHMARK(BM_CheckErrorViewer)
    ->Name("CheckErrorViewer")
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DiscontinuityLocations)
    ->Name("DiscontinuityLocations")
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
