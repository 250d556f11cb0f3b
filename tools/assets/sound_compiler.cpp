// content/sounds/*.txt -> the effects "SOUND\*.WAV", 16-bit mono PCM.
//
//   output SOUND\GOLD.WAV    the file written (one per source)
//   rate 22050               samples per second (8000 to 48000; 22050 if not given)
//   volume 70                percent of full scale for the whole sound (70 if not given)
//   tone AT LENGTH WAVE PITCH [key=value...]
//       AT, LENGTH in ms; WAVE square|triangle|saw|sine|noise; PITCH "E6" or Hz;
//       keys: to= (glide to a pitch), duty=, volume= (percent), attack=, release=,
//       decay= (ms to halve), wobble= (vibrato depth, percent), wobblerate= (Hz), seed=
#include "assets/compiler.h"
#include "assets/content_folder.h"
#include "assets/source_file.h"
#include "assets/tone_synth.h"
#include "platform/wav_file.h"
#include "text/data_file.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>

namespace {
constexpr double maxLengthMs = 10000;

struct SoundSource {
    std::string output;
    int rate = 22050;
    double volume = 70;
    std::vector<Tone> tones;
};

bool parseNumber(const std::string& text, double low, double high, double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return *end == '\0' && std::isfinite(value) && value >= low && value <= high;
}

bool upperEnds(const std::string& text, const std::string& start, const std::string& end) {
    std::string upper = text;
    for (char& c : upper)
        c = (char)std::toupper((unsigned char)c);
    return upper.size() > start.size() + end.size() && upper.rfind(start, 0) == 0 &&
           upper.compare(upper.size() - end.size(), end.size(), end) == 0;
}

// One "key=value" option of a tone; the error text names what is wrong.
bool applyOption(const std::string& word, Tone& tone, std::string& error) {
    size_t equals = word.find('=');
    std::string key = word.substr(0, equals);
    std::string text = equals == std::string::npos ? "" : word.substr(equals + 1);
    double v = 0;
    auto fail = [&](const std::string& what) {
        error = "'" + word + "': " + what;
        return false;
    };
    if (equals == std::string::npos) return fail("options are key=value");
    if (key == "to") return parsePitch(text, tone.glideTo) || fail("not a pitch");
    struct Range {
        const char* key;
        double low, high, scale;
        double Tone::*field;
    };
    static const Range ranges[] = {{"duty", 1, 99, 0.01, &Tone::duty},
                                   {"volume", 0, 100, 0.01, &Tone::volume},
                                   {"attack", 0, maxLengthMs, 1, &Tone::attack},
                                   {"release", 0, maxLengthMs, 1, &Tone::release},
                                   {"decay", 0, maxLengthMs, 1, &Tone::decay},
                                   {"wobble", 0, 50, 0.01, &Tone::wobble},
                                   {"wobblerate", 0, 100, 1, &Tone::wobbleRate}};
    for (const Range& r : ranges)
        if (key == r.key) {
            if (!parseNumber(text, r.low, r.high, v))
                return fail("needs a number from " + std::to_string((int)r.low) + " to " +
                            std::to_string((int)r.high));
            tone.*r.field = v * r.scale;
            return true;
        }
    if (key == "seed") {
        if (!parseNumber(text, 1, 1e9, v)) return fail("needs a number from 1 to 1000000000");
        tone.seed = (uint32_t)v;
        return true;
    }
    return fail("unknown option");
}

bool parseTone(const std::vector<std::string>& words, Tone& tone, std::string& error) {
    if (words.size() < 5) return error = "tone needs AT LENGTH WAVE PITCH", false;
    if (!parseNumber(words[1], 0, maxLengthMs, tone.at))
        return error = "tone start must be 0 to 10000 ms", false;
    if (!parseNumber(words[2], 1, maxLengthMs, tone.length) || tone.at + tone.length > maxLengthMs)
        return error = "tone length must be 1 ms or more, ending by 10000 ms", false;
    if (!parseWave(words[3], tone.wave))
        return error = "unknown wave '" + words[3] + "' (square, triangle, saw, sine, noise)",
               false;
    if (!parsePitch(words[4], tone.pitch))
        return error = "'" + words[4] + "' is not a pitch", false;
    for (size_t i = 5; i < words.size(); ++i)
        if (!applyOption(words[i], tone, error)) return false;
    return true;
}

bool parseSource(const SourceFile& file, SoundSource& sound) {
    for (const SourceLine& line : file.lines()) {
        std::vector<std::string> words = splitWords(line.text);
        if (words.empty()) continue;
        const std::string& key = words[0];
        std::string error;
        double v = 0;
        if (key == "output") {
            if (words.size() != 2 || !upperEnds(words[1], "SOUND\\", ".WAV"))
                error = "output needs one name like SOUND\\GOLD.WAV";
            else
                sound.output = words[1];
        } else if (key == "rate") {
            if (words.size() != 2 || !parseNumber(words[1], 8000, 48000, v))
                error = "rate needs a number from 8000 to 48000";
            sound.rate = (int)v;
        } else if (key == "volume") {
            if (words.size() != 2 || !parseNumber(words[1], 0, 100, sound.volume))
                error = "volume needs a number from 0 to 100";
        } else if (key == "tone") {
            Tone tone;
            if (parseTone(words, tone, error)) sound.tones.push_back(tone);
        } else {
            error = "unknown word '" + key + "'";
        }
        if (!error.empty()) {
            sourceError(file.path(), line.number, error);
            return false;
        }
    }
    if (sound.output.empty())
        sourceError(file.path(), 0, "no output line");
    else if (sound.tones.empty())
        sourceError(file.path(), 0, "no tone line");
    return !sound.output.empty() && !sound.tones.empty();
}

bool writeWav(const std::vector<float>& samples, int rate, const char* gamePath) {
    std::vector<int> pcm(samples.size());
    for (size_t i = 0; i < samples.size(); ++i)
        pcm[i] = (int)std::lround(samples[i] * 32767.0f);
    std::vector<uint8_t> bytes = encodeWav(rate, 1, 16, pcm);
    DataWriter out;
    return out.open(gamePath) && out.writeBytes(bytes.data(), bytes.size()) && out.commit();
}

bool compileSounds(const std::string& contentDir) {
    std::vector<std::string> paths = listSources(contentDir, "sounds");
    std::set<std::string> written;
    bool ok = true;
    for (const std::string& path : paths) {
        SourceFile file;
        SoundSource sound;
        if (!file.read(path) || !parseSource(file, sound)) {
            ok = false;
            continue;
        }
        std::string key = sound.output;
        for (char& c : key)
            c = (char)std::toupper((unsigned char)c);
        if (!written.insert(key).second) {
            sourceError(path, 0, sound.output + " is already made by another source");
            ok = false;
            continue;
        }
        std::vector<float> samples = renderTones(sound.tones, sound.rate, sound.volume / 100.0);
        if (!writeWav(samples, sound.rate, sound.output.c_str())) {
            sourceError(path, 0, "cannot write " + sound.output);
            ok = false;
        }
    }
    return ok;
}
} // namespace

REGISTER_COMPILER("sounds", compileSounds);
