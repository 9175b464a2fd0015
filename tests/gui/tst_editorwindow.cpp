#include "EditorWindowFixture.h"

// The editor as it loads: caption, size, fields of the three modes, lists, menus, toolbar,
// status bar, tool tips and tab order.
class TestEditorWindow : public EditorWindowFixture
{
    Q_OBJECT

private slots:
    void init() { Reset(); }

    void cleanup()
    {
        m_editor.reset();
        VERIFY_INTERACTION(m_ui);
    }

    void windowItself()
    {
        EditorWindow& editor = Open(u"2"_s);
        QCOMPARE(editor.windowTitle(), u"個別情報編集"_s);
        QVERIFY(editor.isModal());
        QCOMPARE(editor.width(), qRound(12000.0 * editor.logicalDpiX() / 1440));
        QCOMPARE(editor.height(), qRound(9000.0 * editor.logicalDpiY() / 1440));
        QCOMPARE(QFontInfo(Text(kTextName)->font()).family(), u"IPAGothic"_s);
        QCOMPARE(QFontInfo(editor.Form().Label1[13]->font()).family(), u"IPAGothic"_s);
    }

    void loadStates_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("copy");
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QStringList>("groupItems");
        QTest::addColumn<bool>("isPrivate");
        QTest::addColumn<QString>("postal");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("panel2");
        QTest::addColumn<QString>("panel2Tip");

