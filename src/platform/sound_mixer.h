#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

struct openmpt_module;

// The game's own mixer: sampled effects on a fixed number of voices plus
// tracker songs rendered by libopenmpt, summed into 16-bit stereo. The audio
// device's thread calls `render`; the game calls everything else from its main
// thread; one mutex guards what both touch. Tests call `render` themselves,
// without any device. Samples and songs are named by ids that are never reused,
// so a stale id names nothing rather than someone else's sound.
class SoundMixer {
public:
    SoundMixer();
    SoundMixer(const SoundMixer&) = delete;
    SoundMixer& operator=(const SoundMixer&) = delete;
    ~SoundMixer();

    // Starts mixing at `rate` frames per second on `voices` effect voices.
    void start(int rate, int voices);
    // Stops every sound and frees every sample and song.
    void stop();
    bool started() const { return outputRate > 0; }
    int rate() const { return outputRate; }

    // Effects: -1 when the data is not a usable WAV.
    int loadSample(const uint8_t* data, size_t size);
    int loadSampleFile(const char* gamePath);
    void freeSample(int sample);
    // How many playbacks of the sample may sound at once (0: no limit but the voices).
    void setMaxPlaybacks(int sample, int count);
    // Starts the sample on a free voice and returns the voice, or -1. At the
    // sample's limit the oldest playback of that sample starts over instead;
    // with every voice busy the oldest playback of any sample gives way.
    int playSample(int sample);

    // Songs: -1 when the data is not a module libopenmpt can play.
    int loadSong(const uint8_t* data, size_t size);
    int loadSongFile(const char* gamePath);
    void freeSong(int song);
    // Plays from the first row, unpaused; songs loop forever.
    void playSong(int song);
    void stopSong(int song);
    void setSongPaused(int song, bool paused);
    // Tempo factor: 1.0 normal, 1.3 hurried.
    void setSongSpeed(int song, float speed);

    // Mixes `frames` frames of interleaved stereo into `out`.
    void render(int16_t* out, int frames);

    // For tests and tools.
    int activeVoices();
    bool songPlaying(int song);
    // Where the song stands: the entry of its order list and the row in it.
    bool songOrderRow(int song, int& order, int& row);

private:
    struct Sample;
    struct Song;
    struct Voice {
        int sample = -1;
        size_t position = 0;
        uint64_t startedAt = 0; // order of starting, to find the oldest
    };

    Sample* findSample(int sample);
    Song* findSong(int song);

    std::mutex lock;
    int outputRate = 0;
    uint64_t playCounter = 0;
    std::vector<Voice> voiceTable;
    std::vector<std::unique_ptr<Sample>> samples; // index = id; freed ones are empty
    std::vector<std::unique_ptr<Song>> songs;
    std::vector<float> mixBuffer;
    std::vector<float> songBuffer;
};

// Reads a whole file named by a game path; false when missing or absurdly large.
bool readSoundFile(const char* gamePath, std::vector<uint8_t>& bytes);
