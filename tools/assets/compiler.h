#pragma once

#include <string>
#include <vector>

// One kind of content: reads its sources under contentDir and writes its data
// files into the game folder (the working directory while compilers run).
using CompileFunction = bool (*)(const std::string& contentDir);

struct RegisteredCompiler {
    const char* name;
    CompileFunction function;
};

// Every kind, in the order the compilers registered.
std::vector<RegisteredCompiler>& registeredCompilers();
// The compiler of one kind ("maps", "music"...), or null.
CompileFunction findCompiler(const char* name);

struct CompilerRegistration {
    CompilerRegistration(const char* name, CompileFunction function);
};

#define REGISTER_COMPILER(name, function)                                                          \
    static CompilerRegistration registration_##function(name, function)
