# shellcheck shell=bash disable=SC2034,SC2317
# (Variables here are read by the sourcing scripts; functions are often called
# through e2e_wait_until, which shellcheck cannot follow.)
#
# Helpers for the end-to-end tests: a private X display with a window manager,
# the program under test in the background, window queries, WM-driven actions
# and bounded waits. Source it from a bash test script; it installs a trap that
# stops everything it started. Every wait has a deadline, so a hang fails the
# test instead of blocking the run.
#
# Environment read (set by CMake): E2E_VIEWER, E2E_NORES (program paths),
# E2E_OUT (directory for screenshots and failure evidence).

set -uo pipefail

E2E_SKIP=77
E2E_FAILURES=0
E2E_PIDS=()          # every background process started here, stopped at exit
E2E_APP_PID=""       # the program most recently started with e2e_run
E2E_RC=""            # exit code collected by e2e_wait_exit
E2E_NAME=$(basename "${0%.sh}")${1:+-$1}
E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/tcm-e2e.XXXXXX")
E2E_OUT=${E2E_OUT:-$E2E_TMP}
mkdir -p "$E2E_OUT"

# ---------------------------------------------------------------- reporting

e2e_log() { printf '%s\n' "$*"; }
e2e_pass() { printf 'ok   %s\n' "$*"; }
e2e_fail() {
    printf 'FAIL %s\n' "$*" >&2
    E2E_FAILURES=$((E2E_FAILURES + 1))
}

# e2e_expect_eq WHAT EXPECTED ACTUAL
e2e_expect_eq() {
    if [[ $2 == "$3" ]]; then e2e_pass "$1: $3"; else e2e_fail "$1: expected [$2], got [$3]"; fi
}

# e2e_expect WHAT COMMAND...: passes when the command succeeds.
e2e_expect() {
    local what=$1
    shift
    if "$@"; then e2e_pass "$what"; else e2e_fail "$what"; fi
}

# Ends the test: 0 when every check passed, 1 otherwise.
e2e_done() {
    ((E2E_FAILURES == 0)) && exit 0
    e2e_log "$E2E_FAILURES check(s) failed"
    exit 1
}

e2e_skip() {
    e2e_log "SKIP: $*"
    exit "$E2E_SKIP"
}

# ---------------------------------------------------------------- time

e2e_now_ms() {
    local t=${EPOCHREALTIME/[.,]/}
    echo $((t / 1000))
}

