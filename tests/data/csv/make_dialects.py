#!/usr/bin/env python3
"""Writes the CSV dialect files of BankCsvTest: one small layout-3 bank as
Japanese Excel, LibreOffice, a text editor and a copy of cells save it."""
from pathlib import Path

HERE = Path(__file__).parent
ROWS = [
    ["1行目", "先生の問題集 (表計算で作成)"],
    ["題名", "表計算の問題"],
    ["種類", "3"],
    ["分野名", "0", "句動詞"],
    ["分野名", "1", "前置詞, 副詞"],
    ["第二分類名", "0", "選択問題"],
    ["第二分類名", "1", "入力問題"],
    [],
    ["分野", "解答方法", "問題文", "解答文", "選択肢", "解説"],
    ["0", "0", "彼は彼女の世話をする。", "He @looks_after her.", "look_for looks_after look_up",
     'look after で "世話をする"'],
    ["1", "1", "机の上に\n本がある。", "There is a book @on the desk.", "-", "on は「接して」"],
    ["0", "1", "〜を延期する", "We @put @off the meeting.", "-", ""],
]


def cell(text, sep):
    if any(c in text for c in (sep, '"', "\n", "\r")) or text != text.strip():
        return '"' + text.replace('"', '""') + '"'
    return text


def table(sep, eol, breaks, pad):
    out = []
    for row in ROWS:
        row = [c if breaks else c.replace("\n", " ") for c in row]
        if pad:
            row = row + [""] * (6 - len(row))
        out.append(sep.join(cell(c, sep) for c in row))
    return eol.join(out) + eol


def cp932(text):
    # Python reads CP932's wave dash as U+FF5E; the program takes U+301C too.
    return text.replace("〜", "～").encode("cp932")


(HERE / "excel-cp932.csv").write_bytes(cp932(table(",", "\r\n", False, True)))
(HERE / "utf8-bom.csv").write_bytes(b"\xef\xbb\xbf" + table(",", "\r\n", False, True).encode())
(HERE / "utf8.csv").write_bytes(table(",", "\r\n", False, False).encode())
(HERE / "cells.tsv").write_bytes(table("\t", "\n", False, True).encode())
(HERE / "cp932-lf.csv").write_bytes(cp932(table(",", "\n", False, False)))
(HERE / "line-breaks.csv").write_bytes(b"\xef\xbb\xbf" + table(",", "\r\n", True, True).encode())
# Excel's "Unicode テキスト": UTF-16 LE with its mark, tab-separated; and BE.
(HERE / "excel-unicode.txt").write_bytes(b"\xff\xfe" + table("\t", "\r\n", True, True).encode("utf-16-le"))
(HERE / "utf16be.txt").write_bytes(b"\xfe\xff" + table("\t", "\n", False, False).encode("utf-16-be"))
