#include "FakeInteraction.h"
#include "SampleEntries.h"
#include "app/MainController.h"
#include "memorydial/MemoryDialReader.h"
#include "memorydial/MemoryDialWriter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

const QString kSaveChanges = u"変更を保存しますか"_s;
const QString kSaveChangesTitle = u"変更確認"_s;
const QString kOverwrite = u"既存のメモリダイヤルが存在します。　上書きしますか？　"_s;
const QString kOverwriteTitle = u"上書き確認"_s;
const QString kOpenTitle = u"ﾒﾓﾘﾀﾞｲﾔﾙを開く"_s;
const QString kReadTitle = u"読込確認"_s;
const QString kAskOverLoaded = u"既にメモリダイヤルが読み込まれています。　新たなメモリダイヤルを読み込みますか？　"_s;

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a user does to an open memory dial of four entries, scripting the questions it raises.
using Step = std::function<void(MainController&, FakeInteraction&, const QTemporaryDir&)>;

} // namespace

Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(SaveChoice)

class TestUnsavedChanges : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    MemoryDial m_dial;
    FakeInteraction m_fake;
    std::unique_ptr<MainController> m_controller;
    QString m_path;

    QString MakeFile(const QString& name, int count, const QString& prefix)
    {
        QList<Entry> rows = SampleRows(count);
        for (int i = 0; i < count; ++i) {
            rows[i][kColName] = prefix + QString::number(i);
        }
        const QString path = m_dir.filePath(name);
        if (!WriteMemoryDial(path, rows, u"VERSION:3.0"_s).ok) {
            qFatal("cannot write the test file %s", qPrintable(path));
        }
        return path;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_dial = MemoryDial();
        m_fake = FakeInteraction();
        m_controller = std::make_unique<MainController>(m_dial, m_fake, m_dir.path(), nullptr);
        m_path = MakeFile(u"current.VCF"_s, 4, u"元"_s);
        m_fake.ExpectOpenFile(kOpenTitle, m_path);
        m_controller->mnuFileOpen_Click();
        QVERIFY(!m_controller->Modified());
    }
    void cleanup() { VERIFY_INTERACTION(m_fake); }

    void whatCountsAsAChange_data()
    {
        QTest::addColumn<Step>("step");
        QTest::addColumn<bool>("modified");
        const auto tick = [](MainController& c, int row) { c.Dial().rows[row - 1].checked = true; };
        QTest::newRow("nothing") << Step([](auto&, auto&, auto&) {}) << false;
        QTest::newRow("a tick is not part of the file") << Step([tick](auto& c, auto&, auto&) { tick(c, 2); }) << false;
        QTest::newRow("sort by a column") << Step([](auto& c, auto&, auto&) { c.ListView1_ColumnClick(2); }) << true;
        QTest::newRow("move down") << Step([](auto& c, auto&, auto&) { c.mnuEditUpDown_Click(1); }) << true;
        QTest::newRow("move down and up again") << Step([](auto& c, auto&, auto&) {
            c.mnuEditUpDown_Click(1);
            c.mnuEditUpDown_Click(0);
        }) << false;
        QTest::newRow("swap") << Step([tick](auto& c, auto& fake, auto&) {
            tick(c, 1);
            tick(c, 3);
            fake.ExpectAsk(u"指定された個別情報を入れ替えますか？　"_s, u"入れ替え確認"_s, true);
            c.mnuEditSwap_Click();
        }) << true;
        QTest::newRow("delete, cancelled") << Step([tick](auto& c, auto& fake, auto&) {
            tick(c, 2);
            fake.ExpectAsk(u"指定された個別情報を削除しますか？　"_s, u"削除確認"_s, false);
            c.mnuEditDelete_Record_Click();
        }) << false;
        QTest::newRow("delete") << Step([tick](auto& c, auto& fake, auto&) {
            tick(c, 2);
            fake.ExpectAsk(u"指定された個別情報を削除しますか？　"_s, u"削除確認"_s, true);
            c.mnuEditDelete_Record_Click();
        }) << true;
        QTest::newRow("an entry stored by the editor")
            << Step([](auto& c, auto&, auto&) { c.Dial().rows[1][kColMemo] = u"新しいメモ"_s; }) << true;
        QTest::newRow("a failed save changes nothing") << Step([](auto& c, auto& fake, const QTemporaryDir& dir) {
            c.ListView1_ColumnClick(2);
            fake.ExpectSaveFile(u"ﾒﾓﾘﾀﾞｲﾔﾙの保存"_s, dir.filePath(u"missing/folder.VCF"_s));
            fake.ExpectAnyTell(u"保存確認"_s, MessageIcon::Error);
            c.mnuFileSave_Click(1);
        }) << true;
        QTest::newRow("saved") << Step([](auto& c, auto& fake, auto&) {
            c.ListView1_ColumnClick(2);
            fake.ExpectAsk(kOverwrite, kOverwriteTitle, true);
            c.mnuFileSave_Click(0);
        }) << false;
        QTest::newRow("its file deleted meanwhile")
            << Step([](auto& c, auto&, auto&) { QVERIFY(QFile::remove(c.Dial().CurrentPath)); }) << true;
    }
    void whatCountsAsAChange()
    {
        QFETCH(Step, step);
        QFETCH(bool, modified);
        m_controller->ListView1_Click(1);
        step(*m_controller, m_fake, m_dir);
        QCOMPARE(m_controller->Modified(), modified);
        const QString caption = u"Morvane for Windows - [ "_s + m_path + u" ]"_s;
        QCOMPARE(m_controller->Caption(), modified ? caption + u'*' : caption);
    }

    // The question before the memory dial goes away, answered three ways; 保存 goes on only
    // when the save really wrote the file.
    void settleChanges_data()
    {
        QTest::addColumn<SaveChoice>("choice");
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<bool>("goesOn");
        QTest::addColumn<bool>("written");
        QTest::newRow("保存") << SaveChoice::Save << true << true << true;
        QTest::newRow("保存, overwrite cancelled") << SaveChoice::Save << false << false << false;
        QTest::newRow("保存しない") << SaveChoice::Discard << false << true << false;
        QTest::newRow("キャンセル") << SaveChoice::Cancel << false << false << false;
    }
    void settleChanges()
    {
        QFETCH(SaveChoice, choice);
        QFETCH(bool, overwrite);
        QFETCH(bool, goesOn);
        QFETCH(bool, written);
        const QByteArray before = ReadFile(m_path);
        m_controller->ListView1_ColumnClick(2);
        m_fake.ExpectAskSave(kSaveChanges, kSaveChangesTitle, choice);
        if (choice == SaveChoice::Save) {
            m_fake.ExpectAsk(kOverwrite, kOverwriteTitle, overwrite);
        }
        QCOMPARE(m_controller->SettleChanges(), goesOn);
        QCOMPARE(ReadFile(m_path) != before, written);
        QCOMPARE(m_controller->Modified(), !written);
    }

    void unchangedDialGoesWithoutAQuestion() { QVERIFY(m_controller->SettleChanges()); }

    void openOverChanges_data()
    {
        QTest::addColumn<SaveChoice>("choice");
        QTest::addColumn<QString>("firstName");
        QTest::newRow("保存 writes, then reads") << SaveChoice::Save << u"新0"_s;
        QTest::newRow("保存しない reads") << SaveChoice::Discard << u"新0"_s;
        QTest::newRow("キャンセル keeps the changes") << SaveChoice::Cancel << u"変更"_s;
    }
    void openOverChanges()
    {
        QFETCH(SaveChoice, choice);
        QFETCH(QString, firstName);
        const QString other = MakeFile(u"other.VCF"_s, 2, u"新"_s);
        m_dial.rows[0][kColName] = u"変更"_s;
        m_fake.ExpectAsk(kAskOverLoaded, kReadTitle, true);
        m_fake.ExpectOpenFile(kOpenTitle, other);
        m_fake.ExpectAskSave(kSaveChanges, kSaveChangesTitle, choice);
        if (choice == SaveChoice::Save) {
            m_fake.ExpectAsk(kOverwrite, kOverwriteTitle, true);
        }
        m_controller->mnuFileOpen_Click();
        QCOMPARE(m_dial.rows[0][kColName], firstName);
        QCOMPARE(m_dial.CurrentPath, choice == SaveChoice::Cancel ? m_path : other);
        const QString savedName = MemoryDataOpen(m_path, QStringList()).content->rows[0][kColName];
        QCOMPARE(savedName, choice == SaveChoice::Save ? u"変更"_s : u"元0"_s);
    }

    void recentFileOverChangesCancelled()
    {
        const QString other = MakeFile(u"other.VCF"_s, 2, u"新"_s);
        m_dial.Rireki = {other, m_path, {}, {}, {}};
        m_controller->ListView1_ColumnClick(2);
        m_fake.ExpectAsk(u"既に読み込まれているメモリデータがあります。　新たなメモリデータを読み込みますか？　"_s,
                         kReadTitle, true);
        m_fake.ExpectAskSave(kSaveChanges, kSaveChangesTitle, SaveChoice::Cancel);
        m_controller->mnuFileArray_Click(1);
        QCOMPARE(m_dial.CurrentPath, m_path);
        QVERIFY(m_controller->Modified());
    }

    // A new memory dial replaces the document only when the list is empty; a new entry of a
    // loaded one does not.
    void newDialOverDeletedEntries()
    {
        for (Entry& entry : m_dial.rows) {
            entry.checked = true;
        }
        m_fake.ExpectAsk(u"指定された個別情報を削除しますか？　"_s, u"削除確認"_s, true);
        m_controller->mnuEditDelete_Record_Click();
        m_fake.ExpectAskSave(kSaveChanges, kSaveChangesTitle, SaveChoice::Cancel);
        QVERIFY(!m_controller->mnuFileCreate_Click().openEditor);
        m_fake.ExpectAskSave(kSaveChanges, kSaveChangesTitle, SaveChoice::Discard);
        QVERIFY(m_controller->mnuFileCreate_Click().openEditor);
        QCOMPARE(m_dial.EditMode, u"1"_s);
    }
    void newEntryAsksNoSaveQuestion()
    {
        m_dial.rows[0][kColName] = u"変更"_s;
        m_fake.ExpectAsk(u"新規に個別情報を作成します。　当該の個別情報をコピーしますか？　"_s, u"コピー確認"_s, false);
        QVERIFY(m_controller->mnuFileCreate_Click().openEditor);
    }

    // A plain save must not silently write nothing when the file has gone: it asks for a name.
    void plainSaveOfRemovedFileAsksForAName()
    {
        QVERIFY(QFile::remove(m_path));
        const QString target = m_dir.filePath(u"again.VCF"_s);
        m_fake.ExpectSaveFile(u"ﾒﾓﾘﾀﾞｲﾔﾙの保存"_s, target);
        m_fake.ExpectTell(u"新規にメモリダイヤルを保存しました。　"_s, u"新規保存確認"_s, MessageIcon::Information);
        m_controller->mnuFileSave_Click(0);
        QCOMPARE(MemoryDataOpen(target, QStringList()).content->rows, m_dial.rows);
        QCOMPARE(m_dial.CurrentPath, target);
        QVERIFY(!m_controller->Modified());
    }
};

QTEST_GUILESS_MAIN(TestUnsavedChanges)
#include "tst_unsavedchanges.moc"
