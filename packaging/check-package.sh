#!/usr/bin/env bash
# Checks a built package the way a distribution would: the desktop entry, the AppStream
# data, lintian at -I --pedantic (any tag not overridden, with its reason, in
# debian/*.lintian-overrides fails), the hardening of both programs, the manual pages, and
# that the packaged batch tool, unpacked into a temporary folder, flies the default rocket
# and a sweep to the build tree's CSV bytes.
# Usage: packaging/check-package.sh DEB BUILD_DIR
set -euo pipefail
deb=$(realpath "$1")
build=$(realpath "$2")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

dpkg-deb -x "$deb" "$root"
echo "== desktop-file-validate"
desktop-file-validate "$root/usr/share/applications/org.hydrolofter.Hydrolofter.desktop"
echo "== appstreamcli validate"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
echo "== lintian -I --pedantic"
# Root runs lintian in CI containers; the notice about it is not a finding.
{ lintian -I --pedantic --tag-display-limit 0 "$deb" 2>&1 || true; } |
  { grep -v "running with root privileges" || true; } | tee "$root/lintian.txt"
if grep -qE '^[EWIP]: ' "$root/lintian.txt"; then
  echo "lintian reported tags that no override justifies"
  exit 1
fi
echo "== the packaged files"
for f in usr/bin/hydrolofter usr/bin/hydrolofter-batch \
         usr/share/mime/packages/hydrolofter-designs.xml \
         usr/share/man/man1/hydrolofter.1.gz usr/share/man/man1/hydrolofter-batch.1.gz \
         usr/share/doc/hydrolofter/copyright \
         usr/share/icons/hicolor/16x16/apps/hydrolofter.png \
         usr/share/icons/hicolor/256x256/apps/hydrolofter.png; do
  [ -s "$root/$f" ] || { echo "missing from the package: $f"; exit 1; }
done
grep -q "GPL-3.0-or-later" "$root/usr/share/doc/hydrolofter/copyright"
echo "== hardened: PIE, full RELRO with BIND_NOW, the stack protector, fortified calls"
for program in hydrolofter hydrolofter-batch; do
  # Read whole first: grep -q ending a pipe early would fail it under pipefail.
  elf="$root/usr/bin/$program"
  header=$(readelf -h -l -d "$elf")
  symbols=$(nm -D "$elf")
  grep -q "Type:.*DYN" <<<"$header" || { echo "$program is not PIE"; exit 1; }
  grep -q "GNU_RELRO" <<<"$header" || { echo "$program has no RELRO"; exit 1; }
  grep -qE "BIND_NOW|FLAGS.*NOW" <<<"$header" || { echo "$program lacks BIND_NOW"; exit 1; }
  grep -q "__stack_chk_fail" <<<"$symbols" || { echo "$program has no stack protector"; exit 1; }
  grep -qE "__[a-z]+_chk@" <<<"$symbols" || { echo "$program calls no fortified function"; exit 1; }
done
echo "== the manual pages render cleanly and name what they describe"
for page in "$root"/usr/share/man/man1/*.1.gz; do
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || { echo "$page: $warnings"; exit 1; }
  lexgrog "$page"
done
echo "== the packaged batch tool flies as the build tree's does"
for args in "" "mode=2 precision=2"; do
  # shellcheck disable=SC2086 # the arguments are words
  cmp <("$root/usr/bin/hydrolofter-batch" --max-time 600 $args) \
      <("$build/src/hydrolofter-batch" --max-time 600 $args)
done
"$root/usr/bin/hydrolofter" --version
echo "package ok: $(basename "$deb")"
