// The text source of a stage:
//
//   name        Palm Beach            the header: texts may hold spaces
//   tune        TROPICAL.IT           relative to MUSIC
//   tileset     TROPICAL.TLS          relative to DATA; its source names the tiles
//   background  BG02.BMP              relative to BITMAP\BG
//   time        1                     time limit 30 x N + 90 seconds (N from -2:
//                                     30 s; -3 would leave no time at all)
//   start       2 11                  the ball's start cell (or "2 11 px": pixels)
//   key  g  plain  top  solid  gold   a grid letter: block type, tile (name or
//   key  ^  bounce bounce solid rise 8          index), solid|passable, none|gold|cup,
//   key  T  teleport teleport solid to 30 4     rise speed, target cell
//   enemy 12 10 hurter left speed 100 accel 20 fall 800 jump 0
//   grid                              every line after this is a row of cells;
//   ....                              "." and " " are empty
//
// An enemy is given by the cell it stands in. A treasure sits on top of its
// block, so a floating one is a passable block one row below it.
#include "assets/map_source.h"
#include "assets/content_folder.h"
#include "assets/source_file.h"

namespace {
constexpr int maxNameLength = mapTextCapacity - 1;
constexpr int maxBackgroundLength = mapBackgroundCapacity - 1;
// The shortest clock a stage may have: 30 s. The format reads down to code -3,
// which starts a stage with no time left.
constexpr int32_t minPlayableTimeCode = -2;

const char* const blockTypes[] = {"plain", "bounce", "hurt", "marker", "goal", "teleport"};
const char* const enemyKinds[] = {"bouncer", "hurter", "pusher"};
const char* const headerWords[] = {"name", "tune", "tileset", "background", "time", "start"};

int wordIndex(const std::string& word, const char* const* list, int count) {
    for (int i = 0; i < count; ++i)
        if (word == list[i]) return i;
    return -1;
}

std::string padded(const std::string& word, size_t width) {
    return word.size() >= width ? word + " " : word + std::string(width - word.size(), ' ');
}

std::string rightTrimmed(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

// The comment that ends a line, with the blanks before it ("" when none), as
// splitWords finds it.
std::string trailingComment(const std::string& text) {
    bool anyWord = false, inWord = false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        bool alone = i + 1 == text.size() || text[i + 1] == ' ' || text[i + 1] == '\t';
        if (c == '#' && !inWord && (!anyWord || alone)) {
            size_t from = i;
            while (from > 0 && (text[from - 1] == ' ' || text[from - 1] == '\t'))
                --from;
            return text.substr(from);
        }
        inWord = c != ' ' && c != '\t';
        anyWord = anyWord || inWord;
    }
    return {};
}

std::string keyLine(const StageKey& key) {
    std::string options;
    if (key.bonus == 1) options += " gold";
    if (key.bonus >= 2) options += " cup";
    if (key.type == blockBounce) options += " rise " + std::to_string(key.rise);
    if (key.type == blockTeleport)
        options += " to " + std::to_string(key.targetX) + " " + std::to_string(key.targetY);
    std::string solidity = key.solid ? "solid" : "passable";
    if (!options.empty()) solidity = padded(solidity, 9);
    return rightTrimmed(std::string("key  ") + key.letter + "  " +
                        padded(blockTypes[key.type], 10) + padded(key.tile, 10) + solidity +
                        options);
}

std::string enemyLine(const StageEnemy& e) {
    const char* direction = e.direction < 0 ? "left" : e.direction > 0 ? "right" : "still";
    return "enemy " + std::to_string(e.cellX) + " " + std::to_string(e.cellY) + " " +
           enemyKinds[e.kind] + " " + direction + " speed " + std::to_string(e.speed) + " accel " +
           std::to_string(e.accel) + " fall " + std::to_string(e.fall) + " jump " +
           std::to_string(e.jump);
}

std::string headerLine(const StageSource& s, StageSourceLine::Kind kind) {
    std::string value;
    switch (kind) {
    case StageSourceLine::Name:
        value = s.name;
        break;
    case StageSourceLine::Tune:
        value = s.tune;
        break;
    case StageSourceLine::Tileset:
        value = s.tileset;
        break;
    case StageSourceLine::Background:
        value = s.background;
        break;
    case StageSourceLine::Time:
        value = std::to_string(s.timeCode);
        break;
    default:
        value = std::to_string(s.startX) + " " + std::to_string(s.startY) +
                (s.startInPixels ? " px" : "");
    }
    return rightTrimmed(padded(headerWords[kind - StageSourceLine::Name], 12) + value);
}

class StageParser {
public:
    StageParser(StageSource& source, std::vector<SourceFault>& faults)
        : s(source), faults(faults) {}
    void parse(const std::string& text);

private:
    // A line that cannot be read stays in the text as a comment.
    void fault(int line, const std::string& message, const std::string& text) {
        faults.push_back({line, message});
        s.layout.push_back({StageSourceLine::Text, "# " + text, {}});
    }
    bool headerText(int line, const std::string& text, const std::string& key, std::string& field,
                    int maxBytes);
    bool parseKey(int line, const std::vector<std::string>& words, StageKey& key,
                  std::string& message);
    bool parseEnemy(const std::vector<std::string>& words, StageEnemy& enemy, std::string& message);
    void parseGrid(const std::vector<std::string>& lines, size_t first);

