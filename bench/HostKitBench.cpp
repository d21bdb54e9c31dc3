// The host's per-event costs must not grow with what is already there: one highlight change in
// a large highlighted set, mouse moves that each swap one element of the interactive set, and
// the destruction of the children of one command or of one dialog.

#include <benchmark/benchmark.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "BenchSupport.h"
#include "ZORCommand.h"
#include "ZORDialog.h"
#include "ZORHSO.h"
#include "ZORISO.h"
#include "ZORPathElement.h"
#include "ZORPointerMap.h"
#include "ZORSt3DISO.h"

namespace {

// Paths of n distinct leaves under one top object.
std::vector<ZORPathElement> MakePaths(int n) {
  auto top = ZORMake<ZORSt3DISO>();
  std::vector<ZORPathElement> paths;
  paths.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    ZORBaseUnknown_var leaf = ZORMake<ZORSt3DISO>();
    paths.emplace_back(std::vector<ZORBaseUnknown_var>{ZORBaseUnknown_var(top), leaf});
  }
  return paths;
}

void HighlightOne(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::vector<ZORPathElement> paths = MakePaths(n + 1);
  auto hso = ZORMake<ZORHSO>();
  for (int i = 0; i < n; ++i) hso->AddElements(paths[static_cast<std::size_t>(i)]);
  hso->EndAddElements();
  const ZORPathElement& extra = paths.back();
  for (auto _ : state) {
    hso->AddElement(extra);
    hso->RemoveElement(extra);
  }
  if (hso->GetSize() != n || hso->IsShown(extra)) state.SkipWithError("the set did not hold");
  state.SetComplexityN(n);
}

void MouseMoveISO(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  auto iso = ZORMake<ZORISO>();
  std::vector<ZORSt3DISO_var> present;
  for (int i = 0; i < n; ++i) {
    present.push_back(ZORMake<ZORSt3DISO>());
    iso->AddElement(present.back().get());
  }
  for (auto _ : state) {
    // Each move replaces the feedback it showed by a new one.
    ZORSt3DISO_var shown = ZORMake<ZORSt3DISO>();
    iso->AddElement(shown.get());
    for (int move = 0; move < 1000; ++move) {
      ZORSt3DISO_var next = ZORMake<ZORSt3DISO>();
      iso->RemoveElement(shown.get());
      iso->AddElement(next.get());
      shown = next;
    }
    iso->RemoveElement(shown.get());
  }
  if (iso->GetSize() != n) state.SkipWithError("the set did not hold");
  state.SetComplexityN(n);
}

struct Family {
  explicit Family(int n) : father(ZORMake<ZORCommand>()) {
    children.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) children.push_back(ZORMake<ZORCommand>(father.get()));
  }
  ZORVar<ZORCommand> father;
  std::vector<ZORVar<ZORCommand>> children;
};

void DestroyChildren(benchmark::State& state) {
  zor_bench::TimeOnFreshScenes<Family>(
      state, [](Family&) {},
      [](Family& family) {
        for (ZORVar<ZORCommand>& child : family.children) child = nullptr;
      },
      [](Family& family) -> const char* {
        return family.father->GetChildren().empty() ? nullptr : "children are left";
      });
}

// A dialog with n child widgets, each destroyed on its own as a panel rebuilding its frames does.
struct Panel {
  explicit Panel(int n) : dialog(ZORMake<ZORDialog>(nullptr, ZORString("Panel"))) {
    children.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) children.push_back(new ZORDialog(dialog.get(), ZORString("w")));
  }
  ZORVar<ZORDialog> dialog;
  std::vector<ZORDialog*> children;  // owned by the dialog until destroyed
};

void DestroyDialogChildren(benchmark::State& state) {
  zor_bench::TimeOnFreshScenes<Panel>(
      state, [](Panel&) {},
      [](Panel& panel) {
        for (ZORDialog* child : panel.children) child->Destroy();
      },
      [](Panel& panel) -> const char* {
        return panel.dialog->GetChildCount() == 0 ? nullptr : "children are left";
      });
}

// The host's address maps over keys spaced like objects of one size made one after another:
// filled, read back and emptied. Some spacings (this one among them) once folded onto a few runs
// of slots, and each look-up walked a long probe.
void PointerMapEvenlySpaced(benchmark::State& state) {
  constexpr std::size_t kSpacing = 1104;
  const auto n = static_cast<std::size_t>(state.range(0));
  std::vector<char> arena(n * kSpacing);
  for (auto _ : state) {
    ZORPointerMap<const char, std::size_t> map;
    for (std::size_t i = 0; i < n; ++i) map.TryEmplace(&arena[i * kSpacing], i);
    std::size_t sum = 0;
    for (std::size_t i = 0; i < n; ++i) sum += *map.Find(&arena[i * kSpacing]);
    for (std::size_t i = 0; i < n; ++i) map.Erase(&arena[i * kSpacing]);
    benchmark::DoNotOptimize(sum);
  }
}

}  // namespace

BENCHMARK(HighlightOne)->Name("HostKit/HighlightOne")->Arg(1000)->Arg(10000);
BENCHMARK(MouseMoveISO)->Name("HostKit/MouseMoveISO")->Arg(1000)->Arg(10000);
BENCHMARK(DestroyChildren)->Name("HostKit/DestroyChildren")->Arg(1000)->Arg(10000);
BENCHMARK(DestroyDialogChildren)->Name("HostKit/DestroyDialogChildren")->Arg(1000)->Arg(10000);
BENCHMARK(PointerMapEvenlySpaced)
    ->Name("HostKit/PointerMapEvenlySpaced")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000);
BENCHMARK_MAIN();
