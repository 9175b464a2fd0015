#include "NodeMakers.h"
#include "memorydial/MemoryDialReader.h"
#include "memorydial/MemoryDialWriter.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

Entry FullEntry()
{
    Entry entry;
    const QStringList cells = {
        u""_s,
        u"007"_s,
        u"山田太郎"_s,
        u"ﾔﾏﾀﾞﾀﾛｳ"_s,
        u"PRIVATE"_s,
        u"09012345678"_s,
        u"携帯"_s,
        u"0312345678"_s,
        u"自宅"_s,
        u"0312345679"_s,
        u"FAX"_s,
        u"0451112222"_s,
        u"仕事"_s,
        u"0701112222"_s,
        u"PHS"_s,
        u"taro@example.jp"_s,
        u"携帯"_s,
        u"t@example.ac.jp"_s,
        u"学校"_s,
        u"a@example.com"_s,
        u"その他"_s,
        u"b@example.com"_s,
        u"自宅"_s,
        u"c@example.com"_s,
        u"仕事"_s,
        u"03"_s,
        u"友人"_s,
        u"東京都千代田区千代田1-1"_s,
        u"100-0001"_s,
        u"自宅"_s,
        u"山羊"_s,
        u"19800101"_s,
        u"AB"_s,
        u"釣り"_s,
        u"メモ"_s,
        u"http://example.jp/"_s,
        u"35.68 139.76"_s,
        u"2026/12/08 00:00:00"_s,
    };
    for (int cell = 0; cell < kEntryColumnCount; ++cell) {
        entry[cell] = cells[cell];
    }
    return entry;
}

// Text that reads back unchanged: no separators, quotes, colons or leading blanks, but kana,
// kanji, half-width kana, the Windows extensions and the user-defined area.
QString RandomText(QRandomGenerator& random, int length)
{
    static const QString pool = u"ABCxyz0129-_.@/\\~あいうアイウｱｲｳ漢字表①②≒∵～￢髙﨑ー"_s;
    QString text;
    for (int i = 0; i < length; ++i) {
        if (random.bounded(8) == 0) {
            text += QChar(char16_t(0xE000 + random.bounded(1880)));
        } else {
            text += pool[random.bounded(pool.size())];
        }
    }
    return text;
}

QList<Entry> GeneratedEntries(int count)
{
    static const QStringList telWords = {u"その他"_s, u"携帯"_s, u"PHS"_s, u"自宅"_s, u"仕事"_s, u"FAX"_s};
    static const QStringList mailWords = {u"その他"_s, u"携帯"_s, u"PHS"_s, u"自宅"_s, u"学校"_s, u"仕事"_s};
    static const QStringList addressWords = {u"その他"_s, u"自宅"_s, u"会社"_s};
    static const QStringList stars = {u"牡羊"_s, u"牡牛"_s, u"双子"_s, u"蟹"_s,   u"獅子"_s, u"乙女"_s,
                                      u"天秤"_s, u"蠍"_s,   u"射手"_s, u"山羊"_s, u"水瓶"_s, u"魚"_s};
    static const QStringList bloodTypes = {u"A"_s, u"B"_s, u"O"_s, u"AB"_s};
    QRandomGenerator random(20261208);
    QList<Entry> rows;
    for (int i = 0; i < count; ++i) {
        Entry entry;
        entry[kColNumber] = u"%1"_s.arg(i, 3, 10, QChar(u'0'));
        entry[kColName] = RandomText(random, 12);
        entry[kColReading] = RandomText(random, 12);
        entry[kColSecret] = random.bounded(2) ? u"PUBLIC"_s : u"PRIVATE"_s;
        for (int n = 1; n <= kSlotCount; ++n) {
            entry[TelNumberCell(n)] = RandomText(random, 13);
            entry[TelKindCell(n)] = telWords[random.bounded(telWords.size())];
            entry[MailAddressCell(n)] = RandomText(random, 30);
            entry[MailKindCell(n)] = mailWords[random.bounded(mailWords.size())];
        }
        entry[kColGroupNumber] = u"%1"_s.arg(random.bounded(100), 2, 10, QChar(u'0'));
        entry[kColGroupName] = RandomText(random, 8);
        entry[kColAddress] = RandomText(random, 40);
        entry[kColPostalCode] =
            u"%1-%2"_s.arg(random.bounded(1000), 3, 10, QChar(u'0')).arg(random.bounded(10000), 4, 10, QChar(u'0'));
        entry[kColAddressKind] = addressWords[random.bounded(addressWords.size())];
        entry[kColConstellation] = stars[random.bounded(stars.size())];
        entry[kColBirthday] = RandomText(random, 8);
        entry[kColBloodType] = bloodTypes[random.bounded(bloodTypes.size())];
        entry[kColHobby] = RandomText(random, 20);
        entry[kColMemo] = RandomText(random, 60);
        entry[kColUrl] = RandomText(random, 30);
        entry[kColGps] = RandomText(random, 20);
        entry[kColRevision] = RandomText(random, 19);
        rows << entry;
    }
    return rows;
}

