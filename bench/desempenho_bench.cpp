// Figures of the run's cost: one residual, one burning step, one row, and a
// whole long run of the bundled example motor (about a million steps).
//
//   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTAVRUM_BENCH=ON -DTAVRUM_TESTS=OFF
//   cmake --build build-bench --target tavrum_bench && ./build-bench/bench/tavrum_bench

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/corrida.h"
#include "engine/ponto_flutuante.h"
#include "engine/queima.h"
#include "engine/solver.h"
#include "input/arquivo.h"
#include "input/caso.h"
#include "reports/serie.h"

namespace fs = std::filesystem;

namespace {

// The time step that gives the example about a million steps, burn and tail-off.
constexpr double dt_longo = 1.2e-6;
constexpr int32_t passos_longo = 1000000;

CaseParameters caso_exemplo() {
  const fs::path antes = fs::current_path();
  fs::current_path(TAVRUM_EXEMPLO);
  CaseParameters caso = le_caso();
  fs::current_path(antes);
  return caso;
}

// The example half-way through its burn, at its own time step.
struct MeioQueima {
  CaseParameters caso;
  GrainGeometry g;
  EstadoPasso e;
  RunTotals totais;
};

MeioQueima meio_queima() {
  MeioQueima m{caso_exemplo(), {}, {}, {}};
  ArquivoSaida console(std::string("/dev/null"));
  m.g = inicia_grao(m.caso, console);
  m.e = estado_inicial(m.caso, nullptr);
  StepRecord s;
  for (int k = 0; k < 1000; ++k, ++m.e.i) passo_queima(m.e, m.caso, m.g, nullptr, m.totais, s);
  return m;
}

void BM_Residuo(benchmark::State& state) {
  desliga_denormais();
  MeioQueima m = meio_queima();
  EntradaSolver entrada{m.e.p, m.g.Vc, m.g.Vc, m.g.Ab, m.e.a, m.e.n, m.g.At, true};
  double p = m.e.p * 1.01;
  for (auto _ : state) {
    benchmark::DoNotOptimize(p);
    benchmark::DoNotOptimize(residuo(entrada, m.caso, p, 2.5));
  }
}
BENCHMARK(BM_Residuo);

void BM_PassoQueima(benchmark::State& state) {
  desliga_denormais();
  const MeioQueima m = meio_queima();
  MeioQueima c = m;
  int64_t tentativas = 0, passos = 0;
  for (auto _ : state) {
    // Back to mid-burn every thousand steps (half a second of burn).
    if (++passos % 1000 == 0) {
      state.PauseTiming();
      c = m;
      state.ResumeTiming();
    }
    StepRecord s;
    passo_queima(c.e, c.caso, c.g, nullptr, c.totais, s);
    tentativas += s.iteracoes;
    benchmark::DoNotOptimize(s);
  }
  state.counters["tentativas/passo"] =
      static_cast<double>(tentativas) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_PassoQueima);

void BM_LinhaSerie(benchmark::State& state) {
  const StepRecord s{123456, 0.61725, 230.31567, 0.013137, 4281412.7, 342.38, 0.15429, 1492.7,
                     0.0073311, 1.5338, 152.21, 0.4127, 14, 1.007e-4, 0.319};
  char linha[largura_linha + 2];
  for (auto _ : state) {
    benchmark::DoNotOptimize(s);
    formata_linha(s, linha);
    benchmark::DoNotOptimize(linha);
  }
}
BENCHMARK(BM_LinhaSerie);

// A whole long run in a scratch directory: 0 writes the time series to its
// file, 1 formats every row but sends it to /dev/null, 2 is the burning loop
// alone (no row formatted, no tail-off, no reports).
void BM_CorridaLonga(benchmark::State& state) {
  desliga_denormais();
  setenv("PATH", "/nonexistent", 1);  // no plotter: its runs are not the program's cost
  const CaseParameters base = caso_exemplo();
  const fs::path dir = fs::temp_directory_path() / ("tavrum_bench_" + std::to_string(getpid()));
  fs::create_directories(dir / "output");
  fs::create_directories(dir / "temp");
  const fs::path antes = fs::current_path();
  fs::current_path(dir);
  const std::string titulo = titulo_aparado(base);
  if (state.range(0) == 1) fs::create_symlink("/dev/null", "output/" + titulo + ".txt");

  int64_t passos = 0, tentativas = 0;
  for (auto _ : state) {
    CaseParameters caso = base;
    caso.dt = dt_longo;
    caso.npassos = passos_longo;
    if (state.range(0) < 2) {
      ArquivoSaida console(std::string("console.txt"));
      executa_caso(caso, console);
      console.fecha();
      passos += passos_longo;
      continue;
    }
    ArquivoSaida console(std::string("console.txt"));
    GrainGeometry g = inicia_grao(caso, console);
    EstadoPasso e = estado_inicial(caso, nullptr);
    RunTotals totais;
    StepRecord s;
    for (; e.i <= caso.npassos; ++e.i) {
      if (!passo_queima(e, caso, g, nullptr, totais, s)) break;
      tentativas += s.iteracoes;
      ++passos;
      if (fim_de_queima(g, e.x, caso, console)) break;
    }
    benchmark::DoNotOptimize(totais);
  }
  fs::current_path(antes);
  fs::remove_all(dir);

  state.counters["passos/s"] = benchmark::Counter(static_cast<double>(passos),
                                                  benchmark::Counter::kIsRate);
  if (tentativas > 0)
    state.counters["tentativas/passo"] = static_cast<double>(tentativas) / static_cast<double>(passos);
  rusage uso{};
  getrusage(RUSAGE_SELF, &uso);
  state.counters["pico_MiB"] = static_cast<double>(uso.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_CorridaLonga)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
