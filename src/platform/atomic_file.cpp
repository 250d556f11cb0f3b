#include "platform/atomic_file.h"

#include "platform/paths.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

bool AtomicFile::open(const char* gamePath) {
    abandon();
    finalPath = resolveWritePath(gamePath);
    if (finalPath.empty()) return false;
    size_t slash = finalPath.rfind('/');
    std::string dir = slash == std::string::npos ? "" : finalPath.substr(0, slash + 1);
    std::string base = slash == std::string::npos ? finalPath : finalPath.substr(slash + 1);
    tempPath = dir + "." + base + ".tmp-XXXXXX";
    int fd = mkstemp(tempPath.data());
    if (fd < 0) {
        tempPath.clear();
        return false;
    }
    fchmod(fd, 0644);
    file = fdopen(fd, "wb");
    if (!file) {
        ::close(fd);
        unlink(tempPath.c_str());
        tempPath.clear();
        return false;
    }
    writeFailed = false;
    return true;
}

bool AtomicFile::write(const void* data, size_t size) {
    if (!file) return false;
    if (size && std::fwrite(data, 1, size, file) != size) writeFailed = true;
    return !writeFailed;
}

bool AtomicFile::commit() {
    if (!file) return false;
    bool ok = !writeFailed && std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    ok = (std::fclose(file) == 0) && ok;
    file = nullptr;
    if (ok) ok = std::rename(tempPath.c_str(), finalPath.c_str()) == 0;
    if (!ok) unlink(tempPath.c_str());
    tempPath.clear();
    return ok;
}

void AtomicFile::abandon() {
    if (file) {
        std::fclose(file);
        file = nullptr;
    }
    if (!tempPath.empty()) unlink(tempPath.c_str());
    tempPath.clear();
}
