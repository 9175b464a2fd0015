#include "FakeInteraction.h"
#include "services/PostalIndex.h"

#include <QBuffer>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kDataDir = QStringLiteral(MORVANX_TEST_DATA);
const QString kExcerpt = kDataDir + u"/postal_excerpt.csv"_qs;
const QString kShippedTable = kDataDir + u"/../../data/ken_all.csv"_qs;
const QString kMissingText = QStringLiteral("指定されたフォルダに 「郵便番号一覧 *.CSV」 が存在しません。　\r\r"
                                            "各種設定画面 「*.CSV 保存先」 タブから、ファイルを設定して下さい。  ");
const QString kUnreadableText = QStringLiteral("指定されたフォルダの 「郵便番号一覧 *.CSV」 を読み込めません。　\r\r"
                                               "各種設定画面 「*.CSV 保存先」 タブから、ファイルを設定して下さい。  ");
const QString kNotFound = QStringLiteral("該当する 「住所」 は存在しません。");

QByteArray Sjis(const QString& text)
{
    QStringEncoder encoder("Shift_JIS");
    return encoder.encode(text);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Each record as code, prefecture, city and town.
QList<QStringList> Records(const PostalIndex& index)
{
    QList<QStringList> records;
    for (qsizetype i = 0; i < index.count(); ++i) {
        records.append({index.code(i), index.prefecture(i), index.city(i), index.town(i)});
    }
    return records;
}

// The field with its quoting undone: a quote opens or closes a quoted stretch, and inside one a
// doubled quote stands for a quote character.
QString Unquoted(QStringView field)
{
    QString text;
    bool inQuotes = false;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != u'"') {
            text += field[i];
        } else if (inQuotes && i + 1 < field.size() && field[i + 1] == u'"') {
            text += u'"';
            ++i;
        } else {
            inQuotes = !inQuotes;
        }
    }
    return text;
}

// The table by the plainest reading: decode the whole text, then cut it into lines and fields.
QList<QStringList> DecodeEverything(const QByteArray& csv)
{
    QStringDecoder decoder("Shift_JIS", QStringConverter::Flag::Stateless);
    const QString text = decoder.decode(csv);
    QList<QStringList> records;
    QList<QStringView> fields;
    for (qsizetype i = 0; i < text.size();) {
        fields.clear();
        qsizetype fieldStart = i;
        bool inQuotes = false;
        for (; i < text.size() && text[i] != u'\r' && text[i] != u'\n'; ++i) {
            if (text[i] == u'"') {
                inQuotes = !inQuotes;
            } else if (text[i] == u',' && !inQuotes) {
                fields.append(QStringView(text).sliced(fieldStart, i - fieldStart));
                fieldStart = i + 1;
            }
        }
        fields.append(QStringView(text).sliced(fieldStart, i - fieldStart));
        i += i < text.size() && text[i] == u'\r' ? 1 : 0;
        i += i < text.size() && text[i] == u'\n' ? 1 : 0;
        if (fields.size() < 9) {
            continue;
        }
        const QString prefecture = Unquoted(fields[6]);
        if (prefecture.endsWith(u'都') || prefecture.endsWith(u'道') || prefecture.endsWith(u'府') ||
            prefecture.endsWith(u'県')) {
            records.append({Unquoted(fields[2]), prefecture, Unquoted(fields[7]), Unquoted(fields[8])});
        }
    }
    return records;
}

} // namespace

class TestPostalIndex : public QObject
{
    Q_OBJECT

private slots:
    void excerptKeepsFileOrderAndSkipsShortLines();
    void lookup_data();
    void lookup();
    void fromBytes_data();
    void fromBytes();
    void sameAsDecodingEverything_data();
    void sameAsDecodingEverything();
    void anyPieceSize_data();
    void anyPieceSize();
    void readsNoMoreThanTheBound_data();
    void readsNoMoreThanTheBound();
    void wholeShippedTable();
    void missingFile_data();
    void missingFile();
    void device_data();
    void device();
    void fifoDoesNotBlock_data();
    void fifoDoesNotBlock();
    void tooLarge_data();
    void tooLarge();
    void otherEncoding_data();
    void otherEncoding();
    void missingFileWarns();
    void emptyFile();
    void unreadableFile();
};

