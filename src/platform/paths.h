#pragma once

#include <string>
#include <vector>

// The game names its files the Windows way ("DATA\DEFAULT.STG", "data\extra.stg").
// These map such names onto the working directory: backslashes become slashes and
// every component is matched without regard to letter case.

// The existing file or folder a game path names, matched component by component;
// components that match nothing are kept as given.
std::string resolvePath(const char* gamePath);

// Where a file written under a game path goes: into the existing folders matched
// without regard to case (missing ones are created), over an existing file of the
// same name in any case, else under the name as given.
std::string resolveWritePath(const char* gamePath);

// The names (without folder) of the regular files matching a wildcard game path
// such as "DATA\*.STG", compared without regard to case, in directory order.
std::vector<std::string> listMatchingFiles(const char* pattern);

// True when a pattern made of '*' and '?' matches a name, ignoring letter case.
bool wildcardMatch(const char* pattern, const char* name);
