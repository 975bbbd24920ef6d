#!/usr/bin/env bash
# The include rule of docs/ARCHITECTURE.md: every folder includes only the folders below
# it, and the core includes no Qt. Usage: layers_check.sh SRC_DIR
set -u
src=$1
declare -A allowed=(
  [model]=""
  [units]="model"
  [runs]="model units"
  [graph]="model units runs"
  [designs]="model units runs"
  [toolkit]="model units runs graph"
  [pages]="model units runs graph designs toolkit"
  [simulate]="model units runs graph designs toolkit"
  [app]="model units runs graph designs toolkit pages simulate app"
  [batch]="model units runs graph designs toolkit"
  [web]="model units runs graph designs"
)
status=0
for folder in "${!allowed[@]}"; do
  [ -d "$src/$folder" ] || continue
  while IFS= read -r line; do
    file=${line%%:*}
    target=$(sed -E 's/.*#include "([a-z]+)\/.*/\1/' <<<"$line")
    if [[ " ${allowed[$folder]} " != *" $target "* ]]; then
      echo "$file includes $target/: $folder may include only: ${allowed[$folder]:-nothing}"
      status=1
    fi
  done < <(grep -HE '^#include "[a-z]+/' -r "$src/$folder")
done
for folder in model units runs graph designs web; do
  if grep -rlE '^#include <Q' "$src/$folder"; then
    echo "the core folder $folder includes Qt"
    status=1
  fi
done
[ $status -eq 0 ] && echo "layers: every include points down"
exit $status
