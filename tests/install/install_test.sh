#!/usr/bin/env bash
# Installs the build into a temporary prefix: every file a desktop needs is there, the
# desktop entry passes desktop-file-validate, the document type maps *.plw, and the
# installed program finds its help file.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
for f in bin/plotwise bin/plotwise-cli share/plotwise/Plotwise.hlp \
    share/applications/plotwise.desktop share/icons/hicolor/scalable/apps/plotwise.svg \
    share/icons/hicolor/scalable/mimetypes/application-x-plotwise.svg \
    share/mime/packages/plotwise.xml; do
    [[ -s "$prefix/$f" ]] || { echo "missing: $f"; exit 1; }
done
[[ -x "$prefix/bin/plotwise" ]] || { echo "not executable: bin/plotwise"; exit 1; }
desktop-file-validate "$share/applications/plotwise.desktop"
grep -qx 'MimeType=application/x-plotwise;' "$share/applications/plotwise.desktop"
update-mime-database "$share/mime"
grep -q '^50:application/x-plotwise:\*\.plw$' "$share/mime/globs2" ||
    { echo "*.plw is not application/x-plotwise"; exit 1; }
[[ "$("$prefix/bin/plotwise-cli" eval 2+2)" == 4 ]]
echo "installed and valid"
