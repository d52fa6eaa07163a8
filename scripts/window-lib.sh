# Shell functions for driving Wine windows on an X display with xdotool;
# sourced by run.sh and the end-to-end sessions. Expects DISPLAY to be set.

# Waits up to 30 s for a visible window whose whole name is $1 while process $2
# lives; prints the window's id.
wait_window() {
    local id i
    for i in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        kill -0 "$2" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# Saves the whole display as PNG $1, after a moment for painting.
screenshot() {
    sleep 1
    import -window root "$1"
}

# A click on the caption gives window $1 the keyboard. The coordinates are
# relative to the window: xdotool's absolute ones are wrong for Wine's
# windows inside the virtual desktop.
focus_window() {
    xdotool mousemove --window "$1" 150 8 click 1
    sleep 0.3
}

# Closes window $1 with Alt+F4 as a user would and waits up to 15 s for
# process $2 to end; fails when it does not.
close_window() {
    local i
    focus_window "$1"
    xdotool key alt+F4
    for i in $(seq 150); do
        kill -0 "$2" 2>/dev/null || return 0
        sleep 0.1
    done
    return 1
}
