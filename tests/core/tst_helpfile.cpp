#include "app/HelpFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestHelpFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString Path(const QString& name) const { return m_dir.filePath(name); }

    // Keywords of the help's index, in the order it shows them.
    static QStringList Index()
    {
        return {QStringLiteral("184"),
                QStringLiteral("CSV 保存先"),
                QStringLiteral("GPS 情報"),
                QStringLiteral("vCard"),
                QStringLiteral("ｱﾄﾞﾚｽ帳の取り込み"),
                QStringLiteral("カレンダー"),
                QStringLiteral("ダウンロード"),
                QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"),
                QStringLiteral("バージョン"),
                QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙのファイル形式"),
                QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙを開く"),
                QStringLiteral("ﾘﾅﾝﾊﾞｰ"),
                QStringLiteral("移動"),
                QStringLiteral("誕生日"),
                QStringLiteral("保存"),
                QStringLiteral("郵便番号")};
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void textMatches_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("search");
        QTest::addColumn<bool>("matches");
        const QString page = QStringLiteral("郵便番号から住所を引く機能は、ken_all.csv を使います。ﾒｰﾙ 送信");
        QTest::newRow("word inside a sentence") << page << QStringLiteral("住所") << true;
        QTest::newRow("Latin, other case") << page << QStringLiteral("KEN_ALL") << true;
        QTest::newRow("full-width Latin") << page << QStringLiteral("ｋｅｎ＿ａｌｌ") << true;
        QTest::newRow("full-width kana for half-width") << page << QStringLiteral("メール") << true;
        QTest::newRow("hiragana for half-width katakana") << page << QStringLiteral("めーる") << true;
        QTest::newRow("hiragana for full-width katakana")
            << QStringLiteral("ダウンロード") << QStringLiteral("だうんろーど") << true;
        QTest::newRow("every word") << page << QStringLiteral("郵便番号　メール") << true;
        QTest::newRow("one word missing") << page << QStringLiteral("郵便番号 カレンダー") << false;
        QTest::newRow("absent") << page << QStringLiteral("誕生日") << false;
        QTest::newRow("only blanks") << page << QStringLiteral(" 　 ") << false;
    }

    void textMatches()
    {
        QFETCH(QString, text);
        QFETCH(QString, search);
        QFETCH(bool, matches);
        QCOMPARE(HelpTextMatches(text, search), matches);
    }

    // Part of the index as the help file lists it, and what typing finds there, in index order.
    void keywordsFor_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found");
        QTest::addColumn<QString>("selected");
        QTest::newRow("nothing typed") << QString() << Index() << QStringLiteral("184");
        QTest::newRow("only blanks") << QStringLiteral("　") << Index() << QStringLiteral("184");
        QTest::newRow("full-width katakana, as an input method types it")
            << QStringLiteral("メモリダイヤル")
            << QStringList{QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙのファイル形式"), QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙを開く")}
            << QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙのファイル形式");
        QTest::newRow("full-width for a half-width window name")
            << QStringLiteral("バージョン情報") << QStringList{QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報")}
            << QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報");
        QTest::newRow("hiragana") << QStringLiteral("ばーじょん")
                                  << QStringList{QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"), QStringLiteral("バージョン")}
                                  << QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報");
        QTest::newRow("full-width Latin")
            << QStringLiteral("ＶＣＡＲＤ") << QStringList{QStringLiteral("vCard")} << QStringLiteral("vCard");
        QTest::newRow("inside a keyword, a keyword beginning with it preferred")
            << QStringLiteral("情報") << QStringList{QStringLiteral("GPS 情報"), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報")}
            << QStringLiteral("GPS 情報");
        QTest::newRow("beginning preferred over the first")
            << QStringLiteral("保存") << QStringList{QStringLiteral("CSV 保存先"), QStringLiteral("保存")}
            << QStringLiteral("保存");
        QTest::newRow("absent") << QStringLiteral("カメラ") << QStringList{} << QString();
    }

    void keywordsFor()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, found);
        QFETCH(QString, selected);
        const QStringList shown = HelpKeywordsFor(Index(), typed);
        QCOMPARE(shown, found);
        const qsizetype row = PreferredHelpKeyword(shown, typed);
        QCOMPARE(row < 0 ? QString() : shown.at(row), selected);
    }

    // Kana by reading whatever their width or script, kanji after them, Latin and digits first.
    void keywordOrder()
    {
        QStringList byCode = Index();
        byCode.sort();
        QCOMPARE(SortedHelpKeywords(byCode), Index());
    }

    void readableHelpFile()
    {
        QFile file(Path(QStringLiteral("MORVANX.qch")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("SQLite format 3");
        file.close();
        QCOMPARE(HelpFileProblem(file.fileName()), std::nullopt);
    }

    void missingHelpFile()
    {
        const QString path = Path(QStringLiteral("none/MORVANX.qch"));
        QCOMPARE(HelpFileProblem(path).value_or(QString()),
                 QStringLiteral("ヘルプファイル 「") + path + QStringLiteral("」 が見つかりません。　"));
        QCOMPARE(HelpFileProblem(QString()).value_or(QString()),
                 QStringLiteral("ヘルプファイル 「」 が見つかりません。　"));
    }

    void folderInPlaceOfTheHelpFile()
    {
        const QString path = Path(QStringLiteral("folder.qch"));
        QVERIFY(QDir().mkpath(path));
        QCOMPARE(HelpFileProblem(path).value_or(QString()),
                 QStringLiteral("ヘルプファイル 「") + path + QStringLiteral("」 を開けません。　"));
    }

    // The help engine would block opening a FIFO until someone writes to it.
    void fifoInPlaceOfTheHelpFile()
    {
        const QString path = Path(QStringLiteral("fifo.qch"));
        if (mkfifo(QFile::encodeName(path).constData(), 0600) != 0) {
            QSKIP("FIFOs cannot be made here");
        }
        QCOMPARE(HelpFileProblem(path).value_or(QString()),
                 QStringLiteral("ヘルプファイル 「") + path + QStringLiteral("」 を開けません。　"));
    }
};

QTEST_GUILESS_MAIN(TestHelpFile)
#include "tst_helpfile.moc"
