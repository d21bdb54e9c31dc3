// The law panel drawing a linear law sampled at step 1/n: the computation of the n + 1
// samples, the curve, the axes, the handle and the reframing on the viewer's bounding box.

#include "BenchSupport.h"
#include "ZORGuiBasicLawPanel.h"
#include "ZORHostSession.h"
#include "ZORParmDictionary.h"

namespace {

class Scene {
 public:
  explicit Scene(int n) : step_(1.0 / n) {
    ZORCkeParmFactory* factory = ZORParmDictionary::GetVolatileFactory();
    start_ = factory->CreateLength("Start", 10.0);
    end_ = factory->CreateLength("End", 20.0);
    panel_ = new ZORGuiBasicLawPanel(nullptr, 0);
    panel_->BuildPanel(start_, end_, ZORWENLinearLaw, ZORWENLinearLaw);
  }
  ~Scene() { panel_->Destroy(); }
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  void Draw() { panel_->SetStep(step_); }
  const char* Check() const {
    const std::size_t expected = static_cast<std::size_t>(1.0 / step_) + 1;
    return panel_->GetSamples().size() >= expected ? nullptr : "the law was not sampled";
  }

 private:
  ZORHostSession session_;
  double step_;
  ZORICkeParm_var start_;
  ZORICkeParm_var end_;
  ZORGuiBasicLawPanel* panel_ = nullptr;
};

void LawSampling(benchmark::State& state) {
  zor_bench::TimeOnFreshScenes<Scene>(
      state, [](Scene&) {}, [](Scene& scene) { scene.Draw(); },
      [](Scene& scene) { return scene.Check(); });
  zor_bench::ReportPeakMemory(state);
}

BENCHMARK(LawSampling)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
