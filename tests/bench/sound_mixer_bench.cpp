// The mixer's cost while a tune plays with effects on top: one second of
// 44.1 kHz output rendered into memory in the device's 1024-frame blocks. The
// "realtime_factor" counter is how many seconds of sound one second of CPU makes.
#include "platform/sound_mixer.h"
#include "platform/sound_test_files.h"

#include <benchmark/benchmark.h>

namespace {
// Argument: effects started every block. None is the tune alone; one keeps about
// twenty voices sounding; four keep every voice busy, the oldest giving way.
void BM_MixerTuneAndEffects(benchmark::State& state) {
    int effectsPerBlock = (int)state.range(0);
    SoundMixer mixer;
    mixer.start(44100, 32);
    std::vector<uint8_t> module = makeModule(8);
    std::vector<uint8_t> tone = makeToneWav(22050, 11025);
    int song = mixer.loadSong(module.data(), module.size());
    int sample = mixer.loadSample(tone.data(), tone.size());
    mixer.playSong(song);
    std::vector<int16_t> block(1024 * 2);
    for (auto _ : state) {
        for (int frames = 0; frames < 44100; frames += 1024) {
            for (int i = 0; i < effectsPerBlock; ++i)
                mixer.playSample(sample);
            mixer.render(block.data(), 1024);
        }
        benchmark::DoNotOptimize(block.data());
    }
    state.counters["realtime_factor"] =
        benchmark::Counter((double)state.iterations(), benchmark::Counter::kIsRate);
    state.counters["voices"] = mixer.activeVoices();
}
} // namespace

BENCHMARK(BM_MixerTuneAndEffects)->Arg(0)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);
