#!/usr/bin/python3
"""Writes the workbooks the xlsx tests open, each made by a writer other than ours:
  template.xlsx  three styled sheets from openpyxl, one shared string made rich afterwards;
  excel.xlsx     parts written the way Excel writes them (prefixes, spans, shared formulas,
                 a calculation chain, inline strings, extension namespaces).
Usage: make_fixtures.py OUTPUT_FOLDER"""
import datetime
import os
import re
import shutil
import sys
import tempfile
import zipfile

from openpyxl import Workbook
from openpyxl.comments import Comment
from openpyxl.formatting.rule import CellIsRule
from openpyxl.styles import Alignment, Border, Font, PatternFill, Side

RICH_MARKER = "RICH_TEXT_MARKER"
RICH_RUNS = ('<r><rPr><b/><sz val="11"/></rPr><t>Bold</t></r>'
             '<r><t xml:space="preserve"> and plain</t></r>'
             '<rPh sb="0" eb="1"><t>phonetic</t></rPh>')


def template(path):
    wb = Workbook()
    report = wb.active
    report.title = "Report"
    thin = Side(style="thin")
    box = Border(left=thin, right=thin, top=thin, bottom=thin)

    report.merge_cells("A1:O1")
    report["A1"] = "Отчет по брендированным машинам"
    report["A1"].font = Font(name="Arial", size=15, bold=True)
    report["A1"].alignment = Alignment(horizontal="center")
    report["C4"] = "от"
    report["C4"].alignment = Alignment(horizontal="right")
    report.merge_cells("D4:E4")
    report["B6"] = "Начальная дата"
    report.merge_cells("B6:C6")
    report.merge_cells("D6:E6")
    report["D6"].number_format = "@"
    for column, title in zip("ABCDEFGHIJKLMNO", ["№", "sign", "ФИО"] + ["n%d" % i for i in range(12)]):
        cell = report[column + "12"]
        cell.value = title
        cell.font = Font(name="Arial", size=10, bold=True)
        cell.border = box
    for column in "ABCDEFGHIJKLMNO":
        cell = report[column + "13"]
        cell.border = box
        cell.font = Font(name="Arial", size=10)
        cell.alignment = Alignment(horizontal="left" if column == "C" else "center")
        if column in "HIJK":
            cell.number_format = "#,###.00"
        elif column in "LMNO":
            cell.number_format = "0.00"
    report["B10"] = None
    report["B10"].font = Font(name="Arial", bold=True)
    report["B10"].number_format = "0.00"
    for column, width in {"C": 34.45, "D": 14.03, "E": 13.06, "F": 15.14}.items():
        report.column_dimensions[column].width = width
    report.row_dimensions[11].height = 30
    report.row_dimensions[9].hidden = True
    report["P2"] = "=SUM(D13:D20)"
    report.page_setup.orientation = "landscape"
    report.page_setup.fitToWidth = 1
    report.print_area = "A1:O40"
    report.freeze_panes = "A13"
    report.conditional_formatting.add(
        "D13:D100", CellIsRule(operator="lessThan", formula=["0"], font=Font(color="FFFF0000")))

    data = wb.create_sheet("Data")
    data["A1"] = "text"
    data["B1"] = 42
    data["C1"] = 2.5
    data["D1"] = True
    data["E1"] = datetime.date(2024, 3, 1)
    data["E1"].number_format = "dd.mm.yyyy"
    data["F1"] = "=B1*2"
    data["A1"].comment = Comment("a note", "tester")
    data.column_dimensions["A"].width = 20

    notes = wb.create_sheet("Notes")
    notes["A1"] = RICH_MARKER
    notes["A2"] = "Notes kept as they are"
    notes.merge_cells("A3:C3")
    notes.sheet_state = "hidden"

    wb.save(path)
    make_rich(path)


def make_rich(path):
    """Turns the marker's text into rich text with runs and a phonetic run: an inline string
    or a shared string entry, whichever form openpyxl wrote it in."""
    folder = tempfile.mkdtemp()
    try:
        rewritten = os.path.join(folder, "out.xlsx")
        replaced = 0
        with zipfile.ZipFile(path) as source, zipfile.ZipFile(rewritten, "w", zipfile.ZIP_DEFLATED) as target:
            for item in source.infolist():
                data = source.read(item.filename)
                if item.filename in ("xl/sharedStrings.xml", "xl/worksheets/sheet3.xml"):
                    text = data.decode("utf-8")
                    text, count = re.subn("<(si|is)><t>%s</t></(si|is)>" % RICH_MARKER,
                                          r"<\1>%s</\2>" % RICH_RUNS, text)
                    replaced += count
                    data = text.encode("utf-8")
                target.writestr(item, data)
        assert replaced == 1, "marker string not found"
        shutil.move(rewritten, path)
    finally:
        shutil.rmtree(folder, ignore_errors=True)


