// A mouse move over a gridded working plane while a command waits for a point: the eye line
// crosses the plane, the coordinates snap to the grid, the marker moves, the transaction ends.
// MouseMove/n has the cartesian point agent of CreateWENFeatureAgent waiting; the baseline the
// plain feature agent the same command gets without a working support (the host's share of the
// move). n features in the document and n elements in the interactive set: a move must not
// walk either.

#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "ExampleProjectCommand.h"
#include "ZORDriver.h"
#include "ZORDriverMouse.h"
#include "ZORHostSession.h"
#include "ZORIWENWorkingSupportFactory.h"
#include "ZORSpecObjectOf.h"
#include "ZORSt3DISO.h"
#include "ZORWENCartesianGrid.h"
#include "ZORWENSettings.h"
#include "ZORWENWorkingSupport.h"

namespace {

struct Scene {
  Scene(int n, bool gridded) {
    ExampleProjectCommand::Register();
    ZORWENSettings::GetWENSettings()->SetWorkOnSupportSnap(true);
    ZORDocument& doc = session.Document();
    ZORFeature_var set = doc.CreateTool("GeometricalSet");
    ZORFeature_var corners[] = {doc.CreatePoint(0, 0, 0, set), doc.CreatePoint(10, 0, 0, set),
                                doc.CreatePoint(0, 10, 0, set)};
    ZORFeature_var plane = doc.CreateFeature("WENPlane", set);
    for (int i = 0; i < 3; ++i) {
      plane->SetInput("Point" + std::to_string(i + 1), ZORBaseUnknown_var(corners[i]));
    }
    for (int i = 0; i < n; ++i) doc.CreatePoint(i, -100, 0, set);
    doc.UpdateAll();
    for (int i = 0; i < n; ++i) {
      shown.push_back(ZORMake<ZORSt3DISO>());
      session.Editor().GetISO()->AddElement(shown.back().get());
    }
    if (gridded) {
      auto supports = ZORIWENWorkingSupportFactory_var(doc.GetPart())->GetWorkingSupportSet();
      auto support =
          supports->CreateWorkingSupport(ZORSpecObjectOf(plane), ZORSpecObjectOf(corners[0]), 2);
      dynamic_cast<ZORWENWorkingSupport*>(support.get())
          ->SetGrid(ZORIWENGrid_var(ZORMake<ZORWENCartesianGrid>(10, 10, 4, 4, nullptr)));
      supports->SetCurrentWorkingSupport(support);
    }
    driver.StartByName("ExampleProjectCommand");
  }
  ~Scene() { driver.CancelCurrent(); }

  ZORHostSession session;
  ZORDriver driver{session};
  std::vector<ZORSt3DISO_var> shown;
};

void Moves(benchmark::State& state, bool gridded) {
  const int n = static_cast<int>(state.range(0));
  Scene scene(n, gridded);
  ZORDriverMouse mouse(scene.driver);
  double x = 0.0;
  for (auto _ : state) {
    x = x > 50.0 ? 0.0 : x + 0.37;
    if (!mouse.Move({x, 7.4, 50})) {
      state.SkipWithError("no command took the move");
      break;
    }
  }
  const int expected = n + (gridded ? 1 : 0);  // the marker, when there is one
  if (scene.session.Editor().GetISO()->GetSize() != expected) {
    state.SkipWithError("the interactive set changed size");
  }
  state.SetComplexityN(n);
}

void MouseMove(benchmark::State& state) {
  Moves(state, true);
}

void MouseMoveHostBaseline(benchmark::State& state) {
  Moves(state, false);
}

}  // namespace

BENCHMARK(MouseMove)->Name("MouseMove")->Arg(1000)->Arg(10000);
BENCHMARK(MouseMoveHostBaseline)->Name("MouseMoveHostBaseline")->Arg(1000)->Arg(10000);
BENCHMARK_MAIN();
