// Benchmarks of the program live beside this file; Google Benchmark's main runs them.
#include <benchmark/benchmark.h>

// A trivial baseline so that the binary always has something to run.
static void BM_Baseline(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(state.iterations());
}
BENCHMARK(BM_Baseline);
