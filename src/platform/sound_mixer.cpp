#include "platform/sound_mixer.h"

#include "platform/file_bytes.h"
#include "platform/paths.h"
#include "platform/wav_file.h"

#include <algorithm>
#include <cstdio>
#include <libopenmpt/libopenmpt.h>

struct SoundMixer::Sample {
    std::vector<int16_t> frames; // interleaved stereo at the output rate
    int maxPlaybacks = 0;
    size_t frameCount() const { return frames.size() / 2; }
};

struct SoundMixer::Song {
    openmpt_module* module = nullptr;
    bool playing = false;
    bool paused = false;
    ~Song() {
        if (module) openmpt_module_destroy(module);
    }
};

namespace {
// Effects and songs are summed; a little headroom keeps common overlaps clean.
constexpr float effectGain = 0.8f;
constexpr long maxSoundFileBytes = 64L * 1024 * 1024;

// The sums below run many samples at a time; each sample's sum is the same as
// one at a time.
[[gnu::optimize("tree-vectorize")]] void addSong(float* mix, const float* song, size_t count) {
    for (size_t i = 0; i < count; ++i)
        mix[i] += song[i];
}

[[gnu::optimize("tree-vectorize"), gnu::target_clones("avx2", "default")]] void
addEffect(float* mix, const int16_t* from, size_t count) {
    for (size_t i = 0; i < count; ++i)
        mix[i] += from[i] * (effectGain / 32768.0f);
}

[[gnu::optimize("tree-vectorize"), gnu::target_clones("avx2", "default")]] void
toOutput(int16_t* out, const float* mix, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        // std::clamp, written so that it runs wide.
        float x = mix[i] < -1.0f ? -1.0f : mix[i];
        x = 1.0f < x ? 1.0f : x;
        out[i] = (int16_t)(int32_t)(x * 32767.0f);
    }
}

template <typename T> int addEntry(std::vector<std::unique_ptr<T>>& table, std::unique_ptr<T> e) {
    table.push_back(std::move(e));
    return (int)table.size() - 1;
}
} // namespace

bool readSoundFile(const char* gamePath, std::vector<uint8_t>& bytes) {
    return readFileBytes(resolvePath(gamePath), maxSoundFileBytes, bytes);
}

SoundMixer::SoundMixer() = default;
SoundMixer::~SoundMixer() {
    stop();
}

void SoundMixer::start(int rate, int voices) {
    stop();
    std::lock_guard<std::mutex> guard(lock);
    outputRate = rate;
    voiceTable.assign((size_t)std::max(voices, 0), Voice{});
}

void SoundMixer::stop() {
    std::vector<std::unique_ptr<Sample>> oldSamples;
    std::vector<std::unique_ptr<Song>> oldSongs;
    {
        std::lock_guard<std::mutex> guard(lock);
        outputRate = 0;
        voiceTable.clear();
        // Ids stay reserved (empty entries), so handles kept by the game name nothing.
        for (auto& s : samples)
            oldSamples.push_back(std::move(s));
        for (auto& s : songs)
            oldSongs.push_back(std::move(s));
    }
    // Freed outside the lock: destroying a module is not the audio thread's wait.
}

SoundMixer::Sample* SoundMixer::findSample(int sample) {
    if (sample < 0 || sample >= (int)samples.size()) return nullptr;
    return samples[(size_t)sample].get();
}

SoundMixer::Song* SoundMixer::findSong(int song) {
    if (song < 0 || song >= (int)songs.size()) return nullptr;
    return songs[(size_t)song].get();
}

int SoundMixer::loadSample(const uint8_t* data, size_t size) {
    if (!started()) return -1;
    auto sample = std::make_unique<Sample>();
    if (!decodeWav(data, size, outputRate, sample->frames)) return -1;
    std::lock_guard<std::mutex> guard(lock);
    return addEntry(samples, std::move(sample));
}

int SoundMixer::loadSampleFile(const char* gamePath) {
    std::vector<uint8_t> bytes;
    if (!readSoundFile(gamePath, bytes)) return -1;
    return loadSample(bytes.data(), bytes.size());
}

void SoundMixer::freeSample(int sample) {
    std::unique_ptr<Sample> old;
    std::lock_guard<std::mutex> guard(lock);
    if (!findSample(sample)) return;
    for (Voice& v : voiceTable)
        if (v.sample == sample) v.sample = -1;
    old = std::move(samples[(size_t)sample]);
}

void SoundMixer::setMaxPlaybacks(int sample, int count) {
    std::lock_guard<std::mutex> guard(lock);
    if (Sample* s = findSample(sample)) s->maxPlaybacks = std::max(count, 0);
}

