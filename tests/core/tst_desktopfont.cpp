#include "app/DesktopFont.h"

#include <QTest>

class TstDesktopFont : public QObject
{
    Q_OBJECT

private slots:
    void choosesJapaneseFace_data();
    void choosesJapaneseFace();
};

void TstDesktopFont::choosesJapaneseFace_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Noto first, whatever the list order")
        << QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic"),
                       QStringLiteral("Noto Sans CJK JP")}
        << QStringLiteral("Noto Sans CJK JP");
    QTest::newRow("IPA proportional before fixed")
        << QStringList{QStringLiteral("IPAGothic"), QStringLiteral("IPAPGothic")} << QStringLiteral("IPAPGothic");
    QTest::newRow("IPA fixed alone") << QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("IPAGothic")}
                                     << QStringLiteral("IPAGothic");
    QTest::newRow("case as the database spells it")
        << QStringList{QStringLiteral("ipapgothic")} << QStringLiteral("ipapgothic");
    QTest::newRow("a Latin face with a CJK fallback is no choice")
        << QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Droid Sans Fallback")} << QString();
    QTest::newRow("a look-alike name is no match")
        << QStringList{QStringLiteral("Noto Sans CJK JP Black"), QStringLiteral("Noto Sans")} << QString();
}

void TstDesktopFont::choosesJapaneseFace()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, expected);
    QCOMPARE(JapaneseUiFontFamily(installed), expected);
}

QTEST_GUILESS_MAIN(TstDesktopFont)
#include "tst_desktopfont.moc"
