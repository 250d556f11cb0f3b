#include "assets/it_module.h"

#include "text/data_file.h"

#include <algorithm>
#include <cstring>

namespace {
class ByteBuffer {
public:
    explicit ByteBuffer(std::vector<uint8_t>& out) : bytes(out) {}
    size_t size() const { return bytes.size(); }
    void u8(int v) { bytes.push_back((uint8_t)v); }
    void u16(int v) {
        u8(v & 0xFF);
        u8((v >> 8) & 0xFF);
    }
    void u32(uint32_t v) {
        u16((int)(v & 0xFFFF));
        u16((int)(v >> 16));
    }
    void text(const std::string& s, size_t field) {
        // Fixed-width, zero-padded, always terminated within the field.
        for (size_t i = 0; i < field; ++i)
            u8(i + 1 < field && i < s.size() ? s[i] : 0);
    }
    void zeros(size_t count) { bytes.insert(bytes.end(), count, 0); }
    void patch32(size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes[at + (size_t)i] = (uint8_t)(v >> (8 * i));
    }
    void patch16(size_t at, int v) {
        bytes[at] = (uint8_t)(v & 0xFF);
        bytes[at + 1] = (uint8_t)((v >> 8) & 0xFF);
    }

private:
    std::vector<uint8_t>& bytes;
};

constexpr int trackerVersion = 0x0214;

void writeEnvelope(ByteBuffer& out, const ItInstrument& in) {
    int nodes = (int)in.envelope.size();
    int flags = nodes >= 2 ? 0x01 : 0;
    if (flags && in.sustainNode >= 0) flags |= 0x04;
    out.u8(flags);
    out.u8(std::max(nodes, 2));
    out.u8(0); // loop begin and end: no loop
    out.u8(0);
    out.u8(std::max(in.sustainNode, 0));
    out.u8(std::max(in.sustainNode, 0));
    for (int i = 0; i < 25; ++i) {
        if (i < nodes) {
            out.u8(in.envelope[(size_t)i].value);
            out.u16(in.envelope[(size_t)i].tick);
        } else if (nodes < 2 && i < 2) {
            // A disabled envelope still has two sane nodes for editors.
            out.u8(64);
            out.u16(i * 10);
        } else {
            out.zeros(3);
        }
    }
    out.u8(0);
}

void writeUnusedEnvelope(ByteBuffer& out) {
    out.u8(0);
    out.u8(2);
    out.zeros(4);
    // Pan and pitch envelopes centre at 0.
    out.u8(0);
    out.u16(0);
    out.u8(0);
    out.u16(10);
    out.zeros(23 * 3 + 1);
}

void writeInstrument(ByteBuffer& out, const ItInstrument& in, int sampleNumber) {
    out.u8('I');
    out.u8('M');
    out.u8('P');
    out.u8('I');
    out.text("", 12);
    out.u8(0);
    out.u8(in.newNoteAction);
    out.u8(0); // no duplicate check
    out.u8(0);
    out.u16(0); // fade-out: the envelope does the release
    out.u8(0);  // pitch-pan separation and centre
    out.u8(60);
    out.u8(in.globalVolume);
    out.u8(32 | 0x80); // default pan unused: the channel's pan holds
    out.u8(0);         // no random volume or pan
    out.u8(0);
    out.u16(trackerVersion);
    out.u8(1); // number of samples
    out.u8(0);
    out.text(in.name, 26);
    out.u8(0); // filter cut-off and resonance off
    out.u8(0);
    out.u8(0); // MIDI channel, program, bank
    out.u8(0xFF);
    out.u16(0xFFFF);
    for (int note = 0; note < 120; ++note) {
        out.u8(note);
        out.u8(sampleNumber);
    }
    writeEnvelope(out, in);
    writeUnusedEnvelope(out);
    writeUnusedEnvelope(out);
    out.zeros(4);
}

// Returns the offset of the sample-data pointer so it can be filled in later.
size_t writeSampleHeader(ByteBuffer& out, const ItSample& s) {
    out.u8('I');
    out.u8('M');
    out.u8('P');
    out.u8('S');
    out.text("", 12);
    out.u8(0);
    out.u8(64); // global volume
    int flags = 0x01 | 0x02 | (s.looped ? 0x10 : 0);
    out.u8(flags);
    out.u8(s.volume);
    out.text(s.name, 26);
    out.u8(0x01); // signed samples
    out.u8(32);   // default pan, unused
    out.u32((uint32_t)s.pcm.size());
    out.u32(s.looped ? s.loopStart : 0);
    out.u32(s.looped ? (uint32_t)s.pcm.size() : 0);
    out.u32(s.c5Speed);
    out.u32(0); // no sustain loop
    out.u32(0);
    size_t pointer = out.size();
    out.u32(0);
    out.u8(s.vibratoSpeed);
    out.u8(s.vibratoDepth);
    out.u8(0); // vibrato sweep: at once
    out.u8(0); // sine
    return pointer;
}

void writePattern(ByteBuffer& out, const ItPattern& p, int channels) {
    size_t start = out.size();
    out.u16(0); // packed length, patched below
    out.u16(p.rows);
    out.zeros(4);
    size_t dataStart = out.size();
    for (int row = 0; row < p.rows; ++row) {
        for (int c = 0; c < channels; ++c) {
            const ItCell& cell = p.cells[(size_t)row * channels + c];
            int mask = (cell.note != itNoNote ? 1 : 0) | (cell.instrument ? 2 : 0) |
                       (cell.volume >= 0 ? 4 : 0);
            if (!mask) continue;
            out.u8((c + 1) | 0x80);
            out.u8(mask);
            if (mask & 1) out.u8(cell.note);
            if (mask & 2) out.u8(cell.instrument);
            if (mask & 4) out.u8(cell.volume);
        }
        out.u8(0);
    }
    out.patch16(start, (int)(out.size() - dataStart));
}
} // namespace

