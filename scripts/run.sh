#!/usr/bin/env bash
# Builds the Windows build and runs the robot beside the room simulator under Wine: on your display
# when there is one (close the room's window to finish), otherwise on a private virtual display with
# a short scripted scene whose screenshots go to build/windows/screenshots/.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
source scripts/packages.sh
source scripts/wine-env.sh

headless=
[[ -z "${DISPLAY:-}" ]] && headless=1
packages=("${WARDO_BUILD_PACKAGES[@]}")
[[ -n "$headless" ]] && packages+=(imagemagick xdotool)
wardo_install_missing "${packages[@]}" || exit 1

mkdir -p build
cmake --preset windows >build/windows-configure.log 2>&1 || { tail -n 30 build/windows-configure.log; exit 1; }
# Everything that builds: a failing test program does not keep the robot from running.
cmake --build --preset windows -- -k 0 || echo "some targets did not build" >&2
# Programs go to build/windows/bin, or beside their sources in older trees.
exe_path() {
    local dir
    for dir in build/windows/bin build/windows/tools/room/win32 build/windows/src/app; do
        [[ -f "$dir/$1" ]] && { echo "$dir/$1"; return 0; }
    done
    return 1
}
room_exe=$(exe_path wardo-room.exe) || { echo "wardo-room.exe is missing" >&2; exit 1; }
send_exe=$(exe_path wardo-room-send.exe) || { echo "wardo-room-send.exe is missing" >&2; exit 1; }
wardo_exe=$(exe_path wardo.exe) || { echo "No wardo.exe yet: the room simulator runs alone."; wardo_exe=; }

title="Salon de demonstration"
if [[ -n "$headless" ]]; then
    wardo_wine_start "" || exit 1
else
    WARDO_KEEP_DISPLAY=1 wardo_wine_start "" || exit 1
fi

wine_run() { setarch x86_64 -R wine "$@"; }
room_send() { wine_run "$send_exe" "$title" "$@" >/dev/null; }

wine_run "$room_exe" --title "$title" --nick Moderateur &
room_pid=$!
wine_run "$send_exe" --wait 30 "$title" notice "Bienvenue dans le salon" >/dev/null ||
    { echo "the room simulator did not open" >&2; exit 1; }
wardo_pid=
if [[ -n "$wardo_exe" ]]; then
    if [[ -n "$headless" ]]; then
        # The scene's robot greets newcomers, has already read its panel's two information frames, and has
        # one saved reason.
        appdata=$(wine_run cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
        ini_dir=$(winepath -u "$appdata\\Wardo" 2>/dev/null)
        [[ -n "$ini_dir" ]] && mkdir -p "$ini_dir" &&
            printf '[Parametres]\r\nSalutNouvUser=O\r\nAffInfos1=N\r\nAffInfos2=N\r\n[TitresRaisons]\r\n1=Pub\r\n[Raisons]\r\n1=Pas de pub ici $N\r\n' \
                >"$ini_dir/wardo.ini"
    fi
    wine_run "$wardo_exe" &
    wardo_pid=$!
fi

if [[ -z "$headless" ]]; then
    echo "The room is open on $DISPLAY; its control window makes members join and speak. Close the room to finish."
    wait "$room_pid"
else
    shots=build/windows/screenshots
    mkdir -p "$shots"
    shot() { import -window root -display "$DISPLAY" "$shots/$1.png" && echo "screenshot: $shots/$1.png"; }
    # The robot's start-up window: the first-run frame, then the attach to the room.
    robot=
    [[ -n "$wardo_pid" ]] && robot=$(timeout 30 xdotool search --sync --name "Connexion" | head -n1)
    sleep 3
    shot 01-salon
    if [[ -n "$robot" ]]; then
        # Points inside the window: "J'ai bien lu ..." then "Connexion à la salle" (15 twips a pixel).
        xdotool mousemove --window "$robot" 156 377 click 1
        sleep 1
        xdotool mousemove --window "$robot" 156 62 click 1
        # The attach opens the control panel, centred and above the other windows.
        timeout 20 xdotool search --sync --onlyvisible --name "Wardo - V" >/dev/null ||
            echo "the panel did not open" >&2
        sleep 1
        shot 02-panneau
        # The panel moves by its background: pressed 345 pixels below its top, it goes up to 10 pixels from
        # the screen's top, into the free space and off the room's text.
        panel=$(xdotool search --onlyvisible --name "Wardo - V" 2>/dev/null | head -n1)
        if [[ -n "$panel" ]]; then
            eval "$(xdotool getwindowgeometry --shell "$panel")"
            xdotool mousemove $((X + 10)) $((Y + 345)) mousedown 1 sleep 0.3 \
                mousemove $((X + 10)) $((Y + 200)) sleep 0.3 mousemove $((X + 10)) $((10 + 345)) sleep 0.3 mouseup 1
            sleep 1
        fi
    fi
    room_send join Bob
    sleep 2  # the robot greets the newcomer at its next reading of the room
    room_send say Bob bonjour tout le monde
    sleep 2
    shot 03-arrivee
    room_send mic other
    room_send say Bob je parle au micro
    sleep 2
    shot 04-micro
    room_send mic free
    # The chat client offers Bob in its input line: the panel takes him as its target.
    room_send input "Bob, "
    sleep 2
    shot 05-saisie
    # "Kick", then the saved reason in the list that opens (panel pixels, 15 twips a pixel).
    panel=$(xdotool search --onlyvisible --name "Wardo - V" 2>/dev/null | head -n1)
    if [[ -n "$panel" ]]; then
        xdotool mousemove --window "$panel" 195 187 click 1
        sleep 1
        shot 06-raisons-kick
        xdotool mousemove --window "$panel" 178 64 click 1
        sleep 2
        shot 07-kick
    fi
    room_send quit
    wait "$room_pid"
fi
[[ -n "$wardo_pid" ]] && kill "$wardo_pid" 2>/dev/null
wardo_wine_stop
