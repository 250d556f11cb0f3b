# Sourced by the checks that read every file of a built game folder with
# `tumblo-tool info` (the end-to-end test and `make sanitize`); both work in the
# current directory, a copy of the game folder.

# Writes the player's files a fresh game folder lacks, so that their readers
# run too: settings with sound and music on, zeroed statistics, and the unlock
# data of the default set (long enough for any set) with its first stage open.
write_player_files() {
    printf '\1\0\0\0\1\0\0\0\0\0\0\0\0\0\0\0\1\0\0\0\1\0\0\0' > SETTINGS.DAT
    head -c 40 /dev/zero > stats.dat
    mkdir -p DATA/UNLOCK
    head -c 1600 /dev/zero > DATA/UNLOCK/DEFAULT.STG
    printf '\1' | dd of=DATA/UNLOCK/DEFAULT.STG conv=notrunc status=none
}

# Prints every data file of the game folder, one path per line, sorted: the
# data tree, demos and the player's files. The binary and the log are not data.
list_data_files() {
    local roots=() root
    for root in BITMAP DATA DEMOS MUSIC SOUND SETTINGS.DAT stats.dat; do
        [ -e "$root" ] && roots+=("$root")
    done
    [ ${#roots[@]} -gt 0 ] || return 1
    find "${roots[@]}" -type f | LC_ALL=C sort
}
