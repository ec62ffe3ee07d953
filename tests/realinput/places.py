"""Where the program's windows keep their controls (relative to each window's top left corner) and the
few steps that several journeys share: opening an editor, its print dialog, the preview."""

import time

import xsuite

# Main window.
MAIN_TAX_INVOICE = (50, 38)
MAIN_STATEMENT = (143, 38)
MAIN_QUOTATION = (236, 38)
MAIN_HELP = (557, 38)
MAIN_CLOSE = (694, 12)

# Editor (tax invoice and statement pages; the quotation page has its tool bar at the same height).
EDITOR_CLOSE = (668, 10)
EDITOR_PRINT = (123, 34)
EDITOR_FIRST_ITEM = (133, 238)

# Print dialog: page 0 (tax invoice) and page 1 (statement).
DIALOG_CLOSE_X = (365, 9)
DIALOG_WIDTH = 380
PAGE0_BLACK_WHITE = (257, 35)
PAGE0_NO_DATE = (257, 61)
PAGE0_TOP_OFFSET = (85, 60)
PAGE0_OK = (236, 155)
PAGE0_CANCEL = (326, 155)
PAGE1_TOP_OFFSET = (85, 60)
PAGE1_BLACK_WHITE = (17, 88)
PAGE1_OK = (236, 187)
PAGE2_OK = (135, 131)  # the quotation's page
PAGE_OK = {"tax": PAGE0_OK, "statement": PAGE1_OK, "quotation": PAGE2_OK}

# Help window.
HELP_CLOSE = (533, 14)
HELP_PAGE = (290, 300)

EDITOR_TITLES = {"tax": "^세금계산서 작성", "statement": "^거래명세서 작성", "quotation": "^견적서 작성"}
MAIN_BUTTONS = {"tax": MAIN_TAX_INVOICE, "statement": MAIN_STATEMENT, "quotation": MAIN_QUOTATION}


def main_window(d):
    return d.wait_window(f"^{xsuite.APP_TITLE}$")


def open_editor(d, main, kind="tax"):
    d.click(main, *MAIN_BUTTONS[kind])
    return d.wait_window(EDITOR_TITLES[kind])


def close_editor(d, editor):
    """Closes an editor of any page by the "x" at the right end of its title strip."""
    _, _, width, _ = d.geometry(editor)
    d.click(editor, width - 17, 10)
    d.wait_gone(editor)


def close_preview(d, preview):
    """Closes the preview by the "x" on its title strip."""
    _, _, width, _ = d.geometry(preview)
    d.click(preview, width - 17, 11)
    d.wait_gone(preview)


def open_print_dialog(d, editor):
    d.click(editor, *EDITOR_PRINT)
    return d.wait_window("^출력물 종류를 선택하세요")


def close_print_dialog(d, dialog):
    """Closes the print dialog by the "x" of its title strip (the quotation's page is narrower)."""
    _, _, width, _ = d.geometry(dialog)
    d.click(dialog, width - (DIALOG_WIDTH - DIALOG_CLOSE_X[0]), DIALOG_CLOSE_X[1])
    d.wait_gone(dialog)


def type_buyer(d, number, name):
    """Types the buyer's number into the field that has the focus on a new document, then its 상호;
    Enter after each moves on (past 대표 afterwards)."""
    d.type(number)
    d.key("Return")
    d.type(name)
    d.key("Return")


def type_line(d, editor, item, quantity, price, spec=""):
    """Types the first item line of an invoice or statement: item, 규격, quantity and unit price. The
    price is left in the cell editor without Enter; the caller decides how the cell is left."""
    d.click(editor, *EDITOR_FIRST_ITEM)
    d.type(item)
    d.key("Return")
    d.type(spec)
    d.key("Return")
    d.type(quantity)
    d.key("Return")
    d.type(price)


