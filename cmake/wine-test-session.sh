# Sourced by the Wine suites' emulator (wine-emulator.sh) and by tests that run Wine themselves:
# puts the test in the Wine session that CTest gave it. With scripts/test's two sessions, CTest's
# resource file names them a and b; a test holds one `desktop` (the session's desktop
# alone) or a share of one `session`, and TAL_WINE_SESSION_<name> is that session's folder, whose
# environment file wine_session_prepare wrote. Without them, the session of the caller's own
# environment is used.
tal_test_session=""
if [ "${CTEST_RESOURCE_GROUP_COUNT:-0}" -gt 0 ]; then
  for tal_resource in DESKTOP SESSION; do
    tal_allocation="CTEST_RESOURCE_GROUP_0_$tal_resource"
    if [ -n "${!tal_allocation:-}" ]; then
      # "id:a,slots:1"
      tal_test_session=${!tal_allocation#id:}
      tal_test_session=${tal_test_session%%,*}
      break
    fi
  done
fi
if [ -n "$tal_test_session" ]; then
  tal_session_folder="TAL_WINE_SESSION_$tal_test_session"
  if [ -n "${!tal_session_folder:-}" ]; then
    # The shell switches locale without the LOCPATH it started with: quietly.
    source "${!tal_session_folder}/environment" 2>/dev/null
  fi
fi
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ] || [ -z "${TAL_WINE_LOG:-}" ]; then
  echo "no Wine session; run the Windows tests through scripts/test" >&2
  exit 97
fi