        const QStringList groups = {u"00 家族"_s, u"01 友人"_s};
        QTest::newRow("2: the selected row")
            << u"2"_s << u"0"_s << QString() << u"001"_s << u"名前1"_s << u"01 友人"_s << groups << false << u"123"_s
            << u"1970"_s << u"20050307T090503Z"_s << u" 更新時間 "_s;
        QTest::newRow("0: copy of the row under a new number")
            << u"0"_s << u"1"_s << u"003"_s << u"003"_s << u"名前1"_s << u"01 友人"_s << groups << false << u"123"_s
            << u"1970"_s << u"20050307T090503Z"_s << u" 更新時間 "_s;
        QTest::newRow("0: empty new entry") << u"0"_s << u"0"_s << u"003"_s << u"003"_s << QString() << u"00 家族"_s
                                            << groups << false << QString() << QString() << QString() << QString();
        QTest::newRow("1: first entry of an empty memory dial")
            << u"1"_s << u"0"_s << QString() << u"000"_s << QString() << u"00 ｸﾞﾙｰﾌﾟ0"_s << QStringList{u"00 ｸﾞﾙｰﾌﾟ0"_s}
            << false << QString() << QString() << QString() << QString();
    }

    void loadStates()
    {
        QFETCH(QString, mode);
        QFETCH(QString, copy);
        QFETCH(QString, proposed);
        if (mode == u"1") {
            m_dial = MemoryDial();
        }
        m_dial.CopyEntry = copy;
        EditorWindow& editor = Open(mode, mode == u"1" ? 1 : 2, proposed);

        QTEST(Text(kTextNumber)->text(), "number");
        QTEST(Text(kTextName)->text(), "name");
        QTEST(Combo(kComboGroup)->currentText(), "group");
        QTEST(Items(Combo(kComboGroup)), "groupItems");
        QFETCH(bool, isPrivate);
        QCOMPARE(editor.Form().Option1[kOptionPrivate]->isChecked(), isPrivate);
        QCOMPARE(editor.Form().Option1[kOptionPublic]->isChecked(), !isPrivate);
        QTEST(Text(kTextPostalFirst)->text(), "postal");
        QTEST(Combo(kComboBirthYear)->currentText(), "year");
        QTEST(editor.Panel(2).text(), "panel2");
        QTEST(editor.Panel(2).toolTip(), "panel2Tip");
        QCOMPARE(editor.Panel(5).text(), u"2006/03/07"_s);
        QCOMPARE(editor.Panel(6).text(), u"15:05:00"_s);
        QCOMPARE(editor.Fields().LastFocusIndex, 0);
        QVERIFY(!editor.Actions().mnuEditPrefix->isEnabled());
        QVERIFY(!editor.Actions().mnuEditDomain->isEnabled());
        QCOMPARE(m_dial.GroupCount, mode == u"1" ? u"1"_s : u"2"_s);
    }

    void privateRowSelectsPrivate()
    {
        EditorWindow& editor = Open(u"2"_s, 3);
        QVERIFY(editor.Form().Option1[kOptionPrivate]->isChecked());
        QCOMPARE(Text(kTextNumber)->text(), u"002"_s);
    }

    void dropDownsSelectTheShownItem_data()
    {
        QTest::addColumn<int>("combo");
        QTest::addColumn<QString>("cell"); // what row 2 holds for the box
        QTest::addColumn<int>("item");     // -1: a text of its own, no item selected
        QTest::newRow("birth year") << int{kComboBirthYear} << u"1966"_s << 66;
        QTest::newRow("birth month") << int{kComboBirthMonth} << u"12"_s << 11;
        QTest::newRow("group") << int{kComboGroup} << u"01 友人"_s << 1;
        QTest::newRow("telephone kind") << int{kComboTelKind1} << u"FAX"_s << 5;
        QTest::newRow("constellation") << int{kComboConstellation} << u"魚"_s << 11;
        QTest::newRow("kind word not in the list") << int{kComboMailKind1} << u"会社"_s << -1;
        QTest::newRow("empty") << int{kComboBloodType} << u""_s << -1;
    }

    void dropDownsSelectTheShownItem()
    {
        QFETCH(int, combo);
        QFETCH(QString, cell);
        QFETCH(int, item);
        Entry& row = m_dial.rows[1];
        row[kColBirthday] = u"19661215"_s;
        row[kColTelKind1] = u"FAX"_s;
        row[kColConstellation] = u"魚"_s;
        row[kColMail1] = u"a@example.jp"_s;
        row[kColMailKind1] = u"会社"_s;
        row[kColBloodType] = QString();
        Open(u"2"_s);
        QCOMPARE(Combo(combo)->currentText(), cell);
        QCOMPARE(Combo(combo)->currentIndex(), item);
    }

    void listContents_data()
    {
        QTest::addColumn<int>("combo");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("telephone kind 1")
            << 1 << QStringList{u"その他"_s, u"携帯"_s, u"PHS"_s, u"自宅"_s, u"仕事"_s, u"FAX"_s};
        QTest::newRow("telephone kind 5")
            << 5 << QStringList{u"その他"_s, u"携帯"_s, u"PHS"_s, u"自宅"_s, u"仕事"_s, u"FAX"_s};
        QTest::newRow("mail kind 1") << 6
                                     << QStringList{u"その他"_s, u"携帯"_s, u"PHS"_s, u"自宅"_s, u"学校"_s, u"仕事"_s};
        QTest::newRow("mail kind 5") << 10
                                     << QStringList{u"その他"_s, u"携帯"_s, u"PHS"_s, u"自宅"_s, u"学校"_s, u"仕事"_s};
        QTest::newRow("address kind") << 11 << QStringList{u"その他"_s, u"自宅"_s, u"会社"_s};
        QTest::newRow("blood type") << 15 << QStringList{u"A"_s, u"B"_s, u"O"_s, u"AB"_s};
        QTest::newRow("constellation") << 16
                                       << QStringList{u"牡羊"_s, u"牡牛"_s, u"双子"_s, u"蟹"_s,   u"獅子"_s, u"乙女"_s,
                                                      u"天秤"_s, u"蠍"_s,   u"射手"_s, u"山羊"_s, u"水瓶"_s, u"魚"_s};
    }

    void listContents()
    {
        QFETCH(int, combo);
        Open(u"2"_s);
        QTEST(Items(Combo(combo)), "items");
        QVERIFY(Combo(combo)->isEditable());
    }

    void birthdayLists()
    {
        Open(u"2"_s);
        const QStringList years = Items(Combo(kComboBirthYear));
        QCOMPARE(years.size(), 107);
        QCOMPARE(years.first(), u"1900"_s);
        QCOMPARE(years.last(), u"2006"_s);
        QCOMPARE(Items(Combo(kComboBirthMonth)).size(), 12);
        QCOMPARE(Items(Combo(kComboBirthMonth)).first(), u"01"_s);
        QCOMPARE(Items(Combo(kComboBirthDay)).size(), 31);
        QCOMPARE(Items(Combo(kComboBirthDay)).last(), u"31"_s);
    }

    void menus()
    {
        EditorWindow& editor = Open(u"2"_s);
        // Caption, shortcut and enabled state of every item in menu order; "-" a separator.
        const QStringList expected = {
            u"ﾌｧｲﾙ(&F)"_s,
            u"新規作成(&N)|Ctrl+N|1"_s,
            u"保存(&S)|Ctrl+S|1"_s,
            u"-"_s,
            u"前の個別情報 ←(&B)|Ctrl+B|1"_s,
            u"次の個別情報 →(&A)|Ctrl+A|1"_s,
            u"-"_s,
            u"閉じる(&X)||1"_s,
            u"編集(&E)"_s,
            u"切り取り(&T)|Ctrl+X|1"_s,
            u"ｺﾋﾟｰ(&C)|Ctrl+C|1"_s,
            u"貼り付け(&P)|Ctrl+V|1"_s,
            u"-"_s,
            u"ﾌﾟﾚﾌｨｸｽ番号の付加(&F)||0"_s,
            u"ﾄﾞﾒｲﾝ名の付加(&D)||0"_s,
            u"-"_s,
            u"〒 ⇔ 住所(&K)||0"_s,
            u"星座の設定(S)||0"_s,
            u"誕生日の設定(&B)||0"_s,
            u"ｵﾌﾟｼｮﾝ(&O)"_s,
            u"ﾒｰﾙ 送信(&M)||1"_s,
            u"Web 閲覧(&W)||1"_s,
            u"GPS 情報(&G)||1"_s,
            u"-"_s,
            u"各種設定(&K)|Ctrl+K|0"_s,
            u"ﾍﾙﾌﾟ(&H)"_s,
            u"ﾄﾋﾟｯｸの検索(&H)|F1|1"_s,
            u"当該ﾍﾙﾌﾟ(&C)||1"_s,
            u"-"_s,
            u"ﾊﾞｰｼﾞｮﾝ情報(&A)...||1"_s,
        };
        QStringList actual;
        for (QAction* menuAction : editor.Actions().menuBar->actions()) {
            actual << menuAction->text();
            for (QAction* item : menuAction->menu()->actions()) {
                actual << (item->isSeparator()
                               ? u"-"_s
                               : item->text() + u'|' + item->shortcut().toString(QKeySequence::PortableText) + u'|' +
                                     (item->isEnabled() ? u'1' : u'0'));
            }
        }
        QCOMPARE(actual, expected);
    }

    void toolbar()
    {
        EditorWindow& editor = Open(u"2"_s);
        // Tool tip and enabled state of buttons 1 to 17; "-" a separator or the gap.
        const QStringList expected = {
            u"-"_s,
            u" 新規作成 |1"_s,
            u" 保存 |1"_s,
            u"-"_s,
            u" 先頭の個別情報 |1"_s,
            u" 前の個別情報 |1"_s,
            u" 次の個別情報 |1"_s,
            u" 最後の個別情報 |1"_s,
            u"-"_s,
            u" 切り取り |1"_s,
            u" ｺﾋﾟｰ |1"_s,
            u" 貼り付け |1"_s,
            u"-"_s,
            u" 各種設定 |0"_s,
            u"-"_s,
            u" ﾊﾞｰｼﾞｮﾝ情報 |1"_s,
            u" ﾍﾙﾌﾟ |1"_s,
        };
        QStringList actual;
        for (QAction* button : editor.Actions().toolBar->actions()) {
            actual << (button->isSeparator() || button->text().isEmpty()
                           ? u"-"_s
                           : button->toolTip() + u'|' + (button->isEnabled() ? u'1' : u'0'));
        }
        QCOMPARE(actual, expected);
    }

    void statusBar()
    {
        EditorWindow& editor = Open(u"2"_s);
        const QStringList tips = {QString(),         u" 更新時間 "_s, u" 大文字／小文字 "_s,
                                  u" 上書／挿入 "_s, u" 日付 "_s,     u" 時間 "_s};
        const QStringList texts = {QString(), u"20050307T090503Z"_s, u"CAPS"_s,
                                   u"INS"_s,  u"2006/03/07"_s,       u"15:05:00"_s};
        for (int panel = 1; panel <= 6; ++panel) {
            QCOMPARE(editor.Panel(panel).toolTip(), tips[panel - 1]);
            QCOMPARE(editor.Panel(panel).text(), texts[panel - 1]);
            QCOMPARE(editor.Panel(panel).parentWidget(), &editor.StatusBar());
        }
    }

    void toolTips_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("tip");
        QTest::newRow("number") << u"Text1_0"_s << u" No. "_s;
        QTest::newRow("reading") << u"Text1_2"_s << u" ﾌﾘｶﾞﾅ "_s;
        QTest::newRow("telephone 5") << u"Text1_7"_s << u" 電話番号 5 "_s;
        QTest::newRow("mail 1") << u"Text1_8"_s << u" ﾒｰﾙｱﾄﾞﾚｽ 1 "_s;
        QTest::newRow("postal first") << u"Text1_13"_s << u" 郵便番号 XXX-xxxx "_s;
        QTest::newRow("postal second") << u"Text1_14"_s << u" 郵便番号 xxx-XXXX "_s;
        QTest::newRow("gps") << u"Text1_19"_s << u" GPS "_s;
        QTest::newRow("postal caption") << u"Label1_13"_s << u" 郵便番号 XXX-xxxx "_s;
        QTest::newRow("group") << u"Combo1_0"_s << u" ｸﾞﾙｰﾌﾟNo. "_s;
        QTest::newRow("mail kind 5") << u"Combo1_10"_s << u" ﾒｰﾙ種別 5 "_s;
        QTest::newRow("birth month") << u"Combo1_13"_s << u" 誕生月 "_s;
        QTest::newRow("constellation") << u"Combo1_16"_s << u" 星座 "_s;
        QTest::newRow("private") << u"Option1_1"_s << u" ｼｰｸﾚｯﾄ：PRIVATE "_s;
        QTest::newRow("postal button") << u"Command1_0"_s << u" 〒 ⇔ 住所 "_s;
        QTest::newRow("calendar button") << u"Command1_2"_s << u" 誕生日の設定（ｶﾚﾝﾀﾞｰ形式） "_s;
        QTest::newRow("gps button") << u"Command1_4"_s << u" GPS 情報 "_s;
    }

    void toolTips()
    {
        QFETCH(QString, control);
        EditorWindow& editor = Open(u"2"_s);
        auto* widget = editor.findChild<QWidget*>(control);
        QVERIFY2(widget, qPrintable(control));
        QTEST(widget->toolTip(), "tip");
    }

    void captionsAndInputRules()
    {
        EditorWindow& editor = Open(u"2"_s);
        const EditorForm& form = editor.Form();
        QCOMPARE(form.Frame1[0]->title(), u" 電話番号 "_s);
        QCOMPARE(form.Frame1[1]->title(), u" ﾒｰﾙｱﾄﾞﾚｽ "_s);
        QCOMPARE(form.Frame1[2]->title(), u" その他の情報 "_s);
        QCOMPARE(form.Label1[14]->text(), u"－"_s);
        QCOMPARE(form.Label2[17]->text(), u"誕生日"_s);
        QCOMPARE(form.Command1[0]->text(), u"〒 ⇔ 住所"_s);
        for (const QPushButton* button : form.Command1) {
            QVERIFY(!button->isEnabled());
        }
        QVERIFY(Text(kTextNumber)->isReadOnly());
        // The read-only number box holds a number of any length.
        QVERIFY(Text(kTextNumber)->maxLength() > 1000);
        // The first box takes a whole code in, to split it over both boxes.
        QCOMPARE(Text(kTextPostalFirst)->maxLength(), 12);
        QCOMPARE(Text(kTextPostalSecond)->maxLength(), 4);
        QVERIFY(!Text(kTextTel1)->testAttribute(Qt::WA_InputMethodEnabled));
        QVERIFY(!Text(kTextPostalFirst)->testAttribute(Qt::WA_InputMethodEnabled));
        QVERIFY(Text(kTextAddress)->testAttribute(Qt::WA_InputMethodEnabled));
        QVERIFY(Text(kTextName)->maxLength() > 1000);
    }

    void tabOrder()
    {
        EditorWindow& editor = Open(u"2"_s);
        const QStringList expected = {
            u"Text1_1"_s,    u"Text1_2"_s,    u"Combo1_0"_s,  u"Option1_0"_s, u"Option1_1"_s,  u"Text1_3"_s,
            u"Combo1_1"_s,   u"Text1_4"_s,    u"Combo1_2"_s,  u"Text1_5"_s,   u"Combo1_3"_s,   u"Text1_6"_s,
            u"Combo1_4"_s,   u"Text1_7"_s,    u"Combo1_5"_s,  u"Text1_8"_s,   u"Combo1_6"_s,   u"Text1_9"_s,
            u"Combo1_7"_s,   u"Text1_10"_s,   u"Combo1_8"_s,  u"Text1_11"_s,  u"Combo1_9"_s,   u"Text1_12"_s,
            u"Combo1_10"_s,  u"Combo1_11"_s,  u"Text1_13"_s,  u"Text1_14"_s,  u"Command1_0"_s, u"Text1_15"_s,
            u"Combo1_16"_s,  u"Command1_1"_s, u"Combo1_12"_s, u"Combo1_13"_s, u"Combo1_14"_s,  u"Command1_2"_s,
            u"Combo1_15"_s,  u"Text1_16"_s,   u"Text1_17"_s,  u"Text1_18"_s,  u"Command1_3"_s, u"Text1_19"_s,
            u"Command1_4"_s, u"Text1_0"_s,
        };
        QStringList actual;
        QWidget* widget = Text(kTextName);
        for (int i = 0; i < expected.size(); ++i) {
            actual << widget->objectName();
            do {
                widget = widget->nextInFocusChain();
            } while (widget->objectName().isEmpty() || widget->focusPolicy() == Qt::NoFocus);
        }
        QCOMPARE(actual, expected);
        Q_UNUSED(editor);
    }
};

QTEST_MAIN(TestEditorWindow)
#include "tst_editorwindow.moc"