// What the file system holds at `path` itself (a link is not followed).
QString NodeKind(const QString& path)
{
    struct stat info
    {
    };
    if (lstat(QFile::encodeName(path).constData(), &info) != 0) {
        return u"missing"_s;
    }
    switch (info.st_mode & S_IFMT) {
    case S_IFREG:
        return u"file"_s;
    case S_IFDIR:
        return u"directory"_s;
    case S_IFIFO:
        return u"fifo"_s;
    case S_IFSOCK:
        return u"socket"_s;
    case S_IFLNK:
        return u"link"_s;
    default:
        return u"other"_s;
    }
}

} // namespace

class TestMemoryDialWriter : public QObject
{
    Q_OBJECT

private slots:
    void fullRecordLayout();
    void optionalLines_data();
    void optionalLines();
    void emptyListWritesEmptyFile();
    void encodesCodePage932();
    void unencodable_data();
    void unencodable();
    void roundTrip_data();
    void roundTrip();
    void missingFolder();
    void readOnlyFolder();
    void shortWriteKeepsOldFile_data();
    void shortWriteKeepsOldFile();
    void refusedTargets_data();
    void refusedTargets();
    void writtenTargets_data();
    void writtenTargets();
    void separatorWarning_data();
    void separatorWarning();
};

void TestMemoryDialWriter::fullRecordLayout()
{
    const QString expected = u"BEGIN:VCARD\r\n"
                             u"VERSION:3.0\r\n"
                             u"FN:山田太郎\r\n"
                             u"N:山田太郎;;;;\r\n"
                             u"SORT-STRING:ﾔﾏﾀﾞﾀﾛｳ\r\n"
                             u"TEL;TYPE=PREF,CELL:09012345678\r\n"
                             u"TEL;TYPE=HOME:0312345678\r\n"
                             u"TEL;TYPE=FAX:0312345679\r\n"
                             u"TEL;TYPE=WORK:0451112222\r\n"
                             u"TEL;TYPE=PCS:0701112222\r\n"
                             u"EMAIL;TYPE=PREF,CELL:taro@example.jp\r\n"
                             u"EMAIL;TYPE=SCHOOL:t@example.ac.jp\r\n"
                             u"EMAIL;TYPE=INTERNET:a@example.com\r\n"
                             u"EMAIL;TYPE=HOME:b@example.com\r\n"
                             u"EMAIL;TYPE=WORK:c@example.com\r\n"
                             u"X-GNO:3\r\n"
                             u"CATEGORIES:友人\r\n"
                             u"X-REDUCTION:7\r\n"
                             u"CLASS:PRIVATE\r\n"
                             u"ADR;TYPE=PREF,HOME:;東京都千代田区千代田1-1;;;;100-0001;\r\n"
                             u"NOTE:メモ\r\n"
                             u"URL:http://example.jp/\r\n"
                             u"GEO:35.68 139.76\r\n"
                             u"BDAY:19800101\r\n"
                             u"X-HOBBY:釣り\r\n"
                             u"X-BLOODTYPE:AB\r\n"
                             u"X-CONSTELLATION:CAPRICORNUS\r\n"
                             u"REV:2026/12/08 00:00:00\r\n"
                             u"END:VCARD\r\n"_s;
    QCOMPARE(ComposeMemoryDialText({FullEntry()}, u"VERSION:3.0"_s), expected);
}