    StageSource& s;
    std::vector<SourceFault>& faults;
};

bool StageParser::headerText(int line, const std::string& text, const std::string& key,
                             std::string& field, int maxBytes) {
    std::string value = textAfterKeyword(text, key);
    if (value.empty()) {
        fault(line, key + " needs a text", text);
        return false;
    }
    if ((int)value.size() > maxBytes) {
        fault(line,
              "the " + key + " is " + std::to_string(value.size()) +
                  " bytes long; the game holds at most " + std::to_string(maxBytes),
              text);
        return false;
    }
    field = value;
    return true;
}

bool StageParser::parseKey(int line, const std::vector<std::string>& words, StageKey& key,
                           std::string& message) {
    if (words.size() < 5 || words[1].size() != 1 || words[1] == ".") {
        message = "expected key LETTER TYPE TILE solid|passable [options]";
        return false;
    }
    key.letter = words[1][0];
    if (const StageKey* earlier = s.key(key.letter)) {
        message = std::string("key ") + key.letter + " is already defined on line " +
                  std::to_string(earlier->line);
        return false;
    }
    key.line = line;
    key.type = wordIndex(words[2], blockTypes, 6);
    if (key.type < 0) {
        message =
            "unknown block type '" + words[2] + "' (plain, bounce, hurt, marker, goal, teleport)";
        return false;
    }
    key.tile = words[3];
    if (words[4] != "solid" && words[4] != "passable") {
        message = "expected solid or passable, not '" + words[4] + "'";
        return false;
    }
    key.solid = words[4] == "solid";
    bool hasRise = false, hasTarget = false;
    for (size_t i = 5; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w == "none" || w == "gold" || w == "cup") {
            key.bonus = w == "gold" ? 1 : w == "cup" ? 2 : 0;
        } else if (w == "rise" && key.type == blockBounce && i + 1 < words.size() &&
                   parseInt(words[i + 1], key.rise) && key.rise > 0 && key.rise <= 28) {
            hasRise = true;
            ++i;
        } else if (w == "to" && key.type == blockTeleport && i + 2 < words.size() &&
                   parseInt(words[i + 1], key.targetX) && parseInt(words[i + 2], key.targetY)) {
            hasTarget = true;
            i += 2;
        } else {
            message = "unexpected '" + w +
                      "' (options: none, gold, cup; rise 1-28 for bounce; to X Y for teleport)";
            return false;
        }
    }
    if (key.type == blockBounce && !hasRise) message = "a bounce block needs rise N";
    if (key.type == blockTeleport && !hasTarget) message = "a teleport needs to X Y";
    return message.empty();
}

