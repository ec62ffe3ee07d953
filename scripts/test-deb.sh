#!/usr/bin/env bash
# The Debian package, installed as a user installs it: builds it with CPack from the build folder, installs
# it with apt, starts `zaruziz` from the path (offscreen) with a fresh home folder, checks that the
# settings file of the application folder was taken into ~/.local/share/zaruziz/, removes the package
# with apt and checks that the command is gone. Needs the superuser and apt; skips with a notice
# elsewhere. The package is left in the build folder.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/tests/install/program_starts.sh"
build="$(cd "${1:-${ZARU_BUILD_DIR:-$root/build}}" && pwd)"

if [ "$(id -u)" != 0 ] || ! command -v apt-get >/dev/null || ! command -v dpkg-shlibdeps >/dev/null; then
  echo "SKIPPED: the package test needs the superuser, apt and dpkg-dev"
  exit 0
fi
installed() { dpkg-query -W -f='${Status}' zaruziz 2>/dev/null | grep -q 'install ok installed'; }
if installed; then
  echo "SKIPPED: a package zaruziz is already installed on this machine; the test leaves it alone"
  exit 0
fi

(cd "$build" && cpack -G DEB >/dev/null 2>&1)
deb="$(ls -t "$build"/zaruziz_*.deb | head -1)"
echo "package: $(basename "$deb")"
echo "depends: $(dpkg-deb -f "$deb" Depends)"

home="$(mktemp -d)"
app=/usr/lib/zaruziz
cleanup() {
  rm -f "$app/ZaruZiz.ini"
  if installed; then apt-get remove -y zaruziz >/dev/null 2>&1 || true; fi
  # dpkg keeps a record of a removed package until it is purged; the machine is left as it was.
  dpkg --purge zaruziz >/dev/null 2>&1 || true
  rm -rf "$home"
}
trap cleanup EXIT

DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$deb" >/dev/null
[ "$(command -v zaruziz)" = /usr/bin/zaruziz ] || { echo "zaruziz is not on the path after install"; exit 1; }
for f in "$app/zaruziz" "$app/libKmrCalc.so" "$app/help/vizuruz/freemain.htm" "$app/dojang.bmp" \
         /usr/share/applications/zaruziz.desktop /usr/share/icons/hicolor/256x256/apps/zaruziz.png; do
  [ -e "$f" ] || { echo "missing after install: $f"; exit 1; }
done

# A settings file left in the application folder (as an administrator may put one there) is the
# user's starting point; the program must not write beside it.
printf '[\xb5\xee\xb7\xcf]\r\nfSangho=TEST\r\n' >"$app/ZaruZiz.ini"
log="$home/prompts.log"
program_starts "$log" env HOME="$home" XDG_DATA_HOME= TMPDIR="$home" QT_QPA_PLATFORM=offscreen \
  ZARU_TEST_PROMPTS_LOG="$log" zaruziz
cmp -s "$app/ZaruZiz.ini" "$home/.local/share/zaruziz/ZaruZiz.ini" ||
  { echo "the settings file was not taken into ~/.local/share/zaruziz/"; exit 1; }
stray="$(find "$app" -type f -newer "$deb" -not -name ZaruZiz.ini | head -5)"
[ -z "$stray" ] || { echo "the program wrote into its system folder: $stray"; exit 1; }

rm -f "$app/ZaruZiz.ini"
apt-get remove -y zaruziz >/dev/null
[ ! -e /usr/bin/zaruziz ] && [ ! -e "$app" ] || { echo "apt remove left the program behind"; exit 1; }
echo "package installed, started from the path and removed"
