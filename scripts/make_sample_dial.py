#!/usr/bin/env python3
"""Writes a sample memory dial of invented entries (Shift_JIS, CR LF) for screenshots and
manual trials: make_sample_dial.py OUT.VCF [COUNT]."""
import sys

FAMILY = ["佐藤", "鈴木", "高橋", "田中", "伊藤", "渡辺", "山本", "中村", "小林", "加藤", "吉田", "山田"]
FAMILY_KANA = ["ｻﾄｳ", "ｽｽﾞｷ", "ﾀｶﾊｼ", "ﾀﾅｶ", "ｲﾄｳ", "ﾜﾀﾅﾍﾞ", "ﾔﾏﾓﾄ", "ﾅｶﾑﾗ", "ｺﾊﾞﾔｼ", "ｶﾄｳ", "ﾖｼﾀﾞ", "ﾔﾏﾀﾞ"]
GIVEN = ["太郎", "花子", "一郎", "美咲", "健太", "陽子", "翔", "さくら"]
GIVEN_KANA = ["ﾀﾛｳ", "ﾊﾅｺ", "ｲﾁﾛｳ", "ﾐｻｷ", "ｹﾝﾀ", "ﾖｳｺ", "ｼｮｳ", "ｻｸﾗ"]
GROUPS = ["家族", "友人", "会社", "学校"]
ADDRESSES = [("100-0001", "東京都千代田区千代田1-1"), ("530-0001", "大阪府大阪市北区梅田3-1-3"),
             ("060-0001", "北海道札幌市中央区北一条西2丁目"), ("900-0001", "沖縄県那覇市港町2-1"),
             ("460-0001", "愛知県名古屋市中区三の丸1-1")]
MEMOS = ["誕生日に連絡", "年賀状", "", "大学の同期", "取引先", "近所", "", "旅行仲間"]
HOBBIES = ["読書", "釣り", "テニス", "料理", "", "映画"]
STARS = ["ARIES", "TAURUS", "GEMINI", "CANCER", "LEO", "VIRGO", "LIBRA", "SCORPIUS"]


def record(i):
    f, g = i % len(FAMILY), (i * 5) % len(GIVEN)
    name = FAMILY[f] + " " + GIVEN[g]
    postal, address = ADDRESSES[i % len(ADDRESSES)]
    group = i % len(GROUPS)
    lines = ["BEGIN:VCARD", "VERSION:3.0", "FN:" + name, "N:" + name + ";;;;",
             "SORT-STRING:" + FAMILY_KANA[f] + " " + GIVEN_KANA[g],
             "TEL;TYPE=PREF,CELL:090%04d%04d" % (1000 + i * 37 % 9000, 2000 + i * 53 % 8000)]
    if i % 3 == 0:
        lines.append("TEL;TYPE=HOME:03%04d%04d" % (3000 + i, 4000 + i * 7 % 5000))
    lines.append("EMAIL;TYPE=PREF,CELL:user%03d@example.ne.jp" % i)
    if i % 4 == 1:
        lines.append("EMAIL;TYPE=WORK:taro%03d@example.co.jp" % i)
    lines += ["X-GNO:%d" % group, "CATEGORIES:" + GROUPS[group], "X-REDUCTION:%d" % i,
              "CLASS:" + ("PRIVATE" if i % 7 == 3 else "PUBLIC"),
              "ADR;TYPE=PREF,HOME:;" + address + ";;;;" + postal + ";"]
    memo = MEMOS[i % len(MEMOS)]
    if memo:
        lines.append("NOTE:" + memo)
    lines.append("BDAY:19%02d%02d%02d" % (60 + i % 40, 1 + i % 12, 1 + i % 28))
    hobby = HOBBIES[i % len(HOBBIES)]
    if hobby:
        lines.append("X-HOBBY:" + hobby)
    lines += ["X-BLOODTYPE:" + ["A", "B", "O", "AB"][i % 4], "X-CONSTELLATION:" + STARS[i % len(STARS)],
              "REV:2006-03-07 15:%02d:00" % (i % 60), "END:VCARD"]
    return lines


def main():
    out = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 36
    text = "".join(line + "\r\n" for i in range(count) for line in record(i))
    with open(out, "wb") as f:
        f.write(text.encode("cp932"))


if __name__ == "__main__":
    main()
