#!/usr/bin/env bash
# Runs the programs of the suite folder on a real X server (Xvfb) under a
# window manager (openbox) and drives them with real X events:
#   - Tolbrin's full-screen worksheets have their whole frame on screen,
#     also when opened again from the menu and when the manager writes
#     its frame again;
#   - a double click on "الواجهة" in Halvery and Mirrane leaves the program
#     running with its drill window kept;
#   - a middle click and Ctrl+V into Daskin's Text2 with nothing copied
#     leave Daskin running.
# Usage: desktop_test.sh SUITE_FOLDER
set -u

suite=${1:?usage: desktop_test.sh SUITE_FOLDER}
failures=0
pids=()
tmp=$(mktemp -d)

cleanup() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null
    done
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        wait "${pids[i]}" 2>/dev/null
    done
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 2' INT TERM

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
pass() { echo "PASS: $*"; }

for tool in Xvfb openbox xdotool xwininfo xprop; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: $tool is missing (scripts/setup.sh installs xvfb, openbox, xdotool and x11-utils)"
        exit 1
    fi
done
for program in Tolbrin Halvery Mirrane Daskin; do
    if [ ! -x "$suite/$program" ]; then
        echo "FAIL: $suite/$program is missing (build the programs first)"
        exit 1
    fi
done

# Waits up to $1 seconds for the command that follows to succeed, checking
# every tenth of a second.
wait_for() {
    local tries=$(($1 * 10))
    shift
    while ((tries-- > 0)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# --- the X server and the window manager --------------------------------------
width=1280
height=1024
Xvfb -displayfd 3 -screen 0 ${width}x${height}x24 -nolisten tcp 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
pids+=($!)
if ! wait_for 20 test -s "$tmp/display"; then
    echo "FAIL: Xvfb did not start"
    cat "$tmp/xvfb.log"
    exit 1
fi
export DISPLAY=:$(head -n1 "$tmp/display")
export QT_QPA_PLATFORM=xcb
unset XDG_SESSION_TYPE WAYLAND_DISPLAY
openbox >"$tmp/openbox.log" 2>&1 &
pids+=($!)
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
if ! wait_for 20 wm_ready; then
    echo "FAIL: openbox did not start"
    cat "$tmp/openbox.log"
    exit 1
fi
echo "X display $DISPLAY, ${width}x${height}, openbox"

# Starts a program of the suite folder; its pid goes to $started.
start() {
    "$suite/$1" >"$tmp/$1.log" 2>&1 &
    started=$!
    pids+=("$started")
}
alive() { kill -0 "$1" 2>/dev/null; }
# The visible windows of a process, one id a line.
visible() { xdotool search --onlyvisible --pid "$1" 2>/dev/null | sort; }
# Waits until the process shows exactly one window other than $2; its id goes to $window.
one_window_but() {
    local list
    list=$(visible "$1")
    [ "$(echo "$list" | grep -c .)" = 1 ] && [ "$list" != "${2:-}" ] || return 1
    window=$list
}
await_window() { wait_for 30 one_window_but "$@"; }
# The client area of a window: left top width height.
client() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
                             /^ *Width:/ {w=$NF} /^ *Height:/ {h=$NF} END {print x, y, w, h}'
}
# The window manager's frame around it: left right top bottom.
extents() { xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ','; }
has_extents() { [ -n "$(extents "$1")" ]; }
click_at() { xdotool mousemove --sync "$1" "$2" click 1; }
# A point given from a window's client-area corner, on the screen.
at() {
    local x y w h
    read -r x y w h < <(client "$1")
    echo $((x + $2)) $((y + $3))
}

# --- Tolbrin: the full-screen worksheets keep their frame on screen ------------
# The frame of the worksheet in $window, its client area after it:
# left top width height left top width height.
frame() {
    local x y w h l r t b
    read -r x y w h < <(client "$window")
    read -r l r t b < <(extents "$window")
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b)) $x $y $w $h"
}
# Checks that the frame of the worksheet in $window lies at (0,0) with the screen's size.
frame_on_screen() {
    local fx fy fw fh
    read -r fx fy fw fh _ < <(frame)
    [ "$fx $fy $fw $fh" = "0 0 $width $height" ]
}
frame_text() {
    local fx fy fw fh x y w h
    read -r fx fy fw fh x y w h < <(frame)
    echo "frame at ($fx,$fy) ${fw}x$fh, client at ($x,$y) ${w}x$h"
}
# Passes or fails $1 by whether the frame comes to lie on the screen.
expect_frame_on_screen() {
    if wait_for 10 frame_on_screen; then
        pass "$1: $(frame_text)"
    else
        fail "$1: $(frame_text), not the screen's (0,0) ${width}x$height"
    fi
}

