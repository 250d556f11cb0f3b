#include "text/data_file.h"

#include "platform/paths.h"

#include <algorithm>
#include <cstring>

DataReader::DataReader(std::vector<uint8_t> bytes) : inMemory(true), memory(std::move(bytes)) {}

bool DataReader::open(const char* gamePath) {
    return openResolved(resolvePath(gamePath));
}

bool DataReader::openSystemPath(const std::string& path) {
    return openResolved(path);
}

bool DataReader::openResolved(const std::string& path) {
    close();
    hasFailed = false;
    file = std::fopen(path.c_str(), "rb");
    if (file) {
        // A folder opens on Linux but cannot be read; treat it as missing.
        int c = std::fgetc(file);
        if (c == EOF && std::ferror(file)) {
            std::fclose(file);
            file = nullptr;
        } else if (c != EOF) {
            std::ungetc(c, file);
        }
    }
    return file != nullptr;
}

void DataReader::close() {
    if (file) std::fclose(file);
    file = nullptr;
    inMemory = false;
    memory.clear();
    position = 0;
}

bool DataReader::readBytes(void* out, size_t size) {
    size_t got = 0;
    if (file) {
        got = std::fread(out, 1, size, file);
    } else if (inMemory) {
        got = std::min(size, memory.size() - position);
        if (got) std::memcpy(out, memory.data() + position, got);
        position += got;
    }
    if (got < size) {
        std::memset(static_cast<char*>(out) + got, 0, size - got);
        hasFailed = true;
        return false;
    }
    return true;
}

long DataReader::size() {
    if (inMemory) return (long)memory.size();
    if (!file) return -1;
    long here = std::ftell(file);
    if (std::fseek(file, 0, SEEK_END) != 0) return -1;
    long end = std::ftell(file);
    std::fseek(file, here, SEEK_SET);
    return end;
}

bool DataWriter::writeBytes(const void* data, size_t size) {
    if (out.isOpen()) return out.write(data, size);
    const uint8_t* p = static_cast<const uint8_t*>(data);
    memory.insert(memory.end(), p, p + size);
    return true;
}

int32_t readInt32(DataReader& stream) {
    uint8_t b[4];
    stream.readBytes(b, 4);
    return (int32_t)((uint32_t)b[0] | (uint32_t)b[1] << 8 | (uint32_t)b[2] << 16 |
                     (uint32_t)b[3] << 24);
}

bool readBool(DataReader& stream) {
    return readInt32(stream) == 1;
}

void readString(char* destination, DataReader& stream, int capacity) {
    int32_t length = readInt32(stream);
    destination[0] = '\0';
    if (stream.failed()) return;
    if (length < 0 || length > capacity - 1) {
        stream.markFailed();
        return;
    }
    stream.readBytes(destination, (size_t)length);
    destination[length] = '\0';
}

uint8_t readByte(DataReader& stream) {
    uint8_t b = 0;
    stream.readBytes(&b, 1);
    return b;
}

void writeInt32(DataWriter& stream, int32_t value) {
    uint32_t v = (uint32_t)value;
    uint8_t b[4] = {(uint8_t)v, (uint8_t)(v >> 8), (uint8_t)(v >> 16), (uint8_t)(v >> 24)};
    stream.writeBytes(b, 4);
}

void writeBool(DataWriter& stream, bool flag) {
    writeInt32(stream, flag ? 1 : 0);
}

void writeString(DataWriter& stream, const char* text) {
    size_t length = std::strlen(text);
    writeInt32(stream, (int32_t)length);
    stream.writeBytes(text, length);
}

void writeByte(DataWriter& stream, uint8_t value) {
    stream.writeBytes(&value, 1);
}
