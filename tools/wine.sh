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
    wine_configure_prefix
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
    # Fonts of Wine's own (the caption buttons need Marlett), and for Japanese a font that
    # has the characters under the names the dialogs and the system ask for.
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    local reg="$WINEPREFIX/drive_c/mosvane-setup.reg"
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="1024x768"\r\n\r\n'
        printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
        for font in "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "MS UI Gothic" "MS Gothic" \
            "MS PGothic" "ＭＳ Ｐゴシック" "ＭＳ ゴシック"; do
            printf '"%s"="Droid Sans Fallback"\r\n' "$font"
        done
    } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
    wine regedit /S 'C:\mosvane-setup.reg' >/dev/null 2>&1
    rm -f "$reg"
    local fallback
    fallback=$(fc-match -f '%{file}' "Droid Sans Fallback" 2>/dev/null || true)
    [ -f "$fallback" ] && cp "$fallback" "$WINEPREFIX/drive_c/windows/Fonts/"
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
