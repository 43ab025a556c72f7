#!/usr/bin/python3
"""Authors the report workbook templates of this folder from their layouts.

Each template is the first sheet that a report writer fills: title and header labels, the value
cells of the header, the table head and one styled row whose cell formats the writer copies to its
data rows. Run it with Debian's python3 (python3-openpyxl) after changing a layout, and commit the
workbooks it writes:

    /usr/bin/python3 resources/files_template/make_templates.py [folder]
"""
import io
import os
import sys
import zipfile

from openpyxl import Workbook
from openpyxl.styles import Alignment, Border, Font, NamedStyle, PatternFill, Side
from openpyxl.utils import get_column_letter, range_boundaries
from openpyxl.utils.indexed_list import IndexedList
from openpyxl.worksheet.properties import PageSetupProperties

HERE = os.path.dirname(os.path.abspath(__file__))
FIXED_TIME = (2024, 1, 1, 0, 0, 0)

DOTTED = Side(style="dotted")
HAIR = Side(style="hair")
THIN = Side(style="thin")
GREY = "FFCCCCCC"


def box(side):
    return Border(left=side, right=side, top=side, bottom=side)


def edges(left=None, right=None, top=None, bottom=None):
    """A border with lines on some sides (every side written, as spreadsheet programs do)."""
    return Border(left=left or Side(), right=right or Side(), top=top or Side(), bottom=bottom or Side())


class Sheet:
    """One worksheet with the few styling steps that the layouts use."""

    def __init__(self, ws):
        self.ws = ws

    def cell(self, ref, value=None, bold=False, size=10, h=None, v=None, wrap=False, border=None,
             fmt=None, fill=None, rotate=None):
        cell = self.ws[ref]
        if value is not None:
            cell.value = value
        cell.font = Font(name="Arial", size=size, bold=bold)
        if h or v or wrap or rotate:
            cell.alignment = Alignment(horizontal=h, vertical=v, wrap_text=wrap or None, text_rotation=rotate or 0)
        if border is not None:
            cell.border = border
        if fmt:
            cell.number_format = fmt
        if fill:
            cell.fill = PatternFill(fill_type="solid", fgColor=fill, bgColor=fill)
        return cell

    def merge(self, ref, value=None, **style):
        """Merges a range and styles each of its cells alike (so that borders cover the range)."""
        min_col, min_row, max_col, max_row = range_boundaries(ref)
        for row in range(min_row, max_row + 1):
            for col in range(min_col, max_col + 1):
                first = row == min_row and col == min_col
                self.cell(get_column_letter(col) + str(row), value if first else None, **style)
        if (min_col, min_row) != (max_col, max_row):
            self.ws.merge_cells(ref)

    def row(self, row, columns, **style):
        """Styled cells of one row; columns maps a column letter to extra style (or None)."""
        for letter, extra in columns.items():
            merged = dict(style)
            merged.update(extra or {})
            self.cell("%s%d" % (letter, row), **merged)

    def widths(self, widths, default=None):
        for letters, width in widths.items():
            for letter in letters.split(","):
                if "-" in letter:
                    first, last = letter.split("-")
                    for col in range(range_boundaries(first + "1")[0], range_boundaries(last + "1")[0] + 1):
                        self.ws.column_dimensions[get_column_letter(col)].width = width
                else:
                    self.ws.column_dimensions[letter].width = width
        if default:
            self.ws.sheet_format.defaultColWidth = default

    def hide(self, first, last):
        for row in range(first, last + 1):
            self.ws.row_dimensions[row].hidden = True

    def page(self, orientation="portrait", pages_tall=1):
        """A4, one page wide and pages_tall pages tall (0: as many as the rows take)."""
        self.ws.page_setup.orientation = orientation
        self.ws.page_setup.paperSize = self.ws.PAPERSIZE_A4
        self.ws.sheet_properties.pageSetUpPr = PageSetupProperties(fitToPage=True)
        self.ws.page_setup.fitToWidth = 1
        self.ws.page_setup.fitToHeight = pages_tall


