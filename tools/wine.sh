# Wine and Xvfb for Tarnvel's scripts, as functions. Sourcing this file only
# defines them: nothing starts, nothing is made, no variable of the caller's
# changes until a function is called.
#
# Every Windows program runs in the project's own Wine prefix, build/wine in
# the checkout, which the project makes, marks and alone removes. A WINEPREFIX
# the user has set is never used, changed or removed; Wine's home, cache and
# configuration folders are the project's own too (build/wine-home).
#
#   tarnvel_wine PROGRAM ARGS...     runs a Windows program, in the code page of
#                                    TARNVEL_LOCALE (default zh_CN.UTF-8: 936)
#   tarnvel_wineserver ARGS...       the prefix's wineserver (-w waits for it)
#   tarnvel_make_prefix              makes the prefix now, not at its first use
#   tarnvel_windows_path PATH        a Unix path as Wine's drive Z: shows it
#   tarnvel_start_display            starts a private Xvfb and exports DISPLAY
#   tarnvel_stop_display             ends it once Wine has let go of it
#   tarnvel_at_dpi DPI COMMAND...    runs COMMAND while Wine programs see DPI
#   tarnvel_can_run_win32            true where 32-bit programs can run
#   tarnvel_test_locales             the locales of the code pages the tests
#                                    run in (tests/code_pages.txt), one a line
#
# Two settings serve the emulated machine of tests/vm32, which has Wine's
# 32-bit half alone and keeps its prefix in its own disk image:
#   TARNVEL_WINE_ARCH=win32          the prefix is a 32-bit one (default win64)
#   TARNVEL_WINE_HOME=FOLDER         the prefix and Wine's home in FOLDER, not build/

# Where the prefix lives: the checkout of this file, whatever the caller's folder.
tarnvel_wine_home() {
    [ -z "${TARNVEL_WINE_HOME:-}" ] || { echo "$TARNVEL_WINE_HOME"; return; }
    local tools
    tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd) || return 1
    echo "$(dirname "$tools")/build"
}

# Wine takes the code page from the locale's name; the list of the tests' code
# pages is the one CMake reads too.
tarnvel_test_locales() {
    local tools
    tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd) || return 1
    awk '!/^[[:space:]]*(#|$)/ { print $2 }' "$(dirname "$tools")/tests/code_pages.txt"
}

# The loader of the prefix's own programs (wineboot, reg).
tarnvel_prefix_loader() {
    case ${TARNVEL_WINE_ARCH:-win64} in
    win32) echo /usr/lib/wine/wine ;;
    *) echo /usr/lib/wine/wine64 ;;
    esac
}

# Runs a command with the environment of the project's Wine.
tarnvel_wine_env() {
    local home
    home=$(tarnvel_wine_home) || return 1
    # winemenubuilder would write menu entries and icons into the home folder.
    env WINEPREFIX="$home/wine" HOME="$home/wine-home" XDG_CONFIG_HOME="$home/wine-home/.config" \
        XDG_CACHE_HOME="$home/wine-home/.cache" XDG_DATA_HOME="$home/wine-home/.local/share" \
        WINEDEBUG="${TARNVEL_WINEDEBUG:--all}" \
        WINEDLLOVERRIDES="winedbg.exe=d;winemenubuilder.exe=d;mscoree=d;mshtml=d" \
        ${TARNVEL_WINE_ARCH:+WINEARCH=$TARNVEL_WINE_ARCH} WINELOADER="$(tarnvel_prefix_loader)" \
        LC_ALL="${TARNVEL_LOCALE:-zh_CN.UTF-8}" "$@"
}

tarnvel_wineserver() {
    tarnvel_wine_env wineserver "$@"
}

# Makes the prefix unless it is there and was made by this Wine: Chinese font
# names mapped to an installed CJK font and a virtual desktop, so windows draw
# the same under Xvfb as on a desktop. Refuses a folder it did not make.
tarnvel_make_prefix() {
    local home prefix mark ready loader
    home=$(tarnvel_wine_home) || return 1
    prefix=$home/wine
    mark=$prefix/.tarnvel-prefix
    loader=$(tarnvel_prefix_loader)
    ready="ready: fonts, desktop; $("$loader" --version 2>/dev/null)"
    [ "$loader" = /usr/lib/wine/wine64 ] || ready="$ready; 32-bit"
    mkdir -p "$home/wine-home" || return 1
    (
        # Test programs may start side by side: one of them makes the prefix.
        flock 9
        [ -f "$mark" ] && [ "$(cat "$mark")" = "$ready" ] && exit 0
        if [ -e "$prefix" ] && [ ! -f "$mark" ] && [ -n "$(ls -A "$prefix" 2>/dev/null)" ]; then
            echo "wine.sh: $prefix is not a Wine prefix this project made; move it away" >&2
            exit 1
        fi
        # Ours, but made by another Wine or not finished: such a prefix may not start.
        tarnvel_wineserver -k >/dev/null 2>&1 || true
        rm -rf "$prefix"
        mkdir -p "$prefix" && echo "making" >"$mark" || exit 1
        echo "wine.sh: making the Wine prefix $prefix" >&2
        tarnvel_wine_env "$loader" wineboot --init >/dev/null 2>&1 || exit 1
        local font key="HKCU\\Software\\Wine"
        for font in SimSun "宋体" "新宋体" NSimSun "MS Shell Dlg" "MS Shell Dlg 2"; do
            tarnvel_wine_env "$loader" reg add "$key\\Fonts\\Replacements" /v "$font" \
                /t REG_SZ /d "WenQuanYi Zen Hei" /f >/dev/null 2>&1
        done
        tarnvel_wine_env "$loader" reg add "$key\\Explorer" /v Desktop /t REG_SZ \
            /d Default /f >/dev/null 2>&1
        tarnvel_wine_env "$loader" reg add "$key\\Explorer\\Desktops" /v Default \
            /t REG_SZ /d 1024x768 /f >/dev/null 2>&1
        tarnvel_wineserver -w || true
        echo "$ready" >"$mark"
    ) 9>"$home/wine.lock"
}

