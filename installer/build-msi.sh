#!/usr/bin/env bash
# Builds the MSI from the configured TAL.wxs with wixl, then sets what wixl cannot express.
#
#   build-msi.sh WXS OUTPUT VERSION BIN_DIR SETTINGS_FILE DOCS_DIR POLICY_DIR
#
# BIN_DIR holds the programs, SETTINGS_FILE is the sample TAL.ini, DOCS_DIR the operator guides,
# POLICY_DIR the Group Policy templates.
set -euo pipefail

if [ $# -ne 7 ]; then
  echo "usage: $0 WXS OUTPUT VERSION BIN_DIR SETTINGS_FILE DOCS_DIR POLICY_DIR" >&2
  exit 2
fi
wxs=$(realpath "$1")
output=$(realpath -m "$2")
version=$3

# wixl finds sources only by relative paths: lay them out in a folder of links and build there.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
ln -s "$(realpath "$4")" "$stage/bin"
ln -s "$(realpath "$5")" "$stage/TAL.ini"
ln -s "$(realpath "$6")" "$stage/docs"
ln -s "$(realpath "$7")" "$stage/policy"
mkdir -p "$(dirname "$output")"
rm -f "$output"
(cd "$stage" && wixl --arch x64 --define Version="$version" --output "$output.tmp" "$wxs")

# wixl marks no component 64-bit, and knows neither NeverOverwrite/Permanent nor component
# conditions; the Component table takes them directly. 256: 64-bit, 4: registry key path,
# 16: permanent, 128: never overwrite.
msibuild "$output.tmp" \
  -q "UPDATE \`Component\` SET \`Attributes\` = 256 WHERE \`Attributes\` = 0" \
  -q "UPDATE \`Component\` SET \`Attributes\` = 260 WHERE \`Attributes\` = 4" \
  -q "UPDATE \`Component\` SET \`Attributes\` = 400 WHERE \`Component\` = 'SampleSettings'" \
  -q "UPDATE \`Component\` SET \`Condition\` = 'AUTOSTART=\"1\" OR REMOVE~=\"ALL\"' WHERE \`Component\` = 'AutoStart'"

# A row that the updates missed would install quietly with the wrong behaviour: check them all.
components=$(msiinfo export "$output.tmp" Component | tail -n +4)
expect_row() {
  if ! grep -qP "^$1\t[^\t]*\t[^\t]*\t$2\t$3\t" <<<"$components"; then
    echo "build-msi: component $1 is not attributes $2, condition '$3':" >&2
    echo "$components" >&2
    exit 1
  fi
}
expect_row SampleSettings 400 ''
expect_row AutoStart 260 'AUTOSTART="1" OR REMOVE~="ALL"'
if grep -qvP '^[^\t]*\t[^\t]*\t[^\t]*\t(256|260|400)\t' <<<"$components"; then
  echo "build-msi: a component is not 64-bit:" >&2
  echo "$components" >&2
  exit 1
fi
mv "$output.tmp" "$output"