def new_book(extra_sheets=0):
    wb = Workbook()
    # Arial 10 is the default font of every template.
    arial = Font(name="Arial", size=10)
    wb._fonts = IndexedList([arial])
    normal = NamedStyle(name="Normal", font=arial)
    wb._named_styles = type(wb._named_styles)()
    wb._named_styles.append(normal)
    wb.active.title = "Sheet1"
    for i in range(extra_sheets):
        wb.create_sheet("Sheet%d" % (i + 2))
    return wb, Sheet(wb.active)


def dated_header(s, label, values, row, colon=True):
    """The time of writing ("от") in row, the start and end dates two and three rows below: labels in
    column label, values in the columns values ("E:F" merged, or "E")."""
    first, _, last = values.partition(":")
    last = last or first
    suffix = ":" if colon else ""
    s.cell("%s%d" % (label, row), "от", h="right")
    s.merge("%s%d:%s%d" % (first, row, last, row), h="center")
    s.cell("%s%d" % (label, row + 2), "Начальная дата" + suffix, h="right", border=box(DOTTED))
    s.cell("%s%d" % (label, row + 3), "Конечная дата" + suffix, h="right", border=box(DOTTED))
    for value_row in (row + 2, row + 3):
        s.merge("%s%d:%s%d" % (first, value_row, last, value_row), h="center", border=box(DOTTED))


def period_and_days(s, dates=None, days=None):
    """Rows 9 to 11: start date, end date and days labelled in B:C, their values in D:E (the dates as
    text) with the extra styles given."""
    for row, label in ((9, "Start date:"), (10, "End date:"), (11, "Days:")):
        s.merge("B%d:C%d" % (row, row), label, bold=True, h="right")
    s.merge("D9:E9", fmt="@", **(dates or {}))
    s.merge("D10:E10", fmt="@", **(dates or {}))
    s.merge("D11:E11", fmt="0.00", **(days or {}))


# -- Balance-log reports (IndividualBalanceLogReportBase and its card-group variant) --

def balance_log(title, sign_label, name_label):
    wb, s = new_book()
    s.widths({"A": 0.88, "B": 10.49, "C": 40.11, "D": 17.55, "E": 16.67, "F": 12.70, "G": 18.07})
    s.merge("B1:G1", title, bold=True, size=12, h="center")
    s.merge("B2:G2", None, bold=True, size=12, h="center")
    dated_header(s, "D", "E:F", 3)
    s.cell("D8", sign_label, bold=True, border=box(DOTTED))
    s.merge("E8:F8", bold=True, h="center", border=box(DOTTED))
    s.merge("D9:D10", name_label, bold=True, h="right", v="top", border=box(DOTTED))
    s.merge("E9:F10", h="left", v="top", wrap=True, border=box(DOTTED))
    s.cell("D11", "Текущий баланс:", bold=True, border=box(DOTTED))
    s.merge("E11:F11", bold=True, h="center", border=box(DOTTED), fmt="#,##0.00")
    s.hide(12, 16)
    head = {"B": "НР\nп/п", "C": "Наименование\nГруппы и типа баланса", "D": "Значение", "E": "Кол-во",
            "F": "Итого", "G": "Дата\nВремя"}
    for letter, text in head.items():
        s.merge("%s18:%s19" % (letter, letter), text, bold=True, h="center", v="center", wrap=True,
                border=box(DOTTED))
    s.row(20, {"B": {"h": "center"}, "C": {"h": "left"},
               "D": {"h": "center", "fmt": "#,##0.00"}, "E": {"h": "center", "fmt": "#,##0.00"},
               "F": {"h": "right", "fmt": "#,##0.00"}, "G": {"h": "right", "fmt": "DD/MM/YY\\ HH:MM"}},
          border=box(DOTTED))
    s.page()
    return wb


def individual_balance_log():
    return balance_log("ОТЧЕТ ПО БАЛАНСУ", "Sign:", "ФИО:")


def card_group_balance_log():
    # The balance-log layout for card groups: the owner's sign cell shows the group's series and a
    # card group has no full name, so that label stays empty.
    return balance_log("ОТЧЕТ ПО БАЛАНСУ ГРУППЫ КАРТ", "Серия:", None)