void TestMemoryDialWriter::optionalLines_data()
{
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("vcVer");
    QTest::addColumn<QString>("expected");

    const QString fixedTail = u"X-GNO:0\r\nCATEGORIES:\r\nX-REDUCTION:0\r\n"_s;
    const QString head = u"BEGIN:VCARD\r\nVERSION:3.0\r\nFN:\r\nN:;;;;\r\nSORT-STRING:\r\n"_s;
    const QString end = u"REV:\r\nEND:VCARD\r\n"_s;
    QTest::newRow("empty entry") << QStringList{} << u"VERSION:3.0"_s << head + fixedTail + end;
    QTest::newRow("only telephone 3") << QStringList{u"9=0311112222"_s, u"10=自宅"_s} << u"VERSION:3.0"_s
                                      << head + u"TEL;TYPE=HOME:0311112222\r\n"_s + fixedTail + end;
    QTest::newRow("empty kind gives empty code")
        << QStringList{u"5=1"_s, u"15=a@b"_s, u"16=FAX"_s} << u"VERSION:3.0"_s
        << head + u"TEL;TYPE=PREF,:1\r\nEMAIL;TYPE=PREF,:a@b\r\n"_s + fixedTail + end;
    QTest::newRow("kind without number is not written") << QStringList{u"6=携帯"_s, u"30=いるか"_s} << u"VERSION:3.0"_s
                                                        << head + fixedTail + u"X-CONSTELLATION:\r\n"_s + end;
    QTest::newRow("numbers lose their zeros") << QStringList{u"1=007"_s, u"25=07"_s} << u"VERSION:3.0"_s
                                              << head + u"X-GNO:7\r\nCATEGORIES:\r\nX-REDUCTION:7\r\n"_s + end;
    QTest::newRow("number with text") << QStringList{u"1=12abc"_s, u"25=x"_s} << u"VERSION:3.0"_s
                                      << head + u"X-GNO:0\r\nCATEGORIES:\r\nX-REDUCTION:12\r\n"_s + end;
    QTest::newRow("address without postal code")
        << QStringList{u"27=東京都港区"_s, u"29=会社"_s} << u"VERSION:3.0"_s
        << head + fixedTail + u"ADR;TYPE=PREF,WORK:;東京都港区;;;;;\r\n"_s + end;
    QTest::newRow("postal code without address is not written")
        << QStringList{u"28=100-0001"_s} << u"VERSION:3.0"_s << head + fixedTail + end;
    QTest::newRow("other version line") << QStringList{} << u"VERSION:2.1"_s
                                        << u"BEGIN:VCARD\r\nVERSION:2.1\r\nFN:\r\nN:;;;;\r\nSORT-STRING:\r\n"_s +
                                               fixedTail + end;
    QTest::newRow("commas written as they stand")
        << QStringList{u"34=a, b"_s} << u"VERSION:3.0"_s << head + fixedTail + u"NOTE:a, b\r\n"_s + end;
}

void TestMemoryDialWriter::optionalLines()
{
    QFETCH(QStringList, cells);
    QFETCH(QString, vcVer);
    QFETCH(QString, expected);
    Entry entry;
    for (const QString& cell : cells) {
        const qsizetype equals = cell.indexOf(u'=');
        entry[cell.left(equals).toInt()] = cell.mid(equals + 1);
    }
    QCOMPARE(ComposeMemoryDialText({entry}, vcVer), expected);
}

