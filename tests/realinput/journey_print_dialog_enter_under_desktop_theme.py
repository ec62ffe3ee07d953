"""Enter pressed as soon as the print dialog opens shows the preview of the page shown, also under a
desktop's own Qt theme (GNOME's, through qt6-gtk-platformtheme, dark), where the dialog's first focus was
the "x" of its title strip, so that Enter (and Space under every theme) closed the dialog instead.
Without the GTK platform theme installed the journey runs under Qt's own style."""

import os

import places
import xsuite
from xsuite import check

GTK_THEME_PLUGIN = "/usr/lib/x86_64-linux-gnu/qt6/plugins/platformthemes/libqgtk3.so"


def journey(d):
    theme = {"XDG_CURRENT_DESKTOP": "GNOME", "GTK_THEME": "Adwaita:dark"}
    if os.path.exists(GTK_THEME_PLUGIN):
        theme["QT_QPA_PLATFORMTHEME"] = "gtk3"
    d.start(theme)
    main = places.main_window(d)
    editor = places.open_editor(d, main)
    for key in ("Return", "space"):
        dialog = places.open_print_dialog(d, editor)
        d.key(key)
        preview = places.preview_window(d, main)
        check(dialog in d.windows(), f"{key}: the dialog stays open under its preview")
        d.screenshot(f"preview-after-{key}")
        places.close_preview(d, preview)
        places.close_print_dialog(d, dialog)
        d.click(editor, *places.EDITOR_CAPTION["tax"])
    places.close_editor(d, editor)
    check(places.quit_program(d, main) == 0, "the program ends when asked to")


xsuite.run(journey)
