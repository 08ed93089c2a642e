# Runs the Windows build headless under Wine: sourced by tools/scenarios and tools/screenshots.
#
#   wine_begin BUILD_DIR   a fresh Wine prefix inside the build tree, a virtual X server on a
#                          free display and a 1024x768 Windows desktop on it
#   wine_run [--ja] ARGS   runs a program of the prefix's session (Japanese: code page 932)
#   wine_end               stops the session's wineserver and X server
#
# The prefix keeps the registry between runs of a session; wine_reset_settings empties the
# settings the desktop and the Inspector keep there.

WINE_DISPLAY_PID=""

wine_begin() {
    local build="$1"
    export WINEPREFIX="$build/wineprefix"
    export WINEARCH=win32
    export WINEDEBUG="${WINEDEBUG:--all}"
    export WINEDLLOVERRIDES="mscoree,mshtml="
    wine_start_display
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    wine_configure_prefix
    # The desktop settings take effect for the next session's first program.
    wineserver -w
}

# A display number no X server uses, from :90 up.
wine_start_display() {
    local n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do
        n=$((n + 1))
    done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    WINE_DISPLAY_PID=$!
    export DISPLAY=":$n"
    local tries=0
    while [ ! -e "/tmp/.X11-unix/X$n" ] && [ $tries -lt 100 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
}

wine_configure_prefix() {
    # Fonts of Wine's own (the caption buttons need Marlett); VL Gothic, which has Latin and
    # Japanese characters, stands for the Japanese dialogs' fonts; Japanese text in the
    # system's fonts falls back to Droid Sans Fallback, whose missing Latin letters and digits
    # come from Tahoma.
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    local font fallback
    fallback=$(fc-match -f '%{file}' "Droid Sans Fallback" 2>/dev/null || true)
    for font in "$fallback" "$(fc-match -f '%{file}' "VL Gothic" 2>/dev/null || true)" \
        "$(fc-match -f '%{file}' "VL PGothic" 2>/dev/null || true)"; do
        if [ -f "$font" ]; then
            cp "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
        fi
    done
    local reg="$WINEPREFIX/drive_c/mosvane-setup.reg"
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
        for font in "MS UI Gothic" "MS Gothic" "MS PGothic"; do
            printf '"%s"="Droid Sans Fallback"\r\n' "$font"
        done
        printf '"%s"="VL Gothic"\r\n' "ＭＳ ゴシック"
        printf '"%s"="VL PGothic"\r\n' "ＭＳ Ｐゴシック"
    } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
    wine regedit /S 'C:\mosvane-setup.reg' >/dev/null 2>&1
    rm -f "$reg"
    # Every program shows on one Windows desktop of the X server's size.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
    local link
    link="$(basename "$fallback"),Droid Sans Fallback"
    for font in "Tahoma" "MS Shell Dlg" "MS Shell Dlg 2" "MS Sans Serif" "Microsoft Sans Serif"; do
        wine reg add "$key" /v "$font" /t REG_MULTI_SZ /d "$link" /f >/dev/null 2>&1
    done
    wine reg add "$key" /v "Droid Sans Fallback" /t REG_MULTI_SZ /d "tahoma.ttf,Tahoma" /f \
        >/dev/null 2>&1
}

wine_run() {
    if [ "${1:-}" = "--ja" ]; then
        shift
        LC_ALL=ja_JP.UTF-8 wine "$@"
    else
        LC_ALL=C wine "$@"
    fi
}

wine_reset_settings() {
    wine reg delete 'HKCU\Software\Korvell' /f >/dev/null 2>&1 || true
}

wine_end() {
    wineserver -k 2>/dev/null || true
    if [ -n "$WINE_DISPLAY_PID" ]; then
        kill "$WINE_DISPLAY_PID" 2>/dev/null || true
        wait "$WINE_DISPLAY_PID" 2>/dev/null || true
        WINE_DISPLAY_PID=""
    fi
}