# -- Session report --

def individual_sessions():
    wb, s = new_book()
    s.widths({"A": 0.88, "B": 10.05, "C": 27.85, "D": 16.84, "E": 26.97}, default=8.64)
    s.merge("B2:E2", "ИНДИВИДУАЛЬНЫЙ ОТЧЕТ", bold=True, size=12, h="center")
    s.merge("B3:E3", "ПО СЕССИЯМ", bold=True, size=12, h="center")
    dated_header(s, "D", "E", 4)
    s.cell("D9", "Sign:", bold=True, border=box(DOTTED))
    s.cell("E9", bold=True, h="center", border=box(DOTTED))
    s.merge("D10:D11", "ФИО:", bold=True, h="right", v="top", border=box(DOTTED))
    s.merge("E10:E11", h="left", v="top", wrap=True, border=box(DOTTED))
    s.cell("D12", bold=True, border=edges(top=DOTTED))
    s.cell("E12", bold=True, border=edges(top=DOTTED), fmt="#,##0.00")
    s.hide(13, 17)
    s.ws.row_dimensions[19].height = 23.5
    s.row(19, {"B": {"value": "#\nп/п"}, "C": {"value": "Начальный период"},
               "D": {"value": "Длительность (ч.)"}, "E": {"value": "Примечание"}},
          bold=True, h="center", v="center", wrap=True, border=box(DOTTED))
    s.row(20, {"B": {"h": "center"}, "C": {"h": "left", "fmt": "MM/DD/YY\\ HH:MM\\ AM/PM"},
               "D": {"h": "center", "fmt": "#,##0.00"}, "E": {"h": "center", "fmt": "#,##0.00"}},
          border=box(DOTTED))
    s.page()
    return wb


# -- Brand car, brand payment and consolidated driver reports --

def brand_header(s, title):
    s.merge("A1:O1", title, bold=True, size=15, h="center")
    s.cell("C4", "от", h="right")
    s.merge("D4:E4", h="center")
    s.merge("B6:C6", "Начальная дата")
    s.merge("D6:E6", h="center")
    s.merge("B7:C7", "Конечная дата")
    s.merge("D7:E7", h="center")


def brand_car():
    wb, s = new_book()
    brand_header(s, "Отчет по брендированным машинам")
    s.merge("B8:C8")
    s.merge("D8:E8")
    head = dict(bold=True, h="center", v="center", wrap=True, border=box(THIN))
    s.merge("A11:A12", "№ п/п", **head)
    s.merge("B11:C11", "Водитель", **head)
    s.merge("D11:G11", "Количество заказов", **head)
    s.merge("H11:K11", "Сумма заказов", **head)
    s.merge("L11:O11", "Количество отработанных часов", **head)
    captions = ["sign", "ФИО", "Всего", "Наличные", "Безналичные", "Свободные", "Всего", "Наличные",
                "Безналичные", "Свободные", "Всего", "В статусе free", "В статусе busy", "В статусе on order"]
    for index, text in enumerate(captions):
        s.cell(get_column_letter(index + 2) + "12", text, **head)
    data = {get_column_letter(col): {"h": "center"} for col in range(1, 16)}
    data["C"] = {"h": "left"}
    for letter in "HIJK":
        data[letter]["fmt"] = "#,###.00"
    for letter in "LMNO":
        data[letter]["fmt"] = "0.00"
    s.row(13, data, border=box(THIN))
    s.widths({"C": 34.45, "D": 14.03, "E": 13.06, "F": 15.14, "J": 13.75, "M": 14.43, "N": 15.42, "O": 20.3},
             default=11.52)
    # The title spans A:O: the table's width on a landscape page, its rows on as many as they take.
    s.page("landscape", pages_tall=0)
    return wb


