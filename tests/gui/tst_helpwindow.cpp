#include "HelpBrowser.h"
#include "HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

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
        QCOMPARE(topics, 16);

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
        QHelpIndexWidget* index = m_window->Engine().indexWidget();
        QVERIFY(index->model()->rowCount() > 0);
        QCOMPARE(index->currentIndex().data().toString(), firstKeyword);
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
        QTest::newRow("full-width kana finds half-width") << u"リナンバー"_s << QStringList{u"メイン画面"_s};
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
        found.sort();
        pages.sort();
        QCOMPARE(found, pages);
        if (!pages.isEmpty()) {
            emit results.itemActivated(results.currentItem());
            QCOMPARE(m_window->Browser().documentTitle(), results.currentItem()->text());
        }
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
