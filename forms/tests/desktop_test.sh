#!/usr/bin/env bash
# Runs the programs of the suite folder on a real X server (Xvfb) under a
# window manager (openbox) and drives them with real X events:
#   - Tolbrin's full-screen worksheets have their whole frame on screen,
#     also when opened again from the menu and when the manager writes
#     its frame again;
#   - a double click on "الواجهة" in Halvery and Mirrane leaves the program
#     running with its drill window kept;
#   - a middle click and Ctrl+V into Daskin's Text2 with nothing copied
#     leave Daskin running;
#   - each program's ending key or click ends its process within 200 ms,
#     and an Esc during Halvery's feedback sound once the sound has ended;
#   - windows at rest use no CPU;
#   - Corvane's menu and a message box ask for no minimize or maximize
#     button, and come back at once when the manager minimizes them, as
#     Halvery's borderless suite menu does; message boxes are wide enough
#     for their titles and their buttons carry no icon;
#   - a double click on Halvery's "تمارين على Tolbrin" starts two Corvanes,
#     the second click landing on the first one's new window;
#   - in a Wayland session (weston) with an X server the programs run on X;
#     on Wayland alone Tolbrin's round menu shows nothing outside its circle.
#   - digits typed on the Arabic keyboard with Eastern Arabic numerals go
#     into Daskin as Western digits.
# Usage: desktop_test.sh SUITE_FOLDER SCREENPIXELS
set -u

suite=${1:?usage: desktop_test.sh SUITE_FOLDER SCREENPIXELS}
pixels=${2:?usage: desktop_test.sh SUITE_FOLDER SCREENPIXELS}
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

for tool in Xvfb openbox xdotool xwininfo xprop setxkbmap weston weston-screenshooter; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: $tool is missing (scripts/setup.sh installs xvfb, openbox, xdotool, x11-utils, x11-xkb-utils and weston)"
        exit 1
    fi
done
if [ ! -x "$pixels" ]; then
    echo "FAIL: $pixels is missing (build the tests first)"
    exit 1
fi
for program in Tolbrin Halvery Mirrane Daskin Quillet zorurav/Corvane; do
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
    "$suite/$1" >"$tmp/${1##*/}.log" 2>&1 &
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

# Starts a program and waits past its start card: the process in $started,
# the window that follows the card in $window.
past_card() {
    start "$1"
    await_window "$started" || return 1
    local card=$window
    await_window "$started" "$card"
}
# Halvery through its suite menu to its mode menu: the process in $halvery,
# the windows in $suite_menu and $mode_menu.
halvery_mode_menu() {
    past_card Halvery || return 1
    halvery=$started
    suite_menu=$window
    click_at $(at "$suite_menu" 400 156)
    await_window "$halvery" "$suite_menu" || return 1
    mode_menu=$window
}
# Mirrane to its menu Form5: the process in $mirrane, the menu in $menu.
mirrane_menu() {
    past_card Mirrane || return 1
    mirrane=$started
    menu=$window
}
# The "اكتب الناتج" drill on each menu.
halvery_write_drill="400 392"
mirrane_write_drill="400 232"