def brand_payment():
    wb, s = new_book()
    brand_header(s, "Отчет по платежам брендированных машин")
    # The drivers' signs (dozens of them) wrap across the title's width, in a row three lines tall.
    s.merge("B8:C8", "Водители", v="top")
    s.merge("D8:O8", h="left", v="top", wrap=True)
    s.ws.row_dimensions[8].height = 3 * 12.75
    s.cell("A10", "Всего", bold=True, h="center")
    s.cell("B10", bold=True, h="center", fmt="0.00")
    head = {"A": "Дата", "B": "EasyPay", "C": "LiqPay", "D": "City24", "E": "Терминалы", "F": "Всего"}
    s.row(11, {letter: {"value": text} for letter, text in head.items()}, bold=True, h="center",
          border=box(THIN))
    s.row(12, {"A": {"h": "center", "fmt": "dd.mm.yyyy"}, "B": {"h": "center"}, "C": {"h": "left"},
               "D": {"h": "center"}, "E": {"h": "center"}, "F": {"h": "center"}}, border=box(THIN))
    # A is as wide as its dates (dd.mm.yyyy) with room to spare.
    s.widths({"A": 12, "B": 15, "C": 16.81, "D": 15.95, "E": 13.06, "F": 15.14, "J": 13.75, "M": 14.43, "N": 15.42,
              "O": 20.3})
    s.page("landscape", pages_tall=0)
    return wb


def consolidated_driver():
    wb, s = new_book()
    s.widths({"A": 0.88, "B": 5.2, "C": 9.17, "D": 11.57, "E": 11.57, "F": 10.84, "G": 10.84, "H": 13.31,
              "I": 13.12, "J": 11.52, "K": 12.7, "L": 12.7, "M": 13.49, "N": 11.57, "O": 11.52, "P": 8.82,
              "Q": 12.3, "R": 11.99}, default=8.82)
    period_and_days(s, dates={"bold": True, "h": "right"}, days={"bold": True, "h": "center"})
    s.hide(12, 16)
    s.cell("C18", "Total:", bold=True, h="right")
    for letter in "DEKLP":
        s.cell(letter + "18", bold=True, fmt="0.00")
    for letter in "FGHIJMNO":
        s.cell(letter + "18", bold=True, h="center", fmt="0")
    head = dict(bold=True, size=9, h="center", v="center", wrap=True, border=box(DOTTED))
    s.merge("B19:B20", "#\nп/п", **head)
    s.merge("C19:C20", "SIGN", **head)
    s.merge("D19:E19", "Время on-line", **head)
    s.merge("F19:I19", "Трансферы", **head)
    s.merge("J19:J19", None, **head)
    s.merge("K19:L19", "Выручка", **head)
    s.merge("M19:P19", "Средние за 24 часа", **head)
    s.merge("Q19:Q20", "Среднее\nрасстояние\nдо клиента", **head)
    s.merge("R19:R20", "Среднее\nвремя (мин)\nдо клиента", **head)
    captions = {"D": "часы", "E": "сутки", "F": "поступило", "G": "успешно", "H": "отменено",
                "I": "отказы по отмене", "J": "отказы по таймауту", "K": "нал.", "L": "по карте",
                "M": "трансферты", "N": "отказы по отмене", "O": "отказы по таймауту", "P": "выручка"}
    for letter, text in captions.items():
        s.cell(letter + "20", text, **head)
    data = {"B": {"h": "center"}, "C": {"h": "center"}, "D": {"h": "right", "fmt": "0.00"},
            "E": {"h": "right", "fmt": "0.00"}, "K": {"h": "right"}, "L": {"h": "right"}}
    for letter in "FGHIJ":
        data[letter] = {"h": "center"}
    for letter in "MNOPQR":
        data[letter] = {"h": "center", "fmt": "dd.mm.yyyy"}
    s.row(21, data, size=9, border=box(DOTTED))
    s.page()
    return wb


# -- Company statistics report --

