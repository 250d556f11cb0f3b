#include "fuzz/fuzz_entries.h"

#include "assets/compiler.h"
#include "assets/map_source.h"
#include "assets/palette.h"
#include "edit/stage_faults.h"
#include "game/demo_format.h"
#include "game/demo_text.h"
#include "level/animation_format.h"
#include "level/map_format.h"
#include "level/tileset_format.h"
#include "platform/bitmap_file.h"
#include "platform/bmp_decode.h"
#include "platform/display.h"
#include "platform/sound_mixer.h"
#include "platform/wav_encodings.h"
#include "platform/wav_file.h"
#include "progress/controls.h"
#include "progress/ghost_format.h"
#include "progress/options.h"
#include "progress/par_times.h"
#include "progress/records_format.h"
#include "progress/settings.h"
#include "progress/stage_set_format.h"
#include "progress/statistics.h"
#include "progress/unlock_data.h"
#include "text/data_file.h"
#include "text/font_format.h"
#include "ui/message_screen.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {
namespace fs = std::filesystem;

DataReader readerOf(const uint8_t* data, size_t size) {
    return DataReader(std::vector<uint8_t>(data, data + size));
}

// What a reader accepted, written and read again, must come out the same: the
// writer can say everything the reader lets through.
template <class File, class Read, class Write>
bool survivesRewriting(const File& accepted, Read read, Write write) {
    DataWriter once;
    write(once, accepted);
    DataReader in(once.bytes());
    File again;
    if (!read(in, again)) return false;
    DataWriter twice;
    write(twice, again);
    return once.bytes() == twice.bytes();
}

template <class File, class Read, class Write>
bool readAndRewrite(const uint8_t* data, size_t size, Read read, Write write) {
    DataReader in = readerOf(data, size);
    File file;
    return !read(in, file) || survivesRewriting(file, read, write);
}

bool map(const uint8_t* data, size_t size) {
    DataReader names = readerOf(data, size);
    std::string name;
    readMapFileName(names, name);
    return readAndRewrite<MapFile>(data, size, readMapFile, writeMapFile);
}

bool tileset(const uint8_t* data, size_t size) {
    return readAndRewrite<TilesetFile>(data, size, readTilesetFile, writeTilesetFile);
}

bool animation(const uint8_t* data, size_t size) {
    return readAndRewrite<AnimationFile>(data, size, readAnimationFile, writeAnimationFile);
}

bool font(const uint8_t* data, size_t size) {
    return readAndRewrite<FontFile>(data, size, readFontFile, writeFontFile);
}

bool stageSet(const uint8_t* data, size_t size) {
    DataReader header = readerOf(data, size);
    StageSetHeader h;
    readStageSetHeader(header, h);
    return readAndRewrite<StageSetFile>(data, size, readStageSetFile, writeStageSetFile);
}

// The first two bytes stand for the set the data belongs to: its stage and
// group counts, within the limits a stage set file is held to.
bool unlock(const uint8_t* data, size_t size) {
    if (size < 2) return true;
    DataReader in = readerOf(data + 2, size - 2);
    UnlockData out;
    readUnlockData(in, data[0] % (maxStages + 1), data[1] % (maxGroups + 1), out);
    return true;
}

bool settingsFile(const uint8_t* data, size_t size) {
    DataReader in = readerOf(data, size);
    Settings out;
    readSettings(in, out);
    return true;
}

// What the bindings file gives must come back the same through the file.
bool controlsFile(const uint8_t* data, size_t size) {
    std::vector<std::string> problems;
    Bindings read = parseControls(std::string((const char*)data, size), problems);
    std::vector<std::string> again;
    return parseControls(formatControls(read), again) == read && again.empty();
}

// The player's best times: what reads comes back the same through the file.
bool recordsFile(const uint8_t* data, size_t size) {
    std::vector<std::string> problems, again;
    RecordsFile read = parseRecords(std::string((const char*)data, size), "DEFAULT.txt", problems);
    return parseRecords(formatRecords(read, "DEFAULT.STG"), "DEFAULT.txt", again) == read &&
           again.empty();
}

bool ghost(const uint8_t* data, size_t size) {
    return readAndRewrite<GhostFile>(data, size, readGhostFile, writeGhostFile);
}

bool optionsFile(const uint8_t* data, size_t size) {
    std::vector<std::string> problems, again;
    Options read = parseOptions(std::string((const char*)data, size), problems);
    return parseOptions(formatOptions(read), again) == read && again.empty();
}

bool parTimesFile(const uint8_t* data, size_t size) {
    std::vector<std::string> problems, again;
    ParTimes read = parseParTimes(std::string((const char*)data, size), problems);
    return parseParTimes(formatParTimes(read), again) == read && again.empty();
}

