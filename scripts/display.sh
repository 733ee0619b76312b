# Sourced by bench.sh and shots.sh: a private X display with a window
# manager, for timing and taking windows as a learner sees them.

started_processes=()
end_started_processes() {
    local pid
    for pid in "${started_processes[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
}

# start_display WIDTHxHEIGHT: starts Xvfb on a free display number with
# openbox on it and exports DISPLAY. The caller ends them with
# end_started_processes (bench.sh and shots.sh trap it on EXIT).
start_display() {
    local number
    # Xvfb picks a free display and writes its number.
    exec {displayfd}<> <(:)
    Xvfb -displayfd "$displayfd" -screen 0 "${1}x24" -nolisten tcp >/dev/null 2>&1 &
    started_processes+=($!)
    read -r -t 10 -u "$displayfd" number
    export DISPLAY=":$number"
    openbox >/dev/null 2>&1 &
    started_processes+=($!)
    sleep 1
}
