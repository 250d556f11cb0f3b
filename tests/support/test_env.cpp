#include "support/test_env.h"
#include "ui/message_screen.h"

#include "platform/bitmap_file.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/headless.h"
#include "platform/input.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

void ensureHeadless() {
    static bool started = false;
    if (started) return;
    started = initHeadlessGraphics();
    if (!started) std::abort();
    // Loaders' messages must not wait for a press in tests that do not drive
    // frames; the screen tests switch this off while they drive the message.
    messagesToStderr = true;
}

void ensureDarkOverlay() {
    if (darkOverlay) return;
    darkOverlay = Picture::create(320, 240);
    clearPicture(darkOverlay, colourOf(0, 0, 0));
}

TempGameDir::TempGameDir() {
    char buffer[4096];
    previous = getcwd(buffer, sizeof buffer) ? buffer : ".";
    char pattern[] = "/tmp/tumblo-test-XXXXXX";
    dir = mkdtemp(pattern);
    if (chdir(dir.c_str()) != 0) std::abort();
}

TempGameDir::~TempGameDir() {
    if (chdir(previous.c_str()) != 0) std::abort();
    std::error_code ec;
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(dir, ec);
}

void writeFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::filesystem::path p(path);
    if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), (std::streamsize)bytes.size());
}

std::vector<uint8_t> readFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::string readFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool fileExists(const std::string& path) {
    return std::filesystem::exists(path);
}

std::vector<std::string> fileLines(const std::string& path) {
    std::istringstream in(readFileText(path));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

void savePicture(const std::string& path, const Picture& picture) {
    writeFileBytes(path, {});
    saveBitmapFile(picture, path);
}

void writeSolidBitmap(const std::string& path, int width, int height, Colour colour) {
    Picture b = Picture::create(width, height);
    clearPicture(b, colour);
    savePicture(path, b);
}

int runCommand(const std::string& command, std::string& output) {
    output.clear();
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return -1;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string toolsDir() {
    const char* tools = std::getenv("TUMBLO_TOOLS_DIR");
    return tools ? tools : "build/tools";
}

int runGameTool(const std::string& arguments, std::string& output) {
    return runCommand(toolsDir() + "/tumblo-tool " + arguments, output);
}

InDir::InDir(const std::string& dir) {
    char buffer[4096];
    previous = getcwd(buffer, sizeof buffer) ? buffer : ".";
    ok = chdir(dir.c_str()) == 0;
}

InDir::~InDir() {
    if (chdir(previous.c_str()) != 0) std::abort();
}

Bytes& Bytes::i32(int32_t v) {
    for (int i = 0; i < 4; ++i)
        bytes.push_back((uint8_t)((uint32_t)v >> (8 * i)));
    return *this;
}

Bytes& Bytes::str(const std::string& s) {
    i32((int32_t)s.size());
    return raw(s);
}

Bytes& Bytes::raw(const std::string& s) {
    bytes.insert(bytes.end(), s.begin(), s.end());
    return *this;
}

Bytes& Bytes::byte(uint8_t b) {
    bytes.push_back(b);
    return *this;
}

std::vector<uint8_t> Bytes::truncated(size_t size) const {
    return std::vector<uint8_t>(bytes.begin(), bytes.begin() + (long)std::min(size, bytes.size()));
}

FrameDriver::FrameDriver(Script script, int ticksPerFrame) : count(std::make_shared<int>(0)) {
    ensureHeadless();
    gameTicks = 0;
    std::shared_ptr<int> frames = count;
    setFrameHook([frames, script, ticksPerFrame]() {
        script((*frames)++);
        gameTicks += ticksPerFrame;
    });
    startGameTimer(ticksPerSecond);
}

FrameDriver::~FrameDriver() {
    setFrameHook(nullptr);
    stopGameTimer();
    releaseSimulatedKeys();
    simulateJoystick(0);
}
