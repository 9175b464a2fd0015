#include "settings/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Layouts under one temporary root: the executable lives in "bin"; "share/morvanx" is the
// installed data folder relative to it, "opt/morvanx" the configured absolute one.
class TstProgramFolder : public QObject
{
    Q_OBJECT

private slots:
    void findsDataFolder_data();
    void findsDataFolder();
};

void TstProgramFolder::findsDataFolder_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("expected");

    QTest::newRow("build tree: table beside the executable")
        << QStringList{QStringLiteral("bin/ken_all.csv")} << QStringList{} << QStringLiteral("bin");
    QTest::newRow("build tree wins over an installed copy")
        << QStringList{QStringLiteral("bin/ken_all.csv"), QStringLiteral("share/morvanx/ken_all.csv"),
                       QStringLiteral("opt/morvanx/ken_all.csv")}
        << QStringList{} << QStringLiteral("bin");
    QTest::newRow("installed: relative to the executable")
        << QStringList{QStringLiteral("share/morvanx/ken_all.csv"), QStringLiteral("opt/morvanx/ken_all.csv")}
        << QStringList{} << QStringLiteral("share/morvanx");
    QTest::newRow("installed: configured prefix")
        << QStringList{QStringLiteral("opt/morvanx/ken_all.csv")} << QStringList{} << QStringLiteral("opt/morvanx");
    QTest::newRow("a folder named like the table is no data")
        << QStringList{QStringLiteral("opt/morvanx/ken_all.csv")} << QStringList{QStringLiteral("bin/ken_all.csv")}
        << QStringLiteral("opt/morvanx");
    QTest::newRow("other data without the table is no data folder")
        << QStringList{QStringLiteral("share/morvanx/MORVANX.HLP")} << QStringList{} << QStringLiteral("bin");
    QTest::newRow("nothing anywhere: the executable's folder")
        << QStringList{} << QStringList{} << QStringLiteral("bin");
}

void TstProgramFolder::findsDataFolder()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, folders);
    QFETCH(QString, expected);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QDir dir(root.path());
    QVERIFY(dir.mkpath(QStringLiteral("bin")));
    for (const QString& folder : folders) {
        QVERIFY(dir.mkpath(folder));
    }
    for (const QString& file : files) {
        QVERIFY(dir.mkpath(QFileInfo(file).path()));
        QFile out(dir.filePath(file));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("0600000,\"060  \",\"0600000\"\r\n");
    }

    const QString found =
        FindProgramFolder(dir.filePath(QStringLiteral("bin")),
                          {QStringLiteral("../share/morvanx"), dir.filePath(QStringLiteral("opt/morvanx"))});
    QCOMPARE(found, QDir::cleanPath(dir.filePath(expected)));
}

QTEST_GUILESS_MAIN(TstProgramFolder)
#include "tst_programfolder.moc"
