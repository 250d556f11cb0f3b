#include "assets/music_module.h"

#include <algorithm>
#include <cmath>

void envelopeFor(const SynthVoice& voice, int tempo, ItInstrument& instrument) {
    double tickMs = 2500.0 / tempo;
    std::vector<ItEnvelopeNode>& nodes = instrument.envelope;
    nodes.clear();
    auto add = [&](double ms, double level) {
        int tick = (int)std::lround(ms / tickMs);
        if (!nodes.empty()) tick = std::max(tick, nodes.back().tick + 1);
        nodes.push_back({tick, std::clamp((int)std::lround(level * 64), 0, 64)});
    };
    // Curves are drawn through a few points, closer together where they bend most.
    static const double steps[] = {0.12, 0.3, 0.6, 1.0};
    double sustain = voice.sustainPercent / 100.0;
    add(0, voice.attackMs > 0 ? 0 : 1);
    if (voice.attackMs > 0) add(voice.attackMs, 1);
    double time = voice.attackMs;
    if (voice.decayMs > 0 && sustain < 1) {
        for (double s : steps)
            add(time + s * voice.decayMs,
                s == 1.0 ? sustain : sustain + (1 - sustain) * std::exp(-4.6 * s));
        time += voice.decayMs;
    }
    instrument.sustainNode = (int)nodes.size() - 1;
    double releaseMs = std::max(voice.releaseMs, 1);
    for (double s : steps)
        add(time + s * releaseMs, s == 1.0 ? 0 : sustain * std::exp(-4.6 * s));
}

void buildModule(const Score& score, ItModule& module) {
    module = ItModule{};
    module.title = score.title;
    // 24 ticks make a beat, so the tracker's tempo is the beats per minute.
    module.speed = 24 / score.rowsPerBeat;
    module.tempo = score.bpm;
    module.globalVolume = score.volume;
    module.rowsPerBeat = score.rowsPerBeat;
    module.rowsPerBar = score.rowsPerBeat * score.beatsPerBar;
    for (const ScoreChannel& c : score.channels)
        for (int v = 0; v < c.voices; ++v)
            module.channels.push_back({32 + c.pan, c.volume});
    for (const ScoreInstrument& in : score.instruments) {
        ItInstrument instrument;
        instrument.name = in.name;
        ItSample sample;
        sample.name = in.name;
        sample.volume = (uint8_t)in.volume;
        sample.vibratoSpeed = (uint8_t)in.vibratoSpeed;
        sample.vibratoDepth = (uint8_t)in.vibratoDepth;
        SynthSample rendered = renderVoice(in.voice);
        sample.pcm = std::move(rendered.pcm);
        sample.c5Speed = rendered.c5Speed;
        sample.looped = rendered.looped;
        sample.loopStart = rendered.loopStart;
        if (in.voice.oneShot()) {
            // A one-shot sound rings on under the next note, as a struck string does.
            instrument.newNoteAction = 1;
        } else {
            instrument.newNoteAction = 2; // the old note releases under the new one
            envelopeFor(in.voice, score.bpm, instrument);
        }
        module.instruments.push_back(instrument);
        module.samples.push_back(std::move(sample));
    }
    int tracks = (int)module.channels.size();
    for (const ScorePattern& p : score.patterns) {
        ItPattern pattern;
        pattern.rows = p.rows;
        pattern.cells.assign((size_t)p.rows * tracks, ItCell{});
        for (const ScoreEvent& e : p.events) {
            ItCell& cell = pattern.at(e.row, e.track, tracks);
            if (e.note == scoreNoteOff) {
                cell.note = itNoteOff;
                continue;
            }
            cell.note = (uint8_t)e.note;
            cell.instrument = (uint8_t)(e.instrument + 1);
            cell.volume = (int8_t)e.volume;
        }
        module.patterns.push_back(std::move(pattern));
    }
    module.orders = score.orders;
}
