# shellcheck shell=bash
# Source this file, then call `wardo_wine_start [folder]` and later `wardo_wine_stop` (also run on EXIT).
# It gives Windows programs a private display (Xvfb), a private Wine prefix with a persistent server,
# and a desktop keeper; everything it starts is stopped by its own process id or prefix.
# After wardo_wine_start: DISPLAY, WINEPREFIX, WINEDEBUG and WINEDLLOVERRIDES are exported.

WARDO_SCRIPTS_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

_wardo_wait_for() {  # _wardo_wait_for SECONDS COMMAND... : polls every 0.1 s
    local tries=$(($1 * 10))
    shift
    while ((tries-- > 0)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

wardo_wine_start() {
    if [[ -n "${1:-}" ]]; then
        WARDO_WINE_DIR=$1
        WARDO_WINE_DIR_OWNED=
    else
        WARDO_WINE_DIR=$(mktemp -d /tmp/wardo-wine.XXXXXX) || return 1
        WARDO_WINE_DIR_OWNED=1
    fi
    mkdir -p "$WARDO_WINE_DIR/prefix"
    local log="$WARDO_WINE_DIR/wine.log"
    : >"$log"

    if [[ -z "${WARDO_KEEP_DISPLAY:-}" || -z "${DISPLAY:-}" ]]; then
        rm -f "$WARDO_WINE_DIR/display"
        Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WARDO_WINE_DIR/display" \
            >"$WARDO_WINE_DIR/xvfb.log" 2>&1 &
        WARDO_XVFB_PID=$!
        if ! _wardo_wait_for 20 grep -q '^[0-9][0-9]*$' "$WARDO_WINE_DIR/display"; then
            echo "wine-env: Xvfb did not start (see $WARDO_WINE_DIR/xvfb.log)" >&2
            return 1
        fi
        DISPLAY=":$(head -n1 "$WARDO_WINE_DIR/display")"
        export DISPLAY
    fi

    export WINEPREFIX="$WARDO_WINE_DIR/prefix"
    export WINEARCH=win64
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"

    # A persistent server, started with DISPLAY set: otherwise windows cannot be created.
    wineserver -f -p >>"$log" 2>&1 &
    WARDO_WINESERVER_PID=$!
    # The first Wine process starts services that keep its output open: never a pipe someone waits on.
    if ! setarch x86_64 -R wineboot -i >>"$log" 2>&1; then
        echo "wine-env: wineboot failed (see $log)" >&2
        return 1
    fi
    cat >"$WARDO_WINE_DIR/settings.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Drivers]
"Audio"=""

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000
REG
    setarch x86_64 -R wine regedit /S "$(winepath -w "$WARDO_WINE_DIR/settings.reg" 2>/dev/null)" >>"$log" 2>&1

    local keeper="$WARDO_WINE_DIR/desktop-keeper.exe"
    x86_64-w64-mingw32-g++-posix -O2 -static -mwindows -o "$keeper" "$WARDO_SCRIPTS_DIR/tools/desktop_keeper.cpp" ||
        return 1
    setarch x86_64 -R wine "$keeper" >>"$log" 2>&1 &
    WARDO_KEEPER_PID=$!
    # An interrupted run still stops what it started.
    trap wardo_wine_stop EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    return 0
}

wardo_wine_stop() {
    if [[ -n "${WARDO_KEEPER_PID:-}" ]]; then
        kill "$WARDO_KEEPER_PID" 2>/dev/null
        wait "$WARDO_KEEPER_PID" 2>/dev/null
        WARDO_KEEPER_PID=
    fi
    if [[ -n "${WARDO_WINESERVER_PID:-}" ]]; then
        # Ends this prefix's server and whatever Wine processes still run in it (and only those).
        WINEPREFIX="$WARDO_WINE_DIR/prefix" wineserver -k 2>/dev/null
        kill "$WARDO_WINESERVER_PID" 2>/dev/null
        wait "$WARDO_WINESERVER_PID" 2>/dev/null
        WARDO_WINESERVER_PID=
    fi
    if [[ -n "${WARDO_XVFB_PID:-}" ]]; then
        kill "$WARDO_XVFB_PID" 2>/dev/null
        wait "$WARDO_XVFB_PID" 2>/dev/null
        WARDO_XVFB_PID=
    fi
    if [[ -n "${WARDO_WINE_DIR_OWNED:-}" && -d "${WARDO_WINE_DIR:-}" ]]; then
        rm -rf "$WARDO_WINE_DIR"
        WARDO_WINE_DIR_OWNED=
    fi
    return 0
}
