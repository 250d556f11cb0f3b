#include "platform/log.h"

#include "platform/paths.h"

#include <cstdio>
#include <cstring>

Log gameLog;

void Log::setFile(const char* name) {
    std::snprintf(fileName, sizeof fileName, "%s", name);
    ready = true;
    setIndent(0);
}

void Log::setIndent(int level) {
    if (level < 0) level = 0;
    if (level > 9) level = 9;
    indentLevel = level;
    std::memset(indentText, ' ', level);
    indentText[level] = '\0';
}

void Log::write(const char* text) {
    if (!enabled || !ready) return;
    std::FILE* f = std::fopen(resolveWritePath(fileName).c_str(), "a");
    if (!f) {
        // Where the log cannot be written (a read-only home), whoever started
        // the game from a terminal still reads it there.
        std::fprintf(stderr, "%s%s\n", indentText, text);
        return;
    }
    std::fprintf(f, "%s%s\n", indentText, text);
    std::fflush(f);
    std::fclose(f);
}
