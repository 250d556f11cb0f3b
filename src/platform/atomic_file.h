#pragma once

#include <cstdio>
#include <string>

// A file written beside its final place and renamed over it only when complete,
// so a crash or a full disk never leaves a half-written file behind.
class AtomicFile {
public:
    AtomicFile() = default;
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;
    ~AtomicFile() { abandon(); }

    // Starts a temporary file in the folder the game path resolves to.
    bool open(const char* gamePath);
    bool isOpen() const { return file != nullptr; }
    bool write(const void* data, size_t size);
    // Flushes, syncs and renames into place; false (old file kept) on any failure.
    bool commit();
    // Drops the temporary file; the old file stays as it was.
    void abandon();

private:
    std::FILE* file = nullptr;
    std::string tempPath;
    std::string finalPath;
    bool writeFailed = false;
};

// A failing disk, for tests and the monkey: the steps of every save are counted
// from this call on (opening the temporary file, each write, the flush and sync,
// the rename into place), and step `n` (from 1) fails as a full or broken disk
// would, once; 0 fails nothing.
enum class FileStep { None, Open, Write, Sync, Rename };
void failFileStep(int n);
// The kind of the step that was made to fail since the last failFileStep, or None.
FileStep failedFileStep();
