#!/usr/bin/env bash
# Installs the MSI under Wine as an operator would, upgrades it with a newer build of itself and
# removes it again, checking the files, the settings file, the Start menu and the Run value.
#
#   msi-install-test.sh MSI WXS BUILD_MSI NEWER_VERSION BIN_DIR SETTINGS_FILE DOCS_DIR POLICY_DIR
#                       AUTOSTART_PROGRAM PROGRAM...
#
# Needs a Wine session of scripts/test (cmake/wine-test-session.sh).
set -uo pipefail

if [ $# -lt 10 ]; then
  echo "usage: $0 MSI WXS BUILD_MSI NEWER_VERSION BIN_DIR SETTINGS_FILE DOCS_DIR POLICY_DIR AUTOSTART_PROGRAM PROGRAM..." >&2
  exit 2
fi
msi=$1 wxs=$2 build_msi=$3 newer_version=$4 bin_dir=$5 settings_file=$6 docs_dir=$7
policy_dir=$8 autostart_program=$9
shift 9
programs=("$@")

# The Wine session that CTest gave this test.
source "$(dirname "$0")/../../cmake/wine-test-session.sh"

failures=0
fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}
step() { echo "== $*"; }

win() { timeout --kill-after=5 120 wine "$@" 2>>"$TAL_WINE_LOG" | tr -d '\r'; }
msiexec() {
  timeout --kill-after=5 120 wine msiexec "$@" 2>>"$TAL_WINE_LOG"
}
unix_path() { timeout 30 winepath -u "$1" 2>>"$TAL_WINE_LOG"; }
windows_path() { printf 'Z:%s' "$(printf '%s' "$1" | tr '/' '\\')"; }

# A GUID as the installer's registry keys spell it: each group's hex digits reversed, and the
# digits of each byte of the last two groups swapped.
packed_guid() {
  local hex
  hex=$(tr -d '{}-' <<<"$1")
  local out=""
  out+=$(rev <<<"${hex:0:8}")$(rev <<<"${hex:8:4}")$(rev <<<"${hex:12:4}")
  local at
  for ((at = 16; at < 32; at += 2)); do
    out+="${hex:at+1:1}${hex:at:1}"
  done
  printf '%s' "$out"
}
# The inverse, as the GUID that msiexec takes.
unpacked_guid() {
  local hex
  hex=$(packed_guid "$1")
  printf '{%s-%s-%s-%s-%s}' "${hex:0:8}" "${hex:8:4}" "${hex:12:4}" "${hex:16:4}" "${hex:20:12}"
}
msi_property() {
  msiinfo export "$1" Property | awk -F'\t' -v name="$2" '$1 == name { print $2 }' | tr -d '\r'
}
# The products the installer has registered for the current user under the upgrade code.
installed_products() {
  win reg query "HKCU\\Software\\Microsoft\\Installer\\UpgradeCodes\\$upgrade_key" |
    awk '$2 == "REG_SZ" { print $1 }' | sort
}
run_value() {
  win reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v TAL |
    sed -n 's/^ *TAL *REG_SZ *//p'
}
same_file() {
  if [ ! -f "$2" ]; then
    fail "$2 is missing"
  elif ! cmp -s "$1" "$2"; then
    fail "$2 is not $1"
  fi
}

