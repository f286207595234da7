#!/usr/bin/env bash
# Fails when an #include under src/ points against the layer direction
#   program -> forms -> {app, control families} -> toolkit -> platform
# Control families (skin, controls, richlabel, labels) know nothing of the application; the
# skinned controls do not build on the extended ones. Checks itself first on a tiny tree with
# one include of each forbidden kind and spelling, so that a checker that stopped seeing them fails too.
# Usage: include_direction.sh [SRC]   (default: $FOLVANE_SOURCE_DIR/src)
set -euo pipefail

# forbidden[folder]: the folders its files must not include.
declare -A forbidden=(
  [platform]="toolkit skin controls richlabel labels app forms program"
  [toolkit]="skin controls richlabel labels app forms program"
  [skin]="controls app forms program"
  [controls]="app forms program"
  [richlabel]="app forms program"
  [labels]="app forms program"
  [app]="forms program"
  [forms]="program"
)

# Prints "file: #include line" for every include against the direction below ROOT.
violations() {
  local root=$1 folder target
  for folder in "${!forbidden[@]}"; do
    [ -d "$root/$folder" ] || continue
    for target in ${forbidden[$folder]}; do
      # "folder/x.h", <folder/x.h> and "../folder/x.h" all reach the same file.
      grep -rnE --include='*.h' --include='*.cpp' \
        "^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"<](\\.\\./)*$target/" "$root/$folder" || true
    done
  done
}

selftest() {
  local tmp
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' RETURN
  mkdir -p "$tmp"/{toolkit,controls,skin,app,forms}
  echo '#include "controls/ExCheckBox.h"' > "$tmp/toolkit/a.h"
  echo '  #  include "forms/MainWindowView.h"' > "$tmp/controls/b.cpp"
  echo '#include "controls/ExGraphicButton.h"' > "$tmp/skin/c.cpp"
  echo '#include "program/Version.h"' > "$tmp/app/d.cpp"
  echo '#include <forms/MainWindow.h>' > "$tmp/app/f.cpp"
  echo '#include "../../app/PathWriter.h"' > "$tmp/toolkit/g.cpp"
  echo '#include "app/StartupCheck.h"' > "$tmp/forms/e.cpp" # allowed
  echo '#include "../toolkit/Control.h"' > "$tmp/controls/h.cpp" # allowed
  local found
  found=$(violations "$tmp" | wc -l)
  if [ "$found" -ne 6 ]; then
    echo "include_direction: the checker found $found of 6 planted violations" >&2
    return 1
  fi
}

selftest
src=${1:-${FOLVANE_SOURCE_DIR:?FOLVANE_SOURCE_DIR or a source folder is needed}/src}
bad=$(violations "$src")
if [ -n "$bad" ]; then
  echo "Includes against the layer direction:" >&2
  echo "$bad" >&2
  exit 1
fi
echo "include_direction: every include under $src follows the layer direction"
