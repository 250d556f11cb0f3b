#pragma once

// The indented trace of start-up, loading, errors and shut-down ("tumblo.log").
// Every write opens, appends one line and closes, so nothing is lost on a crash;
// a line that cannot be written to the file goes to standard error.
class Log {
public:
    void setFile(const char* name);
    void setEnabled(bool on) { enabled = on; }
    void setIndent(int level);
    void indentMore() { setIndent(indentLevel + 1); }
    void indentLess() { setIndent(indentLevel - 1); }
    void write(const char* text);

    int indent() const { return indentLevel; }
    const char* file() const { return fileName; }

private:
    bool enabled = false;
    int indentLevel = 0;
    char indentText[10] = {};
    bool ready = false;
    char fileName[100] = {};
};

extern Log gameLog;
