#!/usr/bin/python3
"""Prints what openpyxl reads from an xlsx file as JSON: per sheet the cells (values, types,
number formats, fonts, fills, alignment), formulas, cached results, merges, column widths,
row heights and hidden rows, page setup; plus the workbook's parts with a hash of each."""
import datetime
import hashlib
import json
import sys
import zipfile

import xml.etree.ElementTree as ElementTree

import openpyxl

MAIN = "{http://schemas.openxmlformats.org/spreadsheetml/2006/main}"


def plain(value):
    if isinstance(value, (datetime.datetime, datetime.date, datetime.time)):
        return value.isoformat()
    if isinstance(value, int) and not isinstance(value, bool) and abs(value) > 2 ** 53:
        return str(value)  # beyond what a JSON reader keeps exactly
    if value is None or isinstance(value, (bool, int, float, str)):
        return value
    return str(value)


def rgb(color):
    if color is None or color.type != "rgb":
        return None
    return color.rgb


def cell_info(cell):
    font = cell.font
    return {
        "v": plain(cell.value),
        "t": cell.data_type,
        "nf": cell.number_format,
        "b": bool(font.b),
        "i": bool(font.i),
        "sz": font.sz,
        "font": font.name,
        "color": rgb(font.color),
        "fill": cell.fill.fill_type,
        "fg": rgb(cell.fill.fgColor),
        "wrap": bool(cell.alignment.wrap_text),
        "h": cell.alignment.horizontal,
        "border": cell.border.left.style,
    }


def sheet_info(ws, cached_ws, rows):
    cells = {}
    for row in ws.iter_rows():
        for cell in row:
            if rows is not None and cell.row not in rows:
                continue
            if cell.value is None and not cell.has_style:
                continue
            info = cell_info(cell)
            if cell.data_type == "f":
                info["cached"] = plain(cached_ws[cell.coordinate].value)
            cells[cell.coordinate] = info
    widths = {key: dim.width for key, dim in ws.column_dimensions.items() if dim.customWidth}
    heights = {str(key): dim.height for key, dim in ws.row_dimensions.items() if dim.height is not None}
    hidden = sorted(key for key, dim in ws.row_dimensions.items() if dim.hidden)
    return {
        "dimension": ws.dimensions,
        "max_row": ws.max_row,
        "merges": sorted(str(r) for r in ws.merged_cells.ranges),
        "widths": widths,
        "heights": heights,
        "hidden_rows": hidden,
        "orientation": ws.page_setup.orientation,
        "paper": ws.page_setup.paperSize,
        "fit_to_page": bool(ws.sheet_properties.pageSetUpPr is not None and ws.sheet_properties.pageSetUpPr.fitToPage),
        "fit_width": ws.page_setup.fitToWidth,
        "fit_height": ws.page_setup.fitToHeight,
        "print_area": ws.print_area,
        "freeze": ws.freeze_panes,
        "conditional": sorted(str(rule.sqref) for rule in ws.conditional_formatting),
        "cells": cells,
    }


def part_order(archive, name):
    """Rows and cells in the order the part lists them."""
    root = ElementTree.fromstring(archive.read(name))
    rows = []
    for row in root.iter(MAIN + "row"):
        rows.append([row.get("r")] + [cell.get("r") for cell in row.iter(MAIN + "c")])
    return rows


def styles_info(archive):
    root = ElementTree.fromstring(archive.read("xl/styles.xml"))
    xfs = root.find(MAIN + "cellXfs")
    formats = root.find(MAIN + "numFmts")
    codes = {} if formats is None else {f.get("numFmtId"): f.get("formatCode") for f in formats}
    return {"cell_xfs": len(list(xfs)), "xfs_count": xfs.get("count"), "num_fmts": codes}


def row_set(text):
    """"1-3,10001" -> {1, 2, 3, 10001}"""
    rows = set()
    for part in text.split(","):
        first, _, last = part.partition("-")
        rows.update(range(int(first), int(last or first) + 1))
    return rows


def main(path, rows=None):
    wb = openpyxl.load_workbook(path)
    cached = openpyxl.load_workbook(path, data_only=True)
    with zipfile.ZipFile(path) as archive:
        parts = {name: hashlib.sha256(archive.read(name)).hexdigest() for name in archive.namelist()}
        order = {name: part_order(archive, name) for name in archive.namelist()
                 if name.startswith("xl/worksheets/") and name.endswith(".xml")}
        styles = styles_info(archive)
    result = {
        "sheets": wb.sheetnames,
        "states": {ws.title: ws.sheet_state for ws in wb.worksheets},
        "full_calc": bool(wb.calculation is not None and wb.calculation.fullCalcOnLoad),
        "defined_names": sorted(name.name for name in wb.defined_names.definedName),
        "parts": parts,
        "order": order,
        "styles": styles,
        "data": {ws.title: sheet_info(ws, cached[ws.title], rows) for ws in wb.worksheets},
    }
    json.dump(result, sys.stdout, ensure_ascii=False, sort_keys=True)


if __name__ == "__main__":
    # dump_xlsx.py FILE [ROWS]: ROWS ("1-3,10001") limits the cells listed
    main(sys.argv[1], row_set(sys.argv[2]) if len(sys.argv) > 2 else None)
