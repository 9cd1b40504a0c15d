#!/usr/bin/env bash
# CTest runs every cross-built test through this. Wine's background processes inherit stderr,
# and CTest would wait on that pipe, so it goes to the session's log.
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ] || [ -z "${TAL_WINE_LOG:-}" ]; then
  echo "wine-emulator: no Wine session; run the Windows tests through scripts/test" >&2
  exit 97
fi
exec timeout --kill-after=5 300 wine "$@" 2>>"$TAL_WINE_LOG"
