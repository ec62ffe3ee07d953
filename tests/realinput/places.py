"""Where the program's windows keep their controls (relative to each window's top left corner) and the
few steps that several journeys share: opening an editor, its print dialog, the preview."""

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
PAGE0_BLACK_WHITE = (257, 35)
PAGE0_NO_DATE = (257, 61)
PAGE0_TOP_OFFSET = (85, 60)
PAGE0_OK = (236, 155)
PAGE0_CANCEL = (326, 155)
PAGE1_TOP_OFFSET = (85, 60)
PAGE1_BLACK_WHITE = (17, 88)
PAGE1_OK = (236, 187)

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
    """Closes the print dialog by the "x" of its title strip."""
    d.click(dialog, *DIALOG_CLOSE_X)
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
