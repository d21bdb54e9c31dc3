// The coupling widgets and symbols with many couplings or points: the frame's rows and their
// selection one by one, the points window filled, one line through n points, a profile of n
// edges with n markers drawn twice, and n lines made and destroyed.

#include <string>
#include <vector>

#include "BenchSupport.h"
#include "ZORApplicationFrame.h"
#include "ZORDlgDialog.h"
#include "ZORDlgMultiList.h"
#include "ZORDriver.h"
#include "ZORFeature.h"
#include "ZORGmoUtilitiesBody.h"
#include "ZORGuiCouplingFrame.h"
#include "ZORGuiCouplingPanel.h"
#include "ZORGuiCouplingPointSymbol.h"
#include "ZORGuiCouplingSymbol.h"
#include "ZORHostSession.h"
#include "ZORSpecObjectOf.h"
#include "ZORWENUIMultiList.h"

namespace {

// n points along a zigzag (no two consecutive ones coincide), and a profile through them.
class Scene {
 public:
  explicit Scene(int n) : n_(n) {
    ZORDocument& doc = session_.Document();
    set_ = doc.CreateTool("GeometricalSet");
    session_.Editor().SetCurrentFeature(set_.get());
    for (int i = 0; i < n; ++i) {
      ZORFeature_var point = doc.CreatePoint(i, i % 2, 0, set_.get());
      points_.Append(ZORSpecObjectOf(point));
      coordinates_.Append(ZORMathPoint(i, i % 2, 0));
      kinds_.Append(1 + i % 3);
    }
    doc.UpdateAll();
    panel_ = new ZORDlgDialog(ZORApplicationFrame::GetFrame()->GetMainWindow(), "Panel");
    frame_ = new ZORGuiCouplingFrame(panel_, nullptr);
  }
  ~Scene() {
    panel_->Destroy();
    driver_.EndTransaction();
  }
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  // A profile: one line through every point, so n - 1 edges.
  ZORBody_var Profile() {
    auto line = ZORMake<ZORGuiCouplingSymbol>(nullptr);
    line->SetCouplingPoints(points_);
    return line->GetLine();
  }

  int n_;
  ZORHostSession session_;
  ZORDriver driver_{session_};
  ZORFeature_var set_;
  ZORListValZORISpecObject_var points_;
  ZORListValZORMathPoint coordinates_;
  ZORRawCollint kinds_;
  ZORDlgDialog* panel_ = nullptr;
  ZORGuiCouplingFrame* frame_ = nullptr;
  ZORBody_var body_;
  std::vector<ZORGuiCouplingSymbol*> lines_;
  bool ok_ = false;
};

const char* Always(Scene&) {
  return nullptr;
}

void FrameRows(benchmark::State& state) {
  zor_bench::TimeOnFreshScenes<Scene>(
      state, [](Scene&) {},
      [](Scene& s) {
        s.frame_->SetNumberOfCoupling(s.n_);
        int row = 0;
        for (int i = 1; i <= s.n_; ++i) {
          s.frame_->SetSelected(i);
          s.frame_->GetSelected(row);
        }
        benchmark::DoNotOptimize(row);
      },
      [](Scene& s) {
        const bool named = s.frame_->GetCouplingList()->GetColumnItem(1, s.n_ - 1).str() ==
                           "Coupling" + std::to_string(s.n_);
        return named ? nullptr : "the last row is not named";
      });
}

void PanelFill(benchmark::State& state) {
  zor_bench::TimeOnFreshScenes<Scene>(
      state, [](Scene&) {},
      [](Scene& s) {
        auto* panel = new ZORGuiCouplingPanel(s.panel_);
        panel->Build();
        panel->SetCouplingPoints(s.points_);
        s.ok_ = panel->GetPointList()->GetMultiList()->GetLineCount() == s.n_;
      },
      [](Scene& s) { return s.ok_ ? nullptr : "the points were not listed"; });
}

void LineThroughPoints(benchmark::State& state) {
  zor_bench::TimeOnFreshScenes<Scene>(
      state, [](Scene&) {}, [](Scene& s) { s.body_ = s.Profile(); },
      [](Scene& s) { return s.body_ ? nullptr : "no line"; });
}

void ProfileMarkers(benchmark::State& state) {
  zor_bench::TimeOnFreshScenes<Scene>(
      state, [](Scene& s) { s.body_ = s.Profile(); },
      [](Scene& s) {
        auto symbol = ZORMake<ZORGuiCouplingPointSymbol>(nullptr);
        symbol->SetBody(s.body_);
        symbol->SetPoints(s.coordinates_, s.kinds_);
        symbol->SetPoints(s.coordinates_, s.kinds_);
        s.ok_ = symbol->GetShown() != nullptr;
      },
      [](Scene& s) { return s.ok_ ? nullptr : "nothing drawn"; });
}

void LinesMadeAndDestroyed(benchmark::State& state) {
  zor_bench::TimeOnFreshScenes<Scene>(
      // The list of lines is the benchmark's own: made and freed untimed, so that freeing it
      // does not charge the allocator's deferred work for the lines to one size and not the other.
      state, [](Scene& s) { s.lines_.reserve(static_cast<std::size_t>(s.n_)); },
      [](Scene& s) {
        for (int i = 0; i < s.n_; ++i) s.lines_.push_back(new ZORGuiCouplingSymbol(nullptr));
        for (ZORGuiCouplingSymbol* line : s.lines_) line->RequestDelayedDestruction();
        s.driver_.EndTransaction();
        s.ok_ = true;
      },
      Always);
}

#define COUPLING_BENCH(name) \
  BENCHMARK(name)->Name("Coupling/" #name)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)
COUPLING_BENCH(FrameRows);
COUPLING_BENCH(PanelFill);
COUPLING_BENCH(LineThroughPoints);
COUPLING_BENCH(ProfileMarkers);
COUPLING_BENCH(LinesMadeAndDestroyed);

}  // namespace

BENCHMARK_MAIN();
