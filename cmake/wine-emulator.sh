#!/usr/bin/env bash
# CTest runs every cross-built test through this, in the Wine session that the test was given
# (wine-test-session.sh). Wine's background processes inherit stderr, and CTest would wait on that
# pipe, so it goes to the session's log.
source "$(dirname "$0")/wine-test-session.sh"
exec timeout --kill-after=5 300 wine "$@" 2>>"$TAL_WINE_LOG"
