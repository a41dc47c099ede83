// One full paint of the game face, and one reel frame, on the real pictures of each scale.
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include "EngineRig.h"
#include "Face.h"
#include "Graphics.h"

namespace {

QString assetDir()
{
    const QString dir = qEnvironmentVariable("QUINTEL_ASSET_DIR");
    return dir.isEmpty() ? QStringLiteral(QUINTEL_BENCH_ASSET_DIR) : dir;
}

void paintFace(benchmark::State& st, qreal ratio)
{
    EngineRig rig;
    Graphics graphics(assetDir(), Graphics::scaleFor(ratio));
    graphics.loadMachinePictures(rig.machine.machineInfo());
    Face face(graphics, rig.machine);
    face.setPixelRatio(ratio);
    for (auto _ : st) {
        face.paintAll(nullptr);
        benchmark::DoNotOptimize(face.surface().constBits());
    }
}

void BM_FullFacePaint(benchmark::State& st) { paintFace(st, 1.0); }
void BM_FullFacePaintDensity2(benchmark::State& st) { paintFace(st, 2.0); }
void BM_FullFacePaintDensity3(benchmark::State& st) { paintFace(st, 3.0); }
void BM_FullFacePaintDensity1_5(benchmark::State& st) { paintFace(st, 1.5); }

// Argument: device pixels per face pixel.
void BM_ReelFrame(benchmark::State& st)
{
    const int scale = static_cast<int>(st.range(0));
    EngineRig rig;
    Graphics graphics(assetDir(), scale);
    graphics.loadMachinePictures(rig.machine.machineInfo());
    Face face(graphics, rig.machine);
    face.setPixelRatio(scale);
    int offset = 0;
    for (auto _ : st) {
        for (int r = 0; r < 3; ++r) face.drawReel(r, 55 + 95 * r, 83, offset);
        face.drawPayLine();
        offset = (offset + 2) % 1848;
    }
}

} // namespace

BENCHMARK(BM_FullFacePaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullFacePaintDensity2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullFacePaintDensity3)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullFacePaintDensity1_5)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReelFrame)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