def consolidated_company():
    wb, s = new_book(extra_sheets=2)
    s.widths({"A": 14.88, "B-O": 12.5})
    s.merge("A1:O1", None, bold=True, size=15, h="center")
    period_and_days(s)
    head = dict(bold=True, h="center", v="center", wrap=True, border=box(HAIR))
    s.merge("A17:A19", "Дата", **head)
    for rng, text in (("B17:C18", "Поступило"), ("D17:E18", "Обслужено"), ("F17:G18", "Упущено"),
                      ("H17:I18", "Кэшбек"), ("J17:O18", "Выручка")):
        s.merge(rng, text, **head)
    captions = ["звонки", "заказы", "звонки", "заказы", "звонки", "заказы", "клиент", "водитель", "абонплата",
                "комиссия небрендированных", "комиссия брендированных",
                "недополученная прибыль небрендированных", "недополученная прибыль брендированных", "оборот"]
    for index, text in enumerate(captions):
        s.cell(get_column_letter(index + 2) + "19", text, **head)
    data = {"A": {"h": "left"}}
    for col in range(2, 16):
        data[get_column_letter(col)] = {"h": "center" if col <= 7 else "right", "wrap": True}
    s.row(20, data, border=box(DOTTED))
    return wb


# -- User reports --

def consolidated_user_salary():
    wb, s = new_book()
    s.widths({"A": 0.88, "B": 19.31, "C": 26.53, "D-L": 11.38, "M": 16.26, "N": 16.26, "O": 19.17, "P": 16.26})
    s.merge("C1:J1", "ОТЧЕТ ПО ЗП СВОДНЫЙ", bold=True, size=12, h="center")
    dated_header(s, "E", "F:G", 3, colon=False)
    s.ws.row_dimensions[9].height = 25.5
    head = dict(bold=True, h="center", v="center", wrap=True, border=box(HAIR))
    s.merge("B9:B10", "Логин", **head)
    s.merge("C9:C10", "ФИО пользователя", **head)
    s.merge("D9:F9", "Зарплата, Зарплата за звонки (пополнение)", **head)
    s.merge("G9:I9", "Заказы, Заказ создан (пополнение)", **head)
    s.merge("J9:L9", "Зарплата, Почасовая зарплата (пополнение)", **head)
    s.merge("M9:M10", "Итого в час", **head)
    s.merge("N9:N10", "Итого начислено", **head)
    s.merge("O9:O10", "Списано по балансу 1 числа след.месяца", **head)
    s.merge("P9:P10", "Дельта", **head)
    for letter, text in zip("DEFGHIJKL", ["Кол-во", "Сумма", "цена звонка", "Кол-во", "Сумма", "цена заказа",
                                          "Кол-во", "Сумма", "цена часа"]):
        s.cell(letter + "10", text, **head)
    s.row(11, {get_column_letter(col): None for col in range(2, 17)}, h="center", border=box(HAIR))
    return wb


def user_transactions():
    wb, s = new_book(extra_sheets=2)
    s.widths({"A": 0.88, "B": 10.49, "C": 22.51, "D": 23.88, "E": 31.27, "F": 32.8, "G": 16.53, "H": 16.39,
              "I": 41.13, "J": 18.06})
    s.merge("B1:F1", "ОТЧЕТ ПО ТРАНЗАКЦИЯМ ПОЛЬЗОВАТЕЛЕЙ", bold=True, size=12, h="center")
    s.cell("D3", "от", bold=True, h="right")
    s.cell("D5", "Начальная дата:", bold=True, h="right")
    s.cell("D6", "Конечная дата:", bold=True, h="right")
    s.cell("E3")
    s.cell("E5", border=box(DOTTED))
    s.cell("E6", border=box(DOTTED))
    head = {"B": "№\nп/п", "C": "Компания", "D": "Пользователь", "E": "Назначение", "F": "Тип транзакции",
            "G": "Сумма", "H": "Подтверждение", "I": "Примечание", "J": "Дата"}
    for letter, text in head.items():
        s.merge("%s11:%s12" % (letter, letter), text, bold=True, h="center", v="center", wrap=True,
                border=box(THIN))
    sides = edges(left=DOTTED, right=DOTTED)
    s.row(13, {"B": {"h": "center", "fmt": "0", "border": sides}, "C": {"h": "left", "border": sides},
               "D": {"h": "center", "border": sides}, "E": {"h": "left", "border": sides},
               "F": {"h": "left", "border": sides}, "G": {"h": "right", "fmt": "0.00", "border": sides},
               "H": {"h": "center", "border": sides}, "I": {"h": "left", "border": sides},
               "J": {"h": "left", "fmt": "DD/MM/YYYY\\ HH:MM:SS"}}, v="center")
    return wb


