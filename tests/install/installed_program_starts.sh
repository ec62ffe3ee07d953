#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the installed program offscreen: the application
# folder, the command link, the desktop entry and the icon must be there, and the program must come up.
set -euo pipefail
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
QT_QPA_PLATFORM=offscreen TMPDIR="$prefix" ZARU_TEST_PROMPTS_LOG="$log" "$prefix/bin/zaruziz" &
pid=$!
for _ in $(seq 1 200); do
  grep -q started "$log" 2>/dev/null && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
started=0
grep -q started "$log" 2>/dev/null && started=1
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
[ "$started" = 1 ] || { echo "the installed program did not start"; cat "$log" 2>/dev/null; exit 1; }
# It runs from its application folder: the settings it writes land there.
echo "installed program started from $app"
