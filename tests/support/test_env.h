#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/input.h"
#include "platform/pad.h"
#include "platform/picture.h"

// Starts the game library headless once per test process (no window, no timer).
void ensureHeadless();
// The black picture that fades draw with, made if no test has loaded one.
void ensureDarkOverlay();

// A fresh temporary game folder that is the working directory while it lives.
class TempGameDir {
public:
    TempGameDir();
    ~TempGameDir();
    const std::string& path() const { return dir; }

private:
    std::string dir;
    std::string previous;
};

// Writes bytes to a file (folders created), relative to the working directory.
void writeFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> readFileBytes(const std::string& path);
std::string readFileText(const std::string& path);
bool fileExists(const std::string& path);
// The lines of a text file, such as the game's log.
std::vector<std::string> fileLines(const std::string& path);
// Saves a picture as a ".BMP" (folders created); and one of a single colour.
void savePicture(const std::string& path, const Picture& picture);
void writeSolidBitmap(const std::string& path, int width, int height, Colour colour);

// Runs a shell command; its exit status (-1 if it did not exit), with everything
// it printed on either stream kept in `output`.
int runCommand(const std::string& command, std::string& output);
// The folder of the built programs: $TUMBLO_TOOLS_DIR, else build/tools.
std::string toolsDir();
// Runs tumblo-tool with `arguments` as runCommand does.
int runGameTool(const std::string& arguments, std::string& output);

// Works in `dir` for as long as it lives; `ok` says whether it got there.
class InDir {
public:
    explicit InDir(const std::string& dir);
    ~InDir();
    bool ok;

private:
    std::string previous;
};

// Builds the little-endian binary files of the game in memory.
class Bytes {
public:
    Bytes() = default;
    explicit Bytes(std::vector<uint8_t> from) : bytes(std::move(from)) {}
    Bytes& i32(int32_t v);
    Bytes& str(const std::string& s);
    Bytes& raw(const std::string& s);
    Bytes& byte(uint8_t b);
    const std::vector<uint8_t>& data() const { return bytes; }
    std::vector<uint8_t> truncated(size_t size) const;

private:
    std::vector<uint8_t> bytes;
};

// Drives screens tick by tick: after every presented frame the script runs with
// the frame's number (from 0) and one tick is added, as a 60 Hz clock would.
class FrameDriver {
public:
    using Script = std::function<void(int frame)>;
    explicit FrameDriver(Script script, int ticksPerFrame = 1);
    ~FrameDriver();
    int frames() const { return *count; }

private:
    std::shared_ptr<int> count;
};
