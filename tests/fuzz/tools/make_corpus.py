#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets from the sample banks and the
test records, plus a few small hand-made inputs. Run from the repository root:
    python3 tests/fuzz/tools/make_corpus.py
"""
import pathlib

ROOT = pathlib.Path(__file__).resolve().parents[3]
OUT = ROOT / "tests" / "fuzz" / "corpus"
BANKS = sorted((ROOT / "assets" / "banks").glob("*.dat"))
RECORDS = sorted((ROOT / "tests" / "data").glob("*.ret"))


def sj(text):
    return text.encode("cp932")


def lines(*items):
    return b"".join((sj(i) if isinstance(i, str) else i) + b"\r\n" for i in items)


def put(target, name, data):
    (OUT / target).mkdir(parents=True, exist_ok=True)
    (OUT / target / name).write_bytes(data)


# Small banks of every layout, with the awkward cases the readers must step over.
SMALL_BANKS = {
    "typed1.dat": lines("", "Typed 1 2", "1", "L0",
                        "0", "I @get @up at six.", "問 0", "説明 0",
                        "0", "She @usually walks.", "問 1", "説明 1"),
    "form0-lf.dat": b"\nZero 0 2\nIt @rained.\n\xe6\x98\xa8\xe5\xa4\x9c\nGo @home.\nx\n",
    "choice3.dat": lines("", "Choice 3 3", "2", "L0", "L1", "2", "選択", "入力",
                         "0 0", "問 0", "put_off put_on put_out", "I @put_off the trip.", "説明",
                         "1 0", "問 1", "at in on of by for to with from up", "Look @at me.", "x",
                         "1 1", "問 2", "-", "Ｔｈｅ @ｃａｔ sat.", "x"),
    "form2.dat": lines("", "Two 2 2", "1", "L0", "1", "初級",
                       "0 0", "@Hello there.", "こんにちは", "x",
                       "0 0", "Ａ @b_c.", "ソ", "表"),
    "sjis-trail.dat": lines("", "ソ表 1 1", "1", "予", "0", "@ソ_表@ A", "ソ", "表"),
    "bad-count.dat": lines("", "Bad 1 700", "1", "L0"),
    "bad-lesson.dat": lines("", "Bad 1 1", "1", "L0", "5", "@a", "b", "c"),
    "eof.dat": lines("", "Eof 1 1", "1", "L0", "0", "@a") + b"\x1a" + lines("junk"),
}


def main():
    for bank in BANKS:
        put("bank", bank.name, bank.read_bytes())
    for name, data in SMALL_BANKS.items():
        put("bank", name, data)

    # CSV banks: every dialect the import reads, and a few it refuses. The
    # sample banks' own CSVs (eigo*.csv) are `vcquick --export` of them.
    for csv in sorted((ROOT / "tests" / "data" / "csv").glob("*.*sv")):
        put("import", csv.name, csv.read_bytes())
    put("import", "form0.csv", "題名,Zero\n種類,0\n問題文,解答文\n猫,The @cat\n".encode())
    put("import", "form2-bad.csv",
        "題名,Two\r\n種類,12\r\n分野名,0,L\r\n第二分類名,0,初級\r\n"
        "分野,第二分類,問題文,解答文,解説\r\n0,3,\"a\r\nb\",x @y,z,\r\n".encode())
    put("import", "open-quote.csv", "題名,T\n種類,1\n\"分野".encode())

    for rec in RECORDS:
        put("record", rec.name, rec.read_bytes())
    put("record", "form0.ret", lines("/tmp/eigo0.dat", "やさしい英文25", "太郎",
                                     "0,3,0,0,0,0", "0,-1", "3,2", "1,1"))
    put("record", "form2.ret", lines("eigo2.dat", "場面別英会話40", "花子", "2,2,1,5,1,1",
                                     "4", "1", "0", "1", "1", "3", "1", "1", "0", "2,0", "7,2"))
    put("record", "wide.ret", lines("C:\\banks\\x.dat", "t", "p", "1,1,0,20,1,0",
                                    "1", "1", "-2147483648,-2147483648"))
    put("record", "lf-short.ret", b"a.dat\nT\nP\n1,2,0,0,0,0\n1\n1\n0,0\n")

    texts = {
        "ascii": b"\x10I @get @up at six every morning.",
        "fields": b"\x05 a  b,,c , d_e_ ",
        "trail": b"\x03" + sj("ソ表予能") + b"_@A",
        "fullwidth": b"\x08" + sj("ＡＢＣαΒΓАБЯ") + b"\x00" + sj("Ａbc"),
        "lonelead": b"\x02abc\x81",
        "dupes": b"\x20" + bytes([0xED, 0x40, 0xFA, 0x5C, 0x87, 0x90, 0x81, 0xE0]),
        "utf8": b"\x04" + "猫 cat".encode(),
        "cap": b"\x01Cat\x00cat",
    }
    for name, data in texts.items():
        put("text", name, data)

    # Learner steps, one opcode byte (and an operand where it takes one).
    F4, F5, F6, F7, F9 = 0, 1, 2, 3, 4
    CHAR, ENTER, BACK, DELETE, ESC, KEYDOWN, QUIT, CLICK = 5, 6, 7, 8, 9, 10, 11, 12
    RANGE_KEY, RANGE_PANEL, RANGE_BUTTON, OPTION, CLOCK = 13, 14, 15, 16, 17
    RIGHT_TYPED, RIGHT_CHOICE, SETTLE, OMEDETO_OK, TABLE_OK = 18, 19, 20, 21, 22
    REOPEN, F2_CANCEL, DIGIT = 23, 24, 25

    def typed(word):
        out = []
        for c in word:
            out += [CHAR, ord(c)]
        return out + [ENTER, SETTLE]

    right = [RIGHT_TYPED, SETTLE, RIGHT_CHOICE, SETTLE]
    streams = {
        "all-right": [F5, SETTLE] + right * 40 + [SETTLE, OMEDETO_OK],
        "wrong-then-right": [F5, SETTLE] + (typed("zzz") + [DIGIT, 0, SETTLE] + right) * 12,
        "edit-keys": [F5, SETTLE] + typed("ab") + [BACK, BACK, BACK, DELETE, CHAR, ord("I"),
                                                    KEYDOWN, 16, CHAR, ord("G"), ENTER, SETTLE,
                                                    ESC, CLOCK, 0, 200],
        "range": [F4, RANGE_KEY, 0, RANGE_KEY, 2, RANGE_PANEL, 1, RANGE_BUTTON, 1,
                  RANGE_BUTTON, 0, RANGE_KEY, 1, RANGE_BUTTON, 2, F5, SETTLE] + right * 6,
        "options": [F6, OPTION, 0, OPTION, 0, OPTION, 5, OPTION, 7, OPTION, 10, F5, SETTLE]
                   + right * 8 + [CLOCK, 11, 184],
        "options-cancel": [F6, OPTION, 1, OPTION, 4, OPTION, 11, F6, OPTION, 2, OPTION, 12],
        "table-map": [F7, TABLE_OK, F9, F9, F5, SETTLE] + right * 3 + [QUIT, F7, F9],
        "clicks": [F5, SETTLE] + [CLICK, 0, CLICK, 1, CLICK, 2, CLICK, 3, SETTLE,
                                  RIGHT_TYPED, SETTLE] * 10,
        "reopen": [F5, SETTLE] + right * 3 + [REOPEN, F5, SETTLE] + right * 3
                  + [RIGHT_TYPED, REOPEN, SETTLE, F2_CANCEL, F5, SETTLE] + right * 2,
        # Enter during the right-answer animation is judged again.
        "enter-twice": [F5, SETTLE] + [RIGHT_TYPED, RIGHT_TYPED, SETTLE, RIGHT_CHOICE, SETTLE] * 12,
        "leave-and-back": [F5, SETTLE, RIGHT_TYPED, ESC, F5, CLOCK, 4, 0, QUIT, F5, SETTLE]
                          + right * 4,
    }
    for bank in BANKS:
        data = bank.read_bytes()
        for name, steps in streams.items():
            put("drill", f"{bank.stem}-{name}", data + b"\x1a" + bytes(steps))
    for name in ("typed1.dat", "choice3.dat", "form0-lf.dat", "form2.dat", "sjis-trail.dat"):
        put("drill", f"{name[:-4]}-all-right", SMALL_BANKS[name] + b"\x1a" +
            bytes(streams["all-right"]))
        put("drill", f"{name[:-4]}-clicks", SMALL_BANKS[name] + b"\x1a" + bytes(streams["clicks"]))


if __name__ == "__main__":
    main()
