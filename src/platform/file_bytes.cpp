#include "platform/file_bytes.h"

#include <cstdio>

bool readFileBytes(const std::string& path, long maxBytes, std::vector<uint8_t>& bytes) {
    bytes.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    bool ok = std::fseek(file, 0, SEEK_END) == 0;
    long size = ok ? std::ftell(file) : -1;
    ok = ok && size > 0 && size <= maxBytes && std::fseek(file, 0, SEEK_SET) == 0;
    if (ok) {
        bytes.resize((size_t)size);
        ok = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    }
    std::fclose(file);
    if (!ok) bytes.clear();
    return ok;
}