# The loader for a program: the 32-bit one for PE32 files, else wine64.
tarnvel_loader_for() {
    local header
    if [ -f "$1" ]; then
        header=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
        if [ -n "$header" ] && [ "$(od -An -tx1 -j$((header + 24)) -N2 "$1" | tr -d ' ')" = "0b01" ]; then
            echo /usr/lib/wine/wine
            return
        fi
    fi
    echo /usr/lib/wine/wine64
}

tarnvel_can_run_win32() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

# Programs of one Wine session share its desktop process, which keeps the code
# page it started with; a program of another code page joining it gets windows
# that do not answer the mouse. So a change of locale waits for the session.
tarnvel_enter_locale() {
    local session
    session="$(tarnvel_wine_home)/wine/.tarnvel-session-locale"
    if [ "$(cat "$session" 2>/dev/null)" != "${TARNVEL_LOCALE:-zh_CN.UTF-8}" ]; then
        tarnvel_wineserver -w || true
        echo "${TARNVEL_LOCALE:-zh_CN.UTF-8}" >"$session"
    fi
}

tarnvel_wine() {
    tarnvel_make_prefix || return 125
    tarnvel_enter_locale
    tarnvel_wine_env "$(tarnvel_loader_for "$1")" "$@"
}

tarnvel_windows_path() {
    local path
    path=$(realpath -m "$1")
    echo "Z:${path//\//\\}"
}

# Starts Xvfb on a display no one uses (Xvfb picks it) the size of Wine's
# virtual desktop, and exports DISPLAY for it. Wine's desktop process keeps
# the display it started on, so a running Wine session is waited for first.
tarnvel_start_display() {
    local numberFile
    tarnvel_wineserver -w 2>/dev/null || true
    numberFile=$(mktemp) || return 1
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numberFile" >/dev/null 2>&1 &
    TARNVEL_XVFB_PID=$!
    local _
    for _ in $(seq 100); do
        [ -s "$numberFile" ] && break
        kill -0 "$TARNVEL_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    if [ ! -s "$numberFile" ]; then
        rm -f "$numberFile"
        echo "wine.sh: Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$(head -n 1 "$numberFile")"
    rm -f "$numberFile"
}

# Ends the display of tarnvel_start_display after Wine's programs on it have
# ended (at most half a minute, then they are stopped).
tarnvel_stop_display() {
    [ -n "${TARNVEL_XVFB_PID:-}" ] || return 0
    local self=${BASH_SOURCE[0]}
    # wineserver -w has no time limit of its own.
    timeout 30 bash -c 'source "$1" && tarnvel_wineserver -w' _ "$self" 2>/dev/null ||
        tarnvel_wineserver -k 2>/dev/null || true
    kill "$TARNVEL_XVFB_PID" 2>/dev/null || true
    wait "$TARNVEL_XVFB_PID" 2>/dev/null || true
    TARNVEL_XVFB_PID=
}

# Runs COMMAND while every Wine program of the prefix sees DPI pixels per inch,
# then puts back the setting there was, whichever way COMMAND ends.
tarnvel_at_dpi() (
    dpi=$1
    shift
    key="HKCU\\Control Panel\\Desktop"
    tarnvel_make_prefix || exit 125
    loader=$(tarnvel_prefix_loader)
    before=$(tarnvel_wine_env "$loader" reg query "$key" /v LogPixels 2>/dev/null |
        awk '$1 == "LogPixels" { print $3 }')
    restore() {
        if [ -n "$before" ]; then
            tarnvel_wine_env "$loader" reg add "$key" /v LogPixels /t REG_DWORD \
                /d "$((before))" /f >/dev/null 2>&1
        else
            tarnvel_wine_env "$loader" reg delete "$key" /v LogPixels /f >/dev/null 2>&1
        fi
        tarnvel_wineserver -w
    }
    trap restore EXIT
    tarnvel_wine_env "$loader" reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f \
        >/dev/null 2>&1
    tarnvel_wineserver -w
    # In the background, so that a signal ends the wait at once and the
    # setting comes back without waiting for COMMAND.
    "$@" &
    command=$!
    trap 'kill "$command" 2>/dev/null; exit 130' INT TERM HUP
    wait "$command"
)
