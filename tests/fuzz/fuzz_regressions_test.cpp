// Every input that ever crashed, hung or failed a fuzz target is kept under
// tests/fuzz/regressions/<target>/ and run again here, through the same entry,
// built as the game is.
#include "fuzz/fuzz_entries.h"
#include "support/test_env.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace {
namespace fs = std::filesystem;
const fs::path regressions = fs::path(TUMBLO_TESTS_DIR) / "fuzz" / "regressions";
} // namespace

TEST(FuzzRegressions, EveryKeptInputRunsCleanThroughItsTarget) {
    ensureHeadless();
    size_t count = 0;
    const FuzzEntry* entries = fuzzEntries(count);
    std::set<std::string> names;
    int replayed = 0;
    for (size_t i = 0; i < count; ++i) {
        names.insert(entries[i].name);
        // The seeds a target makes itself are inputs it must take too.
        if (entries[i].seeds)
            for (const auto& [name, bytes] : entries[i].seeds()) {
                EXPECT_TRUE(entries[i].run(bytes.data(), bytes.size())) << name;
                ++replayed;
            }
        fs::path folder = regressions / entries[i].name;
        std::error_code ec;
        for (const auto& file : fs::directory_iterator(folder, ec)) {
            if (!file.is_regular_file()) continue;
            std::vector<uint8_t> bytes = readFileBytes(file.path().string());
            EXPECT_TRUE(entries[i].run(bytes.data(), bytes.size())) << file.path();
            ++replayed;
        }
    }
    // A folder named after no target would be kept and never run.
    std::error_code ec;
    for (const auto& folder : fs::directory_iterator(regressions, ec)) {
        if (!folder.is_directory()) continue;
        EXPECT_TRUE(names.count(folder.path().filename().string()))
            << folder.path() << " names no fuzz target";
    }
    RecordProperty("replayed", replayed);
}
