#!/bin/bash
# Ctrl-C, kill and a closed terminal (SIGINT, SIGTERM, SIGHUP), and the window's
# close button, make the running game leave as its Exit choice does: status 0,
# settings and statistics saved, the whole shut-down logged.
set -u
source "$(dirname "$0")/common.bash"
enter_game_copy "$GAME_DIR"

for way in TERM INT HUP close; do
    rm -f tumblo.log SETTINGS.DAT stats.dat result
    if [ "$way" = close ]; then ask='probe close "$window"'; else ask="kill -$way \$pid"; fi
    # Started as from a terminal: a background job of a script would otherwise
    # begin with SIGINT ignored.
    with_x 1280x1024 "
        env --default-signal ./tumblo & pid=\$!
        window=\$(focus_game_window) || { kill -KILL \$pid; echo 'no window' > result; exit 1; }
        title_menu_shown || { kill -KILL \$pid; echo 'not ready' > result; exit 1; }
        $ask
        game_ended || { kill -KILL \$pid; echo 'did not end' > result; exit 1; }
    "
    grep -qx "exit 0" result || fail "$way: the game did not exit with status 0: $(cat result 2>/dev/null)"
    [ "$(stat -c %s SETTINGS.DAT 2>/dev/null)" = 24 ] || fail "$way: SETTINGS.DAT was not saved"
    [ "$(stat -c %s stats.dat 2>/dev/null)" = 40 ] || fail "$way: stats.dat was not saved"
    started=$(ints stats.dat | cut -d' ' -f1)
    [ "$started" = 1 ] || fail "$way: stats.dat counts $started starts instead of 1"
    grep -qx "Stopping gameTimer" tumblo.log || fail "$way: the shut-down did not run"
    [ "$(tail -n 1 tumblo.log)" = "--- Done cleaing up ---" ] ||
        fail "$way: the log ends with \"$(tail -n 1 tumblo.log)\""
    echo "$way: ok"
done
echo "quit_signals: ok"