start Tolbrin
tolbrin=$started
# The round menu Form1 and, on it, its two buttons; each worksheet's return button.
declare -A menu_button=([Form2]="252 180" [Form3]="252 308")
declare -A return_button=([Form2]="96 56" [Form3]="144 48")
menu=
rewritten=
if await_window "$tolbrin"; then
    menu=$window
    for visit in Form3 Form2 Form3 Form2; do
        click_at $(at "$menu" ${menu_button[$visit]})
        if ! await_window "$tolbrin" "$menu"; then
            fail "Tolbrin: $visit did not open"
            break
        fi
        sheet=$window
        wait_for 10 has_extents "$sheet"
        expect_frame_on_screen "Tolbrin $visit"
        # The manager may write its frame after it has placed the window:
        # the worksheet follows whatever it writes last.
        if [ "$visit" = Form2 ] && [ -z "$rewritten" ]; then
            rewritten=$(extents "$sheet")
            xprop -id "$sheet" -f _NET_FRAME_EXTENTS 32c -set _NET_FRAME_EXTENTS "3, 3, 30, 7"
            expect_frame_on_screen "Tolbrin $visit, frame written again"
            xprop -id "$sheet" -f _NET_FRAME_EXTENTS 32c -set _NET_FRAME_EXTENTS "$(echo $rewritten | tr ' ' ',')"
            wait_for 10 frame_on_screen || fail "Tolbrin $visit: $(frame_text) after the manager's own frame came back"
        fi
        click_at $(at "$sheet" ${return_button[$visit]})
        if ! await_window "$tolbrin" "$sheet"; then
            fail "Tolbrin: the menu did not come back from $visit"
            break
        fi
        menu=$window
    done
else
    fail "Tolbrin: the menu did not open"
fi
alive "$tolbrin" || fail "Tolbrin ended"

# --- a double click on "الواجهة" -------------------------------------------------
# Presses and releases the button twice at the point x y of window $1, the
# second time as soon as the click has put window $4 on screen, as a pupil's
# quick double click does. Prints the milliseconds between the two presses;
# fails when they were too far apart to make a double click.
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
double_click_through() {
    local from=$1 x y first second tries=100
    read -r x y < <(at "$from" "$2" "$3")
    xdotool mousemove --sync "$x" "$y"
    first=$(date +%s%3N)
    xdotool mousedown 1 mouseup 1
    while ! viewable "$4" && ((tries-- > 0)); do
        sleep 0.02
    done
    second=$(date +%s%3N)
    xdotool mousedown 1 mouseup 1
    echo $((second - first))
    # Qt's double-click interval on X without a settings daemon is 400 ms.
    ((second - first < 400))
}

# A double click on the drill's "الواجهة" at x y, over the menu's "خروج": the
# menu is shown and the program runs; the menu's button at open_x open_y then
# brings the same drill window back. Fails and returns 1 when the program
# ended or another window came.
# Usage: double_click_return NAME PID DRILL X Y MENU MENU_WORDS OPEN_X OPEN_Y
double_click_return() {
    local name=$1 pid=$2 drill=$3 x=$4 y=$5 menu=$6 words=$7 open_x=$8 open_y=$9 ms
    ms=$(double_click_through "$drill" "$x" "$y" "$menu") || { fail "$name: no double click ($ms ms)"; return 1; }
    sleep 0.5
    if alive "$pid" && [ "$(visible "$pid")" = "$menu" ]; then
        pass "$name: double click on the drill's \"الواجهة\" ($ms ms): the $words is shown, the program runs"
    else
        fail "$name: double click on the drill's \"الواجهة\" ($ms ms) ended the program or left another window"
        return 1
    fi
    click_at $(at "$menu" "$open_x" "$open_y")
    if await_window "$pid" "$menu" && [ "$window" = "$drill" ]; then
        pass "$name: the same drill window comes back"
    else
        fail "$name: the drill window did not come back"
    fi
}

