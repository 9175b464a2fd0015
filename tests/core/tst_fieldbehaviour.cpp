#include "FakeInteraction.h"
#include "editor/FieldBehaviour.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace FieldBehaviour;

Q_DECLARE_METATYPE(FieldBehaviour::ControlArray)
Q_DECLARE_METATYPE(FieldBehaviour::ClipboardCommand)
Q_DECLARE_METATYPE(FieldBehaviour::InputMode)

namespace {

const QString kSwapTitle = u"入替え先確認"_s;

// Label1(n) as "L1:n", Label2(n) as "L2:n".
QStringList Names(const QList<Caption>& captions)
{
    QStringList names;
    for (const Caption& caption : captions) {
        names << u"L%1:%2"_s.arg(caption.array == LabelArray::Label1 ? 1 : 2).arg(caption.index);
    }
    return names;
}

EditorFields SlotFields()
{
    EditorFields fields;
    fields.Text(3) = u"09011112222"_s;
    fields.Combo(1) = u"携帯"_s;
    fields.Text(6) = u"0312345678"_s;
    fields.Combo(4) = u"自宅"_s;
    fields.Text(9) = u"taro@example.jp"_s;
    fields.Combo(7) = u"PHS"_s;
    fields.Text(1) = u"山田"_s;
    return fields;
}

} // namespace

class TestFieldBehaviour : public QObject
{
    Q_OBJECT

private slots:
    void focusedControl_data()
    {
        QTest::addColumn<ControlArray>("array");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QString>("status");

        const auto text = ControlArray::Text1;
        const auto combo = ControlArray::Combo1;
        QTest::newRow("name") << text << 1 << QStringList{u"L1:1"_s} << u" 名前 "_s;
        QTest::newRow("telephone 2") << text << 4 << QStringList{u"L1:4"_s} << u" 電話番号 2 "_s;
        QTest::newRow("mail 3") << text << 10 << QStringList{u"L1:10"_s} << u" ﾒｰﾙｱﾄﾞﾚｽ 3 "_s;
        QTest::newRow("postal first part") << text << 13 << QStringList{u"L1:13"_s} << u" 郵便番号 XXX-xxxx "_s;
        QTest::newRow("postal second part shares the caption")
            << text << 14 << QStringList{u"L1:13"_s} << u" 郵便番号 xxx-XXXX "_s;
        QTest::newRow("group") << combo << 0 << QStringList{u"L2:0"_s} << u" ｸﾞﾙｰﾌﾟNo. "_s;
        QTest::newRow("telephone kind 1 lights the number's caption")
            << combo << 1 << QStringList{u"L1:3"_s} << u" 電話種別 1 "_s;
        QTest::newRow("address kind") << combo << 11 << QStringList{u"L2:11"_s} << u" 住所種別 "_s;
        QTest::newRow("birth month with 誕生日") << combo << 13 << QStringList{u"L2:13"_s, u"L2:17"_s} << u" 誕生月 "_s;
        QTest::newRow("PRIVATE") << ControlArray::Option1 << 1 << QStringList{u"L2:1"_s} << u" ｼｰｸﾚｯﾄ "_s;
        QTest::newRow("calendar button") << ControlArray::Command1 << 2 << QStringList{}
                                         << u" 誕生日の設定（ｶﾚﾝﾀﾞｰ形式） "_s;
        QTest::newRow("no such text box") << text << 20 << QStringList{} << QString();
    }

    void focusedControl()
    {
        QFETCH(ControlArray, array);
        QFETCH(int, index);
        QTEST(Names(CaptionsOf({array, index})), "captions");
        QTEST(StatusText({array, index}), "status");
    }

