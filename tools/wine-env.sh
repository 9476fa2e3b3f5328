# Sourced: the environment every Wine command of the project runs in. Makes the
# prefix on first use: Chinese fonts mapped to an installed CJK font and a
# virtual desktop, so windows draw the same under Xvfb as on a desktop.
: "${WINEPREFIX:=${TARNVEL_WINEPREFIX:-${HOME:-/root}/.local/share/tarnvel/wine}}"
: "${TARNVEL_LOCALE:=zh_CN.UTF-8}"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="winedbg.exe=d;mscoree=d;mshtml=d"
export LC_ALL="$TARNVEL_LOCALE"
# The 64-bit loader, named directly: the plain `wine` prefers the 32-bit one
# whenever wine32 is installed, even where this kernel cannot run it.
export WINELOADER=/usr/lib/wine/wine64

# The loader for a program: wine64 for PE32+, the 32-bit loader for PE32.
tarnvel_wine_for() {
    if [ -f "$1" ] && [ "$(od -An -tx1 -j "$(( $(od -An -tu4 -j60 -N4 "$1") + 24 ))" -N2 "$1" | tr -d ' ')" = "0b01" ]; then
        echo /usr/lib/wine/wine
    else
        echo /usr/lib/wine/wine64
    fi
}

# True where 32-bit Windows programs can run (wine32 installed and a kernel
# that executes 32-bit code).
tarnvel_can_run_win32() {
    /usr/lib/wine/wine --version >/dev/null 2>&1
}

tarnvel_prepare_prefix() {
    # The stamp names the Wine that made the prefix and how it was set up;
    # a prefix made otherwise is made again.
    local stamp="$WINEPREFIX/.tarnvel-ready" wine_version
    wine_version="fonts+desktop $(/usr/lib/wine/wine64 --version 2>/dev/null)"
    if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wine_version" ]; then
        return 0
    fi
    # A prefix made by another Wine (say, before wine32 came) does not start.
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1
    local font reg="HKCU\\Software\\Wine\\Fonts\\Replacements"
    for font in SimSun "宋体" "新宋体" NSimSun "MS Shell Dlg" "MS Shell Dlg 2"; do
        /usr/lib/wine/wine64 reg add "$reg" /v "$font" /t REG_SZ /d "WenQuanYi Zen Hei" /f >/dev/null 2>&1
    done
    /usr/lib/wine/wine64 reg add "HKCU\\Software\\Wine\\Explorer" /v Desktop /t REG_SZ /d Default /f >/dev/null 2>&1
    /usr/lib/wine/wine64 reg add "HKCU\\Software\\Wine\\Explorer\\Desktops" /v Default /t REG_SZ /d 1024x768 /f >/dev/null 2>&1
    wineserver -w
    echo "$wine_version" > "$stamp"
}

# Sets the display resolution every Wine program sees (96 = 100 %).
tarnvel_set_dpi() {
    /usr/lib/wine/wine64 reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wineserver -w
}

# Programs of one Wine session share its desktop process, which keeps the
# code page it started with; a program of another code page joining it gets
# windows that do not answer the mouse. So a change of locale waits for the
# running session to end.
tarnvel_enter_locale() {
    local session="$WINEPREFIX/.tarnvel-session-locale"
    if [ "$(cat "$session" 2>/dev/null)" != "$TARNVEL_LOCALE" ]; then
        wineserver -w
        echo "$TARNVEL_LOCALE" > "$session"
    fi
}

tarnvel_prepare_prefix
tarnvel_enter_locale
