// One evaluation of the colour code, as every click runs it.
#include "evaluator.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zomar;

void evaluateOnce(benchmark::State &state, const Selection &selection)
{
    const NumberText numbers(QLocale(QLocale::Russian, QLocale::Russia));
    for (auto _ : state) {
        Evaluation result = evaluate(selection, numbers);
        benchmark::DoNotOptimize(result);
    }
}

void BM_FiveBandResistor(benchmark::State &state)
{
    evaluateOnce(state, {ComponentKind::Resistor, 5, {Yellow, Violet, Black, Brown, Brown}});
}
BENCHMARK(BM_FiveBandResistor);

void BM_FiveBandCapacitor(benchmark::State &state)
{
    evaluateOnce(state, {ComponentKind::Capacitor, 5, {Red, Red, Green, Gold, Black}});
}
BENCHMARK(BM_FiveBandCapacitor);

} // namespace

BENCHMARK_MAIN();