def individual_user_salary():
    wb, s = new_book()
    s.widths({"A": 0.88, "B": 19.31, "C-E": 16.81, "F": 15, "G": 14.03, "H": 13.89, "I": 16.26, "J": 11.53,
              "K": 16.26}, default=8.67)
    s.merge("B1:G1", "ОТЧЕТ ПО БАЛАНСУ", bold=True, size=12, h="center")
    s.merge("B2:G2", None, bold=True, size=12, h="center")
    dated_header(s, "D", "E:F", 3, colon=False)
    s.cell("D8", "Sign", bold=True, border=box(DOTTED))
    s.merge("E8:F8", bold=True, h="center", border=box(DOTTED))
    s.merge("D9:D10", "ФИО", bold=True, v="top", border=box(DOTTED))
    s.merge("E9:F10", bold=True, v="top", wrap=True, border=box(DOTTED))
    s.cell("D11", "Текущий баланс", bold=True, border=box(DOTTED))
    s.merge("E11:F11", bold=True, h="center", fmt="0.00", border=box(DOTTED))
    s.ws.row_dimensions[16].height = 48
    for row, text in ((16, "Наименование группы и типа баланса"), (17, "Кол-во"), (18, "Значение"),
                      (19, "Сумма")):
        s.cell("B%d" % row, text, bold=True, h="center", v="center", wrap=True, border=box(HAIR))
    s.cell("C16", h="center", v="center", border=box(HAIR))
    s.cell("C17", h="center", fmt="0.00", border=box(HAIR))
    s.cell("C18", h="center", fmt="0.00", border=box(HAIR))
    s.cell("C19", bold=True, h="center", fmt="0.00", border=box(HAIR))
    s.cell("B21", "Итого", bold=True)
    return wb


def consolidated_user_duties():
    wb, s = new_book(extra_sheets=2)
    s.widths({"A": 14.31, "B-G": 4.86, "H-L": 12.15}, default=10.53)
    s.cell("A1", "ОТЧЕТ ПО ДЕЖУРСТВАМ.", bold=True, size=15)
    s.merge("B5:C5", "Start date:", bold=True, h="right")
    s.merge("D5:H5", bold=True, h="right", fmt="@")
    s.merge("B6:C6", "End date:", bold=True, h="right")
    s.merge("D6:H6", bold=True, h="right", fmt="@")
    s.merge("B7:C7", "Days:", bold=True, h="right")
    s.merge("D7:H7", bold=True, h="center", fmt="0.00")
    for row, label in zip(range(11, 17), ["ПЛАН ", "РЕЗЕРВ ", "РАЗНИЦА ", "ПЛАН (ч.)", "РЕЗЕРВ (ч.)",
                                          "РАЗНИЦА (ч.)"]):
        s.cell("A%d" % row, label, bold=True)
    head = dict(bold=True, v="center", border=box(HAIR))
    s.merge("A17:A19", None, **head)
    for letter, text in zip("BCDEFG", [None, "РЕЗЕРВ", "РЕЗЕРВ\n(ч.)", None, None, None]):
        s.merge("%s17:%s19" % (letter, letter), text, h="center", wrap=True, rotate=90, **head)
    s.cell("H17", "type", bold=True, h="center", border=box(HAIR))
    s.cell("H18", "dt_start", bold=True, h="center", border=box(HAIR))
    s.cell("H19", bold=True, h="center", border=box(HAIR))
    data = {"A": {"h": "left"}}
    for letter in "BCDEFGH":
        data[letter] = {"h": "center", "wrap": True}
    s.row(20, data, border=box(DOTTED))
    s.page()
    return wb


