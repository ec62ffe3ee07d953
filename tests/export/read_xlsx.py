"""Reads an .xlsx file with openpyxl and prints what the export tests check, as JSON.

usage: read_xlsx.py FILE CELL...   (cells such as B3 or AN19)
"""
import json
import re
import sys
import zipfile

import openpyxl
from openpyxl.utils import column_index_from_string


def colour(c):
    return c.rgb if c is not None and isinstance(c.rgb, str) else None


def side(s):
    return {"style": s.style, "color": colour(s.color) if s.style else None}


def main():
    path, cells = sys.argv[1], sys.argv[2:]
    wb = openpyxl.load_workbook(path)
    ws = wb.worksheets[0]
    out = {
        "sheets": wb.sheetnames,
        "merges": sorted(str(r) for r in ws.merged_cells.ranges),
        "defaultRowHeight": ws.sheet_format.defaultRowHeight,
        "cells": {},
        "columnWidths": {},
        "rowHeights": {},
        "pictures": [],
        "columnStyles": {},
    }
    for ref in cells:
        c = ws[ref]
        f = c.font
        out["cells"][ref] = {
            "value": c.value,
            "type": c.data_type,
            "numberFormat": c.number_format,
            "font": {"name": f.name, "size": f.sz, "bold": bool(f.b), "color": colour(f.color)},
            "horizontal": c.alignment.horizontal,
            "vertical": c.alignment.vertical,
            "wrap": bool(c.alignment.wrap_text),
            "fill": colour(c.fill.fgColor) if c.fill.fill_type == "solid" else None,
            "left": side(c.border.left),
            "right": side(c.border.right),
            "top": side(c.border.top),
            "bottom": side(c.border.bottom),
        }
    for letter in "ABCDEFGHIJKLMNOPQRSTUVW":
        idx = column_index_from_string(letter)
        for dim in ws.column_dimensions.values():
            if dim.min is not None and dim.min <= idx <= dim.max:
                out["columnWidths"][letter] = dim.width
                out["columnStyles"][letter] = {
                    "font": {"name": dim.font.name, "size": dim.font.sz, "color": colour(dim.font.color)},
                    "horizontal": dim.alignment.horizontal,
                    "bottom": side(dim.border.bottom),
                }
    for r, dim in ws.row_dimensions.items():
        if dim.height is not None:
            out["rowHeights"][str(r)] = dim.height
    with zipfile.ZipFile(path) as z:
        for name in z.namelist():
            if re.match(r"xl/drawings/drawing\d+\.xml$", name):
                xml = z.read(name).decode("utf-8")
                for m in re.finditer(r"<xdr:from><xdr:col>(\d+)</xdr:col><xdr:colOff>(\d+)</xdr:colOff>"
                                     r"<xdr:row>(\d+)</xdr:row><xdr:rowOff>(\d+)</xdr:rowOff></xdr:from>", xml):
                    out["pictures"].append({"col": int(m.group(1)), "colOff": int(m.group(2)),
                                            "row": int(m.group(3)), "rowOff": int(m.group(4))})
            if re.match(r"xl/media/", name):
                out.setdefault("media", []).append(name)
    print(json.dumps(out, ensure_ascii=False))


main()
