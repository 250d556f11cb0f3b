#pragma once

#include "platform/atomic_file.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

inline std::ostream& operator<<(std::ostream& out, FileStep step) {
    const char* names[] = {"none", "open", "write", "sync", "rename"};
    return out << names[(int)step];
}

// Runs `save` with its first file step failing, then its second, and so on,
// calling `afterFailure(step)` after each, until a run gets through without
// reaching the step armed to fail: that last run is the save on a disk that
// works again. Returns the steps that failed, in order.
template <typename Save, typename Check>
std::vector<FileStep> failEachStepOf(Save save, Check afterFailure) {
    std::vector<FileStep> failed;
    for (int n = 1; n < 100000; ++n) {
        failFileStep(n);
        save();
        FileStep step = failedFileStep();
        failFileStep(0);
        if (step == FileStep::None) break;
        failed.push_back(step);
        afterFailure(step);
    }
    return failed;
}

// The steps of a save that opens, writes `writes` times, syncs and renames.
inline std::vector<FileStep> saveSteps(int writes) {
    std::vector<FileStep> steps{FileStep::Open};
    steps.insert(steps.end(), (size_t)writes, FileStep::Write);
    steps.push_back(FileStep::Sync);
    steps.push_back(FileStep::Rename);
    return steps;
}

// Temporary files of unfinished saves left in a folder and its subfolders.
inline std::vector<std::string> leftOverTemporaryFiles(const std::string& folder = ".") {
    std::vector<std::string> found;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        std::string name = it->path().filename().string();
        if (name.find(".tmp-") != std::string::npos) found.push_back(it->path().string());
    }
    return found;
}
