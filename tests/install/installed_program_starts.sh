#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed program offscreen: the application
# folder, the command link, the desktop entry and the icon must be there, and the program must come up.
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

log="$prefix/prompts.log"
program_starts "$log" env QT_QPA_PLATFORM=offscreen TMPDIR="$prefix" ZARU_TEST_PROMPTS_LOG="$log" "$prefix/bin/zaruziz"
# It runs from its application folder: the settings it writes land there.
echo "installed program started from $app"
