#pragma once

// Runs the asset compiler on a small content folder written by a test, into the
// test's temporary game folder (the working directory).
#include "support/test_env.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

class ContentRun {
public:
    ContentRun() {
        char pattern[] = "/tmp/tumblo-content-XXXXXX";
        contentDir = mkdtemp(pattern);
        const char* shipped = std::getenv("TUMBLO_CONTENT_DIR");
        std::filesystem::copy_file(std::string(shipped ? shipped : "content") + "/palette.txt",
                                   contentDir + "/palette.txt");
    }
    ~ContentRun() {
        std::error_code ec;
        std::filesystem::remove_all(contentDir, ec);
    }
    void write(const std::string& relative, const std::string& text) {
        std::filesystem::path p = contentDir + "/" + relative;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p) << text;
    }
    // Compiles the given kinds into the working directory; the exit status, with
    // everything printed kept in `output`.
    int compile(const std::string& kinds) {
        return runCommand(toolsDir() + "/tumblo-assets " + contentDir + " " +
                              std::filesystem::current_path().string() + " " + kinds,
                          output);
    }
    bool said(const std::string& message) const {
        return output.find(message) != std::string::npos;
    }
    std::string contentDir;
    std::string output;
};
