#include "assets/compiler.h"

#include <cstring>

std::vector<RegisteredCompiler>& registeredCompilers() {
    static std::vector<RegisteredCompiler> list;
    return list;
}

CompilerRegistration::CompilerRegistration(const char* name, CompileFunction function) {
    registeredCompilers().push_back({name, function});
}

CompileFunction findCompiler(const char* name) {
    for (const RegisteredCompiler& c : registeredCompilers())
        if (std::strcmp(c.name, name) == 0) return c.function;
    return nullptr;
}