void TestMemoryDialWriter::emptyListWritesEmptyFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"empty.vcf"_s);
    QVERIFY(WriteBytes(path, "old content"));
    const MemoryDialWriteResult result = WriteMemoryDial(path, {}, u"VERSION:3.0"_s);
    QVERIFY(result.ok);
    QCOMPARE(ReadAll(path), QByteArray());
}

void TestMemoryDialWriter::encodesCodePage932()
{
    Entry entry;
    entry[kColName] = u"\uE000\uE757～①髙"_s;
    QString error;
    const std::optional<QByteArray> bytes = EncodeMemoryDial({entry}, u"VERSION:3.0"_s, error);
    QVERIFY(bytes);
    QVERIFY(bytes->contains("FN:\xf0\x40\xf9\xfc\x81\x60\x87\x40\xfb\xfc\r\n"));
    QVERIFY(error.isEmpty());
}

void TestMemoryDialWriter::unencodable_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("emoji in memo") << int(kColMemo) << u"会議😀"_s
                                   << u"No.007 の「ﾒﾓ」に、保存できない文字が含まれています。　"_s;
    QTest::newRow("wave dash in name") << int(kColName) << u"山田〜"_s
                                       << u"No.007 の「名前」に、保存できない文字が含まれています。　"_s;
    QTest::newRow("yen sign in telephone 4")
        << int(TelNumberCell(4)) << u"¥100"_s << u"No.007 の「Tel 4」に、保存できない文字が含まれています。　"_s;
    QTest::newRow("hangul in mail 2") << int(MailAddressCell(2)) << u"한@example.com"_s
                                      << u"No.007 の「E-mail 2」に、保存できない文字が含まれています。　"_s;
    QTest::newRow("accent in postal code")
        << int(kColPostalCode) << u"100-000é"_s << u"No.007 の「郵便番号」に、保存できない文字が含まれています。　"_s;
    QTest::newRow("NUL in URL") << int(kColUrl) << u"http://a/\0"_s
                                << u"No.007 の「URL」に、保存できない文字が含まれています。　"_s;
    QTest::newRow("unwritten kind cell is harmless") << int(TelKindCell(1)) << u"😀"_s << QString();
}

void TestMemoryDialWriter::unencodable()
{
    QFETCH(int, cell);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QList<Entry> rows = GeneratedEntries(3);
    Entry entry = FullEntry();
    entry[cell] = text;
    rows.insert(1, entry);

    QTemporaryDir dir;
    const QString path = dir.filePath(u"dial.vcf"_s);
    QVERIFY(WriteBytes(path, "old content"));
    const MemoryDialWriteResult result = WriteMemoryDial(path, rows, u"VERSION:3.0"_s);
    QCOMPARE(result.ok, message.isEmpty());
    QCOMPARE(result.error, message);
    if (!message.isEmpty()) {
        QCOMPARE(ReadAll(path), QByteArray("old content"));
    }
}

void TestMemoryDialWriter::roundTrip_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("1 entry") << 1;
    QTest::newRow("57 entries") << 57;
    QTest::newRow("1001 entries") << 1001;
}

void TestMemoryDialWriter::roundTrip()
{
    QFETCH(int, count);
    const QList<Entry> rows = GeneratedEntries(count);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"dial.vcf"_s);
    const MemoryDialWriteResult written = WriteMemoryDial(path, rows, u"VERSION:3.0"_s);
    QVERIFY2(written.ok, qPrintable(written.error));
    const MemoryDialReadResult read = MemoryDataOpen(path, QStringList());
    QVERIFY(read.content);
    QCOMPARE(read.content->EntryCount, count);
    QCOMPARE(read.content->VcVer, u"VERSION:3.0"_s);
    for (int i = 0; i < count; ++i) {
        for (int cell = 0; cell < kEntryColumnCount; ++cell) {
            if (read.content->rows[i][cell] != rows[i][cell]) {
                QFAIL(qPrintable(
                    u"entry %1 cell %2: %3 != %4"_s.arg(i).arg(cell).arg(read.content->rows[i][cell], rows[i][cell])));
            }
        }
    }
    // A second save of what was read gives the same bytes.
    const QString again = dir.filePath(u"again.vcf"_s);
    QVERIFY(WriteMemoryDial(again, read.content->rows, read.content->VcVer).ok);
    QCOMPARE(ReadAll(again), ReadAll(path));
}

