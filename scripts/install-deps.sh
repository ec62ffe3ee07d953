#!/usr/bin/env bash
# Installs every Debian package that building, running and testing the application needs.
# Safe to run again: packages already present are skipped quickly.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libqt6opengl6-dev
  qt6-qpa-plugins libgl-dev
  libxlsxwriter-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang
  fonts-nanum
  cups cups-client printer-driver-cups-pdf poppler-utils
  python3-openpyxl python3-pil
  qt6-translations-l10n libqt6sql6-sqlite   # Qt's own dialogs in Korean; the register's index
  xvfb xdotool x11-utils x11-xserver-utils imagemagick  # the real-input suite: a display, input through the X server, screenshots
  libreoffice-calc                          # 엑셀전송 opens sheets in it; tests convert sheets to PDF with it
  fonts-crosextra-carlito                   # metrics of the sheets' standard font, so LibreOffice gives columns their widths
  dpkg-dev                                  # the Debian package (cpack -G DEB)
  ibus ibus-hangul dbus-x11                 # the input-method journeys: Hangul typed as Korean users type it
  fcitx5 fcitx5-hangul fcitx5-frontend-qt6
  sshfs openssh-server                      # the shared-folder journeys: a network drive served and mounted here
  qt6-gtk-platformtheme                     # GNOME's Qt theme, which our users' desktops have: journeys run under it
  qt6ct                                     # the Qt settings tool of KDE-less desktops: the contrast and layout checks run under it
  weston qt6-wayland                        # the Wayland journey: a compositor on the test display, Qt's Wayland platform
  desktop-file-utils appstream shared-mime-info  # the install test validates the desktop entry, AppStream entry and file types
)

# The Korean font names of the sheets mapped onto the Nanum fonts, for LibreOffice (fontconfig).
install_font_aliases() {
  local conf target sudo=""
  conf="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/src/shell/30-zaruziz-korean-fonts.conf"
  target=/etc/fonts/conf.d/30-zaruziz-korean-fonts.conf
  if [ -f "$conf" ] && ! cmp -s "$conf" "$target"; then
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    $sudo install -D -m 644 "$conf" "$target"
    command -v fc-cache >/dev/null && $sudo fc-cache -f >/dev/null 2>&1 || true
  fi
}
trap install_font_aliases EXIT

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