bool StageParser::parseEnemy(const std::vector<std::string>& words, StageEnemy& e,
                             std::string& message) {
    const char* usage = "expected enemy X Y bouncer|hurter|pusher left|right|still "
                        "[speed N] [accel N] [fall N] [jump N]";
    message = usage;
    if (words.size() < 5 || words.size() % 2 == 0 || !parseInt(words[1], e.cellX) ||
        !parseInt(words[2], e.cellY))
        return false;
    e.kind = wordIndex(words[3], enemyKinds, 3);
    const std::string& dir = words[4];
    if (e.kind < 0 || (dir != "left" && dir != "right" && dir != "still")) return false;
    e.direction = dir == "left" ? -1 : dir == "right" ? 1 : 0;
    for (size_t i = 5; i + 1 < words.size(); i += 2) {
        int value = 0;
        if (!parseInt(words[i + 1], value) || value < 0 || value > 2800) {
            message = words[i] + " needs a number from 0 to 2800";
            return false;
        }
        if (words[i] == "speed")
            e.speed = value;
        else if (words[i] == "accel")
            e.accel = value;
        else if (words[i] == "fall")
            e.fall = value;
        else if (words[i] == "jump")
            e.jump = value;
        else
            return false;
    }
    message.clear();
    return true;
}

void StageParser::parseGrid(const std::vector<std::string>& lines, size_t first) {
    // Blank lines after the last row are an editor's doing, not a row of cells.
    size_t end = lines.size();
    while (end > first && lines[end - 1].empty())
        --end;
    s.blankLinesAfterGrid = (int)(lines.size() - end);
    for (size_t i = first; i < end; ++i) {
        std::string row = lines[i];
        if (i > first && row.size() != s.grid[0].size()) {
            faults.push_back({(int)i + 1, "row is " + std::to_string(row.size()) +
                                              " cells wide; the first row has " +
                                              std::to_string(s.grid[0].size())});
            row.resize(s.grid[0].size(), '.');
        }
        s.grid.push_back(row);
    }
}

void StageParser::parse(const std::string& text) {
    std::vector<std::string> lines;
    size_t from = 0;
    while (from < text.size()) {
        size_t end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(from, end - from);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        from = end + 1;
    }
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        int number = (int)i + 1;
        std::vector<std::string> words = splitWords(line);
        if (words.empty()) {
            s.layout.push_back({StageSourceLine::Text, line, {}});
            continue;
        }
        const std::string& key = words[0];
        int header = wordIndex(key, headerWords, 6);
        StageSourceLine::Kind kind = StageSourceLine::Text;
        std::string message;
        if (header >= 0 && header < 4) {
            std::string* fields[] = {&s.name, &s.tune, &s.tileset, &s.background};
            bool* given[] = {&s.hasName, &s.hasTune, &s.hasTileset, &s.hasBackground};
            int capacity = header == 3 ? maxBackgroundLength : maxNameLength;
            if (!headerText(number, line, key, *fields[header], capacity)) continue;
            *given[header] = true;
            if (header == 2) s.tilesetLine = number;
            kind = StageSourceLine::Kind(StageSourceLine::Name + header);
        } else if (key == "time") {
            int code = 0;
            if (words.size() != 2 || !parseInt(words[1], code) || code < minPlayableTimeCode ||
                code > maxMapTimeCode) {
                fault(number, "time needs a number N from -2 up (30 x N + 90 seconds)", line);
                continue;
            }
            s.timeCode = code;
            s.hasTime = true;
            s.timeLine = number;
            kind = StageSourceLine::Time;
        } else if (key == "start") {
            bool pixels = words.size() == 4 && words[3] == "px";
            int x = 0, y = 0;
            if ((words.size() != 3 && !pixels) || !parseInt(words[1], x) ||
                !parseInt(words[2], y)) {
                fault(number, "start needs a cell X Y, or X Y px for pixels", line);
                continue;
            }
            s.startX = x, s.startY = y, s.startInPixels = pixels;
            s.hasStart = true;
            s.startLine = number;
            kind = StageSourceLine::Start;
        } else if (key == "key") {
            StageKey entry;
            if (!parseKey(number, words, entry, message)) {
                fault(number, message, line);
                continue;
            }
            s.keys.push_back(entry);
            kind = StageSourceLine::Key;
        } else if (key == "enemy") {
            StageEnemy enemy;
            if (!parseEnemy(words, enemy, message)) {
                fault(number, message, line);
                continue;
            }
            enemy.line = number;
            s.enemies.push_back(enemy);
            kind = StageSourceLine::Enemy;
        } else if (key == "grid" && words.size() == 1) {
            s.gridLine = number;
            s.layout.push_back({StageSourceLine::Grid, line, "grid"});
            parseGrid(lines, i + 1);
            return;
        } else {
            fault(number, "unknown line '" + key + "'", line);
            continue;
        }
        StageSourceLine entry{kind, line, {}};
        if (kind == StageSourceLine::Key)
            entry.readAs = keyLine(s.keys.back());
        else if (kind == StageSourceLine::Enemy)
            entry.readAs = enemyLine(s.enemies.back());
        else
            entry.readAs = headerLine(s, kind);
        s.layout.push_back(entry);
    }
}

