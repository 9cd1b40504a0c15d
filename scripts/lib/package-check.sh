# Sourced by scripts/test. Builds the operator's ZIP package in a configured windows build folder
# and checks it: exactly the expected files, each the same bytes as the one that was built and
# tested. (The build itself makes the MSI beside it; tests/package installs that under Wine.)
#
#   package_check BUILD_DIR    sets package_passed and package_failed

package_check() {
  local build
  build=$(cd "$1" && pwd)
  package_passed=0
  package_failed=0

  local version
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
  local name="TAL-$version-win64"
  local zip="$build/package/$name.zip"
  rm -f "$zip"
  if ! (cd "$build" && cpack -G ZIP >"$build/cpack.log" 2>&1) || [ ! -f "$zip" ]; then
    cat "$build/cpack.log" >&2
    echo "package: cpack did not make $zip" >&2
    package_failed=1
    return
  fi
  echo "package: $zip"

  # Each file of the package and what it must be.
  local -A expected=(
    ["$name/TAL.exe"]="$build/bin/TAL.exe"
    ["$name/settal.exe"]="$build/bin/settal.exe"
    ["$name/talwatch.exe"]="$build/bin/talwatch.exe"
    ["$name/TAL.ini"]="$build/generated/TAL.ini"
    ["$name/docs/operator-guide.md"]="$root/docs/operator-guide.md"
    ["$name/docs/operator-guide.en.md"]="$root/docs/operator-guide.en.md"
    ["$name/policy/TAL.admx"]="$root/policy/TAL.admx"
    ["$name/policy/en-US/TAL.adml"]="$root/policy/en-US/TAL.adml"
    ["$name/policy/ja-JP/TAL.adml"]="$root/policy/ja-JP/TAL.adml"
  )
  local listed wanted
  listed=$(unzip -Z1 "$zip" | grep -v '/$' | sort)
  wanted=$(printf '%s\n' "${!expected[@]}" | sort)
  if [ "$listed" = "$wanted" ]; then
    package_passed=$((package_passed + 1))
  else
    echo "package: the files differ from the expected ones:" >&2
    diff <(echo "$wanted") <(echo "$listed") >&2 || true
    package_failed=$((package_failed + 1))
  fi

  local entry
  for entry in "${!expected[@]}"; do
    if unzip -p "$zip" "$entry" | cmp -s - "${expected[$entry]}"; then
      package_passed=$((package_passed + 1))
    else
      echo "package: $entry is not ${expected[$entry]}" >&2
      package_failed=$((package_failed + 1))
    fi
  done
}