void TestPostalIndex::excerptKeepsFileOrderAndSkipsShortLines()
{
    PostalIndex index;
    QCOMPARE(LoadPostalIndex(index, kExcerpt), std::nullopt);
    // 16 lines, of which "1,2,3", an empty line and an 8-field line are skipped.
    QCOMPARE(index.count(), 13);
    QCOMPARE(index.code(0), u"0600000"_qs);
    QCOMPARE(index.town(4), u"山部西１３線"_qs);
    QCOMPARE(index.prefecture(7), u"東京都"_qs);
    QCOMPARE(index.city(7), u"中央区"_qs);
    QCOMPARE(index.code(12), u"9071801"_qs);
    QCOMPARE(index.FindFirst(u"0791571"), 3);
}

void TestPostalIndex::lookup_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("address");

    QTest::newRow("first line") << u"0600000"_qs << u"北海道札幌市中央区以下に掲載がない場合"_qs;
    QTest::newRow("first of three towns") << u"0791571"_qs << u"北海道富良野市山部西１２線"_qs;
    QTest::newRow("city after a short line") << u"1000001"_qs << u"東京都千代田区千代田"_qs;
    QTest::newRow("comma inside quotes") << u"1030027"_qs << u"東京都中央区日本橋（１,２丁目）"_qs;
    QTest::newRow("doubled quotes") << u"1040061"_qs << u"東京都中央区銀座\"本通り\""_qs;
    QTest::newRow("CR line end") << u"5400002"_qs << u"大阪府大阪市中央区大阪城"_qs;
    QTest::newRow("bare fields, LF line end") << u"5400008"_qs << u"大阪府大阪市中央区大手前"_qs;
    QTest::newRow("invalid bytes stand out") << u"6008001"_qs << u"京都府京都市\x1a四条\x1a通"_qs;
    QTest::newRow("last line without line end") << u"9071801"_qs << u"沖縄県八重山郡与那国町与那国"_qs;
    QTest::newRow("eight-field line") << u"5400001"_qs << kNotFound;
    QTest::newRow("not in the table") << u"0000000"_qs << kNotFound;
    QTest::newRow("six digits") << u"060000"_qs << kNotFound;
    QTest::newRow("hyphenated") << u"060-0000"_qs << kNotFound;
    QTest::newRow("empty") << QString() << kNotFound;
}

void TestPostalIndex::lookup()
{
    QFETCH(QString, code);
    QFETCH(QString, address);
    PostalIndex index;
    QCOMPARE(LoadPostalIndex(index, kExcerpt), std::nullopt);
    QCOMPARE(ShowAddressForPostalCode(index, code), address);
}

