# Screen helpers the hand-play scripts share; they source this file after defining `fail` and
# setting WORK (a private scratch folder).

# Waits until two screenshots taken a moment apart are the same: nothing moves any more.
settle() {
    local a="$WORK/settle-a.rgb" b="$WORK/settle-b.rgb"
    import -window root -depth 8 "rgb:$a"
    for _ in $(seq 100); do
        sleep 0.15
        import -window root -depth 8 "rgb:$b"
        cmp -s "$a" "$b" && return 0
        mv "$b" "$a"
    done
    fail "the screen never came to rest"
}

# The window id of a top-level window whose name matches, waiting up to 30 s for it.
wait_window() {
    local id
    id=$(timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -1) || true
    [ -n "$id" ] || fail "no window named '$1'"
    echo "$id"
}
