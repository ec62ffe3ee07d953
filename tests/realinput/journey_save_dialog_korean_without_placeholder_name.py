"""The save dialog of a document never saved is Qt's dialog in Korean and proposes no file name: Enter
alone saves nothing (before, it saved a file named after the placeholder "이름없음"), a typed name saves."""

import os

from PIL import ImageFont

import xsuite
from xsuite import check

import places

FONT = "/usr/share/fonts/truetype/nanum/NanumGothic.ttf"
LOOK_IN_LABEL = (4, 8, 92, 32)  # the label in front of the folder list, top left of the dialog


def ink_width(image, threshold=110):
    """The width of the dark pixels' run from the first to the last dark column."""
    w, h = image.size
    px = image.load()
    columns = [x for x in range(w) if any(sum(px[x, y]) < threshold * 3 for y in range(h))]
    return columns[-1] - columns[0] + 1 if columns else 0


def journey(d):
    d.start()
    main = places.main_window(d)
    editor = places.open_editor(d, main, "tax")
    d.key("alt+s")
    dialog = d.wait_window("^다른 이름으로 저장")

    # Qt's own label before the folder list: its English "Look in:" is about as wide as the font draws
    # those eight letters; the Korean label is far wider.
    english = ImageFont.truetype(FONT, 12).getlength("Look in:")
    label = ink_width(d.window_shot(dialog, "save-dialog").crop(LOOK_IN_LABEL))
    check(label > 1.4 * english, f"the dialog's own label is Korean ({label} px wide, 'Look in:' {english:.0f} px)")

    d.key("Return")
    placeholder = os.path.join(d.work_dir, "이름없음.Dy5")
    check(dialog in d.windows() and not os.path.exists(placeholder),
          "Enter without a name saves nothing and keeps the dialog open")
    d.type("first")
    d.key("Return")
    path = os.path.join(d.work_dir, "first.Dy5")
    d.wait_until(lambda: os.path.exists(path), "the document saved under the typed name")
    d.wait_gone(dialog)
    check(not os.path.exists(placeholder), "no file named after the placeholder")

    places.close_editor(d, editor)
    check(places.quit_program(d, main) == 0, "the program ends when asked to")


xsuite.run(journey)
