#include "text/file_finder.h"

#include "platform/paths.h"

bool FileFinder::next() {
    if (!started) {
        names = listMatchingFiles(pattern.c_str());
        started = true;
        position = 0;
    }
    if (position >= names.size()) return false;
    current = names[position++];
    return true;
}