void TestPostalIndex::fromBytes_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("lastAddress");

    QTest::newRow("empty") << QByteArray() << true << QStringList() << QString();
    QTest::newRow("line ends only") << QByteArray("\r\n\n\r\r") << true << QStringList() << QString();
    QTest::newRow("exactly nine fields") << Sjis(u"1,2,1111111,4,5,6,東京都,C,T"_qs) << true
                                         << QStringList{u"1111111"_qs} << u"東京都CT"_qs;
    // The unclosed quote runs to the line end, so its line has three fields; the next one loads.
    QTest::newRow("unclosed quote") << Sjis(u"1,2,\"1111111,4,5,6,東京都,C,T\r\n1,2,2222222,4,5,6,東京都,C,U\r\n"_qs)
                                    << true << QStringList{u"2222222"_qs} << u"東京都CU"_qs;
    QTest::newRow("empty fields") << Sjis(u",,,,,,東京都,,\n1,2,3333333,,,,\"大阪府\",\"\",\"\"\n"_qs) << true
                                  << QStringList{QString(), u"3333333"_qs} << u"大阪府"_qs;
    QTest::newRow("LF CR is two line ends") << Sjis(u"1,2,4444444,4,5,6,東京都,C,T\n\r1,2,5555555,4,5,6,東京都,C,V"_qs)
                                            << true << QStringList{u"4444444"_qs, u"5555555"_qs} << u"東京都CV"_qs;
    QTest::newRow("code kept as written")
        << Sjis(u"1,2,\" 12-34 \",4,5,6,東京都,C,T"_qs) << true << QStringList{u" 12-34 "_qs} << u"東京都CT"_qs;
    QTest::newRow("lead byte before a comma") << Sjis(u"1,2,6666666,4,5,6,東京都,"_qs) + "C\x81,T\x81" << true
                                              << QStringList{u"6666666"_qs} << u"東京都C\x1aT\x1a"_qs;

    // Which records are postal records: the prefecture ends in 都, 道, 府 or 県.
    QTest::newRow("each kind of prefecture")
        << Sjis(u"1,2,1000001,4,5,6,東京都,C,T\n1,2,0600000,4,5,6,北海道,C,T\n"
                u"1,2,5400002,4,5,6,大阪府,C,T\n1,2,9071801,4,5,6,沖縄県,C,T\n"_qs)
        << true << QStringList{u"1000001"_qs, u"0600000"_qs, u"5400002"_qs, u"9071801"_qs} << u"沖縄県CT"_qs;
    QTest::newRow("a damaged record is left out")
        << Sjis(u"1,2,1111111,4,5,6,東京都,C,T\n1,2,2222222,4,5,6,東京,C,T\n1,2,3333333,4,5,6,大阪府,C,T\n"_qs) << true
        << QStringList{u"1111111"_qs, u"3333333"_qs} << u"大阪府CT"_qs;
    QTest::newRow("prefecture ending in a stray byte")
        << Sjis(u"1,2,1111111,4,5,6,東京都,C,T\n1,2,2222222,4,5,6,東京"_qs) + "\xff" + Sjis(u",C,T\n"_qs) << true
        << QStringList{u"1111111"_qs} << u"東京都CT"_qs;
    QTest::newRow("stray byte inside a prefecture") << Sjis(u"1,2,1111111,4,5,6,東"_qs) + "\xff" + Sjis(u"都,C,T\n"_qs)
                                                    << true << QStringList{u"1111111"_qs} << u"東\x1a都CT"_qs;
    QTest::newRow("a wrong prefecture shared by two records")
        << Sjis(u"1,2,1111111,4,5,6,東京,C,T\n1,2,2222222,4,5,6,東京,C,U\n1,2,3333333,4,5,6,東京都,C,T\n"
                u"1,2,4444444,4,5,6,東京都,C,U\n1,2,5555555,4,5,6,東京都,C,V\n"_qs)
        << true << QStringList{u"3333333"_qs, u"4444444"_qs, u"5555555"_qs} << u"東京都CV"_qs;
    QTest::newRow("as many other records as postal ones")
        << Sjis(u"1,2,1111111,4,5,6,東京都,C,T\n1,2,2222222,4,5,6,P,C,T\n"_qs) << true << QStringList{u"1111111"_qs}
        << u"東京都CT"_qs;
    QTest::newRow("mostly other records")
        << Sjis(u"1,2,1111111,4,5,6,東京都,C,T\n1,2,2222222,4,5,6,P,C,T\n1,2,3333333,4,5,6,P,C,U\n"_qs) << false
        << QStringList() << QString();
    QTest::newRow("empty prefecture") << QByteArray("1,2,1111111,4,5,6,,C,T") << false << QStringList() << QString();
    QTest::newRow("another layout") << QByteArray("a,b,c,d,e,f,g,h,i\r\n") << false << QStringList() << QString();
}

void TestPostalIndex::fromBytes()
{
    QFETCH(QByteArray, csv);
    QFETCH(bool, loads);
    QFETCH(QStringList, codes);
    QFETCH(QString, lastAddress);
    PostalIndex index;
    QVERIFY(index.LoadFromBytes(Sjis(u"1,2,9999999,4,5,6,京都府,C,T"_qs)));
    QCOMPARE(index.LoadFromBytes(csv), loads);
    QStringList loaded;
    for (qsizetype i = 0; i < index.count(); ++i) {
        loaded << index.code(i);
    }
    QCOMPARE(loaded, codes);
    if (index.count() > 0) {
        QCOMPARE(ShowAddressForPostalCode(index, codes.back()), lastAddress);
    }
}

void TestPostalIndex::sameAsDecodingEverything_data()
{
    QTest::addColumn<QString>("path");

    QTest::newRow("excerpt") << kExcerpt;
    QTest::newRow("shipped table") << kShippedTable;
}

void TestPostalIndex::sameAsDecodingEverything()
{
    QFETCH(QString, path);
    const QList<QStringList> expected = DecodeEverything(ReadAll(path));
    PostalIndex index;
    QCOMPARE(LoadPostalIndex(index, path), std::nullopt);
    QCOMPARE(Records(index), expected);
}

void TestPostalIndex::anyPieceSize_data()
{
    QTest::addColumn<qsizetype>("pieceBytes");

    // One byte cuts every CR LF in two; the others cut lines and characters in various places.
    for (const qsizetype size : {1, 2, 3, 97, 1 << 20}) {
        QTest::addRow("%lld", static_cast<long long>(size)) << size;
    }
}

void TestPostalIndex::anyPieceSize()
{
    QFETCH(qsizetype, pieceBytes);
    const QByteArray csv = ReadAll(kExcerpt);
    PostalIndex whole;
    QVERIFY(whole.LoadFromBytes(csv));
    QCOMPARE(whole.count(), 13);
    QBuffer buffer;
    buffer.setData(csv);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    PostalIndex pieces;
    QVERIFY(pieces.LoadFromDevice(buffer, PostalIndex::kMaxBytes, pieceBytes));
    QCOMPARE(Records(pieces), Records(whole));
}