def consolidated_user_calls():
    wb, s = new_book(extra_sheets=2)
    s.widths({"A": 6.12, "B": 13.89, "C-D": 9.18, "E": 8.82, "F-N": 6.08, "O-Q": 6.3, "R-S": 8.37, "T": 9.72,
              "U": 8.79, "V": 8.37, "W-X": 13.63}, default=10.92)
    s.merge("A1:X1", "Отчет по звонкам и заказам операторов", bold=True, size=15, h="center")
    period_and_days(s, days={"h": "center"})
    head = dict(bold=True, h="center", v="center", wrap=True, border=box(THIN))
    s.merge("A17:A19", "НР\nП/п", **head)
    s.merge("B17:B17", None, **head)
    s.merge("B18:B19", "Оператор", **head)
    s.merge("C17:D17", "Время on-line", **head)
    s.merge("C18:C19", "часы", **head)
    s.merge("D18:D19", "сутки", **head)
    s.merge("E17:Q17", "Звонки", **head)
    s.merge("E18:E19", "всего", **head)
    for first, text in (("F", "новый заказ"), ("I", "есть заказ"), ("L", "водитель"), ("O", "пользов.")):
        col = range_boundaries(first + "1")[0]
        s.merge("%s18:%s18" % (first, get_column_letter(col + 2)), text, **head)
        for offset, caption in enumerate(["кол.", "%", "ср.дл."]):
            s.cell(get_column_letter(col + offset) + "19", caption, **head)
    s.merge("R17:S17", "Средние звонков", **head)
    s.merge("R18:R19", "в час", **head)
    s.merge("S18:S19", "за сутки", **head)
    s.merge("T17:V17", "Принятые заказы (кроме на удал)", **head)
    s.cell("T18", "всего", **head)
    s.cell("T19", "кол.", **head)
    s.merge("U18:V18", "успеш. Заверш.", **head)
    s.cell("U19", "кол.", **head)
    s.cell("V19", "%", **head)
    s.merge("W17:X17", "Среднее  успешно заверш.заказов", **head)
    s.merge("W18:W19", "в час", **head)
    s.merge("X18:X19", "за сутки", **head)
    s.row(20, {get_column_letter(col): None for col in range(1, 25)}, h="center", border=box(THIN))
    return wb


def missed_calls():
    wb, s = new_book(extra_sheets=2)
    s.widths({"A": 6.12, "B": 27.92, "C": 13.63, "D-G": 10.92, "H": 14.03, "I": 13.89}, default=10.92)
    s.merge("A1:I1", "Отчет по упущенным звонкам", bold=True, size=15, h="center")
    s.cell("C7", "От:", bold=True, h="right")
    s.cell("D7")
    for row, label in ((9, "Начальная дата:"), (10, "Конечная дата:"), (11, "Компания:")):
        s.merge("B%d:C%d" % (row, row), label, bold=True, h="right")
        s.merge("D%d:F%d" % (row, row))
    head = dict(bold=True, h="center", v="center", wrap=True, border=box(THIN))
    s.merge("A17:A19", "№\nп/п", **head)
    for letter, text in zip("BCDE", ["Дата и время", "Поступило звонков", "Принято звонков", "Упущено звонков"]):
        s.merge("%s17:%s19" % (letter, letter), text, **head)
    s.merge("F17:H18", "Колл-бэки", **head)
    for letter, text in zip("FGH", ["Всего", "Отвечено", "Не отвечено"]):
        s.cell(letter + "19", text, **head)
    s.merge("I17:I19", "Количество операторов", **head)
    data = {get_column_letter(col): None for col in range(1, 10)}
    data["B"] = {"wrap": True}
    data["C"] = {"wrap": True}
    s.row(20, data, h="center", border=box(THIN))
    return wb