int SoundMixer::playSample(int sample) {
    std::lock_guard<std::mutex> guard(lock);
    Sample* s = findSample(sample);
    if (!s || voiceTable.empty()) return -1;
    int sameCount = 0, oldestSame = -1, freeVoice = -1, oldestAny = -1;
    auto older = [&](int i, int than) {
        return than < 0 || voiceTable[(size_t)i].startedAt < voiceTable[(size_t)than].startedAt;
    };
    for (int i = 0; i < (int)voiceTable.size(); ++i) {
        int playing = voiceTable[(size_t)i].sample;
        if (playing < 0) {
            if (freeVoice < 0) freeVoice = i;
            continue;
        }
        if (older(i, oldestAny)) oldestAny = i;
        if (playing == sample) {
            ++sameCount;
            if (older(i, oldestSame)) oldestSame = i;
        }
    }
    int chosen = freeVoice >= 0 ? freeVoice : oldestAny;
    if (s->maxPlaybacks > 0 && sameCount >= s->maxPlaybacks) chosen = oldestSame;
    voiceTable[(size_t)chosen] = Voice{sample, 0, ++playCounter};
    return chosen;
}

int SoundMixer::loadSong(const uint8_t* data, size_t size) {
    if (!started() || size == 0) return -1;
    auto song = std::make_unique<Song>();
    // Parsing happens outside the lock so the audio thread never waits for it.
    // A tune is only ever played from its start, so the library need not play
    // it through to learn where each sub-song lies (most of a load's time).
    static const openmpt_module_initial_ctl ctls[] = {{"load.skip_subsongs_init", "1"},
                                                      {nullptr, nullptr}};
    song->module = openmpt_module_create_from_memory2(data, size, openmpt_log_func_silent, nullptr,
                                                      openmpt_error_func_ignore, nullptr, nullptr,
                                                      nullptr, ctls);
    if (!song->module) return -1;
    openmpt_module_set_repeat_count(song->module, -1);
    std::lock_guard<std::mutex> guard(lock);
    return addEntry(songs, std::move(song));
}

int SoundMixer::loadSongFile(const char* gamePath) {
    std::vector<uint8_t> bytes;
    if (!readSoundFile(gamePath, bytes)) return -1;
    return loadSong(bytes.data(), bytes.size());
}

void SoundMixer::freeSong(int song) {
    std::unique_ptr<Song> old;
    {
        std::lock_guard<std::mutex> guard(lock);
        if (!findSong(song)) return;
        old = std::move(songs[(size_t)song]);
    }
}

void SoundMixer::playSong(int song) {
    std::lock_guard<std::mutex> guard(lock);
    Song* s = findSong(song);
    if (!s) return;
    openmpt_module_set_position_order_row(s->module, 0, 0);
    s->playing = true;
    s->paused = false;
}

void SoundMixer::stopSong(int song) {
    std::lock_guard<std::mutex> guard(lock);
    if (Song* s = findSong(song)) s->playing = false;
}

void SoundMixer::setSongPaused(int song, bool paused) {
    std::lock_guard<std::mutex> guard(lock);
    if (Song* s = findSong(song)) s->paused = paused;
}

void SoundMixer::setSongSpeed(int song, float speed) {
    std::lock_guard<std::mutex> guard(lock);
    Song* s = findSong(song);
    if (s && speed > 0.0f)
        openmpt_module_ctl_set_floatingpoint(s->module, "play.tempo_factor", speed);
}

void SoundMixer::render(int16_t* out, int frames) {
    if (frames <= 0) return;
    size_t count = (size_t)frames * 2;
    std::lock_guard<std::mutex> guard(lock);
    mixBuffer.assign(count, 0.0f);
    songBuffer.resize(count);
    if (outputRate > 0) {
        for (auto& song : songs) {
            if (!song || !song->playing || song->paused) continue;
            size_t got = openmpt_module_read_interleaved_float_stereo(
                song->module, outputRate, (size_t)frames, songBuffer.data());
            addSong(mixBuffer.data(), songBuffer.data(), got * 2);
        }
        for (Voice& v : voiceTable) {
            Sample* s = v.sample >= 0 ? findSample(v.sample) : nullptr;
            if (!s) continue;
            size_t n = std::min((size_t)frames, s->frameCount() - v.position);
            addEffect(mixBuffer.data(), s->frames.data() + v.position * 2, n * 2);
            v.position += n;
            if (v.position >= s->frameCount()) v.sample = -1;
        }
    }
    toOutput(out, mixBuffer.data(), count);
}

int SoundMixer::activeVoices() {
    std::lock_guard<std::mutex> guard(lock);
    return (int)std::count_if(voiceTable.begin(), voiceTable.end(),
                              [](const Voice& v) { return v.sample >= 0; });
}

bool SoundMixer::songPlaying(int song) {
    std::lock_guard<std::mutex> guard(lock);
    Song* s = findSong(song);
    return s && s->playing && !s->paused;
}

bool SoundMixer::songOrderRow(int song, int& order, int& row) {
    std::lock_guard<std::mutex> guard(lock);
    Song* s = findSong(song);
    order = s ? openmpt_module_get_current_order(s->module) : -1;
    row = s ? openmpt_module_get_current_row(s->module) : -1;
    return s != nullptr;
}
