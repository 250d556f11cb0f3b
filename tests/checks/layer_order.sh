#!/bin/bash
# Every include of a project header in src/ stays within its own folder or the
# folders below it. The build already refuses an upward include from a source
# file; this also catches one in a header that its own layer never includes.
set -u
src=${1:?usage: layer_order.sh SRC_DIR}
layers=(platform text level progress game screens main)
rank() {
    local i
    for i in "${!layers[@]}"; do
        [ "${layers[$i]}" = "$1" ] && { echo "$i"; return; }
    done
    echo -1
}
bad=0
for layer in "${layers[@]}"; do
    own=$(rank "$layer")
    while IFS= read -r hit; do
        file=${hit%%:*}
        target=$(sed -E 's/.*#include "([^"]*)".*/\1/' <<<"$hit")
        case $target in
        ../* | */../*)
            echo "$file: includes \"$target\" by a relative path" >&2
            bad=1
            continue
            ;;
        esac
        folder=${target%%/*}
        [ "$folder" = "$target" ] && continue # a file beside it
        their=$(rank "$folder")
        if [ "$their" -lt 0 ] || [ "$their" -gt "$own" ]; then
            echo "$file: $layer includes \"$target\" from a layer above it" >&2
            bad=1
        fi
    done < <(grep -rHE '^[[:space:]]*#[[:space:]]*include[[:space:]]+"' "$src/$layer")
done
[ $bad = 0 ] && echo "layer order: ok"
exit $bad
