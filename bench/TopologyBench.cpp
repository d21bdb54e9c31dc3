// Topology of long wires: finding the domains of a wire body of n edges in pieces (the body is
// built with its domains from n prepared segments), and the tangent-continuity test of a wire
// of n edges (chaining the body's edges, then measuring every junction).

#include <cmath>
#include <vector>

#include "BenchSupport.h"
#include "ZORBodyBuilder.h"
#include "ZORLine.h"
#include "ZORWireAnalysis.h"

namespace {

using zor_bench::TimeOnFreshScenes;

// Edges per piece of the domain scene: one gap every so many edges.
constexpr int kPieceLength = 100;

// n segments along a gently turning path, a gap left after every kPieceLength-th one.
std::vector<std::vector<ZORCurve_var>> Pieces(int n, bool gaps) {
  std::vector<std::vector<ZORCurve_var>> pieces(1);
  ZORMathPoint at(0, 0, 0);
  for (int i = 0; i < n; ++i) {
    const double angle = 0.001 * std::sin(i * 0.01);
    const ZORMathPoint next = at + ZORMathVector(std::cos(angle), std::sin(angle), 0);
    pieces.back().push_back(ZORMake<ZORLine>(at, next));
    at = next;
    if (gaps && (i + 1) % kPieceLength == 0 && i + 1 < n) {
      at = at + ZORMathVector(0, 1, 0);
      pieces.emplace_back();
    }
  }
  return pieces;
}

ZORBody_var Build(const std::vector<std::vector<ZORCurve_var>>& pieces) {
  ZORBodyBuilder builder;
  for (const auto& piece : pieces) builder.AddChain(piece, false);
  return builder.Finish();
}

struct DomainScene {
  explicit DomainScene(int n) : pieces(Pieces(n, true)) {}
  std::vector<std::vector<ZORCurve_var>> pieces;
  ZORBody_var body;
};

void BM_Domains(benchmark::State& state) {
  TimeOnFreshScenes<DomainScene>(
      state, [](DomainScene&) {},
      [](DomainScene& scene) {
        scene.body = Build(scene.pieces);
        benchmark::DoNotOptimize(scene.body->GetNumberOfDomains());
      },
      [](DomainScene& scene) -> const char* {
        return scene.body->GetNumberOfDomains() == static_cast<int>(scene.pieces.size())
                   ? nullptr
                   : "wrong number of domains";
      });
}
BENCHMARK(BM_Domains)
    ->Name("Topology/Domains")
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

struct WireScene {
  explicit WireScene(int n) : body(Build(Pieces(n, false))) {}
  ZORBody_var body;
  bool g1 = false;
};

void BM_IsG1(benchmark::State& state) {
  TimeOnFreshScenes<WireScene>(
      state, [](WireScene&) {},
      [](WireScene& scene) {
        scene.g1 = ZORWireAnalysis(ZORWire::FromBody(*scene.body)).IsG1(0.0087266463);
      },
      [](WireScene& scene) -> const char* { return scene.g1 ? nullptr : "the wire is not G1"; });
}
BENCHMARK(BM_IsG1)->Name("Topology/IsG1")->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
