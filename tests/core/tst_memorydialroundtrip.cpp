#include "RoundTripCheck.h"

#include "memorydial/MemoryDialWriter.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// Pieces of cell text: ordinary ones, and the property names, type codes and separators that
// the reader looks for, so that cells meet them in every combination. Commas and line ends
// stay out: such cells are not read back whole, and the user is asked before they are saved.
const QStringList kPieces = {
    u"山田"_s,  u"ﾔﾏﾀﾞ"_s,   u"あ"_s,  u"\uE000"_s, u"Taro"_s,     u"03"_s,        u"-"_s,
    u"1234"_s,  u" "_s,      u"\t"_s,  u"\""_s,     u":"_s,        u";"_s,         u":;"_s,
    u";;;;"_s,  u"F"_s,      u"N:"_s,  u"FN:"_s,    u"NOTE:"_s,    u"TEL;TYPE="_s, u"PREF"_s,
    u"CELL:"_s, u"HOME:;"_s, u"END"_s, u"X-"_s,     u"VERSION:"_s, u"BEGIN:"_s,    u"REV:"_s,
};
// Kind words of every table, and words no table knows.
const QStringList kKinds = {u""_s,     u"携帯"_s, u"自宅"_s, u"仕事"_s,   u"会社"_s,
                            u"学校"_s, u"FAX"_s,  u"PHS"_s,  u"その他"_s, u"不明"_s};
const QStringList kConstellations = {u""_s, u"魚"_s, u"山羊"_s, u"蛇"_s};

QString RandomText(QRandomGenerator& random)
{
    QString text;
    for (int n = random.bounded(4); n > 0; --n) {
        text += kPieces[random.bounded(kPieces.size())];
    }
    return text;
}

// A memory dial of a few entries with random cells, as the writer saves it.
QByteArray GeneratedFile(quint32 seed)
{
    QRandomGenerator random(seed);
    QList<Entry> rows;
    for (int count = random.bounded(1, 6); count > 0; --count) {
        Entry entry;
        for (int cell = kColNumber; cell < kEntryColumnCount; ++cell) {
            entry[cell] = RandomText(random);
        }
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            entry[TelKindCell(slot)] = kKinds[random.bounded(kKinds.size())];
            entry[MailKindCell(slot)] = kKinds[random.bounded(kKinds.size())];
        }
        entry[kColAddressKind] = kKinds[random.bounded(kKinds.size())];
        entry[kColConstellation] = kConstellations[random.bounded(kConstellations.size())];
        rows << entry;
    }
    QString error;
    return EncodeMemoryDial(rows, random.bounded(2) ? u"VERSION:3.0"_s : u"VERSION:2.1"_s, error)
        .value_or(QByteArray());
}

} // namespace

class TestMemoryDialRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void saveReadSave_data();
    void saveReadSave();
};

void TestMemoryDialRoundTrip::saveReadSave_data()
{
    QTest::addColumn<QByteArray>("bytes");
    // Fuzz inputs include files that are refused; the others must be read.
    QTest::addColumn<bool>("readable");
    for (quint32 seed = 1; seed <= 400; ++seed) {
        QTest::addRow("generated %u", seed) << GeneratedFile(seed) << true;
    }
    const QStringList folders = {QStringLiteral(MORVANX_TEST_DATA "/memorydial"),
                                 QStringLiteral(MORVANX_FUZZ_CORPUS "/reader"),
                                 QStringLiteral(MORVANX_FUZZ_CORPUS "/roundtrip")};
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList(QDir::Files)) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QTest::newRow(qPrintable(dir.dirName() + u'/' + name))
                << file.readAll() << !folder.startsWith(QStringLiteral(MORVANX_FUZZ_CORPUS));
        }
    }
}

void TestMemoryDialRoundTrip::saveReadSave()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, readable);
    QVERIFY(!bytes.isEmpty());
    if (readable) {
        QVERIFY(ParseMemoryDial(bytes, QStringList()).content);
    }
    const QString fault = RoundTripFault(bytes);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

QTEST_GUILESS_MAIN(TestMemoryDialRoundTrip)
#include "tst_memorydialroundtrip.moc"
