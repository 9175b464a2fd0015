#include "FakeInteraction.h"
#include "list/MemoryDialFiles.h"
#include "list/RenameCommand.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kRenamed = QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙ名を変更しました。　");
const QString kRenamedTitle = QStringLiteral("変更確認");
const QString kNameTitle = QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙ名入力確認");

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestRenameCommand : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_source;

    QString Path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        for (const QString& name : QDir(m_dir.path()).entryList(QDir::Files)) {
            QVERIFY(QFile::remove(Path(name)));
        }
        m_source = Path(QStringLiteral("Family.VCF"));
        WriteFile(m_source, QByteArrayLiteral("family"));
    }

    void renameTarget_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("target");
        QTest::newRow("bare name stays in its folder")
            << QStringLiteral("/data/dials/a.VCF") << QStringLiteral("b.vcf") << QStringLiteral("/data/dials/b.vcf");
        QTest::newRow("relative folder from the file's folder")
            << QStringLiteral("/data/dials/a.VCF") << QStringLiteral("old/b.VCF")
            << QStringLiteral("/data/dials/old/b.VCF");
        QTest::newRow("absolute path") << QStringLiteral("/data/dials/a.VCF") << QStringLiteral("/home/user/B.Vcf")
                                       << QStringLiteral("/home/user/B.Vcf");
        QTest::newRow("letter case kept")
            << QStringLiteral("/d/A.VCF") << QStringLiteral("Mixed.Vcf") << QStringLiteral("/d/Mixed.Vcf");
    }
    void renameTarget()
    {
        QFETCH(QString, source);
        QFETCH(QString, typed);
        QFETCH(QString, target);
        QCOMPARE(RenameTarget(source, typed), target);
    }

    void oldNameHasNoFolder()
    {
        FakeInteraction fake;
        RenameCommand command(m_source, fake);
        QCOMPARE(command.OldName(), QStringLiteral("Family.VCF"));
    }

    void renamesInItsOwnFolder()
    {
        FakeInteraction fake;
        fake.ExpectTell(kRenamed, kRenamedTitle, MessageIcon::Information);
        RenameCommand command(m_source, fake);
        // The process runs elsewhere: a bare name must not move the file there.
        QVERIFY(QDir::currentPath() != m_dir.path());
        QCOMPARE(command.Ok(QStringLiteral("家族.vcf")), RenameCommand::Next::Close);
        VERIFY_INTERACTION(fake);
        QVERIFY(!QFile::exists(m_source));
        QCOMPARE(ReadFile(Path(QStringLiteral("家族.vcf"))), QByteArrayLiteral("family"));
    }

    void emptyNameKeepsDialogOpen()
    {
        FakeInteraction fake;
        fake.ExpectTell(QStringLiteral("新しい名前が入力されていません。　"), kNameTitle, MessageIcon::Information);
        RenameCommand command(m_source, fake);
        QCOMPARE(command.Ok(QString()), RenameCommand::Next::FocusNewName);
        VERIFY_INTERACTION(fake);
        QVERIFY(QFile::exists(m_source));
    }

    void existingTargetIsNeverOverwritten()
    {
        const QString other = Path(QStringLiteral("Work.VCF"));
        WriteFile(other, QByteArrayLiteral("work"));
        FakeInteraction fake;
        fake.ExpectTell(QStringLiteral("同じ名前のファイルが既に存在します。　別の名前を入力して下さい。　"),
                        kNameTitle, MessageIcon::Warning);
        fake.ExpectTell(kRenamed, kRenamedTitle, MessageIcon::Information);
        RenameCommand command(m_source, fake);
        QCOMPARE(command.Ok(QStringLiteral("Work.VCF")), RenameCommand::Next::FocusNewName);
        QCOMPARE(ReadFile(other), QByteArrayLiteral("work"));
        QCOMPARE(ReadFile(m_source), QByteArrayLiteral("family"));
        // The user corrects the name and tries again.
        QCOMPARE(command.Ok(QStringLiteral("Family2.VCF")), RenameCommand::Next::Close);
        VERIFY_INTERACTION(fake);
        QCOMPARE(ReadFile(Path(QStringLiteral("Family2.VCF"))), QByteArrayLiteral("family"));
    }

    void sameNameCountsAsExisting()
    {
        FakeInteraction fake;
        fake.ExpectAnyTell(kNameTitle, MessageIcon::Warning);
        RenameCommand command(m_source, fake);
        QCOMPARE(command.Ok(QStringLiteral("Family.VCF")), RenameCommand::Next::FocusNewName);
        VERIFY_INTERACTION(fake);
        QCOMPARE(ReadFile(m_source), QByteArrayLiteral("family"));
    }

    void refusedRenameIsReported_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text"); // empty: the file system's refusal
        QTest::addColumn<RenameCommand::Next>("next");
        QTest::newRow("source removed meanwhile")
            << QStringLiteral("Gone.VCF") << QStringLiteral("New.VCF")
            << QStringLiteral("」が見つかりません。　存在を確認して下さい。　") << RenameCommand::Next::Close;
        QTest::newRow("folder that does not exist") << QStringLiteral("Family.VCF") << QStringLiteral("no/such/x.VCF")
                                                    << QString() << RenameCommand::Next::Stay;
    }
    void refusedRenameIsReported()
    {
        QFETCH(QString, source);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(RenameCommand::Next, next);
        FakeInteraction fake;
        fake.ExpectTell(text.isEmpty() ? QStringLiteral("ﾒﾓﾘﾀﾞｲﾔﾙ名を変更できませんでした。　名前を確認して、"
                                                        "もう一度ＯＫﾎﾞﾀﾝを押して下さい。　")
                                       : QStringLiteral("「") + Path(source) + text,
                        kRenamedTitle, MessageIcon::Error);
        RenameCommand command(Path(source), fake);
        QCOMPARE(command.Ok(typed), next);
        VERIFY_INTERACTION(fake);
        QCOMPARE(ReadFile(m_source), QByteArrayLiteral("family"));
    }

    void helpOpensTopic63()
    {
        FakeInteraction fake;
        fake.ExpectHelp(63);
        RenameCommand command(m_source, fake);
        command.Help();
        VERIFY_INTERACTION(fake);
    }
};

QTEST_GUILESS_MAIN(TestRenameCommand)
#include "tst_renamecommand.moc"
