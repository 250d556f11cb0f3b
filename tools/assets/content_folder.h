#pragma once

#include "assets/source_file.h"

#include <string>
#include <vector>

// The text sources of one kind of content: contentDir/<folder>/*.txt, sorted by
// name so that builds and error messages come out the same on every machine.
std::vector<std::string> listSources(const std::string& contentDir, const char* folder);
// The same for sources with another extension in a folder and all its subfolders.
std::vector<std::string> listSourcesBelow(const std::string& contentDir, const char* folder,
                                          const char* extension);

// The picture a source under contentDir/<folder>/ makes: "BITMAP\<SUB>\<stem>.bmp",
// with ".BMP" when the stem has capitals, as the game names its files.
std::string pictureOutputName(const std::string& contentDir, const char* folder,
                              const std::string& source);

// "tropical" from ".../tilesets/tropical.txt", upper-cased when asked.
std::string sourceStem(const std::string& path, bool upper);

// The rest of a line after its keyword, trimmed: texts that may hold spaces.
std::string textAfterKeyword(const std::string& line, const std::string& keyword);

// Refuses a text that does not fit the fixed field the game reads it into.
bool checkTextFits(const SourceFile& file, int line, const char* what, const std::string& text,
                   int maxBytes);