void TestMemoryDialWriter::missingFolder()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"no such folder/dial.vcf"_s);
    const MemoryDialWriteResult result = WriteMemoryDial(path, {FullEntry()}, u"VERSION:3.0"_s);
    QVERIFY(!result.ok);
    QCOMPARE(result.error, u"メモリダイヤル「"_s + path +
                               u"」を保存できませんでした。　保存先とディスクの空きを確認して下さい。　"_s);
    QVERIFY(!QFile::exists(path));
}

void TestMemoryDialWriter::readOnlyFolder()
{
    if (geteuid() == 0) {
        QSKIP("permissions do not bind the superuser");
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(u"dial.vcf"_s);
    QVERIFY(WriteBytes(path, "old content"));
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    const MemoryDialWriteResult result = WriteMemoryDial(path, {FullEntry()}, u"VERSION:3.0"_s);
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(!result.ok);
    QVERIFY(result.error.contains(path));
    QCOMPARE(ReadAll(path), QByteArray("old content"));
}

// A size limit makes the file system refuse the rest of the file, as a full disk does. The
// writer hands the file over in pieces of 64 KiB: a limit at a piece's end makes the next write
// fail outright, a limit inside a piece makes that write come back short without an error.
void TestMemoryDialWriter::shortWriteKeepsOldFile_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("limit");
    QTest::newRow("limit at the end of the first piece") << 200 << 64 * 1024;
    QTest::newRow("limit inside the only piece") << 20 << 1024;
}

void TestMemoryDialWriter::shortWriteKeepsOldFile()
{
    QFETCH(int, entries);
    QFETCH(int, limit);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"dial.vcf"_s);
    QVERIFY(WriteBytes(path, "old content"));
    const QList<Entry> rows = GeneratedEntries(entries);

    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{rlim_t(limit), rlim_t(limit)};
        setrlimit(RLIMIT_FSIZE, &size);
        const MemoryDialWriteResult result = WriteMemoryDial(path, rows, u"VERSION:3.0"_s);
        _exit(!result.ok && result.error.contains(path) ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(ReadAll(path), QByteArray("old content"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"dial.vcf"_s});
}

void TestMemoryDialWriter::refusedTargets_data()
{
    // What stands at the saved path, and the name the save is given: the thing itself, or a
    // symbolic link to it.
    QTest::addColumn<QString>("node");
    QTest::addColumn<bool>("throughLink");
    QTest::newRow("FIFO") << u"fifo"_s << false;
    QTest::newRow("folder") << u"directory"_s << false;
    QTest::newRow("socket") << u"socket"_s << false;
    QTest::newRow("link to a FIFO") << u"fifo"_s << true;
    QTest::newRow("link to a folder") << u"directory"_s << true;
    QTest::newRow("link to a socket") << u"socket"_s << true;
    QTest::newRow("link loop") << u"link"_s << false;
}

void TestMemoryDialWriter::refusedTargets()
{
    QFETCH(QString, node);
    QFETCH(bool, throughLink);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString thing = dir.filePath(u"thing"_s);
    if (node == u"fifo") {
        if (!MakeFifo(thing)) {
            QSKIP("this system does not allow a FIFO here");
        }
    } else if (node == u"socket") {
        if (!MakeSocket(thing)) {
            QSKIP("this system does not allow a socket here");
        }
    } else if (node == u"directory") {
        QVERIFY(QDir(dir.path()).mkdir(u"thing"_s));
    } else {
        QVERIFY(QFile::link(dir.filePath(u"other"_s), thing));
        QVERIFY(QFile::link(thing, dir.filePath(u"other"_s)));
    }
    QString path = thing;
    if (throughLink) {
        path = dir.filePath(u"link.vcf"_s);
        QVERIFY(QFile::link(u"thing"_s, path));
    }
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);

    const MemoryDialWriteResult result = WriteMemoryDial(path, {FullEntry()}, u"VERSION:3.0"_s);
    QVERIFY(!result.ok);
    QCOMPARE(result.error, u"「"_s + path + u"」は通常のファイルではないため、メモリダイヤルを保存できません。　"_s);
    QCOMPARE(NodeKind(thing), node);
    QCOMPARE(NodeKind(path), throughLink ? u"link"_s : node);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), before);
}