bool statisticsFile(const uint8_t* data, size_t size) {
    DataReader in = readerOf(data, size);
    Statistics out;
    readStatistics(in, out);
    return true;
}

void writeDemo(DataWriter& out, const DemoFile& demo) {
    writeDemoFile(out, demo.header, demo.steering.data(), demo.steering.size());
}

bool demo(const uint8_t* data, size_t size) {
    return readAndRewrite<DemoFile>(data, size, readDemoFile, writeDemo);
}

// A demo source that reads is printed back as one that reads the same.
bool demoText(const uint8_t* data, size_t size) {
    DemoFile first, second;
    std::string error;
    if (!demoFromText(std::string(data, data + size), first, error)) return true;
    std::string printed = demoToText(first);
    return demoFromText(printed, second, error) && demoToText(second) == printed;
}

bool wav(const uint8_t* data, size_t size) {
    std::vector<int16_t> frames;
    decodeWav(data, size, 44100, frames);
    decodeWav(data, size, 22050, frames);
    return true;
}

// A module that loads is played for a moment, as the game would.
bool song(const uint8_t* data, size_t size) {
    SoundMixer mixer;
    mixer.start(44100, 4);
    int id = mixer.loadSong(data, size);
    if (id < 0) return true;
    mixer.playSong(id);
    std::vector<int16_t> out(2 * 1024);
    for (int i = 0; i < 4; ++i)
        mixer.render(out.data(), 1024);
    mixer.freeSong(id);
    return true;
}

// The loader hands classic files to Allegro and decodes the rest itself; either
// way the picture must be what the decoder makes of the file.
bool bmp(const uint8_t* data, size_t size) {
    Picture loaded = bitmapFromBmp(data, size);
    BmpPicture picture;
    bool decoded = decodeBmp(data, size, picture);
    bool same = decoded == (bool)loaded;
    if (same && loaded) {
        same = loaded.width() == picture.width && loaded.height() == picture.height &&
               pictureRowBytes(loaded) == (size_t)loaded.width() * 2;
        for (int y = 0; same && y < picture.height; ++y)
            for (int x = 0; same && x < picture.width; ++x) {
                uint32_t c = picture.at(x, y);
                Colour expected = c >> 24 == 0 ? transparentColour()
                                               : colourOf((c >> 16) & 255, (c >> 8) & 255, c & 255);
                same = pixelAt(loaded, x, y) == expected;
            }
    }
    return same;
}

// The asset compiler's text sources: the input becomes the one source of its
// kind in a content folder of its own and is compiled as `tumblo-assets` would;
// what compiles must be a file the game reads.
struct SourceKind {
    const char* compiler;
    const char* source; // below the content folder
    const char* output; // below the game folder
    bool withTilesets;  // maps name the tiles of the shipped tilesets
    bool (*gameReads)(const std::vector<uint8_t>& output);
};

std::string& scratchRoot() {
    static std::string root;
    return root;
}

void removeScratch() {
    std::error_code ec;
    if (!scratchRoot().empty()) fs::remove_all(scratchRoot(), ec);
}

// A folder for one kind, made on first use, removed when the process ends.
std::string scratchFolder(const char* kind) {
    if (scratchRoot().empty()) {
        char pattern[] = "/tmp/tumblo-fuzz-XXXXXX";
        if (!mkdtemp(pattern)) return {};
        scratchRoot() = pattern;
        std::atexit(removeScratch);
        loadGamePalette(TUMBLO_CONTENT_DIR);
    }
    return scratchRoot() + "/" + kind;
}

