#pragma once

#include <string>
#include <vector>

// The game names its files the Windows way ("DATA\DEFAULT.STG", "data\extra.stg").
// These map such names onto the working directory: backslashes become slashes and
// every component is matched without regard to letter case.

// The game reads from two roots: the data root (read-only when the game is
// installed) and the user root, where everything it writes goes and where the
// player's own files are found before the shipped ones. From a build tree both
// are the game folder. Empty roots mean the working folder.
void setFileRoots(const std::string& dataRoot, const std::string& userRoot);
const std::string& dataRoot();
const std::string& userRoot();

// The existing file or folder a game path names, matched component by component
// (the user root first, then the data root); components that match nothing are
// kept as given. Absolute paths are taken as they are.
std::string resolvePath(const char* gamePath);

// Where a file written under a game path goes, below the user root: into the
// existing folders matched without regard to case (missing ones are created),
// over an existing file of the same name in any case, else under the name as
// given.
std::string resolveWritePath(const char* gamePath);

// The names (without folder) of the regular files matching a wildcard game path
// such as "DATA\*.STG", compared without regard to case, sorted by name without
// regard to case: the user root's, and the data root's that it does not hide.
std::vector<std::string> listMatchingFiles(const char* pattern);

// True when a pattern made of '*' and '?' matches a name, ignoring letter case.
bool wildcardMatch(const char* pattern, const char* name);

// The folder of the running program, absolute ("" when it cannot be told).
std::string executableFolder();
// The per-user data folder of an application: $XDG_DATA_HOME/<name>, else
// $HOME/.local/share/<name> ("" when neither is set).
std::string userDataFolder(const char* name);
// True when `path` is a folder that holds an entry named `name`, in any case.
bool folderHolds(const std::string& path, const char* name);
// Makes the folder and its parents as needed, then checks that a file can be
// created and removed in it.
bool prepareWritableFolder(const std::string& path);
