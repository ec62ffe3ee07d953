#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed program offscreen: the application
# folder, the command link, the desktop entry, the icon, the file types and the AppStream entry must be
# there and valid, `zaruziz --help` and `--version` must answer, and the program must come up.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/program_starts.sh"
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

app="$prefix/lib/zaruziz"
for f in "$app/zaruziz" "$app/libSpelchr.so" "$app/libKmrCalc.so" "$app/libwebnotice.so" "$app/libAboutLog.so" \
         "$app/help/vizuruz/freemain.htm" "$app/dojang.bmp" "$prefix/bin/zaruziz" \
         "$prefix/share/applications/zaruziz.desktop" "$prefix/share/icons/hicolor/256x256/apps/zaruziz.png"; do
  [ -e "$f" ] || { echo "missing after install: $f"; exit 1; }
done
grep -q '^Name\[ko\]=켈모르소프트 세금계산서$' "$prefix/share/applications/zaruziz.desktop" || { echo "desktop entry without its Korean name"; exit 1; }

# The desktop's view of the program: a valid desktop entry naming the document types, the types known by
# their names, a valid AppStream entry; checked with the desktop's own tools where they are installed.
share="$prefix/share"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$share/applications/zaruziz.desktop"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --pedantic "$share/metainfo/kr.co.kelmorsoft.zaruziz.metainfo.xml" >/dev/null \
    || { appstreamcli validate --no-net --pedantic "$share/metainfo/kr.co.kelmorsoft.zaruziz.metainfo.xml"; exit 1; }
fi
if command -v update-mime-database >/dev/null; then
  update-mime-database "$share/mime"
  for pair in "*.Dy5 application/x-zaruziz-tax-invoice" "*.Gnt application/x-zaruziz-statement" \
              "*.Prc application/x-zaruziz-quotation"; do
    set -- $pair
    grep -qF ":$2:$1" "$share/mime/globs2" || { echo "no file type $2 for $1"; cat "$share/mime/globs2"; exit 1; }
  done
  for type in tax-invoice statement quotation; do
    grep -q "application/x-zaruziz-$type;" "$share/applications/zaruziz.desktop" \
      || { echo "the desktop entry does not open application/x-zaruziz-$type"; exit 1; }
  done
fi

"$prefix/bin/zaruziz" --help | grep -q '^사용법: zaruziz \[파일\]' || { echo "zaruziz --help does not answer"; exit 1; }
"$prefix/bin/zaruziz" --version | grep -q ' 5\.' || { echo "zaruziz --version does not answer"; exit 1; }

log="$prefix/prompts.log"
program_starts "$log" env QT_QPA_PLATFORM=offscreen TMPDIR="$prefix" ZARU_TEST_PROMPTS_LOG="$log" "$prefix/bin/zaruziz"
# It runs from its application folder: the settings it writes land there.
echo "installed program started from $app"
