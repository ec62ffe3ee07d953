"""전자발급 파일 from the register: the period's tax invoices become the National Tax Service's bulk-issue
spreadsheet. The check lists the invoice the service would refuse (no buyer number) and leaves it out,
the folder is chosen, the file holds the other two row for row with every cell text; once the user says
they were issued on the site, the summary counts them in its electronic rows and lists only the paper
invoice's buyer."""

import datetime
import os
import shutil

import register_docs
import xsuite
from xsuite import check

try:
    import openpyxl
except ImportError:  # the file's cells are then not read back
    openpyxl = None


def journey(d):
    year = datetime.date.today().year
    work = d.work_dir
    register_docs.write_document(os.path.join(work, "a.Dy5"), datetime.date(year, 1, 5), "123-45-67891", "가나상회",
                                 [("복사지", 100000, 10000)], rep="이가나")
    register_docs.write_document(os.path.join(work, "c.Dy5"), datetime.date(year, 2, 14), "220-81-62517", "다라물산",
                                 [("토너", 70000, 7000)], rep="박다라")
    register_docs.write_document(os.path.join(work, "bad.Dy5"), datetime.date(year, 3, 3), "", "번호없는상회",
                                 [("볼펜", 5000, 500)], rep="최번호")

    main, register = register_docs.open_register_on_first_preliminary(d)

    d.key("alt+b")  # 전자발급 파일
    listing = d.wait_window("^전자발급 파일")
    d.window_shot(listing, "check-list")
    d.key("Return")  # 빼고 만들기
    d.wait_gone(listing)
    folder = d.wait_window("^전자발급 파일을 저장할 폴더")
    d.wait_until(lambda: d.focused() == folder, "the folder dialog takes the keyboard", timeout=5)
    d.key("alt+c")  # 선택: the dialog opens on the register's folder, the work folder
    d.wait_gone(folder, timeout=15)
    xlsx = os.path.join(work, "세금계산서등록양식(일반).xlsx")
    d.wait_until(lambda: os.path.exists(xlsx), "the bulk-issue file", timeout=60)
    told = d.wait_window(f"^{xsuite.APP_TITLE}$", exclude=(main,), timeout=60)
    d.key("Return")
    d.wait_gone(told)
    asked = d.wait_window(f"^{xsuite.APP_TITLE}$", exclude=(main,))
    d.key("alt+y")  # issued on the site
    d.wait_gone(asked)

    shutil.copy(xlsx, d.artifacts)  # kept with the screenshots, for a person to open
    if shutil.which("soffice") or shutil.which("libreoffice"):
        check(os.path.exists(xlsx[:-1]), "the .xls form of the file beside it")
    if openpyxl is not None:
        sheet = openpyxl.load_workbook(xlsx)["엑셀업로드양식"]
        check(sheet["A1"].value == "엑셀 업로드 양식(전자세금계산서-일반(영세율))", f"the title: {sheet['A1'].value}")
        check(sheet["C6"].value == '공급자 등록번호\n("-" 없이 입력)', f"C6: {sheet['C6'].value!r}")
        rows = [[c.value for c in row] for row in sheet.iter_rows(min_row=7, max_row=9)]
        check(rows[2][0] is None, "two invoices, the refused one left out")
        expected = [
            ("01", f"{year}0105", "2208162517", "1234567891", "가나상회", "100000", "10000", "05", "복사지"),
            ("01", f"{year}0214", "2208162517", "2208162517", "다라물산", "70000", "7000", "14", "토너"),
        ]
        for row, (code, day, supplier, buyer, name, supply, tax, item_day, item) in zip(rows, expected):
            check((row[0], row[1], row[2], row[10], row[12], row[19], row[20], row[22], row[23]) ==
                  (code, day, supplier, buyer, name, supply, tax, item_day, item), f"the row of {name}: {row[:24]}")
        for row in sheet.iter_rows(min_row=7, max_row=8):
            for c in row:
                check(c.value is None or c.data_type == "s", f"{c.coordinate} is text, not {c.data_type}")

    # The summary: the two issued invoices in the electronic rows, only the paper one's buyer listed.
    d.click(register, 400, 20)  # the register has the keyboard again (the test display has no window manager)
    d.wait_until(lambda: d.focused() == register, "the register takes the keyboard back", timeout=5)
    d.key("alt+v")
    preview = d.wait_window("^켈모르소프트( —.*)?$", exclude=(main,))
    text = register_docs.summary_pdf_text(d, preview, "after-issue")
    check("170,000" in text and "17,000" in text, "the electronic rows hold the two issued invoices")
    check("번호없는상회" not in text or "5,000" in text, "the paper invoice is counted on paper")
    for name in ("가나상회", "다라물산"):
        check(name not in text, f"{name} is not listed among the paper buyers")
    d.click(preview, d.geometry(preview)[2] - 18, 10)
    d.wait_gone(preview)
    d.key("Escape")
    d.wait_gone(register)


xsuite.run(journey)
