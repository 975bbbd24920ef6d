#!/usr/bin/env bash
# Rooms stay small: no source file over 350 lines, no function over 60 (a function here is
# a definition that starts and ends at the left margin, as clang-format lays them out).
# Usage: size_check.sh ROOT
set -u
root=$1
status=0
files=$(find "$root/src" "$root/web/site" -name '*.cpp' -o -name '*.h' -o -name '*.js' -o -name '*.mjs' | sort)
for f in $files; do
  n=$(wc -l <"$f")
  if [ "$n" -gt 350 ]; then
    echo "$f: $n lines (at most 350)"
    status=1
  fi
done
# The graph painter's ordered steps (GraphData::paint, paintTrace, paintSurface) read best
# each as one list: they are the exception.
# A head may run over several lines; a line at the margin that ends in ";" is no head.
long=$(awk -v limit=60 '
  FNR == 1 { head = ""; start = 0 }
  start == 0 && head == "" && /^[A-Za-z_].*[(]/ && !/^(namespace|struct|class|enum|union|using|typedef|#)/ {
    head = $0
  }
  start == 0 && head != "" {
    if (/;$/ && !/[{]$/) { head = ""; next }
    if (/[{]$/) { start = FNR }
    next
  }
  start > 0 && /^[}]/ {
    if (FNR - start - 1 > limit && head !~ /GraphData::paint/)
      printf "%s:%d: %d lines: %s\n", FILENAME, start, FNR - start - 1, head
    start = 0; head = ""
  }' $files)
if [ -n "$long" ]; then
  echo "$long" | sed 's/$/ (at most 60)/'
  status=1
fi
[ $status -eq 0 ] && echo "sizes: every file and function within its limit"
exit $status