class StageWriter {
public:
    explicit StageWriter(const StageSource& source) : s(source) {}
    std::string write();

private:
    void line(const std::string& text) { out += text + "\n"; }
    // A line as read when its value is still the same, else the value in the
    // writer's words with the line's comment kept.
    // Header texts may hold "#": their lines have no comment.
    void value(const StageSourceLine& read, const std::string& now) {
        bool text = read.kind >= StageSourceLine::Name && read.kind <= StageSourceLine::Background;
        line(now == read.readAs ? read.text : text ? now : now + trailingComment(read.text));
    }
    void missingHeader();
    void restOfKeys() {
        while (keysWritten < s.keys.size())
            line(keyLine(s.keys[keysWritten++]));
    }
    void restOfEnemies() {
        while (enemiesWritten < s.enemies.size())
            line(enemyLine(s.enemies[enemiesWritten++]));
    }
    void grid();

    const StageSource& s;
    std::string out;
    bool headerWritten[6] = {};
    const StageSourceLine* lastHeader[6] = {}; // the line of each the layout has
    size_t keysWritten = 0, enemiesWritten = 0;
};

// Header lines the text never had but the stage has now, before the first key,
// enemy or the grid.
void StageWriter::missingHeader() {
    const bool given[6] = {s.hasName,       s.hasTune, s.hasTileset,
                           s.hasBackground, s.hasTime, s.hasStart};
    for (int i = 0; i < 6; ++i)
        if (!headerWritten[i] && !lastHeader[i] && given[i]) {
            line(headerLine(s, StageSourceLine::Kind(StageSourceLine::Name + i)));
            headerWritten[i] = true;
        }
}

void StageWriter::grid() {
    missingHeader();
    restOfKeys();
    restOfEnemies();
    line("grid");
    for (const std::string& row : s.grid)
        line(row);
    for (int i = 0; i < s.blankLinesAfterGrid; ++i)
        line("");
}

std::string StageWriter::write() {
    size_t keyLines = 0, enemyLines = 0;
    // A header given twice takes its last line's value, as the reader does: the
    // lines before it stay as they were.
    for (const StageSourceLine& read : s.layout) {
        keyLines += read.kind == StageSourceLine::Key;
        enemyLines += read.kind == StageSourceLine::Enemy;
        if (read.kind >= StageSourceLine::Name && read.kind <= StageSourceLine::Start)
            lastHeader[read.kind - StageSourceLine::Name] = &read;
    }
    size_t keySlot = 0, enemySlot = 0;
    bool gridWritten = false;
    for (const StageSourceLine& read : s.layout) {
        switch (read.kind) {
        case StageSourceLine::Text:
            line(read.text);
            break;
        case StageSourceLine::Key:
            missingHeader();
            if (keysWritten < s.keys.size()) value(read, keyLine(s.keys[keysWritten++]));
            if (++keySlot == keyLines) restOfKeys();
            break;
        case StageSourceLine::Enemy:
            missingHeader();
            if (enemiesWritten < s.enemies.size())
                value(read, enemyLine(s.enemies[enemiesWritten++]));
            if (++enemySlot == enemyLines) restOfEnemies();
            break;
        case StageSourceLine::Grid:
            grid();
            gridWritten = true;
            break;
        default: {
            int header = read.kind - StageSourceLine::Name;
            if (&read != lastHeader[header])
                line(read.text);
            else
                value(read, headerLine(s, read.kind));
            headerWritten[header] = true;
        }
        }
    }
    if (!gridWritten) grid();
    return out;
}
} // namespace

const StageKey* StageSource::key(char letter) const {
    for (const StageKey& k : keys)
        if (k.letter == letter) return &k;
    return nullptr;
}

void parseStageSource(const std::string& text, StageSource& source,
                      std::vector<SourceFault>& faults) {
    source = StageSource();
    faults.clear();
    StageParser(source, faults).parse(text);
}

std::string writeStageSource(const StageSource& source) {
    return StageWriter(source).write();
}