upgrade_code=$(msi_property "$msi" UpgradeCode)
product_code=$(msi_property "$msi" ProductCode)
upgrade_key=$(packed_guid "$upgrade_code")
if [ ${#upgrade_key} -ne 32 ] || [ -z "$product_code" ]; then
  echo "msi-install-test: cannot read the codes of $msi" >&2
  exit 1
fi

local_appdata=$(win cmd /c echo '%LOCALAPPDATA%')
appdata=$(win cmd /c echo '%APPDATA%')
install_dir=$(unix_path "$local_appdata\\Programs\\TAL")
menu_dir=$(unix_path "$appdata\\Microsoft\\Windows\\Start Menu\\Programs\\TAL")
if [ -z "$install_dir" ] || [ -z "$menu_dir" ]; then
  echo "msi-install-test: cannot find the profile folders of the prefix" >&2
  exit 1
fi

# What an earlier run in the same prefix may have left.
for code in $(installed_products); do
  msiexec /x "$(unpacked_guid "$code")" /qn
done
rm -rf "$install_dir" "$menu_dir"
win reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v TAL /f >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

expected_run="\"$local_appdata\\Programs\\TAL\\$autostart_program\""

step "install $msi with AUTOSTART=1"
msiexec /i "$(windows_path "$msi")" AUTOSTART=1 /qn || fail "msiexec /i returned $?"
for program in "${programs[@]}"; do
  same_file "$bin_dir/$program.exe" "$install_dir/$program.exe"
done
same_file "$settings_file" "$install_dir/TAL.ini"
same_file "$docs_dir/operator-guide.md" "$install_dir/docs/operator-guide.md"
same_file "$docs_dir/operator-guide.en.md" "$install_dir/docs/operator-guide.en.md"
same_file "$policy_dir/TAL.admx" "$install_dir/policy/TAL.admx"
same_file "$policy_dir/en-US/TAL.adml" "$install_dir/policy/en-US/TAL.adml"
same_file "$policy_dir/ja-JP/TAL.adml" "$install_dir/policy/ja-JP/TAL.adml"
grep -qa 'settal\.exe' "$menu_dir/TAL Settings.lnk" 2>/dev/null ||
  fail "no Start menu shortcut TAL Settings that leads to settal.exe"
grep -qa 'operator-guide\.md' "$menu_dir/TAL Operator Guide.lnk" 2>/dev/null ||
  fail "no Start menu shortcut TAL Operator Guide that leads to operator-guide.md"
[ "$(installed_products)" = "$(packed_guid "$product_code")" ] ||
  fail "installed products: '$(installed_products)', expected $product_code"
[ "$(run_value)" = "$expected_run" ] ||
  fail "the Run value is '$(run_value)', expected '$expected_run'"

step "upgrade to $newer_version over an edited TAL.ini"
printf '[CONFIG]\r\nStartPage=http://edited.example/\r\n' >"$install_dir/TAL.ini"
cp "$install_dir/TAL.ini" "$work/edited.ini"
# The newer build's kiosk differs in its bytes, so that a replaced file shows.
mkdir "$work/bin"
for program in "${programs[@]}"; do
  cp "$bin_dir/$program.exe" "$work/bin/"
done
printf 'newer build' >>"$work/bin/TAL.exe"
newer_msi="$work/TAL-$newer_version-x64.msi"
"$build_msi" "$wxs" "$newer_msi" "$newer_version" "$work/bin" "$settings_file" "$docs_dir" \
  "$policy_dir" || fail "cannot build the newer package"
newer_code=$(msi_property "$newer_msi" ProductCode)
[ -n "$newer_code" ] && [ "$newer_code" != "$product_code" ] ||
  fail "the newer package's ProductCode '$newer_code' is not new"
msiexec /i "$(windows_path "$newer_msi")" /qn || fail "msiexec /i of the newer package returned $?"
[ "$(installed_products)" = "$(packed_guid "$newer_code")" ] ||
  fail "after the upgrade installed products: '$(installed_products)', expected only $newer_code"
same_file "$work/bin/TAL.exe" "$install_dir/TAL.exe"
same_file "$work/edited.ini" "$install_dir/TAL.ini"
[ "$(run_value)" = "$expected_run" ] ||
  fail "after the upgrade the Run value is '$(run_value)', expected '$expected_run'"

step "uninstall"
printf 'a line of the log\r\n' >"$install_dir/TAL.log"
cp "$install_dir/TAL.log" "$work/TAL.log"
msiexec /x "$(windows_path "$newer_msi")" /qn || fail "msiexec /x returned $?"
for program in "${programs[@]}"; do
  [ ! -e "$install_dir/$program.exe" ] || fail "$program.exe is still there"
done
[ ! -e "$install_dir/docs" ] || fail "docs/ is still there"
[ ! -e "$install_dir/policy" ] || fail "policy/ is still there"
[ ! -e "$menu_dir" ] || fail "the Start menu folder is still there"
same_file "$work/edited.ini" "$install_dir/TAL.ini"
same_file "$work/TAL.log" "$install_dir/TAL.log"
[ -z "$(installed_products)" ] || fail "still installed: $(installed_products)"
[ -z "$(run_value)" ] || fail "after uninstall the Run value is '$(run_value)'"

step "install without AUTOSTART, then uninstall"
rm -rf "$install_dir"
msiexec /i "$(windows_path "$msi")" /qn || fail "msiexec /i returned $?"
[ -f "$install_dir/TAL.exe" ] || fail "TAL.exe is not installed"
[ -z "$(run_value)" ] || fail "without AUTOSTART the Run value is '$(run_value)'"
msiexec /x "$(windows_path "$msi")" /qn || fail "msiexec /x returned $?"

rm -rf "$install_dir" "$menu_dir"
if [ "$failures" -ne 0 ]; then
  echo "msi-install-test: $failures failures" >&2
  exit 1
fi
echo "msi-install-test: passed"
