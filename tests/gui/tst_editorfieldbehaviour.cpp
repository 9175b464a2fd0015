#include "EditorFieldBehaviour.h"
#include "EditorWindowFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QTemporaryDir>

namespace {

const QColor kDark(0x40, 0x40, 0x40);
const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kGrey(0x80, 0x80, 0x80);

enum class Array
{
    Text,
    Combo,
    Option,
};

} // namespace

Q_DECLARE_METATYPE(Array)

// The editor's fields under the user's hands: focus colours and status text, the menus a
// field enables, Enter, the clipboard commands, the right-click menu and dragging slots.
class TestEditorFieldBehaviour : public EditorWindowFixture
{
    Q_OBJECT

    QWidget* Control(Array array, int index)
    {
        EditorForm& form = m_editor->Form();
        switch (array) {
        case Array::Text:
            return Text(index);
        case Array::Combo:
            return Combo(index);
        case Array::Option:
            return form.Option1[static_cast<std::size_t>(index)];
        }
        return nullptr;
    }

    void Focus(QWidget* widget)
    {
        widget->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(widget->hasFocus() || widget->isAncestorOf(QApplication::focusWidget()));
    }

    // Sends a slot drag of Text1(source) over Text1(target) and drops it; true when accepted.
    bool DragAndDrop(int source, int target)
    {
        m_editor->FieldBehaviour().BeginDrag(source);
        QMimeData mime;
        mime.setData(EditorFieldBehaviour::kSlotMimeType.toString(), QByteArray::number(source));
        const QPoint at = Text(target)->rect().center();
        QDragEnterEvent enter(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Text(target), &enter);
        QDragMoveEvent move(at, Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Text(target), &move);
        const bool accepted = move.isAccepted();
        QDropEvent drop(QPointF(at), Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Text(target), &drop);
        m_editor->FieldBehaviour().EndDrag();
        QCoreApplication::processEvents();
        return accepted;
    }

private slots:
    void init() { Reset(); }

    void cleanup()
    {
        m_editor.reset();
        VERIFY_INTERACTION(m_ui);
    }

    void focusColoursAndStatus_data()
    {
        QTest::addColumn<Array>("array");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption"); // object name of the highlighted caption
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("menus"); // prefix, domain, mail: 1 enabled
        QTest::addColumn<int>("lastFocus");

        QTest::newRow("mail address 3") << Array::Text << 10 << u"Label1_10"_s << u" ﾒｰﾙｱﾄﾞﾚｽ 3 "_s << u"011"_s << 10;
        QTest::newRow("telephone 1") << Array::Text << 3 << u"Label1_3"_s << u" 電話番号 1 "_s << u"100"_s << 3;
        QTest::newRow("postal second part lights 郵便番号")
            << Array::Text << 14 << u"Label1_13"_s << u" 郵便番号 xxx-XXXX "_s << u"000"_s << 14;
        QTest::newRow("blood type keeps the menus of telephone 2")
            << Array::Combo << 15 << u"Label2_15"_s << u" 血液型 "_s << u"100"_s << 4;
        QTest::newRow("mail kind 2 lights the address caption")
            << Array::Combo << 7 << u"Label1_9"_s << u" ﾒｰﾙ種別 2 "_s << u"100"_s << 4;
        QTest::newRow("PRIVATE") << Array::Option << 1 << u"Label2_1"_s << u" ｼｰｸﾚｯﾄ "_s << u"100"_s << 4;
    }

    void focusColoursAndStatus()
    {
        QFETCH(Array, array);
        QFETCH(int, index);
        QFETCH(QString, caption);
        EditorWindow& editor = Open(u"2"_s);
        ShowActive();
        Focus(Text(kTextTel1 + 1));
        QWidget* field = Control(array, index);
        Focus(field);

        // What the option button fills its background with.
        const auto role = array == Array::Option ? field->backgroundRole() : QPalette::Base;
        const auto textRole = array == Array::Option ? QPalette::WindowText : QPalette::Text;
        QCOMPARE(field->palette().color(role), kDark);
        QCOMPARE(field->palette().color(textRole), kYellow);
        auto* label = editor.findChild<QLabel*>(caption);
        QVERIFY(label);
        QCOMPARE(label->palette().color(QPalette::Window), kDark);
        QCOMPARE(label->palette().color(QPalette::WindowText), kYellow);
        QTEST(editor.Panel(1).text(), "status");
        QTEST(editor.Panel(1).toolTip(), "status");
        const EditorActions& a = editor.Actions();
        QTEST(QString(QChar(a.mnuEditPrefix->isEnabled() ? u'1' : u'0')) +
                  (a.mnuEditDomain->isEnabled() ? u'1' : u'0') + (a.mnuOptE_Mail->isEnabled() ? u'1' : u'0'),
              "menus");
        QTEST(editor.Fields().LastFocusIndex, "lastFocus");

        // Telephone 2, which had the focus before, is back to white with its grey caption.
        if (field != Text(4)) {
            QCOMPARE(Text(4)->palette().color(QPalette::Base), kWhite);
            QCOMPARE(Text(4)->palette().color(QPalette::Text), QColor(Qt::black));
            QCOMPARE(editor.Form().Label1[4]->palette().color(QPalette::Window), kGrey);
            QCOMPARE(editor.Form().Label1[4]->palette().color(QPalette::WindowText), kWhite);
        }
    }

