#include "level/tileset.h"
#include "level_files.h"

#include <gtest/gtest.h>

using TilesetTest = LevelTest;

TEST_F(TilesetTest, DamagedFilesAreRefusedAndTheTilesInPlayStay) {
    writeFileBytes("DATA/ANIM.ANM", animationFile({{{0, 1}, {3, 3}, 0, 0}}).data());
    writeFileBytes("DATA/T.TLS", tilesetFile({{"a.bmp", "", 16, 16},
                                              {"a.bmp", "DATA\\ANIM.ANM", 8, 24},
                                              {"a.bmp", "DATA\\GONE.ANM", 16, 16}})
                                     .data());
    ASSERT_TRUE(loadTileset("T.TLS"));
    ASSERT_EQ(currentMap.tileCount, 3);
    EXPECT_FALSE(currentMap.tiles[0].animation.loaded);
    EXPECT_TRUE(currentMap.tiles[1].animation.loaded);
    EXPECT_EQ(currentMap.tiles[1].width, 8);
    EXPECT_EQ(currentMap.tiles[1].height, 24);
    EXPECT_FALSE(currentMap.tiles[2].animation.loaded); // reported, the tileset still loads
    const TileObject* tiles = currentMap.tiles.get();

    Bytes good = tilesetFile({{"a.bmp", "", 16, 16}});
    const std::vector<std::vector<uint8_t>> bad = {
        good.truncated(good.data().size() - 2),
        tilesetFile({{"a.bmp", "", 0, 16}}).data(),
        tilesetFile({{"a.bmp", "", 16, -1}}).data(),
        tilesetFile({{std::string(80, 'a'), "", 16, 16}}).data(),
        Bytes().i32(-1).data(),
        Bytes().i32(1 << 30).data(),
    };
    for (const auto& bytes : bad) {
        writeFileBytes("DATA/BAD.TLS", bytes);
        EXPECT_FALSE(loadTileset("BAD.TLS"));
        EXPECT_EQ(currentMap.tiles.get(), tiles);
        EXPECT_EQ(currentMap.tileCount, 3);
    }
    EXPECT_FALSE(loadTileset("NONE.TLS"));
    writeFileBytes("DATA/EMPTY.TLS", Bytes().i32(0).data());
    EXPECT_TRUE(loadTileset("EMPTY.TLS"));
    EXPECT_EQ(currentMap.tileCount, 0);
}
