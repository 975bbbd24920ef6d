#!/usr/bin/env bash
# Checks a built package the way a distribution would: the desktop entry, the AppStream
# data, lintian (errors and warnings fail), and that the packaged batch tool, unpacked
# into a temporary folder, flies the default rocket to the build tree's CSV.
# Usage: packaging/check-package.sh DEB BUILD_DIR
set -euo pipefail
deb=$(realpath "$1")
build=$(realpath "$2")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

dpkg-deb -x "$deb" "$root"
echo "== desktop-file-validate"
desktop-file-validate "$root/usr/share/applications/hydrolofter.desktop"
echo "== appstreamcli validate"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
echo "== lintian"
# Root runs lintian in CI containers; the notice about it is not a finding.
{ lintian --tag-display-limit 0 "$deb" 2>&1 || true; } |
  { grep -v "running with root privileges" || true; } | tee "$root/lintian.txt"
if grep -qE '^[EW]: ' "$root/lintian.txt"; then
  echo "lintian reported errors or warnings"
  exit 1
fi
echo "== the packaged files"
for f in usr/bin/hydrolofter usr/bin/hydrolofter-batch \
         usr/share/mime/packages/hydrolofter-designs.xml \
         usr/share/man/man1/hydrolofter.1.gz usr/share/man/man1/hydrolofter-batch.1.gz \
         usr/share/icons/hicolor/16x16/apps/hydrolofter.png \
         usr/share/icons/hicolor/256x256/apps/hydrolofter.png; do
  [ -s "$root/$f" ] || { echo "missing from the package: $f"; exit 1; }
done
echo "== the packaged batch tool flies the default rocket as the build tree's does"
cmp <("$root/usr/bin/hydrolofter-batch" --max-time 600) \
    <("$build/src/hydrolofter-batch" --max-time 600)
"$root/usr/bin/hydrolofter" --version
echo "package ok: $(basename "$deb")"