bool encodeItModule(const ItModule& m, std::vector<uint8_t>& bytes) {
    int channels = (int)m.channels.size();
    if (channels < 1 || channels > 64 || m.orders.empty() || m.orders.size() > 255 ||
        m.instruments.size() > 99 || m.samples.size() != m.instruments.size() ||
        m.patterns.empty() || m.patterns.size() > 240)
        return false;
    for (const ItPattern& p : m.patterns)
        if (p.rows < 1 || p.rows > 200 || p.cells.size() != (size_t)p.rows * channels) return false;
    for (int o : m.orders)
        if (o < 0 || o >= (int)m.patterns.size()) return false;

    bytes.clear();
    ByteBuffer out(bytes);
    out.u8('I');
    out.u8('M');
    out.u8('P');
    out.u8('M');
    out.text(m.title, 26);
    out.u8(m.rowsPerBeat);
    out.u8(m.rowsPerBar);
    int orderCount = (int)m.orders.size() + 1; // the list ends with an end marker
    out.u16(orderCount);
    out.u16((int)m.instruments.size());
    out.u16((int)m.samples.size());
    out.u16((int)m.patterns.size());
    out.u16(trackerVersion);
    out.u16(trackerVersion);
    out.u16(0x01 | 0x04 | 0x08); // stereo, instruments, linear slides
    out.u16(0);                  // no message
    out.u8(m.globalVolume);
    out.u8(m.mixVolume);
    out.u8(m.speed);
    out.u8(m.tempo);
    out.u8(128); // stereo separation
    out.u8(0);
    out.u16(0); // message length and offset
    out.u32(0);
    out.u32(0);
    for (int c = 0; c < 64; ++c)
        out.u8(c < channels ? m.channels[(size_t)c].pan : 32 | 0x80);
    for (int c = 0; c < 64; ++c)
        out.u8(c < channels ? m.channels[(size_t)c].volume : 64);
    for (int o : m.orders)
        out.u8(o);
    out.u8(255);

    size_t instrumentTable = out.size();
    out.zeros(4 * m.instruments.size());
    size_t sampleTable = out.size();
    out.zeros(4 * m.samples.size());
    size_t patternTable = out.size();
    out.zeros(4 * m.patterns.size());

    for (size_t i = 0; i < m.instruments.size(); ++i) {
        out.patch32(instrumentTable + 4 * i, (uint32_t)out.size());
        writeInstrument(out, m.instruments[i], (int)i + 1);
    }
    std::vector<size_t> dataPointers;
    for (size_t i = 0; i < m.samples.size(); ++i) {
        out.patch32(sampleTable + 4 * i, (uint32_t)out.size());
        dataPointers.push_back(writeSampleHeader(out, m.samples[i]));
    }
    for (size_t i = 0; i < m.patterns.size(); ++i) {
        out.patch32(patternTable + 4 * i, (uint32_t)out.size());
        writePattern(out, m.patterns[i], channels);
    }
    for (size_t i = 0; i < m.samples.size(); ++i) {
        out.patch32(dataPointers[i], (uint32_t)out.size());
        for (int16_t v : m.samples[i].pcm)
            out.u16((uint16_t)v);
    }
    return true;
}

bool writeItModule(const ItModule& module, const char* gamePath) {
    std::vector<uint8_t> bytes;
    if (!encodeItModule(module, bytes)) return false;
    DataWriter out;
    if (!out.open(gamePath)) return false;
    if (!out.writeBytes(bytes.data(), bytes.size())) {
        out.abandon();
        return false;
    }
    return out.commit();
}