void TestPostalIndex::readsNoMoreThanTheBound_data()
{
    QTest::addColumn<qint64>("maxBytes");
    QTest::addColumn<bool>("loads");

    const qint64 size = ReadAll(kExcerpt).size();
    QTest::newRow("room to spare") << size + 1 << true;
    QTest::newRow("exactly the bound") << size << true;
    QTest::newRow("one byte over") << size - 1 << false;
    QTest::newRow("far over") << qint64(10) << false;
}

void TestPostalIndex::readsNoMoreThanTheBound()
{
    // The size checked before reading says nothing of a file that grows meanwhile: the reading
    // itself keeps the bound.
    QFETCH(qint64, maxBytes);
    QFETCH(bool, loads);
    QBuffer buffer;
    buffer.setData(ReadAll(kExcerpt));
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    PostalIndex index;
    QCOMPARE(index.LoadFromDevice(buffer, maxBytes, 4), loads);
    QCOMPARE(index.count(), loads ? 13 : 0);
    QVERIFY(buffer.pos() <= maxBytes + 1);
}

void TestPostalIndex::wholeShippedTable()
{
    // Okinawa sits past line 122,001 of the published file: a capped table would lose it.
    PostalIndex index;
    QCOMPARE(LoadPostalIndex(index, kShippedTable), std::nullopt);
    QCOMPARE(index.count(), 124495);
    QCOMPARE(ShowAddressForPostalCode(index, u"9071801"_qs), u"沖縄県八重山郡与那国町与那国"_qs);
    QCOMPARE(ShowAddressForPostalCode(index, u"0600001"_qs), u"北海道札幌市中央区北一条西"_qs);
}

void TestPostalIndex::missingFile_data()
{
    QTest::addColumn<QString>("path");

    QTest::newRow("no such file") << kDataDir + u"/no_such_table.csv"_qs;
    QTest::newRow("no such folder") << u"/nonexistent-folder/ken_all.csv"_qs;
    QTest::newRow("a folder") << kDataDir;
    QTest::newRow("empty path") << QString();
}

void TestPostalIndex::missingFile()
{
    QFETCH(QString, path);
    PostalIndex index;
    QCOMPARE(LoadPostalIndex(index, kExcerpt), std::nullopt);
    // A failed load leaves the table empty, not holding the previous one.
    QCOMPARE(LoadPostalIndex(index, path), kMissingText);
    QCOMPARE(index.count(), 0);
    QCOMPARE(ShowAddressForPostalCode(index, u"0600000"_qs), kNotFound);
}

void TestPostalIndex::device_data()
{
    QTest::addColumn<bool>("throughLink");

    QTest::newRow("device") << false;
    QTest::newRow("link to a device") << true;
}

void TestPostalIndex::device()
{
    // Only read, never written; it gives an empty table when opened, so a loader that takes
    // devices fails here without harm.
    QFETCH(bool, throughLink);
    const QString device = u"/dev/null"_qs;
    struct stat status = {};
    if (::stat(QFile::encodeName(device).constData(), &status) != 0 || !S_ISCHR(status.st_mode)) {
        QSKIP("no null device here");
    }
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString path = device;
    if (throughLink) {
        path = dir.filePath(u"ken_all.csv"_qs);
        QVERIFY(QFile::link(device, path));
    }
    PostalIndex index;
    QCOMPARE(LoadPostalIndex(index, kExcerpt), std::nullopt);
    QCOMPARE(LoadPostalIndex(index, path), kMissingText);
    QCOMPARE(index.count(), 0);
}

void TestPostalIndex::fifoDoesNotBlock_data()
{
    QTest::addColumn<bool>("throughLink");

    QTest::newRow("FIFO") << false;
    QTest::newRow("link to a FIFO") << true;
}

