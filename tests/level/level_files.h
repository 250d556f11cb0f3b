#pragma once

// Small level files for the tests, written with the Bytes builder.
#include "level/animation_format.h"
#include "level/map.h"
#include "level/map_format.h"
#include "level/teardown.h"
#include "level/tileset_format.h"
#include "platform/log.h"
#include "support/test_env.h"
#include "text/data_file.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

// The bytes a format's own writer makes of a record.
template <typename Record, typename Writer> Bytes encoded(const Record& record, Writer write) {
    DataWriter out;
    write(out, record);
    return Bytes(out.bytes());
}

using SequenceSpec = AnimationFileSequence;
inline Bytes animationFile(const std::vector<SequenceSpec>& sequences) {
    return encoded(AnimationFile{sequences}, writeAnimationFile);
}

using TileSpec = TilesetEntry;
inline Bytes tilesetFile(const std::vector<TileSpec>& tiles) {
    return encoded(TilesetFile{tiles}, writeTilesetFile);
}

// A map written by the map file's writer, with what a damaged file may hold
// instead: another magic, or counts that disagree with the records.
struct MapSpec : MapFile {
    MapSpec() {
        name = "Test Stage";
        musicFile = "song.it";
        tilesetFile = "TEST.TLS";
        backgroundFile = "bg.bmp";
        startX = 40;
        startY = 64;
        timeCode = 1;
    }
    std::string magic = mapMagic;
    std::optional<int32_t> blockCountInFile;
    std::optional<int32_t> bonusCountInFile;

    Bytes bytes() const {
        std::vector<uint8_t> b = encoded(static_cast<const MapFile&>(*this), writeMapFile).data();
        std::copy(magic.begin(), magic.begin() + 4, b.begin());
        // The two counts stand right after the header texts and five numbers.
        size_t at = 4;
        for (const std::string* text : {&name, &musicFile, &tilesetFile, &backgroundFile})
            at += 4 + text->size();
        at += 5 * 4;
        patch(b, at, blockCountInFile);
        patch(b, at + 4, bonusCountInFile);
        return Bytes(b);
    }

private:
    static void patch(std::vector<uint8_t>& b, size_t at, std::optional<int32_t> value) {
        if (!value) return;
        for (int i = 0; i < 4; ++i)
            b[at + i] = (uint8_t)((uint32_t)*value >> (8 * i));
    }
};

// Frees whatever the level globals hold, so each test starts as a fresh run.
inline void resetLevelState() {
    gameLog.setEnabled(false);
    releaseGameData();
    currentMap.music.playing = false;
    currentMap.cameraX = currentMap.cameraY = 0;
}

// A fresh game folder and fresh level globals for every test.
class LevelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureHeadless();
        resetLevelState();
    }
    void TearDown() override { resetLevelState(); }
    TempGameDir dir;
};
