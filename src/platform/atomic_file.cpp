#include "platform/atomic_file.h"

#include "platform/paths.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {
int stepsBeforeFailure = 0; // 0: no failure armed
FileStep failed = FileStep::None;

// Counts a step; true when it is the one armed to fail.
bool stepFails(FileStep step) {
    if (stepsBeforeFailure == 0 || --stepsBeforeFailure > 0) return false;
    failed = step;
    errno = ENOSPC;
    return true;
}
} // namespace

void failFileStep(int n) {
    stepsBeforeFailure = n > 0 ? n : 0;
    failed = FileStep::None;
}

FileStep failedFileStep() {
    return failed;
}

bool AtomicFile::open(const char* gamePath) {
    abandon();
    finalPath = resolveWritePath(gamePath);
    if (finalPath.empty() || stepFails(FileStep::Open)) return false;
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
    if (writeFailed) return false;
    if (stepFails(FileStep::Write)) {
        // A full disk takes part of what it is given.
        std::fwrite(data, 1, size / 2, file);
        writeFailed = true;
    } else if (size && std::fwrite(data, 1, size, file) != size) {
        writeFailed = true;
    }
    return !writeFailed;
}

bool AtomicFile::commit() {
    if (!file) return false;
    bool ok = !writeFailed && !stepFails(FileStep::Sync) && std::fflush(file) == 0 &&
              fsync(fileno(file)) == 0;
    ok = (std::fclose(file) == 0) && ok;
    file = nullptr;
    if (ok)
        ok = !stepFails(FileStep::Rename) && std::rename(tempPath.c_str(), finalPath.c_str()) == 0;
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
