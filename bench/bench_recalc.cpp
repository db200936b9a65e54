// RecalculateLoads on a job that uses every load component.

#include "calc/Totals.h"
#include "cli/SampleJob.h"

#include <benchmark/benchmark.h>

namespace {

void BM_RecalculateLoads(benchmark::State& state) {
    Job job;
    BuildSampleJob(job);
    JobImage& im = job.image;
    im.occupants.occupants = 2;
    im.glassDoors.doorCount = 3;
    im.motors.motorCount = 2;
    im.motors.motorHp = 0.5;
    im.electric.watts = 1500;
    im.sun.flags[SunRoof][SunNone] = 0;
    im.sun.flags[SunRoof][SunDark] = 1;
    for (int slot = 1; slot < ProductSlotCount; ++slot)
        im.products[slot] = im.products[0];
    for (auto _ : state) {
        RefreshLoads(job);
        benchmark::DoNotOptimize(job.image.totals.totalLoad);
    }
}
BENCHMARK(BM_RecalculateLoads);

} // namespace
