#pragma once

#include "platform/atomic_file.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// A binary data file opened for reading, or bytes already in memory. A read past
// the end (or a string longer than its buffer) yields 0 or an empty text and
// marks the stream failed, so a loader can refuse a short or damaged file
// instead of running on garbage.
class DataReader {
public:
    DataReader() = default;
    explicit DataReader(const char* gamePath) { open(gamePath); }
    // Reads a copy of `bytes`: tests and tools parse without files or globals.
    explicit DataReader(std::vector<uint8_t> bytes);
    DataReader(const DataReader&) = delete;
    DataReader& operator=(const DataReader&) = delete;
    ~DataReader() { close(); }

    // A game path, resolved in the game's folders.
    bool open(const char* gamePath);
    // A path of the operating system, taken as it is (the tool's command line).
    bool openSystemPath(const std::string& path);
    bool isOpen() const { return file != nullptr || inMemory; }
    void close();
    bool failed() const { return hasFailed; }
    void markFailed() { hasFailed = true; }
    // Reads exactly `size` bytes or fails (the missing bytes are zero).
    bool readBytes(void* out, size_t size);
    // The size of the whole file in bytes, or -1.
    long size();

private:
    bool openResolved(const std::string& path);

    std::FILE* file = nullptr;
    bool inMemory = false;
    std::vector<uint8_t> memory;
    size_t position = 0;
    bool hasFailed = false;
};

// A binary data file written through a temporary file; nothing replaces the old
// file until `commit` has succeeded. A writer that was never opened collects the
// bytes in memory instead (tests, tools).
class DataWriter {
public:
    bool open(const char* gamePath) { return out.open(gamePath); }
    bool isOpen() const { return out.isOpen(); }
    bool writeBytes(const void* data, size_t size);
    bool commit() { return out.commit(); }
    void abandon() { out.abandon(); }
    // What was written while no file was open.
    const std::vector<uint8_t>& bytes() const { return memory; }

private:
    AtomicFile out;
    std::vector<uint8_t> memory;
};

// The strings of the data files hold at most 79 bytes (80-byte buffers).
constexpr int maxStringLength = 79;

int32_t readInt32(DataReader& stream);
bool readBool(DataReader& stream);
// Reads a length-prefixed string into `destination` (capacity bytes, terminator
// included). A negative length or one that does not fit fails the stream and
// leaves an empty text.
void readString(char* destination, DataReader& stream, int capacity = maxStringLength + 1);
// One byte, 0 past the end.
uint8_t readByte(DataReader& stream);

void writeInt32(DataWriter& stream, int32_t value);
void writeBool(DataWriter& stream, bool flag);
void writeString(DataWriter& stream, const char* text);
void writeByte(DataWriter& stream, uint8_t value);
