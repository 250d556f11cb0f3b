// content/maps/<name>.txt -> "DATA\<NAME>.MAP": one stage. The source format is
// described in map_source.cpp.
#include "assets/compiler.h"
#include "assets/content_folder.h"
#include "assets/map_source.h"
#include "text/data_file.h"

namespace {
bool writeMap(const MapFile& map, const std::string& target) {
    DataWriter out;
    if (!out.open(target.c_str())) return false;
    writeMapFile(out, map);
    return out.commit();
}

bool compileMaps(const std::string& contentDir) {
    bool ok = true;
    for (const std::string& path : listSources(contentDir, "maps")) {
        MapFile map;
        if (!readMapSource(contentDir, path, map)) {
            ok = false;
            continue;
        }
        std::string target = "DATA\\" + sourceStem(path, true) + ".MAP";
        if (!writeMap(map, target)) {
            sourceError(path, 0, "cannot write " + target);
            ok = false;
        }
    }
    return ok;
}
} // namespace

REGISTER_COMPILER("maps", compileMaps);