    void menus_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("prefix");
        QTest::addColumn<bool>("mail");
        for (int index : {0, 1, 2, 13, 15, 19}) {
            QTest::addRow("text %d: none", index) << index << false << false;
        }
        QTest::newRow("telephone 1") << 3 << true << false;
        QTest::newRow("telephone 5") << 7 << true << false;
        QTest::newRow("mail 1") << 8 << false << true;
        QTest::newRow("mail 5") << 12 << false << true;
    }

    void menus()
    {
        QFETCH(int, index);
        QFETCH(bool, prefix);
        QFETCH(bool, mail);
        const FieldMenus menus = MenusForText(index);
        QCOMPARE(menus.prefix, prefix);
        QCOMPARE(menus.domain, mail);
        QCOMPARE(menus.eMail, mail);
        QCOMPARE(ShowsReducedEditMenu(index), mail);
    }

    void swap_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("told");
        // The slots after the drop: text(source), kind(source), text(target), kind(target).
        QTest::addColumn<QStringList>("after");

        QTest::newRow("telephone 1 onto filled telephone 4")
            << 3 << 6 << true << QStringList{u"0312345678"_s, u"自宅"_s, u"09011112222"_s, u"携帯"_s};
        QTest::newRow("telephone 1 onto empty telephone 5")
            << 3 << 7 << false << QStringList{QString(), QString(), u"09011112222"_s, u"携帯"_s};
        QTest::newRow("mail 2 onto empty mail 5")
            << 9 << 12 << false << QStringList{QString(), QString(), u"taro@example.jp"_s, u"PHS"_s};
        QTest::newRow("empty mail 1 onto filled mail 2: moves it up")
            << 8 << 9 << true << QStringList{u"taro@example.jp"_s, u"PHS"_s, QString(), QString()};
        QTest::newRow("telephone onto a mail box") << 3 << 9 << false << QStringList{};
        QTest::newRow("mail onto a telephone box") << 9 << 6 << false << QStringList{};
        QTest::newRow("name onto a telephone box") << 1 << 4 << false << QStringList{};
        QTest::newRow("onto itself") << 6 << 6 << false << QStringList{};
        QTest::newRow("postal code onto address") << 13 << 15 << false << QStringList{};
    }

    void swap()
    {
        QFETCH(int, source);
        QFETCH(int, target);
        QFETCH(bool, told);
        QFETCH(QStringList, after);
        EditorFields fields = SlotFields();
        const EditorFields before = fields;
        FakeInteraction ui;
        if (told) {
            ui.ExpectTell(IsTelText(target) ? u"「電話番号」 を入れ替えます。　"_s
                                            : u"「ﾒｰﾙｱﾄﾞﾚｽ」 を入れ替えます。　"_s,
                          kSwapTitle, MessageIcon::Information);
        }
        SwapSlots(fields, source, target, before.Text(source), ui);
        VERIFY_INTERACTION(ui);
        QCOMPARE(MayDrop(source, target), !after.isEmpty());
        if (after.isEmpty()) {
            QCOMPARE(fields.Text1, before.Text1);
            QCOMPARE(fields.Combo1, before.Combo1);
            return;
        }
        QCOMPARE(
            (QStringList{fields.Text(source), fields.Combo(source - 2), fields.Text(target), fields.Combo(target - 2)}),
            after);
    }

    void swapUsesTheTextOfTheDragStart()
    {
        EditorFields fields = SlotFields();
        FakeInteraction ui;
        ui.ExpectAnyTell(kSwapTitle, MessageIcon::Information);
        SwapSlots(fields, 3, 6, u"0900000000"_s, ui);
        VERIFY_INTERACTION(ui);
        QCOMPARE(fields.Text(6), u"0900000000"_s);
        QCOMPARE(fields.Text(3), u"0312345678"_s);
    }

    void clipboard_data()
    {
        QTest::addColumn<ClipboardCommand>("command");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QVariant>("toClipboard"); // invalid: clipboard untouched
        QTest::addColumn<QVariant>("replacement"); // invalid: box untouched

        const QVariant none;
        const auto cut = ClipboardCommand::Cut;
        const auto copy = ClipboardCommand::Copy;
        const auto paste = ClipboardCommand::Paste;
        QTest::newRow("cut") << cut << u"090"_s << u"x"_s << false << QVariant(u"090"_s) << QVariant(QString());
        QTest::newRow("cut without selection empties the clipboard")
            << cut << QString() << u"x"_s << false << QVariant(QString()) << QVariant(QString());
        QTest::newRow("cut from the number box only copies")
            << cut << u"001"_s << u"x"_s << true << QVariant(u"001"_s) << none;
        QTest::newRow("copy") << copy << u"山田"_s << u"x"_s << false << QVariant(u"山田"_s) << none;
        QTest::newRow("copy without selection") << copy << QString() << u"x"_s << false << QVariant(QString()) << none;
        QTest::newRow("paste") << paste << u"old"_s << u"new"_s << false << none << QVariant(u"new"_s);
        QTest::newRow("paste of nothing deletes the selection")
            << paste << u"old"_s << QString() << false << none << QVariant(QString());
        QTest::newRow("paste drops a final line break")
            << paste << QString() << u"0312345678\r\n"_s << false << none << QVariant(u"0312345678"_s);
        QTest::newRow("paste keeps one line") << paste << QString() << u"東京都\r\n千代田区\n\n1-1"_s << false << none
                                              << QVariant(u"東京都 千代田区 1-1"_s);
        QTest::newRow("paste into the number box") << paste << QString() << u"999"_s << true << none << none;
    }

    void clipboard()
    {
        QFETCH(ClipboardCommand, command);
        QFETCH(QString, selected);
        QFETCH(QString, clipboard);
        QFETCH(bool, readOnly);
        QFETCH(QVariant, toClipboard);
        QFETCH(QVariant, replacement);
        const ClipboardEdit edit = ApplyClipboardCommand(command, selected, clipboard, readOnly);
        QCOMPARE(edit.toClipboard.has_value(), toClipboard.isValid());
        QCOMPARE(edit.toClipboard.value_or(QString()), toClipboard.toString());
        QCOMPARE(edit.replacement.has_value(), replacement.isValid());
        QCOMPARE(edit.replacement.value_or(QString()), replacement.toString());
    }

    void splitPostalInput_data()
    {
        QTest::addColumn<QString>("firstBox");
        QTest::addColumn<QString>("first"); // "-": the box stays as it is
        QTest::addColumn<QString>("second");
        QTest::newRow("3 digits stay") << u"100"_s << u"-"_s << u""_s;
        QTest::newRow("a fourth digit typed") << u"1000"_s << u"100"_s << u"0"_s;
        QTest::newRow("7 digits") << u"1000001"_s << u"100"_s << u"0001"_s;
        QTest::newRow("pasted with hyphen") << u"100-0001"_s << u"100"_s << u"0001"_s;
        QTest::newRow("postal mark, full width") << u"〒１００－０００１"_s << u"100"_s << u"0001"_s;
        QTest::newRow("blanks around") << u" 060-8588 "_s << u"060"_s << u"8588"_s;
        QTest::newRow("mark and 3 digits") << u"〒100"_s << u"100"_s << u""_s;
        QTest::newRow("more than a code") << u"10000012"_s << u"100"_s << u"0001"_s;
    }
    void splitPostalInput()
    {
        QFETCH(QString, firstBox);
        QFETCH(QString, first);
        QFETCH(QString, second);
        const std::optional<PostalParts> parts = SplitPostalInput(firstBox);
        QCOMPARE(parts.has_value(), first != u"-");
        if (parts) {
            QCOMPARE(*parts, (PostalParts{first, second}));
        }
    }

    void inputMethod_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<InputMode>("mode");
        QTest::addColumn<Qt::InputMethodHints>("hints");
        const Qt::InputMethodHints latin = Qt::ImhLatinOnly | Qt::ImhNoAutoUppercase | Qt::ImhNoPredictiveText;
        const Qt::InputMethodHints digits = Qt::ImhDigitsOnly | Qt::ImhNoPredictiveText;
        QTest::newRow("No.") << 0 << InputMode::Disabled << digits;
        QTest::newRow("name") << 1 << InputMode::Hiragana << Qt::InputMethodHints();
        QTest::newRow("reading") << 2 << InputMode::HalfWidthKatakana << Qt::InputMethodHints();
        QTest::newRow("telephone 5") << 7 << InputMode::Disabled
                                     << Qt::InputMethodHints(Qt::ImhDialableCharactersOnly | Qt::ImhNoPredictiveText);
        QTest::newRow("mail 1") << 8 << InputMode::Disabled << (latin | Qt::ImhEmailCharactersOnly);
        QTest::newRow("URL") << 18 << InputMode::Disabled << (latin | Qt::ImhUrlCharactersOnly);
        QTest::newRow("GPS") << 19 << InputMode::Disabled << latin;
    }

    void inputMethod()
    {
        QFETCH(int, index);
        QTEST(InputModeFor(index), "mode");
        QTEST(InputHintsFor(index), "hints");
    }
};

QTEST_GUILESS_MAIN(TestFieldBehaviour)
#include "tst_fieldbehaviour.moc"