# Halvery: start card, suite menu, mode menu, "اكتب الناتج" drill Form2.
start Halvery
halvery=$started
halvery_checks() {
    await_window "$halvery" || { fail "Halvery: no window"; return; }
    local card=$window
    await_window "$halvery" "$card" || { fail "Halvery: the suite menu did not come"; return; }
    local suite_menu=$window
    click_at $(at "$suite_menu" 400 156)
    await_window "$halvery" "$suite_menu" || { fail "Halvery: the mode menu did not open"; return; }
    local mode_menu=$window
    click_at $(at "$mode_menu" 400 392)
    await_window "$halvery" "$mode_menu" || { fail "Halvery: the drill did not open"; return; }
    local drill=$window
    # "الواجهة" of the drill lies over "خروج" of the mode menu.
    local ms
    double_click_return Halvery "$halvery" "$drill" 150 568 "$mode_menu" "mode menu" 400 392 || return
    sleep 0.6
    # The mode menu's "الواجهة" lies over the suite menu's "عن البرنامج".
    click_at $(at "$drill" 150 568)
    await_window "$halvery" "$drill" || { fail "Halvery: the mode menu did not come back"; return; }
    ms=$(double_click_through "$mode_menu" 150 528 "$suite_menu") || { fail "Halvery: no double click ($ms ms)"; return; }
    sleep 0.5
    if alive "$halvery" && [ "$(visible "$halvery")" = "$suite_menu" ]; then
        pass "Halvery: double click on the mode menu's \"الواجهة\" ($ms ms): only the suite menu is shown"
    else
        fail "Halvery: double click on the mode menu's \"الواجهة\" ($ms ms) opened another window: $(visible "$halvery" | tr '\n' ' ')"
    fi
}
halvery_checks

# Mirrane: start card, menu Form5, then "اكتب ناتج الضرب" drill Form2.
start Mirrane
mirrane=$started
mirrane_checks() {
    await_window "$mirrane" || { fail "Mirrane: no window"; return; }
    local card=$window menu drill
    await_window "$mirrane" "$card" || { fail "Mirrane: the menu did not come"; return; }
    menu=$window
    click_at $(at "$menu" 400 232)
    await_window "$mirrane" "$menu" || { fail "Mirrane: the drill did not open"; return; }
    drill=$window
    # "الواجهة" of the drill lies over "خروج" of the menu.
    double_click_return Mirrane "$mirrane" "$drill" 70 568 "$menu" menu 400 232 || return
    sleep 0.6
    click_at $(at "$drill" 70 568)
    await_window "$mirrane" "$drill" || { fail "Mirrane: the menu did not come back"; return; }
    # A single click later still works: "خروج" ends the program.
    sleep 0.6
    click_at $(at "$menu" 70 568)
    if wait_for 10 bash -c "! kill -0 $mirrane 2>/dev/null"; then
        pass "Mirrane: a later click on \"خروج\" ends the program"
    else
        fail "Mirrane: a later click on \"خروج\" did not end the program"
    fi
}
mirrane_checks

# --- Daskin: pasting from empty selections (fixed in forms/multiline.cpp) -------
# Nothing has been copied since Xvfb started: the clipboard and the primary
# selection have no owner.
start Daskin
daskin=$started
daskin_checks() {
    await_window "$daskin" || { fail "Daskin: no window"; return; }
    local form=$window
    read -r x y < <(at "$form" 256 224)
    xdotool mousemove --sync "$x" "$y" click 2
    sleep 0.5
    alive "$daskin" || { fail "Daskin (paste sub-check): a middle click into Text2 ended Daskin"; return; }
    click_at "$x" "$y"
    xdotool key --clearmodifiers ctrl+v
    sleep 0.5
    if alive "$daskin"; then
        pass "Daskin (paste sub-check): middle click and Ctrl+V into Text2 leave Daskin running"
    else
        fail "Daskin (paste sub-check): Ctrl+V into Text2 ended Daskin"
    fi
}
daskin_checks

for program in Tolbrin Halvery Mirrane Daskin; do
    if grep -q 'ERROR: AddressSanitizer\|runtime error:' "$tmp/$program.log"; then
        fail "$program: sanitizer report"
        cat "$tmp/$program.log"
    fi
done

if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all checks passed"