# Halvery: start card, suite menu, mode menu, "اكتب الناتج" drill Form2.
halvery_checks() {
    halvery_mode_menu || { fail "Halvery: the mode menu did not open"; return; }
    click_at $(at "$mode_menu" $halvery_write_drill)
    await_window "$halvery" "$mode_menu" || { fail "Halvery: the drill did not open"; return; }
    local drill=$window
    # "الواجهة" of the drill lies over "خروج" of the mode menu.
    local ms
    double_click_return Halvery "$halvery" "$drill" 150 568 "$mode_menu" "mode menu" $halvery_write_drill || return
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
mirrane_checks() {
    mirrane_menu || { fail "Mirrane: the menu did not come"; return; }
    local drill
    click_at $(at "$menu" $mirrane_write_drill)
    await_window "$mirrane" "$menu" || { fail "Mirrane: the drill did not open"; return; }
    drill=$window
    # "الواجهة" of the drill lies over "خروج" of the menu.
    double_click_return Mirrane "$mirrane" "$drill" 70 568 "$menu" menu $mirrane_write_drill || return
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

# --- windows without minimize or maximize ---------------------------------------
# What window $1 asks the window manager for.
motif() { xprop -id "$1" _MOTIF_WM_HINTS | sed -n 's/.*= *//p' | tr -d ','; }
wm_type() { xprop -id "$1" _NET_WM_WINDOW_TYPE | sed -n 's/.*= *//p' | cut -d, -f1; }
size_hints() {
    xprop -id "$1" WM_NORMAL_HINTS |
        awk '/minimum size/ {min = $(NF-2) "x" $NF} /maximum size/ {max = $(NF-2) "x" $NF} END {print min, max}'
}
# Checks that window $2 asks for a fixed dialog: Motif functions and
# decorations without minimize, maximize or resize, one size, a dialog's type.
# Usage: asks_fixed_dialog NAME WINDOW
asks_fixed_dialog() {
    local flags functions decorations min max type
    read -r flags functions decorations _ < <(motif "$2")
    read -r min max < <(size_hints "$2")
    type=$(wm_type "$2")
    local seen="_MOTIF_WM_HINTS $flags $functions $decorations, size ${min:-?} to ${max:-?}, $type"
    # Functions: all 1, resize 2, minimize 8, maximize 16; decorations: all 1,
    # resize handles 4, minimize 32, maximize 64.
    if [ -n "${decorations:-}" ] && (((flags & 3) == 3 && (functions & 0x1b) == 0 && (decorations & 0x65) == 0)) \
        && [ -n "$min" ] && [ "$min" = "$max" ] && [ "$type" = _NET_WM_WINDOW_TYPE_DIALOG ]; then
        pass "$1 asks for no minimize, maximize or resize: $seen"
    else
        fail "$1 asks for other buttons: $seen"
    fi
}
# Minimizes window $2 through the window manager and checks that it is soon
# shown again where it was.
# Usage: comes_back NAME WINDOW
comes_back() {
    local before after
    before=$(client "$2")
    xdotool windowminimize "$2"
    sleep 0.5
    after=$(client "$2")
    if viewable "$2" && ! xprop -id "$2" WM_STATE | grep -q Iconic && [ "$after" = "$before" ]; then
        pass "$1 comes back at once when minimized, at $after"
    elif viewable "$2"; then
        fail "$1 came back at $after, not at $before"
    else
        fail "$1 stays minimized"
    fi
}
# Checks on the screen that the buttons of message box $2, each given as the
# inside of its face (left top width height from the box's client corner,
# 3 px in from its border), carry no icon (no coloured pixel on the grey face)
# and their captions start clear of the left border.
# Usage: plain_buttons NAME BOX FACE...
plain_buttons() {
    local name=$1 box=$2 x y face coloured dark all=ok
    shift 2
    read -r x y _ < <(client "$box")
    "$pixels" grab "$tmp/box.png" || { fail "$name: no screenshot"; return; }
    for face in "$@"; do
        set -- $face
        read -r coloured dark < <("$pixels" ink "$tmp/box.png" $((x + $1)) $((y + $2)) "$3" "$4")
        if [ "$coloured" != 0 ] || ((dark < 3)); then
            fail "$name: the button at $1,$2 has $coloured coloured pixels (an icon) and its caption's ink starts $dark px inside"
            all=
        fi
    done
    [ -n "$all" ] && pass "$name: every button plain, its caption clear of the border"
}
minimize_checks() {
    start zorurav/Corvane
    local corvane=$started card menu box
    if await_window "$corvane"; then
        card=$window
        sleep 0.3
        xdotool key --clearmodifiers Return
        if await_window "$corvane" "$card"; then
            menu=$window
            asks_fixed_dialog "Corvane's menu Form4" "$menu"
            if xprop -id "$menu" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR; then
                pass "Corvane's menu Form4 keeps off the taskbar"
            else
                fail "Corvane's menu Form4 asks for a taskbar button: $(xprop -id "$menu" _NET_WM_STATE)"
            fi
            comes_back "Corvane's menu Form4" "$menu"
        else
            fail "Corvane: the menu did not open"
        fi
    else
        fail "Corvane: no window"
    fi
    kill "$corvane" 2>/dev/null

    # The exit question over the start card.
    start zorurav/Corvane
    corvane=$started
    if await_window "$corvane"; then
        card=$window
        sleep 0.3
        click_at $(at "$card" 160 204)
        if wait_for 10 bash -c "[ \$(xdotool search --onlyvisible --pid $corvane | wc -l) = 2 ]"; then
            box=$(visible "$corvane" | grep -v "^$card\$")
            asks_fixed_dialog "Corvane's exit question" "$box"
            plain_buttons "Corvane's exit question" "$box" "14 52 74 23" "100 52 74 23"
            comes_back "Corvane's exit question" "$box"
        else
            fail "Corvane: the exit question did not open"
        fi
    else
        fail "Corvane: no window"
    fi
    kill "$corvane" 2>/dev/null

    if past_card Halvery; then
        comes_back "Halvery's suite menu (no title bar)" "$window"
    else
        fail "Halvery: the suite menu did not come"
    fi
    kill "$started" 2>/dev/null

    # The step drill's "عفواً لم تضع رقما", titled "رسالة البرنامج": openbox's
    # Debian theme draws that title whole, beside its icon and three buttons,
    # in a box at least 187 px wide on this screen.
    past_card Halvery || { fail "Halvery: the suite menu did not come"; return; }
    local halvery=$started drill width
    click_at $(at "$window" 400 252)
    if await_window "$halvery" "$window"; then
        drill=$window
        sleep 0.3
        click_at $(at "$drill" 115 220) # "مسألة جديدة"; the problem comes 2.5 s later
        sleep 3.5
        click_at $(at "$drill" 244 172) # "ادخال الناتج" with the box empty
        if wait_for 10 bash -c "[ \$(xdotool search --onlyvisible --pid $halvery | wc -l) = 2 ]"; then
            box=$(visible "$halvery" | grep -v "^$drill\$")
            read -r _ _ width _ < <(client "$box")
            if ((width >= 187)); then
                pass "Halvery's \"رسالة البرنامج\" box is $width px wide, room for its whole title"
            else
                fail "Halvery's \"رسالة البرنامج\" box is $width px wide: openbox cuts its title"
            fi
            plain_buttons "Halvery's \"رسالة البرنامج\" box" "$box" "14 52 74 23"
        else
            fail "Halvery: the step drill's message did not open"
        fi
    else
        fail "Halvery: the step drill did not open"
    fi
    kill "$halvery" 2>/dev/null
}

# --- a double click that starts a program twice ---------------------------------
# Halvery's "تمارين على Tolbrin" (Command7) starts Corvane, whose start card
# comes up over the button: the second click of a double click, once that
# card is on screen, starts a second Corvane, and the menu stays.
launch_checks() {
    past_card Halvery || { fail "Halvery: the suite menu did not come"; return; }
    local halvery=$started menu=$window x y first count ms attempt
    read -r x y < <(at "$menu" 400 396)
    local folder on_card
    folder=$(cd "$suite" && pwd -P)
    # Corvane is started detached: its processes are found by their path.
    corvanes() { pgrep -f "^$folder/zorurav/Corvane"; }
    # The top-level window under the pointer (the manager's frame of it).
    under_pointer() { xdotool getmouselocation --shell | sed -n 's/^WINDOW=//p'; }
    xdotool mousemove --sync "$x" "$y"
    local menu_frame
    menu_frame=$(under_pointer)
    # The two clicks 300 ms apart from one xdotool, so that the card, which
    # comes some 200 ms after the first, is up over the button for the second.
    # xdotool waits the 300 ms after the second click too, so the clicks were
    # at most its run less 300 ms apart. Where that bound reaches the
    # double-click interval, the clicks may have been too far apart: that try
    # says nothing of the program and is made again.
    for attempt in 1 2 3; do
        first=$(date +%s%3N)
        xdotool click --repeat 2 --delay 300 1
        ms=$(($(date +%s%3N) - first - 300))
        if [ "$(under_pointer)" != "$menu_frame" ]; then
            on_card="Corvane's card over the button right after"
        else
            on_card="Corvane's card not yet up"
        fi
        sleep 1.5
        count=$(corvanes | wc -l)
        ((ms < 400)) && break
        corvanes | xargs -r kill 2>/dev/null
        wait_for 10 bash -c "! pgrep -f '^$folder/zorurav/Corvane' >/dev/null"
    done
    if ((ms >= 400)); then
        fail "Halvery: in $attempt tries the clicks were up to $ms ms apart, too far to be sure of a double click"
    elif [ "$count" = 2 ] && viewable "$menu"; then
        pass "Halvery: a double click on \"تمارين على Tolbrin\" (clicks at most $ms ms apart, $on_card, try $attempt) starts two Corvanes; the menu stays"
    else
        fail "Halvery: a double click on \"تمارين على Tolbrin\" (clicks at most $ms ms apart, $on_card, try $attempt) started $count Corvane(s)"
    fi
    corvanes | xargs -r kill 2>/dev/null
    kill "$halvery" 2>/dev/null
}
launch_checks
minimize_checks

# --- a Wayland session -----------------------------------------------------------
wayland_checks() {
    local runtime=$tmp/runtime socket=wayland-suite
    mkdir -m 700 "$runtime"
    XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --use-pixman --debug --socket=$socket \
        --width=$width --height=$height --idle-time=0 >"$tmp/weston.log" 2>&1 &
    pids+=($!)
    if ! wait_for 20 test -S "$runtime/$socket"; then
        fail "weston did not start: $(tail -n 3 "$tmp/weston.log")"
        return
    fi
    local session=(env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=$socket)

    # With an X server beside Wayland, the program runs on X.
    "${session[@]}" "$suite/Daskin" >"$tmp/Daskin-wayland.log" 2>&1 &
    local daskin=$!
    pids+=("$daskin")
    if await_window "$daskin"; then
        pass "Daskin in a Wayland session with an X server shows its window on X"
    else
        fail "Daskin in a Wayland session with an X server shows no window on X"
    fi
    kill "$daskin" 2>/dev/null

    # Wayland alone: Tolbrin runs, and its round menu is round.
    env -u DISPLAY "${session[@]}" "$suite/Tolbrin" >"$tmp/Tolbrin-wayland.log" 2>&1 &
    local tolbrin=$!
    pids+=("$tolbrin")
    sleep 3
    if ! alive "$tolbrin"; then
        fail "Tolbrin on Wayland alone ended: $(tail -n 3 "$tmp/Tolbrin-wayland.log")"
        return
    fi
    local shot box
    (cd "$tmp" && XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket weston-screenshooter >/dev/null 2>&1)
    shot=$(ls "$tmp"/wayland-screenshot*.png 2>/dev/null | head -n 1)
    if [ -z "$shot" ]; then
        fail "Tolbrin on Wayland alone: no screenshot"
    else
        # The menu's pink, #FF80FF, lies only inside the 300 px circle.
        box=$("$pixels" box "$shot" FF80FF)
        read -r _ _ w h <<<"$box"
        if [ "$box" != none ] && ((w <= 302 && h <= 302 && w >= 290 && h >= 290)); then
            pass "Tolbrin on Wayland alone runs; its menu's pink fills a ${w}x$h square round the circle"
        else
            fail "Tolbrin on Wayland alone: its menu's pink covers $box, not the 300 px circle"
        fi
    fi
    kill "$tolbrin" 2>/dev/null
}
wayland_checks

# --- the end comes at once --------------------------------------------------------
# Runs the command that follows (the pupil's key or click) and checks that
# process $2 is gone within $limit ms of it (200 unless set), polling every 10 ms.
# Usage: [limit=MS] ends_within NAME PID COMMAND...
ends_within() {
    local name=$1 pid=$2 t0 ms tries=300 most=${limit:-200}
    shift 2
    t0=$(date +%s%N)
    "$@"
    while alive "$pid" && ((tries-- > 0)); do
        sleep 0.01
    done
    ms=$((($(date +%s%N) - t0) / 1000000))
    if alive "$pid"; then
        fail "$name: the process still runs $ms ms after the pupil's key or click"
    elif ((ms <= most)); then
        pass "$name: the process is gone $ms ms after the pupil's key or click"
    else
        fail "$name: the process is gone only $ms ms after the pupil's key or click"
    fi
}
# Moves the pointer to a point of window $1 first, so that only the click is timed.
point_at() { xdotool mousemove --sync $(at "$@"); }
click_here() { xdotool click 1; }
key() { xdotool key --clearmodifiers "$1"; }

# ... and its choose drill Form4 ("اختر الناتج"), in $drill.
halvery_choose_drill() {
    halvery_mode_menu || return 1
    click_at $(at "$mode_menu" 540 225)
    await_window "$halvery" "$mode_menu" || return 1
    drill=$window
}
end_checks() {
    if halvery_choose_drill; then
        sleep 0.3
        ends_within "Halvery: Esc in the choose drill" "$halvery" key Escape
    else
        fail "Halvery: the choose drill did not open"
    fi
    if halvery_mode_menu; then
        sleep 0.3
        point_at "$mode_menu" 150 568
        ends_within "Halvery: \"خروج\" in the mode menu" "$halvery" click_here
    else
        fail "Halvery: the mode menu did not open"
    fi
    # A device that takes the sound at once still holds it for its length.
    # The feedback sound of an answer holds the window until it ends (0.58 s
    # at the longest): Esc pressed 0.1 s into it acts then, and the program
    # is gone within 200 ms of the sound's end.
    printf 'pcm.!default { type null }\n' >"$tmp/asound.conf"
    if ALSA_CONFIG_PATH=$tmp/asound.conf halvery_choose_drill; then
        sleep 0.3
        click_at $(at "$drill" 403 356)
        sleep 0.1
        limit=$((580 - 100 + 200)) ends_within "Halvery: Esc in the choose drill while the feedback sound plays" "$halvery" key Escape
    else
        fail "Halvery: the choose drill did not open (with a sound device)"
    fi

    if mirrane_menu; then
        sleep 0.3
        ends_within "Mirrane: Esc in the menu" "$mirrane" key Escape
    else
        fail "Mirrane: the menu did not come"
    fi

    start Quillet
    local quillet=$started
    if await_window "$quillet"; then
        sleep 0.3
        ends_within "Quillet: Esc on the card" "$quillet" key Escape
    else
        fail "Quillet: no window"
    fi

    start zorurav/Corvane
    local corvane=$started
    if await_window "$corvane"; then
        sleep 0.3
        ends_within "Corvane: a character key on the start card" "$corvane" key a
    else
        fail "Corvane: no window"
    fi

    start Daskin
    local daskin_end=$started
    if await_window "$daskin_end"; then
        sleep 0.3
        ends_within "Daskin: closing its window" "$daskin_end" key alt+F4
    else
        fail "Daskin: no window"
    fi
}
end_checks

# --- windows at rest use no CPU ---------------------------------------------------
ticks_per_second=$(getconf CLK_TCK)
# The CPU time of a process so far, in clock ticks (utime + stime).
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'; }
# Fails when process $2 uses more than 3% of one core over 3 s.
# Usage: at_rest NAME PID
at_rest() {
    local name=$1 pid=$2 before after used
    alive "$pid" || { fail "$name: the program is not running"; return; }
    before=$(cpu_ticks "$pid")
    sleep 3
    after=$(cpu_ticks "$pid")
    used=$((after - before))
    # In hundredths of a percent of one core.
    local share=$((used * 10000 / (3 * ticks_per_second)))
    if ((share <= 300)); then
        pass "$name: $((share / 100)).$(printf %02d $((share % 100)))% CPU over 3 s"
    else
        fail "$name: $((share / 100)).$(printf %02d $((share % 100)))% CPU over 3 s at rest (3% at most)"
    fi
}
# Opens the write drill at x y of menu $3, answers its question wrong and,
# once the feedback is over, checks that the program rests.
# Usage: wrong_answer_at_rest PROGRAM PID MENU X Y
wrong_answer_at_rest() {
    click_at $(at "$3" "$4" "$5")
    if await_window "$2" "$3"; then
        sleep 0.3
        xdotool type 1
        key Return
        sleep 3
        at_rest "$1's write drill after a wrong answer" "$2"
    else
        fail "$1: the write drill did not open"
    fi
}
rest_checks() {
    start Daskin
    local daskin_rest=$started
    if await_window "$daskin_rest"; then
        local form=$window
        sleep 1
        at_rest "Daskin as it starts" "$daskin_rest"
        click_at $(at "$form" 240 48)
        xdotool type 12
        click_at $(at "$form" 44 40)
        sleep 0.5
        at_rest "Daskin after a search" "$daskin_rest"
    else
        fail "Daskin: no window"
    fi

    # The write drills after a wrong answer, once the 2.5 s of feedback are over.
    if mirrane_menu; then
        wrong_answer_at_rest Mirrane "$mirrane" "$menu" $mirrane_write_drill
    else
        fail "Mirrane: the menu did not come"
    fi
    if halvery_mode_menu; then
        wrong_answer_at_rest Halvery "$halvery" "$mode_menu" $halvery_write_drill
    else
        fail "Halvery: the mode menu did not open"
    fi

    # Tolbrin's Form3 worked to its last step by its quick solution (one
    # pause a step), then with its about box open over it.
    start Tolbrin
    local tolbrin_rest=$started sheet box
    if await_window "$tolbrin_rest" && menu=$window && click_at $(at "$menu" ${menu_button[Form3]}) \
        && await_window "$tolbrin_rest" "$menu"; then
        sheet=$window
        sleep 0.5
        # Divisor 5, dividend 975, in Text3, Text2, Text1 and Text23.
        for box in "296 5" "376 9" "424 7" "480 5"; do
            set -- $box
            click_at $(at "$sheet" "$1" 80)
            xdotool type "$2"
        done
        click_at $(at "$sheet" 240 216)
        sleep 20
        at_rest "Tolbrin's Form3 worked to its last step" "$tolbrin_rest"
        click_at $(at "$sheet" 232 312)
        sleep 1
        if [ "$(visible "$tolbrin_rest" | grep -c .)" = 2 ]; then
            at_rest "Tolbrin's Form3 with its about box open" "$tolbrin_rest"
        else
            fail "Tolbrin: the about box did not open over Form3"
        fi
    else
        fail "Tolbrin: Form3 did not open"
    fi
}
rest_checks

# --- digits typed on an Arabic keyboard (forms/controls.cpp, NumberEntry) --------
# With the Arabic layout's Eastern Arabic numerals the number row types
# Arabic-Indic digits. Daskin's Text1 takes them as the Western digits they
# stand for: the number row's "3" and "6" (keycodes 12 and 15) show 36 in
# Text1, and "ابحث" lists the divisors of 36 in Text2, the screen's pixels
# there the same as after the same keys on the us layout. Text2 takes text
# as it comes: the same keys typed into it show other pixels on the two
# layouts, so the Arabic layout did reach the program.
# Starts Daskin on the layout set, types the keycodes 12 15 into Text1 and
# clicks "ابحث", then types them into Text2 and clicks "ابحث" again. The
# pixels of Text1 and Text2 go to $tmp/digits-$1: before the search (start),
# after it (found) and at the end (typed), a checksum a line. Fails and
# returns 1 when Daskin ends or shows no window.
daskin_typed_by_keycode() {
    local layout=$1 pid form sums=$tmp/digits-$1 stage
    "$suite/Daskin" >"$tmp/Daskin-digits-$layout.log" 2>&1 &
    pid=$!
    pids+=("$pid")
    await_window "$pid" || { fail "Daskin ($layout keyboard): no window"; return 1; }
    form=$window
    # The checksums of Text1 and Text2 on the screen now, after "$1:".
    shown_boxes() {
        local shot=$tmp/digits-$layout-$1.png
        "$pixels" grab "$shot" 2>/dev/null
        echo "$1: $("$pixels" region "$shot" $(at "$form" 96 24) 289 49) $("$pixels" region "$shot" $(at "$form" 8 160) 497 129)"
    }
    sleep 0.5
    : >"$sums"
    click_at $(at "$form" 240 48)
    xdotool key --clearmodifiers 12 15
    sleep 0.3
    shown_boxes start >>"$sums"
    click_at $(at "$form" 44 40)
    sleep 0.5
    alive "$pid" || { fail "Daskin ($layout keyboard): \"ابحث\" after 36 typed ended Daskin"; return 1; }
    shown_boxes found >>"$sums"
    click_at $(at "$form" 256 224)
    xdotool key --clearmodifiers 12 15
    click_at $(at "$form" 44 40)
    sleep 0.5
    shown_boxes typed >>"$sums"
    alive "$pid" || { fail "Daskin ($layout keyboard): Daskin ended"; return 1; }
    xdotool key --clearmodifiers alt+F4
    wait_for 10 bash -c "! kill -0 $pid 2>/dev/null" || kill "$pid"
    if grep -q 'ERROR: AddressSanitizer\|runtime error:' "$tmp/Daskin-digits-$layout.log"; then
        fail "Daskin ($layout keyboard): sanitizer report"
        cat "$tmp/Daskin-digits-$layout.log"
    fi
}
# The checksum of box $3 (1 for Text1, 2 for Text2) at stage $2 on layout $1.
shown_box() { sed -n "s/^$2: //p" "$tmp/digits-$1" | cut -d' ' -f"$3"; }
arabic_keyboard_checks() {
    setxkbmap us || { fail "setxkbmap: the us layout could not be set"; return; }
    daskin_typed_by_keycode us || return
    if ! setxkbmap -layout ara -variant digits || ! setxkbmap -query | grep -q '^variant: *digits'; then
        fail "setxkbmap: the Arabic layout with Eastern Arabic numerals could not be set"
        return
    fi
    daskin_typed_by_keycode ara || return
    local box
    for box in "us found 1" "us found 2" "ara found 1" "ara found 2" "us typed 2" "ara typed 2"; do
        [ -n "$(shown_box $box)" ] || { fail "Daskin: no picture of its boxes ($box)"; return; }
    done
    if [ "$(shown_box ara typed 2)" = "$(shown_box us typed 2)" ]; then
        fail "Daskin: the number row typed the same into Text2 on the Arabic and the us layout: the Arabic layout did not reach the program"
        return
    fi
    if [ "$(shown_box ara found 1)" = "$(shown_box us found 1)" ]; then
        pass "Daskin: the Arabic keyboard's ٣٦ shows as 36 in Text1, as typed on the us layout"
    else
        fail "Daskin: the Arabic keyboard's ٣٦ does not show in Text1 as 36 typed on the us layout does"
    fi
    if [ "$(shown_box us found 2)" = "$(shown_box us start 2)" ]; then
        fail "Daskin: \"ابحث\" after 36 typed on the us layout listed nothing"
    elif [ "$(shown_box ara found 2)" = "$(shown_box us found 2)" ]; then
        pass "Daskin: \"ابحث\" after the Arabic keyboard's ٣٦ lists the divisors of 36, as after 36 on the us layout"
    else
        fail "Daskin: \"ابحث\" after the Arabic keyboard's ٣٦ does not list what it lists for 36 typed on the us layout"
    fi
}
arabic_keyboard_checks
setxkbmap us || fail "setxkbmap: the us layout could not be set back"

for program in Tolbrin Halvery Mirrane Daskin Quillet Corvane; do
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