EXCEL_PARTS = {
    "[Content_Types].xml":
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
        '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
        '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
        '<Default Extension="xml" ContentType="application/xml"/>'
        '<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>'
        '<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>'
        '<Override PartName="/xl/worksheets/sheet2.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>'
        '<Override PartName="/xl/theme/theme1.xml" ContentType="application/vnd.openxmlformats-officedocument.theme+xml"/>'
        '<Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>'
        '<Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/>'
        '<Override PartName="/xl/calcChain.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml"/>'
        '<Override PartName="/docProps/core.xml" ContentType="application/vnd.openxmlformats-package.core-properties+xml"/>'
        '<Override PartName="/docProps/app.xml" ContentType="application/vnd.openxmlformats-officedocument.extended-properties+xml"/>'
        '</Types>',
    "_rels/.rels":
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
        '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
        '<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties" Target="docProps/app.xml"/>'
        '<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties" Target="docProps/core.xml"/>'
        '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>'
        '</Relationships>',
    "docProps/app.xml":
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
        '<Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/extended-properties" '
        'xmlns:vt="http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes">'
        '<Application>Microsoft Excel</Application><DocSecurity>0</DocSecurity></Properties>',
    "docProps/core.xml":
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
        '<cp:coreProperties xmlns:cp="http://schemas.openxmlformats.org/package/2006/metadata/core-properties" '
        'xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:dcterms="http://purl.org/dc/terms/" '
        'xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance"><dc:creator>tester</dc:creator>'
        '<dcterms:created xsi:type="dcterms:W3CDTF">2024-01-01T00:00:00Z</dcterms:created></cp:coreProperties>',
    "xl/workbook.xml":
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
        '<x:workbook xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
        'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships" '
        'xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006" mc:Ignorable="x15 xr xr6 xr10 xr2" '
        'xmlns:x15="http://schemas.microsoft.com/office/spreadsheetml/2010/11/main" '
        'xmlns:xr="http://schemas.microsoft.com/office/spreadsheetml/2014/revision" '
        'xmlns:xr6="http://schemas.microsoft.com/office/spreadsheetml/2016/revision6" '
        'xmlns:xr10="http://schemas.microsoft.com/office/spreadsheetml/2016/revision10" '
        'xmlns:xr2="http://schemas.microsoft.com/office/spreadsheetml/2015/revision2">'
        '<x:fileVersion appName="xl" lastEdited="7" lowestEdited="7" rupBuild="27328"/>'
        '<x:workbookPr defaultThemeVersion="166925"/>'
        '<x:bookViews><x:workbookView xWindow="-120" yWindow="-120" windowWidth="29040" windowHeight="15840"/></x:bookViews>'
        '<x:sheets><x:sheet name="Totals" sheetId="1" r:id="rId1"/><x:sheet name="Other" sheetId="2" r:id="rId2"/></x:sheets>'
        '<x:definedNames><x:definedName name="_xlnm.Print_Area" localSheetId="0">Totals!$A$1:$P$30</x:definedName></x:definedNames>'
        '<x:extLst><x:ext uri="{140A7094-0E35-4892-8432-C4D2E57EDEB5}" xmlns:x15="http://schemas.microsoft.com/office/spreadsheetml/2010/11/main">'
        '<x15:workbookPr chartTrackingRefBase="1"/></x:ext></x:extLst>'
        '</x:workbook>',
    "xl/_rels/workbook.xml.rels":
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
        '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
        '<Relationship Id="rId3" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/theme" Target="theme/theme1.xml"/>'
        '<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet2.xml"/>'
        '<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>'
        '<Relationship Id="rId6" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/calcChain" Target="calcChain.xml"/>'
        '<Relationship Id="rId5" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/>'
        '<Relationship Id="rId4" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>'
        '</Relationships>',
    "xl/theme/theme1.xml":
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
        '<a:theme xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main" name="Office Theme">'
        '<a:themeElements><a:clrScheme name="Office"><a:dk1><a:sysClr val="windowText" lastClr="000000"/></a:dk1>'
        '<a:lt1><a:sysClr val="window" lastClr="FFFFFF"/></a:lt1><a:dk2><a:srgbClr val="44546A"/></a:dk2>'
        '<a:lt2><a:srgbClr val="E7E6E6"/></a:lt2><a:accent1><a:srgbClr val="4472C4"/></a:accent1>'
        '<a:accent2><a:srgbClr val="ED7D31"/></a:accent2><a:accent3><a:srgbClr val="A5A5A5"/></a:accent3>'
        '<a:accent4><a:srgbClr val="FFC000"/></a:accent4><a:accent5><a:srgbClr val="5B9BD5"/></a:accent5>'
        '<a:accent6><a:srgbClr val="70AD47"/></a:accent6><a:hlink><a:srgbClr val="0563C1"/></a:hlink>'
        '<a:folHlink><a:srgbClr val="954F72"/></a:folHlink></a:clrScheme>'
        '<a:fontScheme name="Office"><a:majorFont><a:latin typeface="Calibri Light"/><a:ea typeface=""/><a:cs typeface=""/></a:majorFont>'
        '<a:minorFont><a:latin typeface="Calibri"/><a:ea typeface=""/><a:cs typeface=""/></a:minorFont></a:fontScheme>'
        '<a:fmtScheme name="Office"><a:fillStyleLst><a:solidFill><a:schemeClr val="phClr"/></a:solidFill>'
        '<a:solidFill><a:schemeClr val="phClr"/></a:solidFill><a:solidFill><a:schemeClr val="phClr"/></a:solidFill></a:fillStyleLst>'
        '<a:lnStyleLst><a:ln w="6350"><a:solidFill><a:schemeClr val="phClr"/></a:solidFill></a:ln>'
        '<a:ln w="12700"><a:solidFill><a:schemeClr val="phClr"/></a:solidFill></a:ln>'
        '<a:ln w="19050"><a:solidFill><a:schemeClr val="phClr"/></a:solidFill></a:ln></a:lnStyleLst>'
        '<a:effectStyleLst><a:effectStyle><a:effectLst/></a:effectStyle><a:effectStyle><a:effectLst/></a:effectStyle>'
        '<a:effectStyle><a:effectLst/></a:effectStyle></a:effectStyleLst>'
        '<a:bgFillStyleLst><a:solidFill><a:schemeClr val="phClr"/></a:solidFill><a:solidFill><a:schemeClr val="phClr"/></a:solidFill>'
        '<a:solidFill><a:schemeClr val="phClr"/></a:solidFill></a:bgFillStyleLst></a:fmtScheme></a:themeElements></a:theme>',
    "xl/styles.xml":
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
        '<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
        'xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006" mc:Ignorable="x14ac x16r2 xr" '
        'xmlns:x14ac="http://schemas.microsoft.com/office/spreadsheetml/2009/9/ac" '
        'xmlns:x16r2="http://schemas.microsoft.com/office/spreadsheetml/2015/02/main" '
        'xmlns:xr="http://schemas.microsoft.com/office/spreadsheetml/2014/revision">'
        '<numFmts count="1"><numFmt numFmtId="164" formatCode="#,##0.00&quot; ₴&quot;"/></numFmts>'
        '<fonts count="2" x14ac:knownFonts="1"><font><sz val="11"/><color theme="1"/><name val="Calibri"/><family val="2"/>'
        '<charset val="204"/><scheme val="minor"/></font>'
        '<font><b/><sz val="11"/><color theme="1"/><name val="Calibri"/><family val="2"/><charset val="204"/><scheme val="minor"/></font></fonts>'
        '<fills count="2"><fill><patternFill patternType="none"/></fill><fill><patternFill patternType="gray125"/></fill></fills>'
        '<borders count="2"><border><left/><right/><top/><bottom/><diagonal/></border>'
        '<border><left style="thin"><color indexed="64"/></left><right style="thin"><color indexed="64"/></right>'
        '<top style="thin"><color indexed="64"/></top><bottom style="thin"><color indexed="64"/></bottom><diagonal/></border></borders>'
        '<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>'
        '<cellXfs count="5"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/>'
        '<xf numFmtId="0" fontId="1" fillId="0" borderId="1" xfId="0" applyFont="1" applyBorder="1" applyAlignment="1">'
        '<alignment horizontal="center"/></xf>'
        '<xf numFmtId="164" fontId="0" fillId="0" borderId="1" xfId="0" applyNumberFormat="1" applyBorder="1"/>'
        '<xf numFmtId="14" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1"/>'
        '<xf numFmtId="2" fontId="1" fillId="0" borderId="0" xfId="0" applyNumberFormat="1" applyFont="1"/></cellXfs>'
        '<cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/></cellStyles>'
        '<dxfs count="1"><dxf><font><color rgb="FF9C0006"/></font></dxf></dxfs>'
        '<tableStyles count="0" defaultTableStyle="TableStyleMedium2" defaultPivotStyle="PivotStyleLight16"/>'
        '<extLst><ext uri="{EB79DEF2-80B8-43e5-95BD-54CBDDF9020C}" '
        'xmlns:x14="http://schemas.microsoft.com/office/spreadsheetml/2009/9/main">'
        '<x14:slicerStyles defaultSlicerStyle="SlicerStyleLight1"/></ext></extLst></styleSheet>',
    "xl/sharedStrings.xml":
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
        '<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count="5" uniqueCount="5">'
        '<si><t>Total:</t></si><si><t>Водитель</t></si><si><t xml:space="preserve">  padded  </t></si>'
        '<si><t>line_x000D_break</t></si><si>' + RICH_RUNS + '<phoneticPr fontId="1"/></si></sst>',
    "xl/calcChain.xml":
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
        '<calcChain xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">'
        '<c r="D18" i="1"/><c r="E18"/><c r="F18"/></calcChain>',
    "xl/worksheets/sheet1.xml":
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
        '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
        'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships" '
        'xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006" mc:Ignorable="x14ac xr xr2 xr3" '
        'xmlns:x14ac="http://schemas.microsoft.com/office/spreadsheetml/2009/9/ac" '
        'xmlns:xr="http://schemas.microsoft.com/office/spreadsheetml/2014/revision" '
        'xmlns:xr2="http://schemas.microsoft.com/office/spreadsheetml/2015/revision2" '
        'xmlns:xr3="http://schemas.microsoft.com/office/spreadsheetml/2016/revision3" '
        'xr:uid="{00000000-0001-0000-0000-000000000000}">'
        '<sheetPr><pageSetUpPr fitToPage="1"/></sheetPr>'
        '<dimension ref="B2:F21"/>'
        '<sheetViews><sheetView tabSelected="1" workbookViewId="0"><selection activeCell="B2" sqref="B2"/></sheetView></sheetViews>'
        '<sheetFormatPr defaultRowHeight="15" x14ac:dyDescent="0.25"/>'
        '<cols><col min="1" max="1" width="0.88" customWidth="1"/><col min="2" max="4" width="12.7" style="3" customWidth="1"/></cols>'
        '<sheetData>'
        '<row r="2" spans="2:6" ht="21" customHeight="1" x14ac:dyDescent="0.35"><c r="B2" s="1" t="s"><v>1</v></c>'
        '<c r="C2" s="1"/><c r="D2" t="inlineStr"><is><t>inline text</t></is></c><c r="E2" s="2"><v>1234.5</v></c>'
        '<c r="F2" t="s"><v>3</v></c></row>'
        '<row r="3" spans="2:6" hidden="1" x14ac:dyDescent="0.25"><c r="B3" t="s"><v>2</v></c><c r="C3" s="3"><v>45352</v></c></row>'
        '<row r="4" spans="2:6" x14ac:dyDescent="0.25"><c r="B4" t="s"><v>4</v></c></row>'
        '<row r="18" spans="2:6" x14ac:dyDescent="0.25"><c r="C18" t="s"><v>0</v></c>'
        '<c r="D18" s="4"><f t="shared" ref="D18:F18" si="0">SUM(D21:D21)</f><v>10</v></c>'
        '<c r="E18" s="4"><f t="shared" si="0"/><v>20</v></c><c r="F18" s="4"><f t="shared" si="0"/><v>30</v></c></row>'
        '<row r="21" spans="2:6" x14ac:dyDescent="0.25"><c r="D21"><v>10</v></c><c r="E21"><v>20</v></c><c r="F21"><v>30</v></c></row>'
        '</sheetData>'
        '<mergeCells count="1"><mergeCell ref="B2:C2"/></mergeCells>'
        '<pageMargins left="0.7" right="0.7" top="0.75" bottom="0.75" header="0.3" footer="0.3"/>'
        '<pageSetup paperSize="9" fitToHeight="0" orientation="landscape"/>'
        '</worksheet>',
    "xl/worksheets/sheet2.xml":
        '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
        '<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" '
        'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">'
        '<dimension ref="A1"/><sheetData><row r="1"><c r="A1"><v>7</v></c></row></sheetData>'
        '<pageMargins left="0.7" right="0.7" top="0.75" bottom="0.75" header="0.3" footer="0.3"/></worksheet>',
}


def excel(path):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, text in EXCEL_PARTS.items():
            archive.writestr(name, text.encode("utf-8"))


def main(folder):
    os.makedirs(folder, exist_ok=True)
    template(os.path.join(folder, "template.xlsx"))
    excel(os.path.join(folder, "excel.xlsx"))


if __name__ == "__main__":
    main(sys.argv[1])