# e2e_seconds_to_ms SECONDS: "2" or "0.5" as milliseconds.
e2e_seconds_to_ms() {
    local whole=${1%%.*} frac=
    [[ $1 == *.* ]] && frac=${1#*.}
    frac=${frac}000
    echo $((10#${whole:-0} * 1000 + 10#${frac:0:3}))
}

# e2e_wait_until SECONDS COMMAND...: polls the command until it succeeds;
# returns 1 when the deadline passes first.
e2e_wait_until() {
    local deadline=$(($(e2e_now_ms) + $(e2e_seconds_to_ms "$1")))
    shift
    while :; do
        "$@" && return 0
        (($(e2e_now_ms) >= deadline)) && return 1
        sleep 0.05
    done
}

# ---------------------------------------------------------------- clean-up

e2e_process_alive() {
    # A zombie has ended; /proc still lists it until it is reaped.
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [[ ${stat%% *} != Z ]]
}

e2e_cleanup() {
    local status=$?
    trap - EXIT INT TERM HUP
    if ((status != 0 && status != E2E_SKIP)) && [[ -n ${DISPLAY:-} ]] && e2e_process_alive "${E2E_XVFB_PID:-0}"; then
        timeout 5 import -window root "$E2E_OUT/$E2E_NAME-failure.png" 2>/dev/null &&
            e2e_log "screen at failure: $E2E_OUT/$E2E_NAME-failure.png"
        local log
        for log in "$E2E_TMP"/*.log; do
            [[ -s $log ]] || continue
            e2e_log "--- $(basename "$log")"
            tail -n 40 "$log"
        done
    fi
    kill -TERM "$E2E_WATCHDOG" 2>/dev/null
    local pid
    for pid in "${E2E_PIDS[@]}"; do kill -TERM "$pid" 2>/dev/null; done
    for pid in "${E2E_PIDS[@]}"; do
        e2e_wait_until 2 eval '! e2e_process_alive '"$pid" || kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$E2E_TMP"
    exit "$status"
}
trap e2e_cleanup EXIT
trap 'exit 1' INT HUP
trap 'e2e_fail "stopped: out of time or terminated"; exit 1' TERM

# ctest kills a test that overruns its TIMEOUT outright, which would leave the
# display behind; a watchdog ends the test through its traps first.
(
    exec >/dev/null 2>&1
    sleep "${E2E_BUDGET:-45}" &
    trap 'kill $!; wait $!; exit' TERM
    wait $!
    kill -TERM $$
) &
E2E_WATCHDOG=$!

# ---------------------------------------------------------------- display

# Starts Xvfb on a free display number and openbox on it, and waits until the
# window manager frames new windows. Skips the test when Xvfb cannot start.
e2e_start_display() {
    command -v Xvfb >/dev/null || e2e_skip "Xvfb is not installed"
    local tool
    for tool in openbox xdotool xprop xwininfo xmessage wmctrl xclip import convert; do
        command -v "$tool" >/dev/null || { e2e_fail "$tool is not installed (scripts/install-deps.sh)"; exit 1; }
    done
    local fdfile=$E2E_TMP/display
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fdfile" >"$E2E_TMP/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    E2E_PIDS+=("$E2E_XVFB_PID")
    # Xvfb writes the display number once it accepts connections.
    xvfb_settled() { grep -q '[0-9]' "$fdfile" || ! e2e_process_alive "$E2E_XVFB_PID"; }
    e2e_wait_until 10 xvfb_settled
    if ! grep -q '[0-9]' "$fdfile"; then
        cat "$E2E_TMP/xvfb.log" >&2
        e2e_skip "Xvfb did not start"
    fi
    DISPLAY=:$(tr -dc 0-9 <"$fdfile")
    export DISPLAY
    unset WAYLAND_DISPLAY
    # Qt on this display, whatever the caller's environment chose.
    export QT_QPA_PLATFORM=xcb
    export XDG_RUNTIME_DIR=$E2E_TMP/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    # openbox with its stock configuration, not the user's.
    XDG_CONFIG_HOME=$E2E_TMP/config XDG_CACHE_HOME=$E2E_TMP/cache \
        openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
    E2E_PIDS+=($!)
    e2e_wait_until 10 e2e_wm_announced || { e2e_fail "openbox did not start on $DISPLAY"; exit 1; }
    e2e_wm_manages_windows || { e2e_fail "openbox does not frame windows on $DISPLAY"; exit 1; }
    e2e_log "display $DISPLAY ready"
}

e2e_wm_announced() {
    timeout 2 xprop -root -notype _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# The WM announces itself before its event loop runs, and a window mapped in
# between can stay unmapped for good. Probe windows are mapped, a fresh one
# every 2 s, until one gets framed: from then on the WM handles new windows.
e2e_wm_manages_windows() {
    local attempt probe pid wid
    for attempt in 1 2 3 4; do
        probe=tcm-e2e-probe-$$-$attempt
        xmessage -title "$probe" probe >/dev/null 2>&1 &
        pid=$!
        e2e_wait_until 2 e2e_probe_framed "$probe"
        local framed=$?
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        # The probe must be gone before a test counts windows.
        e2e_wait_until 2 e2e_probe_gone "$probe"
        if ((framed == 0)); then
            ((attempt == 1)) || e2e_log "openbox framed probe window $attempt"
            return 0
        fi
    done
    return 1
}

e2e_probe_framed() {
    local wid
    wid=$(timeout 2 xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
    [[ -n $wid ]] && e2e_frame_extents "$wid" >/dev/null
}

e2e_probe_gone() { [[ -z $(timeout 2 xdotool search --name "^$1\$" 2>/dev/null) ]]; }

# ---------------------------------------------------------------- program

# e2e_run PROGRAM [ARGS...]: starts it in the background; sets E2E_APP_PID.
# Must run in the test's own shell (not in $(...)) so that e2e_wait_exit can
# collect the exit code.
e2e_run() {
    "$@" >"$E2E_TMP/$(basename "$1").log" 2>&1 &
    E2E_APP_PID=$!
    E2E_PIDS+=("$E2E_APP_PID")
}

# e2e_windows PID: the visible windows whose _NET_WM_PID is PID, one a line.
e2e_windows() {
    timeout 5 xdotool search --onlyvisible --pid "$1" 2>/dev/null
}

# e2e_wait_window PID [SECONDS]: waits for the first visible window of PID that
# the window manager has framed; prints its id. Fails early when PID ends.
e2e_wait_window() {
    local pid=$1 deadline=$(($(e2e_now_ms) + $(e2e_seconds_to_ms "${2:-15}"))) wid
    while (($(e2e_now_ms) < deadline)); do
        wid=$(e2e_windows "$pid" | head -n 1)
        if [[ -n $wid ]] && e2e_frame_extents "$wid" >/dev/null; then
            echo "$wid"
            return 0
        fi
        e2e_process_alive "$pid" || { echo "process $pid ended before showing a window" >&2; return 1; }
        sleep 0.05
    done
    echo "no window of process $pid within ${2:-15} s" >&2
    e2e_describe_process "$pid" >&2
    return 1
}

# e2e_describe_process PID: the process's state and its windows, for a report.
e2e_describe_process() {
    local wid
    echo "process $1: state $(cut -d' ' -f3 "/proc/$1/stat" 2>/dev/null)," \
        "waiting in $(cat "/proc/$1/wchan" 2>/dev/null); active window $(timeout 5 xdotool getactivewindow 2>/dev/null)"
    for wid in $(timeout 5 xdotool search --pid "$1" 2>/dev/null); do
        echo "  window $wid $(timeout 5 xwininfo -id "$wid" | grep -o 'Map State: .*')" \
            "$(timeout 5 xprop -id "$wid" WM_NAME WM_STATE _NET_WM_STATE | tr '\n' ' ')"
    done
}

# e2e_wait_exit PID SECONDS: waits for PID to end and sets E2E_RC to its exit
# code and E2E_EXIT_MS to how long that took. When the deadline passes the
# process is killed and the function returns 1.
e2e_wait_exit() {
    local pid=$1 start
    start=$(e2e_now_ms)
    if ! e2e_wait_until "$2" eval '! e2e_process_alive '"$pid"; then
        e2e_describe_process "$pid"
        timeout 5 import -window root "$E2E_OUT/$E2E_NAME-still-running.png" 2>/dev/null &&
            e2e_log "screen while still running: $E2E_OUT/$E2E_NAME-still-running.png"
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        e2e_forget "$pid"
        E2E_RC=timeout
        return 1
    fi
    wait "$pid"
    E2E_RC=$?
    E2E_EXIT_MS=$(($(e2e_now_ms) - start))
    e2e_forget "$pid"
}

# e2e_forget PID: drops a reaped process from the clean-up list, so that its
# number, free for reuse, is never signalled.
e2e_forget() {
    local kept=() p
    for p in "${E2E_PIDS[@]}"; do [[ $p == "$1" ]] || kept+=("$p"); done
    E2E_PIDS=("${kept[@]}")
}

# ---------------------------------------------------------------- window queries

# e2e_prop WID PROPERTY: the property's value as xprop prints it after " = ",
# empty when unset.
e2e_prop() {
    local line
    line=$(timeout 5 xprop -id "$1" -notype "$2" 2>/dev/null) || return 1
    [[ $line == *" = "* ]] || return 0
    echo "${line#* = }"
}

# e2e_text_prop WID PROPERTY: a text property without its quotes.
e2e_text_prop() {
    local v
    v=$(e2e_prop "$1" "$2") || return 1
    v=${v#\"}
    echo "${v%\"}"
}

e2e_state() { e2e_prop "$1" _NET_WM_STATE; }

# e2e_has_state WID ATOM...: true when _NET_WM_STATE holds every atom.
e2e_has_state() {
    local state atom
    state=", $(e2e_state "$1"),"
    shift
    for atom; do [[ $state == *", $atom,"* ]] || return 1; done
}

e2e_lacks_state() {
    local state atom
    state=", $(e2e_state "$1"),"
    shift
    for atom; do [[ $state != *", $atom,"* ]] || return 1; done
}

e2e_is_maximized() { e2e_has_state "$1" _NET_WM_STATE_MAXIMIZED_VERT _NET_WM_STATE_MAXIMIZED_HORZ; }

e2e_is_viewable() { timeout 5 xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

# e2e_client_geometry WID: "x y width height" of the client area in root
# coordinates.
e2e_client_geometry() {
    timeout 5 xwininfo -id "$1" 2>/dev/null | awk '
        /Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
        /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF }
        END { if (w == "") exit 1; print x, y, w, h }'
}

# e2e_frame_extents WID: "left right top bottom" of the WM frame.
e2e_frame_extents() {
    local v
    v=$(e2e_prop "$1" _NET_FRAME_EXTENTS) || return 1
    [[ -n $v ]] || return 1
    echo "${v//,/}"
}

# e2e_outer_geometry WID: "x y width height" of the window including its WM
# frame, from the client area and _NET_FRAME_EXTENTS.
e2e_outer_geometry() {
    local x y w h l r t b
    read -r x y w h < <(e2e_client_geometry "$1") || return 1
    read -r l r t b < <(e2e_frame_extents "$1") || return 1
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# e2e_toplevel WID: the ancestor of WID that is a child of the root window
# (the WM's frame window).
e2e_toplevel() {
    local w=$1 parent root
    root=$(timeout 5 xwininfo -root | awk '/Window id:/ { print $4 }')
    while :; do
        parent=$(timeout 5 xwininfo -children -id "$w" | awk '/Parent window id:/ { print $4 }')
        [[ -n $parent ]] || return 1
        if [[ $parent == "$root" ]]; then
            echo "$w"
            return 0
        fi
        w=$parent
    done
}

# ---------------------------------------------------------------- actions

# The polite close: _NET_CLOSE_WINDOW to the WM, which sends WM_DELETE_WINDOW.
e2e_close_request() { timeout 5 wmctrl -i -c "$1"; }

e2e_activate() { timeout 5 wmctrl -i -a "$1" && e2e_wait_until 5 e2e_is_active "$1"; }

# Active for the WM and holding the X input focus: openbox announces the active
# window while the focus can still sit on a window of its own for a moment,
# and keys typed then reach no client.
e2e_is_active() {
    [[ $(timeout 5 xdotool getactivewindow 2>/dev/null) == "$1" &&
        $(timeout 5 xdotool getwindowfocus 2>/dev/null) == "$1" ]]
}

# e2e_key WID COMBO: activates WID and types a combination such as alt+F4
# through XTEST, so the window manager's key bindings see it as they would a
# real keyboard's. The modifiers are held down a moment before and after the
# key, as a person's hand does: openbox misses about one Alt+F4 in fifteen when
# the whole chord arrives at once.
e2e_key() {
    local wid=$1 combo=$2 mods=() m i
    IFS=+ read -ra mods <<<"$combo"
    local key=${mods[-1]}
    unset 'mods[-1]'
    e2e_activate "$wid" || return 1
    for m in "${mods[@]}"; do timeout 5 xdotool keydown "$m" || return 1; done
    ((${#mods[@]} == 0)) || sleep 0.05
    timeout 5 xdotool key "$key" || return 1
    ((${#mods[@]} == 0)) || sleep 0.05
    for ((i = ${#mods[@]} - 1; i >= 0; i--)); do timeout 5 xdotool keyup "${mods[i]}" || return 1; done
}

# e2e_click_close_button WID: clicks the close button at the right end of the
# frame's title bar.
e2e_click_close_button() {
    local x y w h t
    read -r x y w h < <(e2e_outer_geometry "$1") || return 1
    read -r _ _ t _ < <(e2e_frame_extents "$1") || return 1
    timeout 5 xdotool mousemove --sync $((x + w - 10)) $((y + t / 2)) click 1
}

e2e_minimize() { timeout 5 xdotool windowminimize "$1"; }

e2e_unmaximize() { timeout 5 wmctrl -i -r "$1" -b remove,maximized_vert,maximized_horz; }

# e2e_screenshot WID FILE: the window's client area as an image.
e2e_screenshot() { timeout 10 import -window "$1" "$2" 2>/dev/null; }

# e2e_pixel FILE X Y: the pixel's colour as RRGGBB.
e2e_pixel() {
    timeout 10 convert "$1" -crop "1x1+$2+$3" +repage -depth 8 -colorspace sRGB -type TrueColor txt:- 2>/dev/null |
        grep -o '#[0-9A-Fa-f]\{6\}' | head -n 1 | tr -d '#'
}

# e2e_unique_colours FILE WxH+X+Y: how many colours the region holds.
e2e_unique_colours() {
    timeout 10 convert "$1" -crop "$2" +repage -format '%k' info: 2>/dev/null
}

# e2e_white_fraction FILE WxH+X+Y: the share of pure white pixels, 0..1.
e2e_white_fraction() {
    timeout 10 convert "$1" -crop "$2" +repage -fill black +opaque white -colorspace Gray \
        -format '%[fx:mean]' info: 2>/dev/null
}