def preview_pages(d, editor, kind, main, label):
    """Opens the print dialog by the tool-bar icon, shows the preview by 확인 and returns a picture of its
    pages; preview and dialog are closed again."""
    dialog = open_print_dialog(d, editor)
    d.click(dialog, *PAGE_OK[kind])
    preview = preview_window(d, main)
    time.sleep(0.5)
    _, _, width, height = d.geometry(preview)
    pages = d.window_shot(preview, label).crop((10, 70, width - 20, height - 10))
    close_preview(d, preview)
    close_print_dialog(d, dialog)
    d.click(editor, *EDITOR_CAPTION[kind])
    return pages


def preview_window(d, main, timeout=15):
    """The preview: titled "켈모르소프트", the first word of the main window's title."""
    return d.wait_window("^켈모르소프트", timeout=timeout, exclude=(main,))


def quit_program(d, main):
    """Closes the main window by its "x" and answers 예; returns the program's exit code (None while it
    still runs)."""
    d.click(main, *MAIN_CLOSE)
    question = d.wait_window(f"^{xsuite.APP_TITLE}$", exclude=(main,))
    d.key("Return")
    d.wait_gone(question)
    return d.wait_exit(10)


# The item grids: the top of their first item row and the left edges of their columns, per page.
GRID_FIRST_ROW_TOP = {"tax": 229, "statement": 209, "quotation": 219}
GRID_COLUMN_EDGES = {
    "tax": [1, 41, 234, 331, 381, 453, 536, 608, 658],
    "statement": [1, 41, 231, 331, 361, 414, 479, 551, 616, 666],
    "quotation": [1, 21, 216, 336, 371, 431, 498, 581, 638],
}
GRID_ROW_HEIGHT = 20
# Columns by what they hold, per page.
GRID_COLUMNS = {
    "tax": {"date": 0, "item": 1, "spec": 2, "quantity": 3, "price": 4, "supply": 5, "tax": 6, "remark": 7},
    "statement": {"date": 0, "item": 1, "spec": 2, "unit": 3, "quantity": 4, "price": 5, "supply": 6, "tax": 7,
                  "remark": 8},
    "quotation": {"number": 0, "item": 1, "spec": 2, "unit": 3, "quantity": 4, "price": 5, "supply": 6,
                  "remark": 7},
}

# Header fields: the buyer's on the tax invoice and statement pages, the recipient's on the quotation's.
BUYER_NAME = (445, 101)
BUYER_PERSON = (615, 101)
BUYER_ADDRESS = (520, 123)
QUOTATION_RECIPIENT = (155, 68)
QUOTATION_PERSON = (370, 96)
QUOTATION_PHONE = (370, 68)
QUOTATION_ADDRESS = (245, 152)

# The editor's tool bar (the same on every page).
EDITOR_SAVE = (70, 34)
# A caption on each page: a click there brings the editor back to the front after a dialog of its own
# closed (the test display has no window manager to do it) and moves no focus.
EDITOR_CAPTION = {"tax": (377, 59), "statement": (377, 59), "quotation": (455, 60)}

EXTENSIONS = {"tax": ".Dy5", "statement": ".Gy5", "quotation": ".Prc"}


def cell(kind, row, column):
    """The middle of an item cell: row 1 is the first item line, column a name of GRID_COLUMNS."""
    edges = GRID_COLUMN_EDGES[kind]
    c = GRID_COLUMNS[kind][column]
    return (edges[c] + edges[c + 1]) // 2, GRID_FIRST_ROW_TOP[kind] + (row - 1) * GRID_ROW_HEIGHT + GRID_ROW_HEIGHT // 2


def open_file(d, editor, path, kind="tax"):
    """Opens a document in the editor by Alt+O, typing its path (or a name in the dialog's folder). A click on a
    caption first gives the editor the keyboard (the test display has no window manager to give it back
    after a dialog closed)."""
    d.click(editor, *EDITOR_CAPTION[kind])
    d.key("alt+o")
    dialog = d.wait_window("^열기$")
    time.sleep(0.5)
    d.type(path)
    d.key("Return")
    d.wait_gone(dialog)
