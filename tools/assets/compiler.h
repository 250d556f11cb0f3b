#pragma once

#include <string>

// One kind of content: reads its sources under contentDir and writes its data
// files into the game folder (the working directory while compilers run).
using CompileFunction = bool (*)(const std::string& contentDir);

struct CompilerRegistration {
    CompilerRegistration(const char* name, CompileFunction function);
};

#define REGISTER_COMPILER(name, function)                                                          \
    static CompilerRegistration registration_##function(name, function)