def individual_card_group():
    wb, s = new_book(extra_sheets=2)
    s.widths({"A": 11.64, "B": 15.68, "C": 14.4, "D": 18.07, "E": 17.36, "F": 11.64, "G": 43.93, "H-J": 16.67,
              "K": 12.7, "L-M": 24.53})
    s.merge("A1:M1", "ДЕТАЛІЗОВАНИЙ ЗВІТ", bold=True, size=12, h="center")
    s.merge("A2:M2", "по виконаним замовленням", bold=True, size=12, h="center")
    s.cell("K3", "від", h="right")
    s.merge("L3:M3", h="center", border=edges(bottom=HAIR))
    s.merge("A5:C6", "Персональні дані", bold=True, h="center", v="center", fill=GREY)
    s.cell("E5", "Початок періоду:", h="right")
    s.merge("F5:G5", h="left")
    s.cell("E6", "Кінець періоду:", h="right")
    s.merge("F6:G6", h="left")
    s.merge("A7:B7", "Компанія")
    s.cell("C7", h="left")
    s.merge("A8:B8", "Серія")
    s.cell("C8", h="left")
    s.merge("A10:B10", "Поточний баланс")
    s.cell("C10", h="right", fmt="0.00")
    s.merge("A11:B11", "Баланс на кінець періоду")
    s.cell("C11", h="right", fmt="0.00")
    head = ["ID замовлення", "Номер ", "Користувач карти", "Телефон", "Замовник", "Водій", "Маршрут",
            "Час створення замовлення", "Початок поїздки", "Кінець поїздки", "Сума", "Коментар по замовленню",
            "Коментар для водія"]
    for index, text in enumerate(head):
        letter = get_column_letter(index + 1)
        s.merge("%s16:%s17" % (letter, letter), text, bold=True, h="center", v="center", wrap=True,
                border=box(HAIR), fill=GREY)
    data = {}
    for index in range(13):
        letter = get_column_letter(index + 1)
        data[letter] = {"h": "center" if letter in "ABDEF" else ("right" if letter == "K" else "left")}
    s.row(18, data, wrap=True, border=box(HAIR))
    s.page("landscape")
    return wb


TEMPLATES = {
    "IndividualBalanceLogReportBase.xlsx": individual_balance_log,
    "IndividualSessionsReportBase.xlsx": individual_sessions,
    "mirsel/driver/BrandCarReport.xlsx": brand_car,
    "mirsel/driver/BrandPaymentReport.xlsx": brand_payment,
    "mirsel/driver/ConsolidateDriverReport.xlsx": consolidated_driver,
    "tavik/cards/IndividualCardGroupBalanceLogReport.xlsx": card_group_balance_log,
    "tavik/cards/IndividualCardGroupReport.xlsx": individual_card_group,
    "tavik/cdr/MissedCallsReport.xlsx": missed_calls,
    "tavik/company/ConsolidatedCompanyReport.xlsx": consolidated_company,
    "tavik/user/ConsolidatedUserDutiesReport.xlsx": consolidated_user_duties,
    "tavik/user/ConsolidatedUserSalaryReport.xlsx": consolidated_user_salary,
    "tavik/user/IndividualUserSalaryReport.xlsx": individual_user_salary,
    "tavik/user/UserTransactionsReport.xlsx": user_transactions,
    "user/ConsolidatedUserCallsReportBase.xlsx": consolidated_user_calls,
}


def save(wb, path):
    """Saves with fixed entry times, so that an unchanged layout gives an unchanged file."""
    import datetime
    fixed = datetime.datetime(*FIXED_TIME)
    wb.properties.creator = "Koriv"
    wb.properties.created = fixed
    wb.properties.modified = fixed
    buffer = io.BytesIO()
    wb.save(buffer)
    source = zipfile.ZipFile(io.BytesIO(buffer.getvalue()))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as target:
        for info in source.infolist():
            data = source.read(info.filename)
            if info.filename == "docProps/core.xml":
                data = fix_core_times(data)
            entry = zipfile.ZipInfo(info.filename, FIXED_TIME)
            entry.compress_type = zipfile.ZIP_DEFLATED
            target.writestr(entry, data)


def fix_core_times(data):
    import re
    text = data.decode("utf-8")
    text = re.sub(r"(<dcterms:modified[^>]*>)[^<]*(<)", r"\g<1>2024-01-01T00:00:00Z\2", text)
    return text.encode("utf-8")


def main(argv):
    folder = argv[1] if len(argv) > 1 else HERE
    for name, build in TEMPLATES.items():
        save(build(), os.path.join(folder, name))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