bool readWhole(const std::string& path, std::vector<uint8_t>& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool compileSource(const SourceKind& kind, const uint8_t* data, size_t size) {
    std::string dir = scratchFolder(kind.compiler);
    if (dir.empty()) return true; // no scratch space: nothing to learn
    std::string content = dir + "/content", game = dir + "/game";
    std::error_code ec;
    if (!fs::exists(game)) {
        for (const char* sub :
             {"DATA/UNLOCK", "DEMOS", "BITMAP/GENERAL", "BITMAP/BG", "MUSIC", "SOUND"})
            fs::create_directories(game + "/" + sub, ec);
        fs::create_directories(fs::path(content + "/" + kind.source).parent_path(), ec);
        fs::copy_file(std::string(TUMBLO_CONTENT_DIR) + "/palette.txt", content + "/palette.txt",
                      ec);
        if (kind.withTilesets)
            fs::copy(std::string(TUMBLO_CONTENT_DIR) + "/tilesets", content + "/tilesets",
                     fs::copy_options::recursive, ec);
    }
    {
        std::ofstream source(content + "/" + kind.source, std::ios::binary | std::ios::trunc);
        source.write((const char*)data, (std::streamsize)size);
    }
    std::string output = game + "/" + kind.output;
    fs::remove(output, ec);
    char here[4096];
    if (!getcwd(here, sizeof here) || chdir(game.c_str()) != 0) return true;
    bool compiled = findCompiler(kind.compiler)(content);
    bool back = chdir(here) == 0;
    std::vector<uint8_t> bytes;
    return back && (!compiled || (readWhole(output, bytes) && kind.gameReads(bytes)));
}

template <class File, bool (*Read)(DataReader&, File&)>
bool gameReadsFile(const std::vector<uint8_t>& bytes) {
    DataReader in(bytes);
    File file;
    return Read(in, file);
}

bool gameReadsPicture(const std::vector<uint8_t>& bytes) {
    return (bool)bitmapFromBmp(bytes.data(), bytes.size());
}

bool gameReadsSong(const std::vector<uint8_t>& bytes) {
    SoundMixer mixer;
    mixer.start(44100, 4);
    return mixer.loadSong(bytes.data(), bytes.size()) >= 0;
}

const SourceKind mapSourceKind{"maps", "maps/fuzz.txt", "DATA/FUZZ.MAP", true,
                               gameReadsFile<MapFile, readMapFile>};
const SourceKind tilesetSourceKind{"tilesets", "tilesets/fuzz.txt", "DATA/FUZZ.TLS", false,
                                   gameReadsFile<TilesetFile, readTilesetFile>};
const SourceKind animationSourceKind{"animations", "animations/fuzz.txt", "DATA/FUZZ.ANM", false,
                                     gameReadsFile<AnimationFile, readAnimationFile>};
const SourceKind pixelSourceKind{"bitmaps", "bitmaps/GENERAL/fuzz.pix", "BITMAP/GENERAL/fuzz.bmp",
                                 false, gameReadsPicture};
const SourceKind musicSourceKind{"music", "music/fuzz.txt", "MUSIC/FUZZ.IT", false, gameReadsSong};

bool mapSource(const uint8_t* data, size_t size) {
    return compileSource(mapSourceKind, data, size);
}
// The stage editor's reading of a source (an opened stage, its autosave): any
// text loads what it can, the faults before a search are named without a
// crash, and a source read whole is written back to the same text.
bool stageSource(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    StageSource stage;
    std::vector<SourceFault> faults;
    parseStageSource(text, stage, faults);
    stageFault(stage);
    std::string written = writeStageSource(stage);
    bool whole = faults.empty() && stage.hasName && stage.hasTune && stage.hasTileset &&
                 stage.hasBackground && stage.hasTime && stage.hasStart && stage.gridLine &&
                 !text.empty() && text.back() == '\n' && text.find('\r') == std::string::npos;
    return !whole || written == text;
}
bool tilesetSource(const uint8_t* data, size_t size) {
    return compileSource(tilesetSourceKind, data, size);
}
bool animationSource(const uint8_t* data, size_t size) {
    return compileSource(animationSourceKind, data, size);
}
bool pixelSource(const uint8_t* data, size_t size) {
    return compileSource(pixelSourceKind, data, size);
}
bool musicSource(const uint8_t* data, size_t size) {
    return compileSource(musicSourceKind, data, size);
}

const FuzzEntry entries[] = {
    {"map", map},
    {"tileset", tileset},
    {"animation", animation},
    {"font", font},
    {"stageset", stageSet},
    {"unlock", unlock},
    {"settings", settingsFile},
    {"statistics", statisticsFile},
    {"controls", controlsFile},
    {"records", recordsFile},
    {"ghost", ghost},
    {"options", optionsFile},
    {"partimes", parTimesFile},
    {"demo", demo},
    {"demo-text", demoText},
    {"wav", wav, wav_encodings::otherProgramsSounds},
    {"song", song},
    {"bmp", bmp},
    {"map-source", mapSource},
    {"stage-source", stageSource},
    {"tileset-source", tilesetSource},
    {"animation-source", animationSource},
    {"pixel-source", pixelSource},
    {"music-source", musicSource},
};
} // namespace

void startFuzzPlatform() {
    static bool started = false;
    if (started) return;
    started = initHeadlessGraphics();
    if (!started) std::abort();
    messagesToStderr = true;
}

const FuzzEntry* fuzzEntries(size_t& count) {
    count = std::size(entries);
    return entries;
}

const FuzzEntry* findFuzzEntry(const char* name) {
    for (const FuzzEntry& e : entries)
        if (std::strcmp(e.name, name) == 0) return &e;
    return nullptr;
}