void TestPostalIndex::fifoDoesNotBlock()
{
    QFETCH(bool, throughLink);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fifo = dir.filePath(u"ken_all.csv"_qs);
    const QByteArray fifoName = QFile::encodeName(fifo);
    if (::mkfifo(fifoName.constData(), 0600) != 0) {
        QSKIP("no FIFO can be made here");
    }
    QString path = fifo;
    if (throughLink) {
        path = dir.filePath(u"link.csv"_qs);
        QVERIFY(QFile::link(fifo, path));
    }
    // The test holds the FIFO open with a table line waiting in it. A loader that opens it gets
    // in at once and reads the line, then waits for more until the test lets go; so a loader that
    // blocks fails the test instead of hanging it.
    const int writer = ::open(fifoName.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
    QVERIFY(writer >= 0);
    const QByteArray line = Sjis(u"1,2,1111111,4,5,6,東京都,C,T\r\n"_qs);
    const bool written = ::write(writer, line.constData(), static_cast<size_t>(line.size())) == line.size();
    PostalIndex index;
    std::future<std::optional<QString>> loading =
        std::async(std::launch::async, [&index, &path] { return LoadPostalIndex(index, path); });
    const bool returned = loading.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
    ::close(writer);
    const std::optional<QString> failure = loading.get();
    QVERIFY(written);
    QVERIFY2(returned, "the load waited on the FIFO");
    QCOMPARE(failure, kMissingText);
    QCOMPARE(index.count(), 0);
}

void TestPostalIndex::tooLarge_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("loads");

    const qint64 mebibyte = 1024 * 1024;
    QTest::newRow("64 MiB") << 64 * mebibyte << true;
    QTest::newRow("one byte over") << 64 * mebibyte + 1 << false;
    QTest::newRow("65 MiB") << 65 * mebibyte << false;
}

void TestPostalIndex::tooLarge()
{
    // A real table padded with a hole of zero bytes: one long line without fields.
    QFETCH(qint64, size);
    QFETCH(bool, loads);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"ken_all.csv"_qs);
    QVERIFY(WriteFile(path, ReadAll(kExcerpt) + "\r\n"));
    QVERIFY(QFile::resize(path, size));
    PostalIndex index;
    QCOMPARE(LoadPostalIndex(index, path), loads ? std::nullopt : std::optional<QString>(kUnreadableText));
    QCOMPARE(index.count(), loads ? 13 : 0);
}

void TestPostalIndex::otherEncoding_data()
{
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<bool>("byteOrderMark");

    QTest::newRow("UTF-8") << QByteArray("UTF-8") << false;
    QTest::newRow("UTF-8 with byte-order mark") << QByteArray("UTF-8") << true;
    QTest::newRow("UTF-16LE with byte-order mark") << QByteArray("UTF-16LE") << true;
    QTest::newRow("EUC-JP") << QByteArray("EUC-JP") << false;
}

void TestPostalIndex::otherEncoding()
{
    // The same table in another encoding decodes as Shift_JIS into other characters.
    QFETCH(QByteArray, encoding);
    QFETCH(bool, byteOrderMark);
    QStringEncoder encoder(encoding.constData(),
                           byteOrderMark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
    if (!encoder.isValid()) {
        QSKIP("this Qt has no such encoding");
    }
    QStringDecoder decoder("Shift_JIS");
    const QByteArray table = encoder.encode(decoder.decode(ReadAll(kExcerpt)));
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"ken_all.csv"_qs);
    QVERIFY(WriteFile(path, table));
    PostalIndex index;
    QCOMPARE(LoadPostalIndex(index, path), kUnreadableText);
    QCOMPARE(index.count(), 0);
}

void TestPostalIndex::missingFileWarns()
{
    FakeInteraction interaction;
    interaction.ExpectTell(kMissingText, u"ファイル確認"_qs, MessageIcon::Warning);
    PostalIndex index;
    QVERIFY(!LoadPostalIndexOrWarn(index, kDataDir + u"/no_such_table.csv"_qs, interaction));
    QVERIFY2(interaction.Verify(), qPrintable(interaction.Report()));

    FakeInteraction quiet;
    QVERIFY(LoadPostalIndexOrWarn(index, kExcerpt, quiet));
    QVERIFY2(quiet.Verify(), qPrintable(quiet.Report()));
}

void TestPostalIndex::emptyFile()
{
    PostalIndex index;
    QCOMPARE(LoadPostalIndex(index, kDataDir + u"/postal_empty.csv"_qs), std::nullopt);
    QCOMPARE(index.count(), 0);
    QCOMPARE(ShowAddressForPostalCode(index, u"0600000"_qs), kNotFound);
}

void TestPostalIndex::unreadableFile()
{
    if (geteuid() == 0) {
        QSKIP("root reads every file");
    }
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(u"ken_all.csv"_qs);
    QVERIFY(QFile::copy(kExcerpt, path));
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
    PostalIndex index;
    const std::optional<QString> failure = LoadPostalIndex(index, path);
    QVERIFY(failure.has_value());
    QVERIFY(failure->contains(u"読み込めません"_qs));
    QCOMPARE(index.count(), 0);
}

QTEST_GUILESS_MAIN(TestPostalIndex)
#include "tst_postalindex.moc"
