// The program's postal table loads on a worker thread: readers wait for it, a missing table is
// said at once and any other failure when the load ends.
#include "services/PostalTable.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString kDataDir = QStringLiteral(MORVANX_TEST_DATA);

} // namespace

class TestPostalTable : public QObject
{
    Q_OBJECT

private slots:
    void backgroundLoad_data()
    {
        QTest::addColumn<QString>("table"); // a file of the test data, or what to make
        QTest::addColumn<qsizetype>("records");
        QTest::addColumn<QString>("atOnce");   // the message StartLoad returns
        QTest::addColumn<QString>("whenDone"); // the failure the load ends with
        const QString missing = u"指定されたフォルダに 「郵便番号一覧 *.CSV」 が存在しません。　"_s;
        const QString unreadable = u"指定されたフォルダの 「郵便番号一覧 *.CSV」 を読み込めません。　"_s;
        QTest::newRow("table") << u"postal_candidates.csv"_s << qsizetype(26) << QString() << QString();
        QTest::newRow("missing") << u"absent.csv"_s << qsizetype(0) << missing << QString();
        QTest::newRow("folder") << u"folder"_s << qsizetype(0) << missing << QString();
        QTest::newRow("no postal table") << u"text"_s << qsizetype(0) << QString() << unreadable;
    }
    void backgroundLoad()
    {
        QFETCH(QString, table);
        QFETCH(qsizetype, records);
        QFETCH(QString, atOnce);
        QFETCH(QString, whenDone);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString path = kDataDir + u'/' + table;
        if (table == u"folder") {
            path = dir.path();
        } else if (table == u"text") {
            path = dir.filePath(u"ken_all.csv"_s);
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("1,2,3,4,5,6,7,8,9\r\nnot,a,postal,table,at,all,x,y,z\r\n");
        }
        PostalTable postal;
        QVERIFY(!postal.Load(kDataDir + u"/postal_candidates.csv"_s).has_value());
        QStringList ended;
        const std::optional<QString> failure =
            postal.StartLoad(path, [&ended](const std::optional<QString>& done) { ended << done.value_or(u"ok"_s); });
        QVERIFY(failure.value_or(QString()).startsWith(atOnce));
        QCOMPARE(failure.has_value(), !atOnce.isEmpty());
        // A reader waits for the load, whatever the event loop has done.
        QCOMPARE(postal.Index().count(), records);
        QVERIFY(!postal.Loading());
        if (atOnce.isEmpty()) {
            QTRY_COMPARE(ended.size(), 1);
            QVERIFY(ended[0].startsWith(whenDone.isEmpty() ? u"ok"_s : whenDone));
        } else {
            QCoreApplication::processEvents();
            QVERIFY(ended.isEmpty());
        }
    }

    // A table that goes away with its load still running waits for it, and its message is never
    // delivered to whatever listened.
    void destroyedWhileLoading()
    {
        bool told = false;
        {
            PostalTable postal;
            QVERIFY(!postal.StartLoad(kDataDir + u"/../../data/ken_all.csv"_s, [&told](const auto&) { told = true; }));
        }
        QCoreApplication::processEvents();
        QVERIFY(!told);
    }
};

QTEST_GUILESS_MAIN(TestPostalTable)
#include "tst_postaltable.moc"
