"""The VAT-return summary of a period shown in the preview from the register and saved as a PDF: the PDF
holds the form with the buyers of the period, each once with the sums of its invoices, and nothing of the
invoices outside the period or of the statements."""

import datetime
import os
import subprocess

import register_docs
import xsuite
from xsuite import check

PREVIEW_PDF_BUTTON = (186, 37)


def journey(d):
    year = datetime.date.today().year
    work = d.work_dir
    docs = [
        ("a.Dy5", datetime.date(year, 1, 1), "123-45-67891", "가나상회", 100000, 10000),
        ("b.Dy5", datetime.date(year, 3, 31), "123-45-67891", "가나상회(주)", 200000, 20000),
        ("c.Dy5", datetime.date(year, 2, 14), "220-81-62517", "다라물산", 70000, 7000),
        ("d.Dy5", datetime.date(year, 4, 1), "220-81-62517", "사월상사", 990000, 99000),
    ]
    for name, day, number, buyer, supply, tax in docs:
        register_docs.write_document(os.path.join(work, name), day, number, buyer, [("품목", supply, tax)])
    register_docs.write_document(os.path.join(work, "s.Gy5"), datetime.date(year, 2, 1), "220-81-62517",
                                 "명세서상사", [("볼트", 5555, 555)], statement=True)

    main, register = register_docs.open_register_on_first_preliminary(d)
    d.key("alt+v")  # 합계표 미리보기: the tax invoice summary is chosen
    preview = d.wait_window("^켈모르소프트( —.*)?$", exclude=(main,))
    shot = d.window_shot(preview, "preview")
    check(xsuite.dark_pixels(shot) > 2000, "the summary's form shows in the preview")

    d.click(preview, *PREVIEW_PDF_BUTTON)
    dialog = d.wait_window("PDF로 저장")
    d.wait_until(lambda: d.focused() == dialog, "the save dialog takes the keyboard", timeout=5)
    d.type("summary1")
    d.key("Return")
    pdf = os.path.join(work, "summary1.pdf")
    d.wait_until(lambda: os.path.exists(pdf) and os.path.getsize(pdf) > 0, "the PDF saved", timeout=20)
    d.wait_gone(dialog)
    text = subprocess.run(["pdftotext", "-layout", pdf, "-"], capture_output=True, text=True).stdout
    compact = text.replace(" ", "")
    for word in ("매출처별세금계산서합계표(갑)", "123-45-67891", "가나상회(주)", "300,000", "30,000",
                 "220-81-62517", "다라물산", "370,000", "37,000"):
        check(word in compact, f"'{word}' in the summary's PDF")
    for word in ("사월상사", "990,000", "명세서상사"):
        check(word not in compact, f"'{word}' is outside the summary")

    d.click(preview, d.geometry(preview)[2] - 18, 10)  # the preview's close button
    d.wait_gone(preview)
    d.key("Escape")
    d.wait_gone(register)


xsuite.run(journey)
