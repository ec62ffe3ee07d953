#!/bin/bash
# Runs a command as it would run on one of our users' desktops, on an X display of its own:
#   plain        Qt's own look, no platform theme
#   dark-fusion  qt6ct with Fusion and a dark Fusion palette, the desktop font twice ours
#   qt6ct-darker qt6ct's "darker" colour scheme, the desktop font twice ours
#   gnome-dark   GNOME dark through qt6-gtk-platformtheme (Adwaita:dark), the desktop font twice ours
# Exits 77 (skipped) when this machine lacks the display server or the theme's plugin.
set -u
desktop="$1"; shift
plugins=/usr/lib/x86_64-linux-gnu/qt6/plugins/platformthemes
skip() { echo "SKIPPED: $*"; exit 77; }
command -v Xvfb >/dev/null || skip "Xvfb is not installed"

home="$(mktemp -d)"
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$home"' EXIT
mkdir -p "$home/config/qt6ct" "$home/config/gtk-3.0" "$home/tmp" "$home/runtime"
chmod 700 "$home/runtime"
export HOME="$home" XDG_CONFIG_HOME="$home/config" TMPDIR="$home/tmp" XDG_RUNTIME_DIR="$home/runtime"
export QT_QPA_PLATFORM=xcb
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE GTK_THEME XDG_CURRENT_DESKTOP WAYLAND_DISPLAY

# The desktop font: 18 pt, which is 24 pixels on a 96 dpi screen, twice the windows' 12 pixels.
qt6ct_conf() {
  cat > "$home/config/qt6ct/qt6ct.conf" <<CONF
[Appearance]
color_scheme_path=$1
custom_palette=true
style=Fusion
standard_dialogs=default

[Fonts]
general="DejaVu Sans,18,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
fixed="DejaVu Sans Mono,18,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"
CONF
}

case "$desktop" in
plain) ;;
dark-fusion)
  [ -f "$plugins/libqt6ct.so" ] || skip "qt6ct is not installed"
  # Fusion's dark palette as dark-theme guides give it: window, base, button, text, highlight...
  cat > "$home/config/qt6ct/dark-fusion.conf" <<'CONF'
[ColorScheme]
active_colors=#ffffffff, #ff353535, #ff5a5a5a, #ff454545, #ff232323, #ff2e2e2e, #ffffffff, #ffffffff, #ffffffff, #ff2a2a2a, #ff353535, #ff141414, #ff2a82da, #ffffffff, #ff2a82da, #ffa070e0, #ff353535, #ff000000, #ff353535, #ffffffff, #80ffffff
disabled_colors=#ff7f7f7f, #ff353535, #ff5a5a5a, #ff454545, #ff232323, #ff2e2e2e, #ff7f7f7f, #ffffffff, #ff7f7f7f, #ff2a2a2a, #ff353535, #ff141414, #ff505050, #ff7f7f7f, #ff2a82da, #ffa070e0, #ff353535, #ff000000, #ff353535, #ffffffff, #80ffffff
inactive_colors=#ffffffff, #ff353535, #ff5a5a5a, #ff454545, #ff232323, #ff2e2e2e, #ffffffff, #ffffffff, #ffffffff, #ff2a2a2a, #ff353535, #ff141414, #ff2a82da, #ffffffff, #ff2a82da, #ffa070e0, #ff353535, #ff000000, #ff353535, #ffffffff, #80ffffff
CONF
  qt6ct_conf "$home/config/qt6ct/dark-fusion.conf"
  export QT_QPA_PLATFORMTHEME=qt6ct ZARU_EXPECT_THEME=libqt6ct.so ;;
qt6ct-darker)
  [ -f "$plugins/libqt6ct.so" ] && [ -f /usr/share/qt6ct/colors/darker.conf ] || skip "qt6ct is not installed"
  qt6ct_conf /usr/share/qt6ct/colors/darker.conf
  export QT_QPA_PLATFORMTHEME=qt6ct ZARU_EXPECT_THEME=libqt6ct.so ;;
gnome-dark)
  [ -f "$plugins/libqgtk3.so" ] || skip "qt6-gtk-platformtheme is not installed"
  printf '[Settings]\ngtk-application-prefer-dark-theme=1\ngtk-font-name=Cantarell 18\n' > "$home/config/gtk-3.0/settings.ini"
  export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark XDG_CURRENT_DESKTOP=GNOME ZARU_EXPECT_THEME=libqgtk3.so ;;
*) echo "unknown desktop: $desktop" >&2; exit 2 ;;
esac

# A display of our own: the server picks a free number and tells it.
exec 3> "$home/display"
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$home/display" ] && break; sleep 0.1; done
display="$(tr -dc 0-9 < "$home/display")"
[ -n "$display" ] || skip "the X server did not start"
export DISPLAY=":$display"
"$@"
