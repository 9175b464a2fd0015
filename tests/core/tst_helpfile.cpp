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
