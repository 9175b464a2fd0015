#include "memorydial/KindCodes.h"

#include <QTest>

class TestKindCodes : public QObject
{
    Q_OBJECT

private slots:
    void keyToKind_data();
    void keyToKind();
    void wordToCode_data();
    void wordToCode();
    void constellations_data();
    void constellations();
};

using KeyLookup = bool (*)(QStringView, QString&, QString&);
using WordLookup = QString (*)(const QString&);
Q_DECLARE_METATYPE(KeyLookup)
Q_DECLARE_METATYPE(WordLookup)

void TestKindCodes::keyToKind_data()
{
    QTest::addColumn<KeyLookup>("lookup");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("word");

    const KeyLookup tel = Tel_Kind;
    const KeyLookup mail = E_mail_Kind;
    const KeyLookup address = Jusho_Kind;
    QTest::newRow("tel VOI") << tel << "VOI" << true << "VOICE"
                             << "その他";
    QTest::newRow("tel CEL") << tel << "CEL" << true << "CELL"
                             << "携帯";
    QTest::newRow("tel PCS") << tel << "PCS" << true << "PCS"
                             << "PHS";
    QTest::newRow("tel HOM") << tel << "HOM" << true << "HOME"
                             << "自宅";
    QTest::newRow("tel WOR") << tel << "WOR" << true << "WORK"
                             << "仕事";
    QTest::newRow("tel FAX") << tel << "FAX" << true << "FAX"
                             << "FAX";
    QTest::newRow("tel lower case") << tel << "cel" << false << "keep"
                                    << "keep";
    QTest::newRow("tel mail key") << tel << "INT" << false << "keep"
                                  << "keep";
    QTest::newRow("mail INT") << mail << "INT" << true << "INTERNET"
                              << "その他";
    QTest::newRow("mail CEL") << mail << "CEL" << true << "CELL"
                              << "携帯";
    QTest::newRow("mail PCS") << mail << "PCS" << true << "PCS"
                              << "PHS";
    QTest::newRow("mail HOM") << mail << "HOM" << true << "HOME"
                              << "自宅";
    QTest::newRow("mail SCH") << mail << "SCH" << true << "SCHOOL"
                              << "学校";
    QTest::newRow("mail WOR") << mail << "WOR" << true << "WORK"
                              << "仕事";
    QTest::newRow("mail FAX") << mail << "FAX" << false << "keep"
                              << "keep";
    QTest::newRow("address POS") << address << "POS" << true << "POSTAL"
                                 << "その他";
    QTest::newRow("address HOM") << address << "HOM" << true << "HOME"
                                 << "自宅";
    QTest::newRow("address WOR") << address << "WOR" << true << "WORK"
                                 << "会社";
    QTest::newRow("address empty key") << address << "" << false << "keep"
                                       << "keep";
}

void TestKindCodes::keyToKind()
{
    QFETCH(KeyLookup, lookup);
    QFETCH(QString, key);
    QFETCH(bool, found);
    QFETCH(QString, code);
    QFETCH(QString, word);
    QString gotCode = QStringLiteral("keep");
    QString gotWord = QStringLiteral("keep");
    QCOMPARE(lookup(key, gotCode, gotWord), found);
    QCOMPARE(gotCode, code);
    QCOMPARE(gotWord, word);
}

void TestKindCodes::wordToCode_data()
{
    QTest::addColumn<WordLookup>("lookup");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("code");

    const WordLookup tel = Tel_Kind2;
    const WordLookup mail = E_mail_Kind2;
    const WordLookup address = Jusho_Kind2;
    QTest::newRow("tel その他") << tel << "その他"
                                << "VOICE";
    QTest::newRow("tel 携帯") << tel << "携帯"
                              << "CELL";
    QTest::newRow("tel PHS") << tel << "PHS"
                             << "PCS";
    QTest::newRow("tel 自宅") << tel << "自宅"
                              << "HOME";
    QTest::newRow("tel 仕事") << tel << "仕事"
                              << "WORK";
    QTest::newRow("tel FAX") << tel << "FAX"
                             << "FAX";
    QTest::newRow("tel 学校") << tel << "学校"
                              << "";
    QTest::newRow("tel empty") << tel << ""
                               << "";
    QTest::newRow("mail その他") << mail << "その他"
                                 << "INTERNET";
    QTest::newRow("mail 学校") << mail << "学校"
                               << "SCHOOL";
    QTest::newRow("mail 仕事") << mail << "仕事"
                               << "WORK";
    QTest::newRow("mail FAX") << mail << "FAX"
                              << "";
    QTest::newRow("address その他") << address << "その他"
                                    << "POSTAL";
    QTest::newRow("address 自宅") << address << "自宅"
                                  << "HOME";
    QTest::newRow("address 会社") << address << "会社"
                                  << "WORK";
    QTest::newRow("address 仕事") << address << "仕事"
                                  << "";
}

void TestKindCodes::wordToCode()
{
    QFETCH(WordLookup, lookup);
    QFETCH(QString, word);
    QFETCH(QString, code);
    QCOMPARE(lookup(word), code);
}

void TestKindCodes::constellations_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("word");
    QTest::newRow("ARIES") << "ARIES"
                           << "牡羊";
    QTest::newRow("TAURUS") << "TAURUS"
                            << "牡牛";
    QTest::newRow("GEMINI") << "GEMINI"
                            << "双子";
    QTest::newRow("CANCER") << "CANCER"
                            << "蟹";
    QTest::newRow("LEO") << "LEO"
                         << "獅子";
    QTest::newRow("VIRGO") << "VIRGO"
                           << "乙女";
    QTest::newRow("LIBRA") << "LIBRA"
                           << "天秤";
    QTest::newRow("SCORPIUS") << "SCORPIUS"
                              << "蠍";
    QTest::newRow("SAGITTARIUS") << "SAGITTARIUS"
                                 << "射手";
    QTest::newRow("CAPRICORNUS") << "CAPRICORNUS"
                                 << "山羊";
    QTest::newRow("AQUARIUS") << "AQUARIUS"
                              << "水瓶";
    QTest::newRow("PISCES") << "PISCES"
                            << "魚";
}

void TestKindCodes::constellations()
{
    QFETCH(QString, code);
    QFETCH(QString, word);
    QCOMPARE(Seiza_Kind(code), word);
    QCOMPARE(Seiza_Kind2(word), code);
    // The whole code is compared, case included, and the word carries no "座".
    QCOMPARE(Seiza_Kind(code.toLower()), QString());
    QCOMPARE(Seiza_Kind(code.chopped(1)), QString());
    QCOMPARE(Seiza_Kind2(word + QStringLiteral("座")), QString());
}

QTEST_GUILESS_MAIN(TestKindCodes)
#include "tst_kindcodes.moc"
