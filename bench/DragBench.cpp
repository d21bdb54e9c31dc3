// A drag step must not cost more with many live handles. Drag/<kind>/n: n live handles of the
// kind, one drag step of the first through the driver (the pointer finds it among those shown),
// its listener reading the handle back and its drawing redrawn. DragHost/<kind>/n: the same step
// on a bare host manipulator of the same style among n, its listener moving a point and redrawing.

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "BenchSupport.h"
#include "ZOR3DMarkerGP.h"
#include "ZORCkeVolatileParm.h"
#include "ZORDriver.h"
#include "ZORFrmEditor.h"
#include "ZORHandleDriver.h"
#include "ZORHostSession.h"
#include "ZORMathGlobals.h"
#include "ZORTestListener.h"
#include "ZORWENUIPlaneTranslator.h"
#include "ZORWENUIRotator.h"
#include "ZORWENUITranslator.h"

namespace {

enum Kind { kTranslator, kRotator, kPlaneTranslator };

// n handles of a kind, each at its own place; the first is the one dragged.
struct Handles {
  explicit Handles(int n, Kind kind) {
    for (int i = 0; i < n; ++i) {
      const ZORMathPoint at(0, 3.0 * i, 0);
      switch (kind) {
        case kTranslator: {
          auto length =
              ZORMake<ZORCkeVolatileParm>(ZORUnicodeString("L"), ZORString("Longueur"), 0);
          auto* t = new ZORWENUITranslator(&listener, 0, ZORICkeParm_var(length.get()));
          t->SetLocationPoint(at);
          t->SetLineDirection(ZORMathDirection(1, 0, 0));
          parameters.push_back(length);
          commands.push_back(ZORVar<ZORCommand>::Adopt(t));
          break;
        }
        case kRotator: {
          auto* r = new ZORWENUIRotator(&listener, 0);
          r->SetLocationPoint(at + ZORMathVector(2, 0, 0));
          r->SetLineDirection(ZORMathLine(at, ZORMathK));
          if (i == 0) {
            listener.Listen(r, r->GetModifyNotification(), "", [r] {
              r->SetPosition(r->GetPosition());
              return "";
            });
          }
          commands.push_back(ZORVar<ZORCommand>::Adopt(r));
          break;
        }
        case kPlaneTranslator: {
          auto* p = new ZORWENUIPlaneTranslator(&listener);
          p->SetTranslationPlane(ZORMathPlane(at, ZORMathI, ZORMathJ));
          p->SetInitialPoint(at);
          if (i == 0) {
            listener.Listen(p, p->GetModifyNotification(), "", [p] {
              p->SetPosition(p->GetPosition());
              return "";
            });
          }
          commands.push_back(ZORVar<ZORCommand>::Adopt(p));
          break;
        }
      }
    }
  }
  ~Handles() {
    for (ZORVar<ZORCommand>& c : commands) c.Detach()->RequestDelayedDestruction();
    driver.EndTransaction();
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORHandleDriver pointer{driver};
  ZORTestListener listener;
  std::vector<ZORVar<ZORCkeVolatileParm>> parameters;
  std::vector<ZORVar<ZORCommand>> commands;
};

void Drag(benchmark::State& state, Kind kind) {
  Handles handles(static_cast<int>(state.range(0)), kind);
  int step = 0;
  for (auto _ : state) {
    ++step;
    const ZORMathPoint target(1.0 + (step % 7), 1.0 + (step % 5), 0);
    if (!handles.pointer.Drag(1, target, 1)) {
      state.SkipWithError("the handle was not dragged");
      break;
    }
  }
  state.SetComplexityN(state.range(0));
  zor_bench::ReportPeakMemory(state);
}

// A bare manipulator's drawing: a marker at `at`, shown and grabbing it.
struct Bare {
  explicit Bare(int n, int style) {
    ZORISO* iso = session.Editor().GetISO();
    for (int i = 0; i < n; ++i) {
      auto* m = new ZOR3DManipulator(&listener, "Bare", nullptr, style);
      m->SetPosition(ZORMathAxis(ZORMathPoint(0, 3.0 * i, 0), ZORMathI, ZORMathJ, ZORMathK));
      m->SetTranslationDirection(ZORMathI);
      m->SetTranslationPlane(ZORMathPlane(ZORMathPoint(), ZORMathI, ZORMathJ));
      m->SetRotationAxis(
          ZORMathLine(ZORMathPoint(0, 3.0 * i, 0) + ZORMathVector(-2, 0, 0), ZORMathK));
      manipulators.push_back(m);
      shown.push_back(ZORMake<ZORSt3DISO>());
      Redraw(i);
      iso->AddElement(shown.back().get());
    }
    ZOR3DManipulator* first = manipulators.front();
    listener.Listen(first, first->GetZORManipulate(), "", [this, first] {
      point = first->GetPosition().GetOrigin();
      Redraw(0);
      return "";
    });
  }
  ~Bare() {
    for (ZOR3DManipulator* m : manipulators) m->Destroy();
    driver.EndTransaction();
  }
  void Redraw(int i) {
    ZOR3DManipulator* m = manipulators[static_cast<std::size_t>(i)];
    ZORSt3DISO* carrier = shown[static_cast<std::size_t>(i)].get();
    if (carrier->GetRep()) m->RemoveRepToManipulate(carrier->GetRep());
    auto drawing = ZORMake<ZOR3DCustomRep>();
    drawing->AddGP(std::make_unique<ZOR3DMarkerGP>(ZORMathPointf(m->GetPosition().GetOrigin()), 5));
    m->AddRepToManipulate(drawing.get());
    carrier->SetRep(drawing.get());
    session.Editor().GetISO()->UpdateElement(carrier);
  }

  ZORHostSession session;
  ZORDriver driver{session};
  ZORTestListener listener;
  std::vector<ZOR3DManipulator*> manipulators;
  std::vector<ZORSt3DISO_var> shown;
  ZORMathPoint point;
};

void DragHost(benchmark::State& state, int style) {
  Bare bare(static_cast<int>(state.range(0)), style);
  int step = 0;
  for (auto _ : state) {
    ++step;
    const ZORMathPoint target(1.0 + (step % 7), 1.0 + (step % 5), 0);
    if (!bare.manipulators.front()->Drag(target, 1)) {
      state.SkipWithError("the manipulator was not dragged");
      break;
    }
    bare.driver.EndTransaction();
  }
  state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK_CAPTURE(Drag, Translator, kTranslator)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Drag, Rotator, kRotator)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Drag, PlaneTranslator, kPlaneTranslator)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DragHost, Translator, ZOR3DManipulator::kLineTranslation)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DragHost, Rotator, ZOR3DManipulator::kRotation)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DragHost, PlaneTranslator, ZOR3DManipulator::kPlaneTranslation)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
