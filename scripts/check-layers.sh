#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a source file includes a header of a layer above its own.
# The order, lowest first; a folder may include its own headers and those
# of the folders listed for it.
set -euo pipefail
cd "$(dirname "$0")/../src"

declare -A allowed=(
  [util]="util"
  [platform]="platform"
  [posix]="posix platform util"
  [tour]="tour util"
  [form]="form"
  [files]="files platform util"
  [player]="player tour form files platform util"
  [editing]="editing player tour form files platform util"
  [config]="config editing player tour form files platform util"
  [generators]="generators editing player tour form files platform util"
  [app]="app config generators editing player tour form files platform util"
  [unattended]="unattended player tour form files platform util"
  [guide]="guide generators editing player tour form files platform util"
  [qt]="qt app unattended guide config generators editing player tour form files posix platform util"
)

status=0
for folder in */; do
  folder="${folder%/}"
  if [[ -z "${allowed[$folder]+set}" ]]; then
    echo "layer check: the folder src/$folder has no place in the order" >&2
    status=1
    continue
  fi
  while IFS=: read -r file line target; do
    layer="${target%%/*}"
    if [[ " ${allowed[$folder]} " != *" $layer "* ]]; then
      echo "layer check: $file:$line includes $target, above $folder" >&2
      status=1
    fi
  done < <(grep -rnoE '#include "[a-z]+/[^"]+"' "$folder" | sed -E 's/#include "([^"]+)"/\1/')
done
# Inside the Qt shell the windows may use the services, never the reverse.
while IFS=: read -r file line target; do
  echo "layer check: $file:$line includes $target, a window, from a service" >&2
  status=1
done < <(grep -rnoE '#include "qt/windows/[^"]+"' qt/services | sed -E 's/#include "([^"]+)"/\1/')
if ((status == 0)); then
  echo "layer check: every include points down"
fi
exit "$status"
