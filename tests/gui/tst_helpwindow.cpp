#include "EditorActions.h"
#include "EditorLauncher.h"
#include "EditorWindow.h"
#include "FakeInteraction.h"
#include "HelpBrowser.h"
#include "HelpWindow.h"
#include "MainWindow.h"
#include "MainWindowActions.h"
#include "QtInteraction.h"
#include "SampleEntries.h"
#include "SettingsLauncher.h"
#include "services/PostalTable.h"
#include "settings/SettingsStore.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

class TestHelpWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<HelpWindow> m_window;

    // Contents and index are built in the background after the help file is registered.
    void WaitForModels()
    {
        QHelpEngine& engine = m_window->Engine();
        QTRY_VERIFY_WITH_TIMEOUT(!engine.contentModel()->isCreatingContents() && engine.contentModel()->rowCount() > 0,
                                 20000);
        QTRY_VERIFY_WITH_TIMEOUT(!engine.indexModel()->isCreatingIndex() && engine.indexModel()->rowCount() > 0, 20000);
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_window = std::make_unique<HelpWindow>();
        const std::optional<QString> problem = m_window->Open(QStringLiteral(MORVANX_HELP_FILE), m_dir.path());
        QVERIFY2(!problem, qPrintable(problem.value_or(QString())));
    }
    void cleanup() { m_window.reset(); }

    // Every help button and menu of the program opens its own topic.
    void topicByNumber_data()
    {
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("page");
        QTest::newRow("contents") << 0 << u"Morvane ヘルプ 目次"_s << u"index.html"_s;
        QTest::newRow("main window") << 10 << u"メイン画面"_s << u"main.html"_s;
        QTest::newRow("about box") << 11 << u"ﾊﾞｰｼﾞｮﾝ情報"_s << u"about.html"_s;
        QTest::newRow("mdial") << 12 << u"コマンド mdial"_s << u"mdial.html"_s;
        QTest::newRow("file format") << 20 << u"ﾒﾓﾘﾀﾞｲﾔﾙのファイル形式"_s << u"file-format.html"_s;
        QTest::newRow("postal table update") << 21 << u"郵便番号一覧の更新"_s << u"postal-update.html"_s;
        QTest::newRow("import and export") << 22 << u"ｱﾄﾞﾚｽ帳の取り込みと書き出し"_s << u"exchange.html"_s;
        QTest::newRow("find and duplicates") << 23 << u"検索と重複の整理"_s << u"find.html"_s;
        QTest::newRow("settings tab 0") << 37 << u"各種設定：環境設定 １"_s << u"settings-1.html"_s;
        QTest::newRow("settings tab 1") << 38 << u"各種設定：環境設定 ２"_s << u"settings-2.html"_s;
        QTest::newRow("settings tab 2") << 39 << u"各種設定：環境設定 ３"_s << u"settings-3.html"_s;
        QTest::newRow("editor") << 43 << u"個別情報編集"_s << u"editor.html"_s;
        QTest::newRow("outside programs") << 44 << u"Web 閲覧・GPS 情報・ﾒｰﾙ 送信"_s << u"outside.html"_s;
        QTest::newRow("settings tab 3") << 58 << u"各種設定：＊．CSV 保存先"_s << u"settings-csv.html"_s;
        QTest::newRow("PREFIXN") << 59 << u"プレフィクス番号の付加"_s << u"prefix.html"_s;
        QTest::newRow("DOMAINNM") << 60 << u"ドメイン名の付加"_s << u"domain.html"_s;
        QTest::newRow("RENAME") << 63 << u"ﾒﾓﾘﾀﾞｲﾔﾙ名の変更"_s << u"rename.html"_s;
        QTest::newRow("CALEND") << 73 << u"誕生日の設定 （ｶﾚﾝﾀﾞｰ形式）"_s << u"calendar.html"_s;
        QTest::newRow("YB_KOUHO") << 75 << u"郵便番号候補一覧"_s << u"postal-candidates.html"_s;
    }

    void topicByNumber()
    {
        QFETCH(int, context);
        QFETCH(QString, title);
        QFETCH(QString, page);
        QVERIFY(m_window->ShowTopic(context));
        HelpBrowser& browser = m_window->Browser();
        QCOMPARE(browser.source().fileName(), page);
        QCOMPARE(browser.documentTitle(), title);
        // The page is there, not only its address: its heading and some text.
        QVERIFY2(browser.toPlainText().startsWith(u"目次"_s) || context == 0, qPrintable(browser.toPlainText()));
        QVERIFY(browser.toPlainText().contains(title));
        QVERIFY(browser.toPlainText().size() > 80);
        QCOMPARE(m_window->windowTitle(), u"Morvane ヘルプ - "_s + title);
    }

    void unknownNumberKeepsThePage()
    {
        QVERIFY(m_window->ShowTopic(43));
        QVERIFY(!m_window->ShowTopic(99));
        QVERIFY(!m_window->ShowTopic(-5));
        QCOMPARE(m_window->Browser().source().fileName(), u"editor.html"_s);
    }

    void linksBetweenTopics()
    {
        QVERIFY(m_window->ShowContents());
        HelpBrowser& browser = m_window->Browser();
        const QUrl next = browser.source().resolved(QUrl(u"rename.html"_s));
        browser.setSource(next);
        QCOMPARE(browser.documentTitle(), u"ﾒﾓﾘﾀﾞｲﾔﾙ名の変更"_s);
    }

    void contents()
    {
        WaitForModels();
        QVERIFY(m_window->ShowContents());
        QCOMPARE(m_window->Tabs().currentIndex(), 0);
        QCOMPARE(m_window->Browser().source().fileName(), u"index.html"_s);
        QHelpContentModel* model = m_window->Engine().contentModel();
        QCOMPARE(model->rowCount(), 1);
        const QModelIndex root = model->index(0, 0);
        QCOMPARE(model->data(root, Qt::DisplayRole).toString(), u"Morvane ヘルプ 目次"_s);
        QStringList groups;
        int topics = 0;
        for (int row = 0; row < model->rowCount(root); ++row) {
            const QModelIndex group = model->index(row, 0, root);
            groups << model->data(group, Qt::DisplayRole).toString();
            topics += model->rowCount(group);
        }
        QCOMPARE(groups, (QStringList{u"画面"_s, u"各種設定"_s, u"入力を助ける画面"_s, u"ファイルとデータ"_s}));
        QCOMPARE(topics, 18);

        // Choosing a topic in the contents shows it.
        QHelpContentWidget* tree = m_window->Engine().contentWidget();
        const QModelIndex settings = model->index(1, 0, model->index(1, 0, root));
        QCOMPARE(model->data(settings, Qt::DisplayRole).toString(), u"各種設定：環境設定 ２"_s);
        tree->setCurrentIndex(tree->model()->index(1, 0, tree->model()->index(1, 0, tree->model()->index(0, 0))));
        emit tree->activated(tree->currentIndex());
        QCOMPARE(m_window->Browser().source().fileName(), u"settings-2.html"_s);

        // A topic opened by number is marked in the contents.
        QVERIFY(m_window->ShowTopic(75));
        QCOMPARE(tree->currentIndex().data().toString(), u"郵便番号候補一覧"_s);
    }

    void keywordSearch_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("firstKeyword");
        QTest::addColumn<QString>("page");
        QTest::newRow("part of a word") << u"ダウンロード"_s << u"ダウンロード"_s << u"postal-update.html"_s;
        QTest::newRow("Latin, any case") << u"vcard"_s << u"vCard"_s << u"file-format.html"_s;
        QTest::newRow("a window's name") << u"誕生日の設定"_s << u"誕生日の設定 （ｶﾚﾝﾀﾞｰ形式）"_s << u"calendar.html"_s;
        QTest::newRow("half-width katakana") << u"ﾘﾅﾝﾊﾞｰ"_s << u"ﾘﾅﾝﾊﾞｰ"_s << u"main.html"_s;
        // As an input method types: full width, or hiragana.
        QTest::newRow("full-width katakana")
            << u"メモリダイヤル"_s << u"ﾒﾓﾘﾀﾞｲﾔﾙのファイル形式"_s << u"file-format.html"_s;
        QTest::newRow("full-width window name") << u"バージョン情報"_s << u"ﾊﾞｰｼﾞｮﾝ情報"_s << u"about.html"_s;
        QTest::newRow("hiragana") << u"りなんばー"_s << u"ﾘﾅﾝﾊﾞｰ"_s << u"main.html"_s;
    }

    void keywordSearch()
    {
        QFETCH(QString, typed);
        QFETCH(QString, firstKeyword);
        QFETCH(QString, page);
        WaitForModels();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->ShowKeywordSearch();
        QCOMPARE(m_window->Tabs().currentIndex(), 1);
        QLineEdit& edit = m_window->KeywordEdit();
        QTRY_VERIFY(edit.hasFocus());
        edit.insert(typed);
        QListWidget& index = m_window->KeywordList();
        QVERIFY(index.count() > 0);
        QCOMPARE(index.currentItem()->text(), firstKeyword);
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(m_window->Browser().source().fileName(), page);
    }

    void fullTextSearch_data()
    {
        QTest::addColumn<QString>("words");
        QTest::addColumn<QStringList>("pages");
        QTest::newRow("Latin") << u"begin:vcard"_s << QStringList{u"ﾒﾓﾘﾀﾞｲﾔﾙのファイル形式"_s};
        // Inside a sentence, where no blank sets the word apart.
        QTest::newRow("Japanese word in a sentence") << u"促音"_s << QStringList{u"郵便番号一覧の更新"_s};
        QTest::newRow("two words, full-width space")
            << u"日本郵便　ダウンロード"_s << QStringList{u"各種設定：＊．CSV 保存先"_s, u"郵便番号一覧の更新"_s};
        QTest::newRow("full-width kana finds half-width")
            << u"リナンバー"_s << QStringList{u"メイン画面"_s, u"検索と重複の整理"_s};
        QTest::newRow("nothing") << u"存在しない言葉"_s << QStringList{};
    }

    void fullTextSearch()
    {
        QFETCH(QString, words);
        QFETCH(QStringList, pages);
        QLineEdit& edit = m_window->SearchEdit();
        edit.setText(words);
        QTest::keyClick(&edit, Qt::Key_Return);
        QListWidget& results = m_window->SearchResults();
        QStringList found;
        for (int row = 0; row < results.count(); ++row) {
            found << results.item(row)->text();
        }
        // A search that finds nothing says so.
        QCOMPARE(m_window->SearchOutcome().text(),
                 pages.isEmpty() ? u"この言葉を含むページは見つかりませんでした。"_s : QString());
        found.sort();
        pages.sort();
        QCOMPARE(found, pages);
        if (!pages.isEmpty()) {
            emit results.itemActivated(results.currentItem());
            QCOMPARE(m_window->Browser().documentTitle(), results.currentItem()->text());
        }
    }

    // The help opened from the main window or from any dialog stays usable beside the dialogs
    // that open later, and outlives the dialog it was opened from. `chain`: the windows opened
    // one over the other; the help opens while window `helpAt` is in front (0 the main
    // window), and its "目次" link is clicked when window `clickAt` is in front again (after
    // those over it closed).
    void besideModalWindows_data()
    {
        QTest::addColumn<QStringList>("chain");
        QTest::addColumn<int>("helpAt");
        QTest::addColumn<int>("clickAt");
        QTest::newRow("from the main window, beside the editor") << QStringList{u"editor"_s} << 0 << 1;
        QTest::newRow("from the main window, beside the settings over the editor")
            << QStringList{u"editor"_s, u"settings"_s} << 0 << 2;
        QTest::newRow("from the main window, beside its settings") << QStringList{u"settings"_s} << 0 << 1;
        QTest::newRow("from the settings dialog, after it closed") << QStringList{u"editor"_s, u"settings"_s} << 2 << 1;
        QTest::newRow("from the About box, after it closed") << QStringList{u"about"_s} << 1 << 0;
        QTest::newRow("from the editor, beside its About box") << QStringList{u"editor"_s, u"about"_s} << 1 << 2;
    }

    void besideModalWindows()
    {
        QFETCH(QStringList, chain);
        QFETCH(int, helpAt);
        QFETCH(int, clickAt);
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(u"MORVANX.ini"_s));
        AppSettings settings;
        LoadRemainingSettings(store, settings, 19200, 14400);
        PostalTable postal;
        MemoryDial dial;
        dial.rows = SampleRows(3);
        dial.EntryCount = 3;
        dial.SelectedRow = 1;
        dial.EditMode = u"2"_s;
        QtInteraction boxes;
        boxes.SetHelpFile(QStringLiteral(MORVANX_HELP_FILE), dir.path());
        MainWindow window(dial, boxes, MainWindowOptionsFrom(settings, {}, {}), dir.path(), nullptr, nullptr);
        boxes.setParent(&window);
        SettingsLauncher settingsDialogs(window, settings, store, postal, boxes, dir.path());
        settingsDialogs.Install();
        EditorLauncher editors(window, dial, boxes, nullptr, nullptr);
        editors.SetSettingsCommand(
            [&settingsDialogs](EditorWindow& editor) { settingsDialogs.ShowOverEditor(editor); });
        // In the screen's bottom right corner: a help window centred over it would stick out.
        window.setGeometry(1000, 800, 400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QStringList clicked; // the page after each click, and whether the help was on the screen
        const auto openHelp = [&boxes] { boxes.ShowHelp(43); };
        const auto clickContents = [this, &clicked] {
            HelpWindow* help = nullptr;
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (top != m_window.get() && qobject_cast<HelpWindow*>(top)) {
                    help = qobject_cast<HelpWindow*>(top);
                }
            }
            if (!help || !help->isVisible()) {
                clicked << u"no help"_s;
                return;
            }
            QVERIFY(help->ShowTopic(43));
            HelpBrowser& browser = help->Browser();
            QTextCursor link = browser.document()->find(u"目次"_s);
            link.setPosition(link.selectionStart() + 1);
            const QPoint at = browser.viewport()->mapTo(help, browser.cursorRect(link).center());
            QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, at);
            const QRect screen = help->screen()->availableGeometry();
            clicked << browser.source().fileName() + (screen.contains(help->frameGeometry()) ? u""_s : u" off"_s);
        };
        std::function<void(int)> openFrom = [&](int level) {
            if (level == helpAt) {
                openHelp();
            }
            if (level < chain.size()) {
                QTimer::singleShot(0, &window, [&openFrom, level] {
                    openFrom(level + 1);
                    QApplication::activeModalWidget()->close();
                });
                const QString& next = chain.at(level);
                auto* editor = qobject_cast<EditorWindow*>(QApplication::activeModalWidget());
                if (next == u"editor") {
                    editors.OpenEditor();
                } else if (next == u"settings") {
                    (editor ? editor->Actions().mnuOptSettei : window.Actions().mnuOptSettei)->trigger();
                } else {
                    (editor ? editor->Actions().mnuHelpAbout : window.Actions().mnuHelpAbout)->trigger();
                }
            }
            if (level == clickAt) {
                clickContents();
            }
        };
        openFrom(0);
        QCOMPARE(clicked, QStringList{u"index.html"_s});
    }

    // Every menu caption of the main window and the editor is in the help, as the menus show
    // it: "保存(&S)" reads "保存(S)".
    void menuCaptionsInTheHelp_data()
    {
        QTest::addColumn<bool>("editor");
        QTest::newRow("main window") << false;
        QTest::newRow("editor") << true;
    }

    void menuCaptionsInTheHelp()
    {
        QFETCH(bool, editor);
        QHelpEngine& engine = m_window->Engine();
        QString text;
        const QString helpNamespace = QHelpEngineCore::namespaceName(QStringLiteral(MORVANX_HELP_FILE));
        for (const QUrl& url : engine.files(helpNamespace, QString(), u"html"_s)) {
            QTextDocument page;
            page.setHtml(QString::fromUtf8(engine.fileData(url)));
            text += page.toPlainText();
        }
        FakeInteraction ui;
        MemoryDial dial;
        dial.rows = SampleRows(1);
        dial.EntryCount = 1;
        dial.SelectedRow = 1;
        dial.EditMode = u"2"_s;
        const MainWindow window(dial, ui, MainWindowOptions(), m_dir.path(), nullptr, nullptr);
        EditorWindow editorWindow(dial, ui, EditorWindowSettings(), nullptr);
        const QMenuBar* bar = editor ? editorWindow.Actions().menuBar : window.menuBar();
        QStringList missing;
        for (QAction* title : bar->actions()) {
            QList<QAction*> items = title->menu()->actions();
            items.prepend(title);
            for (const QAction* item : std::as_const(items)) {
                const QString shown = item->text().remove(u'&');
                if (item->isVisible() && !shown.isEmpty() && !text.contains(shown)) {
                    missing << shown;
                }
            }
        }
        QCOMPARE(missing, QStringList());
    }

    void missingHelpFile()
    {
        HelpWindow window;
        const QString path = m_dir.filePath(u"none.qch"_s);
        QCOMPARE(window.Open(path, m_dir.path()).value_or(QString()),
                 u"ヘルプファイル 「"_s + path + u"」 が見つかりません。　"_s);
    }

    // The collection is a cache: a damaged one is made anew, and what cannot be replaced is
    // named, never the help file.
    void helpCollection_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("opens");
        QTest::newRow("damaged") << u"garbage"_s << true;
        QTest::newRow("empty") << u"empty"_s << true;
        QTest::newRow("folder in its place") << u"folder"_s << false;
        QTest::newRow("FIFO in its place") << u"fifo"_s << false;
    }
    void helpCollection()
    {
        QFETCH(QString, kind);
        QFETCH(bool, opens);
        QTemporaryDir cache;
        QVERIFY(cache.isValid());
        const QString collection = cache.filePath(u"MORVANX.qhc"_s);
        if (kind == u"folder") {
            QVERIFY(QDir(cache.path()).mkdir(u"MORVANX.qhc"_s));
        } else if (kind == u"fifo") {
            QVERIFY(mkfifo(QFile::encodeName(collection).constData(), 0600) == 0);
        } else {
            QFile file(collection);
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (kind == u"garbage") {
                file.write(QByteArray(4096, '\x5a'));
            }
        }
        HelpWindow window;
        const std::optional<QString> problem = window.Open(QStringLiteral(MORVANX_HELP_FILE), cache.path());
        if (opens) {
            QVERIFY2(!problem, qPrintable(problem.value_or(QString())));
            QVERIFY(window.ShowTopic(43));
        } else {
            QCOMPARE(problem.value_or(QString()),
                     u"ヘルプの索引ファイル 「"_s + collection + u"」 を作れません。　フォルダを確認して下さい。　"_s);
        }
    }

    void notAHelpFile()
    {
        const QString path = m_dir.filePath(u"notes.qch"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("This is not a help file.\n");
        file.close();
        HelpWindow window;
        QCOMPARE(window.Open(path, m_dir.path()).value_or(QString()),
                 u"ヘルプファイル 「"_s + path + u"」 を開けません。　"_s);
    }
};

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