void TestMemoryDialWriter::writtenTargets_data()
{
    // The link from the saved name, where there is one, and whether its target exists before.
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("targetExists");
    QTest::newRow("new file") << QString() << false;
    QTest::newRow("existing file") << QString() << true;
    QTest::newRow("link to a file") << u"dial.vcf"_s << true;
    QTest::newRow("link to a link to a file") << u"middle.vcf"_s << true;
    QTest::newRow("dangling link") << u"dial.vcf"_s << false;
}

void TestMemoryDialWriter::writtenTargets()
{
    QFETCH(QString, link);
    QFETCH(bool, targetExists);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString target = dir.filePath(u"dial.vcf"_s);
    if (targetExists) {
        QVERIFY(WriteBytes(target, "old content"));
    }
    QString path = target;
    if (!link.isEmpty()) {
        path = dir.filePath(u"saved.vcf"_s);
        if (link == u"middle.vcf") {
            QVERIFY(QFile::link(u"dial.vcf"_s, dir.filePath(link)));
        }
        QVERIFY(QFile::link(link, path));
    }

    const MemoryDialWriteResult result = WriteMemoryDial(path, {FullEntry()}, u"VERSION:3.0"_s);
    QVERIFY2(result.ok, qPrintable(result.error));
    QString error;
    QCOMPARE(ReadAll(target), EncodeMemoryDial({FullEntry()}, u"VERSION:3.0"_s, error).value());
    QCOMPARE(NodeKind(target), u"file"_s);
    QCOMPARE(NodeKind(path), link.isEmpty() ? u"file"_s : u"link"_s);
}

void TestMemoryDialWriter::separatorWarning_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // empty: no warning
    const QString tail = u"に、カンマ（,）または改行が含まれています。　このまま保存すると、"
                         u"次に読み込んだ時にその位置から後ろが失われます。　保存しますか？　"_s;
    QTest::newRow("plain memo") << int(kColMemo) << u"東京、大阪"_s << QString();
    QTest::newRow("full-width comma") << int(kColMemo) << u"東京，大阪"_s << QString();
    QTest::newRow("comma in memo") << int(kColMemo) << u"a,END"_s << u"No.004 の「ﾒﾓ」"_s + tail;
    QTest::newRow("comma in name") << int(kColName) << u"山田,太郎"_s << u"No.004 の「名前」"_s + tail;
    QTest::newRow("line feed in address") << int(kColAddress) << u"東京\n港区"_s << u"No.004 の「住所」"_s + tail;
    QTest::newRow("carriage return in hobby") << int(kColHobby) << u"釣り\r"_s << u"No.004 の「趣味」"_s + tail;
}

void TestMemoryDialWriter::separatorWarning()
{
    QFETCH(int, cell);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QList<Entry> rows(3);
    rows[0][kColNumber] = u"000"_s;
    rows[1][kColNumber] = u"004"_s;
    rows[1][cell] = text;
    rows[2][kColNumber] = u"007"_s;
    rows[2][kColMemo] = u"後の行, も"_s;
    if (expected.isEmpty()) {
        rows.removeLast();
    }
    QCOMPARE(SeparatorWarning(rows).value_or(QString()), expected);
}

QTEST_GUILESS_MAIN(TestMemoryDialWriter)
#include "tst_memorydialwriter.moc"
