#include "FakeInteraction.h"
#include "SampleEntries.h"
#include "app/MainController.h"
#include "memorydial/MemoryDialReader.h"
#include "memorydial/MemoryDialWriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

const QString kAskOverLoaded =
    QStringLiteral("既にメモリダイヤルが読み込まれています。　新たなメモリダイヤルを読み込みますか？　");
const QString kAskRecentOverLoaded =
    QStringLiteral("既に読み込まれているメモリデータがあります。　新たなメモリデータを読み込みますか？　");
const QString kReadTitle = QStringLiteral("読込確認");
const QString kOpenTitle = QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙを開く");
const QString kSaveTitle = QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙの保存");
const QString kOverwrite = QStringLiteral("既存のメモリダイヤルが存在します。　上書きしますか？　");
const QString kOverwriteTitle = QStringLiteral("上書き確認");
const QString kMissing = QStringLiteral("指定したメモリデータが存在しません。　存在を確認して下さい。　");
const QString kMissingTitle = QStringLiteral("ﾒﾓﾘﾃﾞｰﾀの存在確認");

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestMainController : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    MemoryDial m_dial;
    FakeInteraction m_fake;
    QList<QStringList> m_savedRireki;
    std::unique_ptr<MainController> m_controller;

    QString Path(const QString& name) const { return m_dir.filePath(name); }

    // A memory dial of `count` entries whose names start with `prefix`.
    QString MakeFile(const QString& name, int count, const QString& prefix = QStringLiteral("名前"))
    {
        QList<Entry> rows = SampleRows(count);
        for (int i = 0; i < count; ++i) {
            rows[i][kColName] = prefix + QString::number(i);
        }
        const QString path = Path(name);
        const MemoryDialWriteResult written = WriteMemoryDial(path, rows, QStringLiteral("VERSION:3.0"));
        if (!written.ok) {
            qFatal("cannot write the test file %s", qPrintable(path));
        }
        return path;
    }

    void Open(const QString& path)
    {
        if (m_dial.EntryCount >= 1) {
            m_fake.ExpectAsk(kAskOverLoaded, kReadTitle, true);
        }
        m_fake.ExpectOpenFile(kOpenTitle, path);
        m_controller->mnuFileOpen_Click();
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        for (const QFileInfo& info :
             QDir(m_dir.path()).entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            QVERIFY(info.isDir() && !info.isSymLink() ? QDir(info.filePath()).removeRecursively()
                                                      : QFile::remove(info.filePath()));
        }
        m_dial = MemoryDial();
        m_fake = FakeInteraction();
        m_savedRireki.clear();
        m_controller = std::make_unique<MainController>(m_dial, m_fake, QStringLiteral("/opt/morvanx"),
                                                        [this](const QStringList& r) { m_savedRireki << r; });
    }
    void cleanup() { VERIFY_INTERACTION(m_fake); }

    void startsWithNothingEnabled()
    {
        QCOMPARE(m_controller->Commands(), MainCommandState{});
        QCOMPARE(m_controller->Caption(), QStringLiteral("Morvane for Windows"));
    }

    void openIntoEmptyWindow()
    {
        const QString path = MakeFile(QStringLiteral("Family.Vcf"), 3);
        Open(path);
        QCOMPARE(m_fake.lastFolder, QStringLiteral("/opt/morvanx"));
        QCOMPARE(m_fake.lastFilter, QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙ(*.VCF)|*.VCF"));
        QCOMPARE(m_dial.RowCount(), 3);
        QCOMPARE(m_dial.EntryCount, 3);
        QCOMPARE(m_dial.SelectedRow, 1);
        QCOMPARE(m_dial.CurrentPath, path);
        QCOMPARE(m_controller->Caption(), QStringLiteral("Morvane for Windows - [ ") + path + QStringLiteral(" ]"));
        QCOMPARE(m_controller->Commands(), (MainCommandState{true, true, true}));
        QCOMPARE(m_dial.Rireki.first(), path);
        QCOMPARE(m_savedRireki.size(), 1);
        QCOMPARE(m_savedRireki.first(), (QStringList{path, {}, {}, {}, {}}));
        QCOMPARE(m_dial.EntryNumbers.mid(0, 4),
                 (QStringList{QStringLiteral("000"), QStringLiteral("001"), QStringLiteral("002"), QString()}));
    }

    void openOverLoaded_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("OK reads the new file") << true;
        QTest::newRow("Cancel keeps the old one") << false;
    }
    void openOverLoaded()
    {
        QFETCH(bool, answer);
        const QString first = MakeFile(QStringLiteral("a.VCF"), 2, QStringLiteral("A"));
        const QString second = MakeFile(QStringLiteral("b.VCF"), 5, QStringLiteral("B"));
        Open(first);
        m_fake.ExpectAsk(kAskOverLoaded, kReadTitle, answer);
        if (answer) {
            m_fake.ExpectOpenFile(kOpenTitle, second);
        }
        m_controller->mnuFileOpen_Click();
        QCOMPARE(m_dial.CurrentPath, answer ? second : first);
        QCOMPARE(m_dial.RowCount(), answer ? 5 : 2);
        QCOMPARE(m_dial.Rireki.first(), answer ? second : first);
    }

    void openOverTypedEntriesAsks()
    {
        // A new memory dial whose entries exist only in the list: nothing was read, so
        // EntryCount is 0, but opening must not throw the typed entries away unasked.
        m_dial.rows = SampleRows(2);
        const QString path = MakeFile(QStringLiteral("other.VCF"), 4);
        m_fake.ExpectAsk(kAskOverLoaded, kReadTitle, false);
        m_controller->mnuFileOpen_Click();
        QCOMPARE(m_dial.RowCount(), 2);
        m_dial.Rireki[0] = path;
        m_fake.ExpectAsk(
            QStringLiteral("既に読み込まれているメモリデータがあります。　新たなメモリデータを読み込みますか？　"),
            kReadTitle, false);
        m_controller->mnuFileArray_Click(1);
        QCOMPARE(m_dial.RowCount(), 2);
    }

    void cancelledChooserChangesNothing()
    {
        const QString first = MakeFile(QStringLiteral("a.VCF"), 2);
        Open(first);
        m_fake.ExpectAsk(kAskOverLoaded, kReadTitle, true);
        m_fake.ExpectOpenFile(kOpenTitle, QString());
        m_controller->mnuFileOpen_Click();
        QCOMPARE(m_dial.CurrentPath, first);
        QCOMPARE(m_dial.RowCount(), 2);
        QCOMPARE(m_savedRireki.size(), 1);
    }

    void failedReadStopsAfterTheMessage()
    {
        const QString first = MakeFile(QStringLiteral("a.VCF"), 2);
        Open(first);
        m_dial.SelectedRow = 2;
        const QStringList rireki = m_dial.Rireki;
        m_fake.ExpectAsk(kAskOverLoaded, kReadTitle, true);
        m_fake.ExpectOpenFile(kOpenTitle, Path(QStringLiteral("gone.VCF")));
        m_fake.ExpectTell(kMissing, kMissingTitle, MessageIcon::Error);
        m_controller->mnuFileOpen_Click();
        QCOMPARE(m_dial.CurrentPath, first);
        QCOMPARE(m_dial.Rireki, rireki);
        QCOMPARE(m_savedRireki.size(), 1);
        QCOMPARE(m_dial.RowCount(), 2);
        QCOMPARE(m_dial.SelectedRow, 2);
    }

    void historyOrder_data()
    {
        QTest::addColumn<int>("reopened");
        QTest::addColumn<QStringList>("expected");
        // History before: e d c b a (newest first).
        QTest::newRow("third moves to the top") << 2 << QStringList{u"c"_s, u"e"_s, u"d"_s, u"b"_s, u"a"_s};
        QTest::newRow("first stays") << 4 << QStringList{u"e"_s, u"d"_s, u"c"_s, u"b"_s, u"a"_s};
        QTest::newRow("last moves up") << 0 << QStringList{u"a"_s, u"e"_s, u"d"_s, u"c"_s, u"b"_s};
        QTest::newRow("new path pushes the oldest out") << -1 << QStringList{u"f"_s, u"e"_s, u"d"_s, u"c"_s, u"b"_s};
    }
    void historyOrder()
    {
        QFETCH(int, reopened);
        QFETCH(QStringList, expected);
        const QStringList names{u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s, u"f"_s};
        for (const QString& name : names) {
            MakeFile(name + QStringLiteral(".VCF"), 1);
        }
        for (int i = 0; i < 5; ++i) {
            Open(Path(names[i] + QStringLiteral(".VCF")));
        }
        Open(Path((reopened < 0 ? names[5] : names[reopened]) + QStringLiteral(".VCF")));
        QStringList got;
        for (const QString& path : m_dial.Rireki) {
            got << QFileInfo(path).completeBaseName();
        }
        QCOMPARE(got, expected);
        QCOMPARE(m_savedRireki.last(), m_dial.Rireki);
    }

    void pathsKeepTheirLetterCase()
    {
        const QString lower = MakeFile(QStringLiteral("dial.vcf"), 1, QStringLiteral("lower"));
        const QString upper = MakeFile(QStringLiteral("DIAL.VCF"), 2, QStringLiteral("upper"));
        Open(lower);
        Open(upper);
        QCOMPARE(m_dial.Rireki.mid(0, 3), (QStringList{upper, lower, QString()}));
        QCOMPARE(m_dial.CurrentPath, upper);
        Open(lower);
        QCOMPARE(m_dial.Rireki.mid(0, 3), (QStringList{lower, upper, QString()}));
        QCOMPARE(m_dial.Cell(1, kColName), QStringLiteral("lower0"));
    }

    void sortOnOpen_data()
    {
        QTest::addColumn<bool>("option");
        QTest::addColumn<QString>("firstNumber");
        QTest::newRow("OptSort 1") << true << QStringLiteral("000");
        QTest::newRow("OptSort 0") << false << QStringLiteral("002");
    }
    void sortOnOpen()
    {
        QFETCH(bool, option);
        QFETCH(QString, firstNumber);
        QList<Entry> rows = SampleRows(3);
        std::reverse(rows.begin(), rows.end());
        const QString path = Path(QStringLiteral("reversed.VCF"));
        QVERIFY(WriteMemoryDial(path, rows, QStringLiteral("VERSION:3.0")).ok);
        m_controller->SetSortOnOpen(option);
        Open(path);
        QCOMPARE(m_dial.Cell(1, kColNumber), firstNumber);
        QCOMPARE(m_dial.SelectedRow, 1);
    }

    void openRecent_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }
    void openRecent()
    {
        QFETCH(bool, answer);
        QList<Entry> rows = SampleRows(3);
        std::reverse(rows.begin(), rows.end());
        const QString reversed = Path(QStringLiteral("reversed.VCF"));
        QVERIFY(WriteMemoryDial(reversed, rows, QStringLiteral("VERSION:3.0")).ok);
        const QString other = MakeFile(QStringLiteral("other.VCF"), 1);
        m_controller->SetSortOnOpen(true);
        Open(reversed);
        Open(other);
        m_dial.Rireki[2] = Path(QStringLiteral("third.VCF"));
        m_fake.ExpectAsk(kAskRecentOverLoaded, kReadTitle, answer);
        m_controller->mnuFileArray_Click(2);
        if (!answer) {
            QCOMPARE(m_dial.CurrentPath, other);
            return;
        }
        QCOMPARE(m_dial.CurrentPath, reversed);
        QCOMPARE(m_dial.Rireki.mid(0, 3), (QStringList{reversed, other, Path(QStringLiteral("third.VCF"))}));
        QCOMPARE(m_savedRireki.last(), m_dial.Rireki);
        // The history does not apply the sort-on-open option.
        QCOMPARE(m_dial.Cell(1, kColNumber), QStringLiteral("002"));
        QCOMPARE(m_dial.SelectedRow, 1);
    }

    void failedRecentLeavesHistory()
    {
        const QString first = MakeFile(QStringLiteral("a.VCF"), 1);
        Open(first);
        m_dial.Rireki[1] = Path(QStringLiteral("removed.VCF"));
        const QStringList rireki = m_dial.Rireki;
        m_fake.ExpectAsk(kAskRecentOverLoaded, kReadTitle, true);
        m_fake.ExpectTell(kMissing, kMissingTitle, MessageIcon::Error);
        m_controller->mnuFileArray_Click(2);
        QCOMPARE(m_dial.Rireki, rireki);
        QCOMPARE(m_dial.CurrentPath, first);
    }

    void saveAsNewFile()
    {
        m_dial.rows = SampleRows(2);
        m_dial.EntryCount = 2;
        const QString target = Path(QStringLiteral("New.VCF"));
        m_fake.ExpectSaveFile(kSaveTitle, target);
        m_fake.ExpectTell(QStringLiteral("新規にメモリダイヤルを保存しました。　"), QStringLiteral("新規保存確認"),
                          MessageIcon::Information);
        m_controller->mnuFileSave_Click(1);
        QCOMPARE(m_fake.lastFolder, QStringLiteral("/opt/morvanx"));
        QCOMPARE(m_dial.CurrentPath, target);
        QCOMPARE(m_dial.VcVer, QStringLiteral("VERSION:3.0"));
        const MemoryDialReadResult back = MemoryDataOpen(target, QStringList());
        QVERIFY(back.content);
        QCOMPARE(back.content->rows, m_dial.rows);
    }

    void saveOverExisting_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("answer");
        QTest::newRow("save, OK") << 0 << true;
        QTest::newRow("save, Cancel") << 0 << false;
        QTest::newRow("save as, OK") << 1 << true;
        QTest::newRow("save as, Cancel") << 1 << false;
    }
    void saveOverExisting()
    {
        QFETCH(int, index);
        QFETCH(bool, answer);
        const QString current = MakeFile(QStringLiteral("current.VCF"), 3);
        const QString other = MakeFile(QStringLiteral("other.VCF"), 1);
        Open(current);
        m_dial.rows.removeFirst();
        const QString target = index == 0 ? current : other;
        const QByteArray before = ReadFile(target);
        if (index == 1) {
            m_fake.ExpectSaveFile(kSaveTitle, other);
        }
        // No "saved" message after an overwrite.
        m_fake.ExpectAsk(kOverwrite, kOverwriteTitle, answer);
        m_controller->mnuFileSave_Click(index);
        if (answer) {
            QVERIFY(ReadFile(target) != before);
            QCOMPARE(MemoryDataOpen(target, QStringList()).content->rows, m_dial.rows);
            QCOMPARE(m_dial.CurrentPath, target);
        } else {
            QCOMPARE(ReadFile(target), before);
            QCOMPARE(m_dial.CurrentPath, current);
        }
    }

    void plainSaveWithoutFileDoesNothing()
    {
        m_dial.rows = SampleRows(1);
        m_controller->mnuFileSave_Click(0);
        QVERIFY(m_dial.CurrentPath.isEmpty());
    }

    void cancelledSaveChooserDoesNothing()
    {
        m_dial.rows = SampleRows(1);
        m_fake.ExpectSaveFile(kSaveTitle, QString());
        m_controller->mnuFileSave_Click(1);
        QVERIFY(m_dial.CurrentPath.isEmpty());
        QVERIFY(m_dial.VcVer.isEmpty());
    }

    void failedSaveChangesNothing_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("memo");
        QTest::newRow("missing folder") << QStringLiteral("no/such/folder/x.VCF") << QStringLiteral("ok");
        QTest::newRow("character code page 932 lacks") << QStringLiteral("current.VCF") << QStringLiteral("😀");
        QTest::newRow("FIFO, refused before any question") << QStringLiteral("pipe.VCF") << QStringLiteral("ok");
        QTest::newRow("folder, refused before any question") << QStringLiteral("folder.VCF") << QStringLiteral("ok");
    }
    void failedSaveChangesNothing()
    {
        QFETCH(QString, target);
        QFETCH(QString, memo);
        const QString current = MakeFile(QStringLiteral("current.VCF"), 2);
        Open(current);
        const QByteArray before = ReadFile(current);
        m_dial.rows[1][kColMemo] = memo;
        const QList<Entry> rows = m_dial.rows;
        if (target == u"pipe.VCF" && mkfifo(QFile::encodeName(Path(target)).constData(), 0600) != 0) {
            QSKIP("cannot make a FIFO here");
        }
        if (target == u"folder.VCF") {
            QVERIFY(QDir(m_dir.path()).mkdir(target));
        }
        m_fake.ExpectSaveFile(kSaveTitle, Path(target));
        if (QFileInfo(Path(target)).isFile()) {
            m_fake.ExpectAsk(kOverwrite, kOverwriteTitle, true);
        }
        m_fake.ExpectAnyTell(QStringLiteral("保存確認"), MessageIcon::Error);
        m_controller->mnuFileSave_Click(1);
        QCOMPARE(ReadFile(current), before);
        QCOMPARE(m_dial.rows, rows);
        QCOMPARE(m_dial.CurrentPath, current);
    }

    void separatorQuestion_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("OK writes as it stands") << true;
        QTest::newRow("Cancel writes nothing") << false;
    }
    void separatorQuestion()
    {
        QFETCH(bool, answer);
        const QString current = MakeFile(QStringLiteral("current.VCF"), 3);
        Open(current);
        const QByteArray before = ReadFile(current);
        m_dial.rows[2][kColMemo] = QStringLiteral("東京, 大阪");
        m_fake.ExpectAsk(kOverwrite, kOverwriteTitle, true);
        m_fake.ExpectAsk(
            QStringLiteral("No.002 の「ﾒﾓ」に、カンマ（,）または改行が含まれています。　このまま保存すると、"
                           "次に読み込んだ時にその位置から後ろが失われます。　保存しますか？　"),
            QStringLiteral("保存確認"), answer, MessageIcon::Warning);
        m_controller->mnuFileSave_Click(0);
        QCOMPARE(ReadFile(current) == before, !answer);
    }

    // A save over the file that was read looks at it first: changed by someone else since, or
    // holding properties that no cell keeps, it is replaced only when the user says so.
    void saveOverChangedOrRicherFile_data()
    {
        QTest::addColumn<bool>("changedOnDisk");
        QTest::addColumn<bool>("foreign");
        QTest::addColumn<int>("choice"); // ChangedFileChoice, or the answer to the loss question
        QTest::addColumn<QString>("written");
        QTest::newRow("changed, overwrite") << true << false << int(ChangedFileChoice::Overwrite) << u"current"_s;
        QTest::newRow("changed, save as") << true << false << int(ChangedFileChoice::SaveAs) << u"other"_s;
        QTest::newRow("changed, cancel") << true << false << int(ChangedFileChoice::Cancel) << QString();
        QTest::newRow("properties lost, OK") << false << true << 1 << u"current"_s;
        QTest::newRow("properties lost, Cancel") << false << true << 0 << QString();
        QTest::newRow("unchanged plain file") << false << false << 0 << u"current"_s;
    }
    void saveOverChangedOrRicherFile()
    {
        QFETCH(bool, changedOnDisk);
        QFETCH(bool, foreign);
        QFETCH(int, choice);
        QFETCH(QString, written);
        const QString current = MakeFile(u"current.VCF"_s, 3);
        if (foreign) {
            QFile file(current);
            QVERIFY(file.open(QIODevice::Append));
            file.write("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:x\r\nX-REDUCTION:9\r\nX-GNO:0\r\nORG:Acme\r\nPHOTO;ENCODING=b:"
                       "AAAA\r\nEND:VCARD\r\n");
            file.close();
        }
        m_fake.ExpectOpenFile(kOpenTitle, current);
        if (foreign) {
            m_fake.ExpectTell(
                u"このファイルには、メモリダイヤルに保存できない項目があります：ORG、PHOTO。　上書き保存すると"
                u"失われます。　他のアドレス帳は「ｱﾄﾞﾚｽ帳の取り込み(I)...」で取り込んで下さい。　"_s,
                u"ﾒﾓﾘﾃﾞｰﾀの形式確認"_s, MessageIcon::Warning);
        }
        m_controller->mnuFileOpen_Click();
        m_dial.rows.removeFirst();
        if (changedOnDisk) {
            // Three entries added by another program.
            MakeFile(u"current.VCF"_s, 6, u"外部"_s);
        }
        const QByteArray before = ReadFile(current);
        const QString other = Path(u"other.VCF"_s);
        m_fake.ExpectAsk(kOverwrite, kOverwriteTitle, true);
        if (changedOnDisk) {
            m_fake.ExpectAskChanged(u"「"_s + current +
                                        u"」は、読み込んだ後に他のプログラムによって変更されています。　上書きすると、"
                                        u"その変更は失われます。　"_s,
                                    kOverwriteTitle, ChangedFileChoice(choice));
            if (ChangedFileChoice(choice) == ChangedFileChoice::SaveAs) {
                m_fake.ExpectSaveFile(kSaveTitle, other);
                m_fake.ExpectTell(u"新規にメモリダイヤルを保存しました。　"_s, u"新規保存確認"_s,
                                  MessageIcon::Information);
            }
        }
        if (foreign) {
            m_fake.ExpectAsk(u"上書きすると、このファイルの次の項目が失われます：ORG、PHOTO。　上書きしますか？　"_s,
                             kOverwriteTitle, choice == 1, MessageIcon::Warning);
        }
        m_controller->mnuFileSave_Click(0);
        QCOMPARE(ReadFile(current) == before, written != u"current");
        QCOMPARE(QFile::exists(other), written == u"other");
        if (!written.isEmpty()) {
            const QString path = written == u"current" ? current : other;
            QCOMPARE(MemoryDataOpen(path, QStringList()).content->rows, m_dial.rows);
            QCOMPARE(m_dial.CurrentPath, path);
            QVERIFY(!m_controller->Modified());
            // Saved once, the file is ours: the next save asks only the overwrite question.
            m_fake.ExpectAsk(kOverwrite, kOverwriteTitle, true);
            m_controller->mnuFileSave_Click(0);
        }
    }

    void importOfTheOpenFileIsRefused()
    {
        const QString current = MakeFile(u"current.VCF"_s, 3);
        Open(current);
        m_fake.ExpectOpenFile(u"ｱﾄﾞﾚｽ帳の取り込み"_s, current);
        m_fake.ExpectTell(u"開いているメモリダイヤル自身は取り込めません。　別のファイルを選択して下さい。　"_s,
                          u"取り込み結果"_s, MessageIcon::Error);
        m_controller->mnuFileImport_Click();
        QCOMPARE(m_dial.RowCount(), 3);
    }

    // Import from the ﾌｧｲﾙ menu: rows appended after the open ones (or into a new memory dial,
    // which then needs a name to be saved), and one report whose icon says how it went.
    void importFlow_data()
    {
        QTest::addColumn<bool>("opened");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("added");
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("detail");

        const QByteArray two = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:山田 太郎\r\nTEL;TYPE=CELL:090-1111-2222\r\n"
                               "END:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nFN:鈴木 花子\r\nEND:VCARD\r\n";
        QByteArray sixNumbers = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:電話の多い人\r\n";
        for (int i = 0; i < 6; ++i) {
            sixNumbers += "TEL:0312345" + QByteArray::number(670 + i) + "\r\n";
        }
        sixNumbers += "END:VCARD\r\n";
        QTest::newRow("into an open file")
            << true << two << 2 << MessageIcon::Information << u"取り込んだ個別情報：2 件\n"_s << QString();
        QTest::newRow("into a new memory dial")
            << false << two << 2 << MessageIcon::Information << u"取り込んだ個別情報：2 件\n"_s << QString();
        QTest::newRow("a value left out")
            << true << sixNumbers << 1 << MessageIcon::Warning
            << u"取り込んだ個別情報：1 件\n取り込めなかった値は、次のとおりです。　"_s << u"0312345675"_s;
        QTest::newRow("a number already there")
            << true << "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:名前1\r\nTEL:+81 90 0000 0001\r\nEND:VCARD\r\n"_ba + two << 3
            << MessageIcon::Information
            << u"取り込んだ個別情報：3 件\n既にある個別情報と重複しているらしい個別情報：1 件"
               u"（「編集」→「重複の検出と統合」で確認できます）\n"_s
            << QString();
        QTest::newRow("no address book") << true << QByteArray("just some text\n") << 0 << MessageIcon::Error
                                         << QString() << QString();
    }
    void importFlow()
    {
        QFETCH(bool, opened);
        QFETCH(QByteArray, contents);
        QFETCH(int, added);
        QFETCH(MessageIcon, icon);
        QFETCH(QString, summary);
        QFETCH(QString, detail);
        const int before = opened ? 3 : 0;
        if (opened) {
            Open(MakeFile(QStringLiteral("Open.VCF"), before));
        }
        const QString source = Path(QStringLiteral("contacts.vcf"));
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
        file.close();
        const MainCommandState state = m_controller->Commands();

        m_fake.ExpectOpenFile(QStringLiteral("ｱﾄﾞﾚｽ帳の取り込み"), source);
        m_fake.ExpectReport(summary, QStringLiteral("取り込み結果"), icon);
        // The window shows the new rows before the report that talks about them.
        QString lastBeforeShown;
        m_controller->SetRowsChanged([&] { lastBeforeShown = m_fake.log.last(); });
        m_controller->mnuFileImport_Click();
        QCOMPARE(lastBeforeShown, added > 0 ? u"OpenFile: ｱﾄﾞﾚｽ帳の取り込み"_s : QString());

        QCOMPARE(m_dial.RowCount(), before + added);
        QVERIFY(m_fake.lastDetails.contains(detail));
        if (added == 0) {
            QCOMPARE(m_controller->Commands(), state);
            QVERIFY(!m_controller->Modified());
            return;
        }
        QCOMPARE(m_dial.EntryCount, before + added);
        QCOMPARE(m_dial.SelectedRow, 1);
        QVERIFY(m_controller->Modified());
        QCOMPARE(m_controller->Commands().save, true);
        QCOMPARE(m_controller->Commands().saveAsOnly, !opened);
        // Imported entries take free numbers after the open ones.
        QCOMPARE(m_dial.rows[before][kColNumber], QStringLiteral("%1").arg(before, 3, 10, QChar(u'0')));
    }

    // An import that brought in look-alikes offers their list, when the window can show it.
    void importOffersTheDuplicates_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("OK shows the list") << true;
        QTest::newRow("Cancel does not") << false;
    }
    void importOffersTheDuplicates()
    {
        QFETCH(bool, answer);
        Open(MakeFile(u"Open.VCF"_s, 3));
        const QString source = Path(u"contacts.vcf"_s);
        QFile file(source);
        const QByteArray twin = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:名前1\r\nTEL:+81 90 0000 0001\r\nEND:VCARD\r\n";
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(twin) == twin.size());
        file.close();
        int shown = 0;
        m_controller->SetShowDuplicates([&shown] { ++shown; });
        m_fake.ExpectOpenFile(u"ｱﾄﾞﾚｽ帳の取り込み"_s, source);
        m_fake.ExpectReport(QString(), u"取り込み結果"_s, MessageIcon::Information);
        m_fake.ExpectAsk(u"重複しているらしい個別情報の一覧を表示しますか？　"_s, u"取り込み結果"_s, answer);
        m_controller->mnuFileImport_Click();
        QCOMPARE(shown, answer ? 1 : 0);
    }

    void cancelledImportChangesNothing()
    {
        m_fake.ExpectOpenFile(QStringLiteral("ｱﾄﾞﾚｽ帳の取り込み"), QString());
        m_controller->mnuFileImport_Click();
        QCOMPARE(m_dial.RowCount(), 0);
        QCOMPARE(m_controller->Commands(), MainCommandState{});
    }

    // Export from the ﾌｧｲﾙ menu: the format by the name's extension, every or the ticked
    // entries, and never over the open memory dial or something that is no regular file.
    void exportFlow_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("existing"); // "", "file", "fifo", "open", "link to open"
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<QByteArray>("start");
        QTest::addColumn<int>("cards");

        const QByteArray vcard("BEGIN:VCARD\r\nVERSION:3.0\r\n");
        const QByteArray csv("\xEF\xBB\xBF");
        QTest::newRow("all as vCard") << 0 << false << u"out.vcf"_s << u"out.vcf"_s << QString() << false << vcard << 3;
        QTest::newRow("ticked as CSV") << 1 << true << u"out.CSV"_s << u"out.CSV"_s << QString() << false << csv << 2;
        QTest::newRow("no extension") << 0 << false << u"out"_s << u"out.vcf"_s << QString() << false << vcard << 3;
        QTest::newRow("none ticked") << 1 << false << QString() << u"out.vcf"_s << QString() << false << QByteArray()
                                     << 0;
        QTest::newRow("overwrite declined")
            << 0 << false << u"old.vcf"_s << u"old.vcf"_s << u"file"_s << false << QByteArray("old") << 0;
        QTest::newRow("overwrite accepted")
            << 0 << false << u"old.vcf"_s << u"old.vcf"_s << u"file"_s << true << vcard << 3;
        QTest::newRow("over the open file")
            << 0 << false << u"Open.VCF"_s << u"nothing.vcf"_s << u"open"_s << false << QByteArray() << 0;
        QTest::newRow("over a link to the open file")
            << 0 << false << u"link.vcf"_s << u"nothing.vcf"_s << u"link to open"_s << false << QByteArray() << 0;
        QTest::newRow("fifo") << 0 << false << u"pipe.vcf"_s << u"nothing.vcf"_s << u"fifo"_s << false << QByteArray()
                              << 0;
    }
    void exportFlow()
    {
        QFETCH(int, index);
        QFETCH(bool, ticked);
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QFETCH(QString, existing);
        QFETCH(bool, overwrite);
        QFETCH(QByteArray, start);
        QFETCH(int, cards);
        const QString open = MakeFile(QStringLiteral("Open.VCF"), 3);
        Open(open);
        if (ticked) {
            m_dial.rows[0].checked = true;
            m_dial.rows[2].checked = true;
        }
        const QByteArray openBytes = ReadFile(open);
        if (existing == u"file") {
            QFile old(Path(chosen));
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        } else if (existing == u"link to open") {
            QVERIFY(QFile::link(open, Path(chosen)));
        } else if (existing == u"fifo" && mkfifo(QFile::encodeName(Path(chosen)).constData(), 0600) != 0) {
            QSKIP("cannot make a FIFO here");
        }

        if (index == 1 && !ticked) {
            m_fake.ExpectTell(u"書き出す個別情報を選択して下さい。　"_s, u"選択確認"_s, MessageIcon::Warning);
        } else {
            m_fake.ExpectSaveFile(QStringLiteral("ｱﾄﾞﾚｽ帳への書き出し"), Path(chosen));
            if (existing == u"open" || existing == u"link to open") {
                m_fake.ExpectTell(u"開いているメモリダイヤルには書き出せません。　別の名前を指定して下さい。　"_s,
                                  u"書き出し結果"_s, MessageIcon::Error);
            } else if (existing == u"fifo") {
                m_fake.ExpectAnyTell(u"書き出し結果"_s, MessageIcon::Error);
            } else {
                if (existing == u"file") {
                    m_fake.ExpectAsk(u"既存のファイルが存在します。　上書きしますか？　"_s, kOverwriteTitle, overwrite);
                }
                if (existing.isEmpty() || overwrite) {
                    m_fake.ExpectReport(u"書き出した個別情報：%1 件\n"_s.arg(cards), u"書き出し結果"_s,
                                        MessageIcon::Information);
                }
            }
        }
        const QStringList filesBefore = QDir(m_dir.path()).entryList(QDir::Files | QDir::System);
        m_controller->mnuFileExport_Click(index);

        QCOMPARE(ReadFile(open), openBytes);
        if (cards == 0) {
            QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::System), filesBefore);
            QCOMPARE(ReadFile(Path(written)), start);
            return;
        }
        const QByteArray bytes = ReadFile(Path(written));
        QVERIFY2(bytes.startsWith(start), bytes.left(40).constData());
        if (start.startsWith("BEGIN")) {
            QCOMPARE(bytes.count("BEGIN:VCARD"), cards);
        } else {
            QCOMPARE(bytes.count("\r\n"), cards + 1);
            QVERIFY(bytes.contains("名前0") && !bytes.contains("名前1") && bytes.contains("名前2"));
        }
    }

    void exitQuestion_data()
    {
        QTest::addColumn<bool>("answer");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }
    void exitQuestion()
    {
        QFETCH(bool, answer);
        m_fake.ExpectAsk(QStringLiteral("「Morvane for Windows」 を終了しますか？　"), QStringLiteral("終了確認"),
                         answer);
        QCOMPARE(m_controller->mnuFileEnd_Click(), answer);
    }
};

QTEST_GUILESS_MAIN(TestMainController)
#include "tst_maincontroller.moc"
