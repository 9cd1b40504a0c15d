# Sourced by scripts that run Windows programs under Wine. Gives each run its own X display,
# Wine prefix and Japanese locale under a folder of the caller, and tears them down again.
#
#   wine_session_prepare DIR [reuse-display]
#                              locale, environment and Xvfb (fast); with reuse-display an existing
#                              $DISPLAY is used instead of a display of its own. The environment
#                              is also saved as DIR/environment, which the Wine suites' emulator
#                              reads when CTest gives a test this session (cmake/wine-emulator.sh)
#   wine_session_use DIR       the environment of a session prepared before, in this shell
#   wine_session_boot          a fresh prefix under DIR (about 10 s; can run beside a build)
#   wine_session_start         the persistent wineserver for the suite
#   wine_session_stop          wineserver and Xvfb

wine_session_prepare() {
  WINE_SESSION_DIR=$(mkdir -p "$1" && cd "$1" && pwd)
  local reuse_display=${2:-}
  mkdir -p "$WINE_SESSION_DIR/home" "$WINE_SESSION_DIR/locale"

  # Code page 932 as on a Japanese Windows: needs a ja_JP locale, which is generated, not installed.
  if [ ! -d "$WINE_SESSION_DIR/locale/ja_JP.UTF-8" ]; then
    timeout 60 localedef -i ja_JP -f UTF-8 "$WINE_SESSION_DIR/locale/ja_JP.UTF-8" 2>/dev/null \
      || [ -d "$WINE_SESSION_DIR/locale/ja_JP.UTF-8" ] \
      || { echo "wine-session: cannot generate the ja_JP.UTF-8 locale" >&2; return 1; }
  fi

  # The locale is for the programs this shell starts, which read LOCPATH when they start. The shell
  # itself switches locale on these assignments but reads LOCPATH only from the environment it
  # was started with, so its own switch fails and would print a warning; it needs no Japanese.
  export LOCPATH="$WINE_SESSION_DIR/locale"
  { export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8; } 2>/dev/null
  export WINEPREFIX="$WINE_SESSION_DIR/prefix" WINEARCH=win64 WINEDEBUG=-all
  export WINEDLLOVERRIDES='mscoree=;mshtml=;winemenubuilder.exe=;winedbg.exe=d'
  export HOME="$WINE_SESSION_DIR/home"
  export TAL_WINE_LOG="$WINE_SESSION_DIR/wine.log"

  if [ "$reuse_display" = reuse-display ] && [ -n "${DISPLAY:-}" ]; then
    :
  elif [ -z "${WINE_SESSION_XVFB_PID:-}" ]; then
    local fifo="$WINE_SESSION_DIR/displayfd"
    rm -f "$fifo" && mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" \
      >>"$WINE_SESSION_DIR/xvfb.log" 2>&1 &
    WINE_SESSION_XVFB_PID=$!
    local display
    if ! read -r -t 20 display <"$fifo"; then
      echo "wine-session: Xvfb did not start (see $WINE_SESSION_DIR/xvfb.log)" >&2
      return 1
    fi
    rm -f "$fifo"
    export DISPLAY=":$display" WINE_SESSION_XVFB_PID
  fi
  local name
  for name in LOCPATH LANG LC_ALL WINEPREFIX WINEARCH WINEDEBUG WINEDLLOVERRIDES HOME \
    TAL_WINE_LOG DISPLAY WINE_SESSION_DIR WINE_SESSION_XVFB_PID; do
    printf 'export %s=%q\n' "$name" "${!name-}"
  done >"$WINE_SESSION_DIR/environment"
}

wine_session_use() {
  # The shell switches locale on LANG and LC_ALL without the LOCPATH it started with: quietly.
  source "$1/environment" 2>/dev/null
}

wine_session_boot() {
  rm -rf "$WINEPREFIX"
  timeout 180 wineboot -i >>"$TAL_WINE_LOG" 2>&1 \
    || { echo "wine-session: wineboot failed (see $TAL_WINE_LOG)" >&2; return 1; }
  timeout 60 wineserver -w
  # Without a window manager every hide or destroy of a top-level window stalls for seconds unless
  # Wine manages no windows itself. Japanese text needs fonts that have it: the IPA fonts share the
  # metrics of the faces the programs ask for, so that captions fit as they do on Windows.
  local reg="$WINE_SESSION_DIR/session.reg"
  printf '%s\r\n' \
    'Windows Registry Editor Version 5.00' '' \
    '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
    '"ＭＳ Ｐゴシック"="IPAPGothic"' '"ＭＳ ゴシック"="IPAGothic"' \
    '"MS UI Gothic"="Noto Sans CJK JP"' '"Tahoma"="Noto Sans CJK JP"' '' \
    | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
  timeout 60 wine regedit /S "$(winepath_of "$reg")" >>"$TAL_WINE_LOG" 2>&1 \
    || { echo "wine-session: cannot write the prefix's registry" >&2; return 1; }
  timeout 60 wineserver -w
}

winepath_of() {
  printf 'Z:%s' "$(printf '%s' "$1" | tr '/' '\\')"
}

wine_session_start() {
  # A persistent server saves about a second per program start; it must come before any client.
  timeout 10 wineserver -k 2>/dev/null || true
  wineserver -p
}

wine_session_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then
    timeout 20 wineserver -k 2>/dev/null || true
  fi
  if [ -n "${WINE_SESSION_XVFB_PID:-}" ]; then
    kill "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
    wait "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
    unset WINE_SESSION_XVFB_PID
  fi
}
