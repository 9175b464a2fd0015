#include "FakeInteraction.h"
#include "SampleEntries.h"
#include "settings/AppSettings.h"
#include "app/MainController.h"
#include "editor/CreationNotice.h"
#include "editor/EditorWindowSettings.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Records every write, in order.
class RecordingStore final : public SettingsStore
{
public:
    explicit RecordingStore(const QString& path) : SettingsStore(path) {}
    void SaveSetting(const QString& section, const QString& key, const QString& value) override
    {
        writes << section + u'/' + key + u'=' + value;
        SettingsStore::SaveSetting(section, key, value);
    }
    QStringList writes;
};

} // namespace

// What the editor window takes from core besides the editor's fields: its settings, the
// creation-message rule on activation, and the main window's commands after an append.
class TestEditorHooks : public QObject
{
    Q_OBJECT

private slots:
    void settingsFromTheLoadedKeys_data()
    {
        QTest::addColumn<QString>("centre");
        QTest::addColumn<QString>("mainCentre");
        QTest::addColumn<QString>("doubleClick");
        QTest::addColumn<QString>("mainDoubleClick");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QString>("left");
        QTest::addColumn<bool>("centred");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("topTwips");
        QTest::addColumn<int>("leftTwips");

        QTest::newRow("stored position") << u"0"_s << u"1"_s << u"0"_s << u"1"_s << u"1440"_s << u"2880"_s << false
                                         << false << 1440 << 2880;
        QTest::newRow("centred, double-click closes")
            << u"1"_s << u"0"_s << u"1"_s << u"0"_s << u"0"_s << u"0"_s << true << true << 0 << 0;
        QTest::newRow("lenient numbers") << u""_s << u""_s << u"True"_s << u""_s << u" 1500.5"_s << u"-30"_s << false
                                         << false << 1500 << -30;
    }

    void settingsFromTheLoadedKeys()
    {
        AppSettings settings;
        QFETCH(QString, centre);
        QFETCH(QString, mainCentre);
        QFETCH(QString, doubleClick);
        QFETCH(QString, mainDoubleClick);
        settings.optCenter = {mainCentre, centre};
        settings.optDEnd = {mainDoubleClick, doubleClick};
        QFETCH(QString, top);
        QFETCH(QString, left);
        settings.eTop = top;
        settings.eLeft = left;
        const EditorWindowSettings editor = EditorWindowSettingsFrom(settings, u"2006/03/07"_s, u"15:05:00"_s);
        QTEST(editor.centre, "centred");
        QTEST(editor.doubleClickCloses, "closes");
        QTEST(editor.top, "topTwips");
        QTEST(editor.left, "leftTwips");
        QCOMPARE(editor.today, u"2006/03/07"_s);
        QCOMPARE(editor.now, u"15:05:00"_s);
    }

    void positionIsWrittenTopFirstAndKeptForTheNextLoad()
    {
        QTemporaryDir dir;
        RecordingStore store(dir.filePath(u"MORVANX.ini"_s));
        AppSettings settings;
        StoreEditorPosition(store, settings, 1200, 3400);
        QCOMPARE(store.writes, (QStringList{u"Position/E_Top=1200"_s, u"Position/E_Left=3400"_s}));
        const EditorWindowSettings next = EditorWindowSettingsFrom(settings, {}, {});
        QCOMPARE(next.top, 1200);
        QCOMPARE(next.left, 3400);
    }

    void creationNotice_data()
    {
        QTest::addColumn<bool>("newEntry");
        QTest::addColumn<QString>("events"); // a: activated, o: own window closed
        QTest::addColumn<QString>("told");   // per activation: 1 told, 0 silent

        QTest::newRow("first activation tells") << true << u"a"_s << u"1"_s;
        QTest::newRow("a message box closing does not") << true << u"aaa"_s << u"100"_s;
        QTest::newRow("each own window tells once") << true << u"aoaaoa"_s << u"1101"_s;
        QTest::newRow("two windows before coming back") << true << u"aooa"_s << u"11"_s;
        QTest::newRow("editing an entry never tells") << false << u"aoa"_s << u"00"_s;
    }

    void creationNotice()
    {
        QFETCH(bool, newEntry);
        QFETCH(QString, events);
        CreationNotice notice(newEntry);
        QString told;
        for (QChar event : events) {
            if (event == u'o') {
                notice.OwnWindowClosed();
            } else {
                told += notice.TakeDue() ? u'1' : u'0';
            }
        }
        QTEST(told, "told");
    }

    void appendEnablesTheDocumentCommands_data()
    {
        QTest::addColumn<bool>("enableSave");
        QTest::addColumn<bool>("saveAsOnly");
        QTest::newRow("loaded memory dial") << true << false;
        QTest::newRow("new memory dial without a file") << false << true;
    }

    void appendEnablesTheDocumentCommands()
    {
        MemoryDial dial;
        FakeInteraction ui;
        MainController controller(dial, ui, u"/tmp"_s, nullptr);
        QFETCH(bool, enableSave);
        controller.EntryAppended(enableSave);
        const MainCommandState state = controller.Commands();
        QVERIFY(state.save);
        QVERIFY(state.listCommands);
        QVERIFY(!state.editEntry);
        QTEST(state.saveAsOnly, "saveAsOnly");
        VERIFY_INTERACTION(ui);
    }

    void saveToFileStaysOffUntilTheMemoryDialHasAFile()
    {
        QTemporaryDir dir;
        MemoryDial dial;
        dial.rows = SampleRows(1);
        FakeInteraction ui;
        MainController controller(dial, ui, dir.path(), nullptr);
        controller.EntryAppended(false);
        controller.EntryAppended(true);
        QVERIFY(controller.Commands().saveAsOnly);

        const QString path = dir.filePath(u"NEW.VCF"_s);
        ui.ExpectSaveFile(u"ﾒﾓﾘﾀﾞｲﾔﾙの保存"_s, path);
        ui.ExpectTell(u"新規にメモリダイヤルを保存しました。　"_s, u"新規保存確認"_s, MessageIcon::Information);
        controller.mnuFileSave_Click(1);
        QCOMPARE(dial.CurrentPath, path);
        QVERIFY(!controller.Commands().saveAsOnly);
        VERIFY_INTERACTION(ui);
    }
};

QTEST_MAIN(TestEditorHooks)
#include "tst_editorhooks.moc"