    void enterMovesOn_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<QString>("next");
        QTest::newRow("name to reading") << int{kTextName} << u"Text1_2"_s;
        QTest::newRow("telephone 1 to its kind") << int{kTextTel1} << u"Combo1_1"_s;
        QTest::newRow("postal first to second part") << int{kTextPostalFirst} << u"Text1_14"_s;
        QTest::newRow("memo to URL") << int{kTextMemo} << u"Text1_18"_s;
    }

    void enterMovesOn()
    {
        QFETCH(int, from);
        QFETCH(QString, next);
        EditorWindow& editor = Open(u"2"_s);
        ShowActive();
        Focus(Text(from));
        const QString before = Text(from)->text();
        QTest::keyClick(Text(from), Qt::Key_Return);
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused);
        // A drop-down's text part stands for the drop-down.
        if (focused->objectName().isEmpty()) {
            focused = focused->parentWidget();
        }
        QCOMPARE(focused->objectName(), next);
        QCOMPARE(Text(from)->text(), before);
        QVERIFY(editor.isVisible());
    }

    // Typed key by key, pasted with Ctrl+V, or pasted with 編集 → 貼り付け.
    void wholePostalCodeFillsBothBoxes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("7 digits typed") << u"1000001"_s << QString() << false;
        QTest::newRow("pasted") << QString() << u"100-0001"_s << false;
        QTest::newRow("pasted by the menu") << QString() << u"〒100-0001"_s << true;
        QTest::newRow("typed on after a paste of 3") << u"0001"_s << u"100"_s << false;
    }
    void wholePostalCodeFillsBothBoxes()
    {
        QFETCH(QString, typed);
        QFETCH(QString, pasted);
        QFETCH(bool, byMenu);
        EditorWindow& editor = Open(u"2"_s);
        ShowActive();
        Text(kTextPostalFirst)->clear();
        Text(kTextPostalSecond)->setText(u"9999"_s);
        Focus(Text(kTextPostalFirst));
        if (!pasted.isEmpty()) {
            QApplication::clipboard()->setText(pasted);
            if (byMenu) {
                editor.Actions().mnuEditCutCopyPaste[2]->trigger();
            } else {
                QTest::keyClick(Text(kTextPostalFirst), Qt::Key_V, Qt::ControlModifier);
            }
        }
        // Each key goes where the focus is when it is typed, as the keyboard's do.
        for (const QChar key : typed) {
            QTest::keyClicks(QApplication::focusWidget(), QString(key));
        }
        QCOMPARE(Text(kTextPostalFirst)->text(), u"100"_s);
        QCOMPARE(Text(kTextPostalSecond)->text(), u"0001"_s);
    }

    void clipboardOnLastTextBox_data()
    {
        QTest::addColumn<int>("item"); // 0 cut, 1 copy, 2 paste, by their shortcuts
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("clipboardAfter");
        QTest::addColumn<QString>("textAfter");
        QTest::newRow("cut") << 0 << 2 << 2 << u"太郎"_s << u"山田"_s;
        QTest::newRow("copy") << 1 << 0 << 2 << u"山田"_s << u"山田太郎"_s;
        QTest::newRow("paste over the selection") << 2 << 0 << 2 << u"クリップ"_s << u"クリップ太郎"_s;
        QTest::newRow("cut without selection") << 0 << 4 << 0 << QString() << u"山田太郎"_s;
    }

    void clipboardOnLastTextBox()
    {
        QFETCH(int, item);
        QFETCH(int, start);
        QFETCH(int, length);
        Open(u"2"_s);
        ShowActive();
        QGuiApplication::clipboard()->setText(u"クリップ"_s);
        Text(kTextName)->setText(u"山田太郎"_s);
        Focus(Text(kTextName));
        Text(kTextName)->setSelection(start, length);
        // The drop-down has the focus when the command comes, from the menu or by shortcut.
        Focus(Combo(kComboBloodType));
        Combo(kComboBloodType)->setEditText(u"AB"_s);
        static constexpr std::array<Qt::Key, 3> kKeys = {Qt::Key_X, Qt::Key_C, Qt::Key_V};
        QTest::keyClick(Combo(kComboBloodType)->lineEdit(), kKeys[static_cast<std::size_t>(item)], Qt::ControlModifier);
        QTEST(QGuiApplication::clipboard()->text(), "clipboardAfter");
        QTEST(Text(kTextName)->text(), "textAfter");
        QCOMPARE(Combo(kComboBloodType)->currentText(), u"AB"_s);
    }

    void rightClickMenu_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("items"); // visible items of the menu that opened
        QTest::newRow("mail address 2: reduced 編集") << 9
                                                      << QStringList{u"-"_s, u"ﾄﾞﾒｲﾝ名の付加(&D)"_s, u"〒 ⇔ 住所(&K)"_s,
                                                                     u"星座の設定(S)"_s, u"誕生日の設定(&B)"_s};
        QTest::newRow("telephone 1: none of ours") << 3 << QStringList{};
        QTest::newRow("name: none of ours") << 1 << QStringList{};
    }

    void rightClickMenu()
    {
        QFETCH(int, index);
        EditorWindow& editor = Open(u"2"_s);
        ShowActive();
        Focus(Text(index));
        QStringList shown;
        bool ours = false;
        QTimer::singleShot(200, [&] {
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!popup) {
                return;
            }
            ours = popup->parent() == editor.Actions().menuBar;
            for (QAction* action : popup->actions()) {
                if (action->isVisible() && ours) {
                    shown << (action->isSeparator() ? u"-"_s : action->text());
                }
            }
            popup->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, Text(index)->rect().center(),
                                Text(index)->mapToGlobal(Text(index)->rect().center()));
        QApplication::sendEvent(Text(index), &event);
        QTest::qWait(300);
        QTEST(shown, "items");
        // Afterwards the whole menu is back.
        for (QAction* action : editor.Actions().mnuEditCutCopyPaste) {
            QVERIFY(action->isVisible());
        }
        QVERIFY(editor.Actions().mnuEditPrefix->isVisible());
    }

    void dragAndDrop_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QStringList>("after"); // texts and kinds of telephones 1 and 4, mail 2
        const QStringList untouched = {u"09000000001"_s, u"携帯"_s, u"0312345678"_s, u"自宅"_s, u"a@example.jp"_s};
        QTest::newRow("telephone 1 onto filled telephone 4")
            << 3 << 6 << true
            << QStringList{u"0312345678"_s, u"自宅"_s, u"09000000001"_s, u"携帯"_s, u"a@example.jp"_s};
        QTest::newRow("telephone onto a mail box") << 3 << 9 << false << untouched;
        QTest::newRow("onto itself") << 6 << 6 << false << untouched;
        QTest::newRow("name onto a telephone") << 1 << 6 << false << untouched;
    }

    void dragAndDrop()
    {
        QFETCH(int, source);
        QFETCH(int, target);
        Open(u"2"_s);
        ShowActive();
        Text(3)->setText(u"09000000001"_s);
        Combo(1)->setEditText(u"携帯"_s);
        Text(6)->setText(u"0312345678"_s);
        Combo(4)->setEditText(u"自宅"_s);
        Text(9)->setText(u"a@example.jp"_s);
        QFETCH(bool, accepted);
        if (accepted) {
            m_ui.ExpectTell(u"「電話番号」 を入れ替えます。　"_s, u"入替え先確認"_s, MessageIcon::Information);
        }
        QCOMPARE(DragAndDrop(source, target), accepted);
        QFETCH(QStringList, after);
        QTRY_COMPARE((QStringList{Text(3)->text(), Combo(1)->currentText(), Text(6)->text(), Combo(4)->currentText(),
                                  Text(9)->text()}),
                     after);
    }

    void dragCursorFiles_data()
    {
        QTest::addColumn<QString>("content"); // "icon", "junk", "folder" or "" for no file
        QTest::addColumn<int>("size");
        QTest::newRow("icon file beside the program") << u"icon"_s << 16;
        QTest::newRow("missing: our own drawing") << QString() << 32;
        QTest::newRow("no icon in the file") << u"junk"_s << 32;
        QTest::newRow("a folder by that name") << u"folder"_s << 32;
    }

    void dragCursorFiles()
    {
        QFETCH(QString, content);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        for (const QString& name : {u"DRAG.ICO"_s, u"DRAG2.ICO"_s}) {
            const QString path = folder.filePath(name);
            if (content == u"icon") {
                QImage image(16, 16, QImage::Format_ARGB32);
                image.fill(Qt::red);
                QVERIFY(image.save(path, "ICO"));
            } else if (content == u"junk") {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write("not an icon");
            } else if (content == u"folder") {
                QVERIFY(QDir(folder.path()).mkdir(name));
            }
        }
        for (bool mayDrop : {true, false}) {
            const QPixmap cursor = EditorFieldBehaviour::DragCursor(folder.path(), mayDrop);
            QTEST(cursor.width(), "size");
        }
        // The drawn cursors differ, so the user sees whether a drop is possible.
        const QTemporaryDir empty;
        QVERIFY(EditorFieldBehaviour::DragCursor(empty.path(), true).toImage() !=
                EditorFieldBehaviour::DragCursor(empty.path(), false).toImage());
    }
};

QTEST_MAIN(TestEditorFieldBehaviour)
#include "tst_editorfieldbehaviour.moc"
