#include "AboutDialog.h"
#include "EditorWindowFixture.h"
#include "MainWindow.h"
#include "MainWindowActions.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

namespace {

const QColor kRest(0xC0, 0xFF, 0xC0);
// A distributor's addresses, as a build may set them.
const QString kHomePage = u"https://example.jp/morvane/"_s;
const QString kSupportMail = u"support@example.jp"_s;
const QColor kLit(0x00, 0xFF, 0x00);

QColor TextColour(const QLabel* label)
{
    return label->palette().color(QPalette::WindowText);
}

// Runs `check` on the modal window the next command opens, then closes it.
void OnNextModal(std::function<void(QWidget*)> check)
{
    QTimer::singleShot(0, [check = std::move(check)] {
        QWidget* modal = QApplication::activeModalWidget();
        check(modal);
        if (modal) {
            modal->close();
        }
    });
}

} // namespace

class TestShellCommands : public EditorWindowFixture
{
    Q_OBJECT

private:
    std::unique_ptr<AboutDialog> m_about;

    void Hover(int label)
    {
        QWidget* target = label < 0 ? m_about->findChild<QWidget*>(u"AboutPanel"_s) : m_about->Label1(label);
        // The panel's corner is background, away from every label.
        QTest::mouseMove(target, label < 0 ? QPoint(3, 3) : target->rect().center());
    }

private slots:
    void init()
    {
        Reset();
        m_about = std::make_unique<AboutDialog>(m_ui, nullptr, kHomePage, kSupportMail);
        m_about->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_about.get()));
    }
    void cleanup()
    {
        m_about.reset();
        m_editor.reset();
        VERIFY_INTERACTION(m_ui);
    }

    void aboutTexts()
    {
        QCOMPARE(m_about->windowTitle(), u"ﾊﾞｰｼﾞｮﾝ情報"_s);
        QCOMPARE(m_about->Label1(0)->text(), u"Morvane"_s);
        QCOMPARE(m_about->Label1(1)->text(), u"Ver.2.3.6"_s);
        QCOMPARE(m_about->Label1(2)->text(), u"for Linux"_s);
        QCOMPARE(m_about->Label1(11)->text(), u"support@example.jp"_s);
        QCOMPARE(m_about->Label1(13)->text(), u"https://example.jp/morvane/"_s);
        QVERIFY(!m_about->findChild<QLabel*>(u"Image1"_s)->pixmap().isNull());
        // Everything fits: no label is cut.
        for (int index : {0, 1, 2, 10, 11, 12, 13, 14}) {
            QLabel* label = m_about->Label1(index);
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
        }
        m_about->findChild<QPushButton*>(u"Command1"_s)->click();
        QVERIFY(!m_about->isVisible());
    }

    // The pointer's way over the box, label numbers (-1 the background), and the colours of the
    // mail link (10, 11) and the home-page link (12 to 14) at the end.
    void linkColours_data()
    {
        QTest::addColumn<QList<int>>("path");
        QTest::addColumn<QColor>("mail");
        QTest::addColumn<QColor>("homePage");
        QTest::newRow("at rest") << QList<int>{} << kRest << kRest;
        QTest::newRow("mail address") << QList<int>{11} << kLit << kRest;
        QTest::newRow("mail caption") << QList<int>{10} << kLit << kRest;
        QTest::newRow("home-page note") << QList<int>{14} << kRest << kLit;
        QTest::newRow("mail straight onto home page") << QList<int>{11, 13} << kRest << kLit;
        QTest::newRow("home page straight onto mail") << QList<int>{12, 10} << kLit << kRest;
        QTest::newRow("home page, then background") << QList<int>{13, -1} << kRest << kRest;
        QTest::newRow("title is no link") << QList<int>{11, 0} << kRest << kRest;
    }

    void linkColours()
    {
        QFETCH(QList<int>, path);
        QFETCH(QColor, mail);
        QFETCH(QColor, homePage);
        for (int label : path) {
            Hover(label);
        }
        for (int index : {10, 11}) {
            QCOMPARE(TextColour(m_about->Label1(index)), mail);
        }
        for (int index : {12, 13, 14}) {
            QCOMPARE(TextColour(m_about->Label1(index)), homePage);
        }
    }

    // A build that names no addresses points at the help, and has no mail link.
    void aboutWithoutAddresses()
    {
        m_about = std::make_unique<AboutDialog>(m_ui, nullptr, QString(), QString());
        m_about->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_about.get()));
        QCOMPARE(m_about->Label1(10), nullptr);
        QCOMPARE(m_about->Label1(11), nullptr);
        QCOMPARE(m_about->Label1(14), nullptr);
        QCOMPARE(m_about->Label1(12)->text(), u"ﾍﾙﾌﾟ："_s);
        QCOMPARE(m_about->Label1(13)->text(), u"Morvane ヘルプ 目次"_s);
        Hover(13);
        QCOMPARE(TextColour(m_about->Label1(12)), kLit);
        m_ui.ExpectHelp(0);
        QTest::mouseClick(m_about->Label1(13), Qt::LeftButton);
        VERIFY_INTERACTION(m_ui);
    }

    // Where the left button goes down and comes up (label numbers, -1 the background), and
    // what is launched: a link is followed once, and only when released over it.
    void linkClicks_data()
    {
        QTest::addColumn<int>("pressed");
        QTest::addColumn<int>("released");
        QTest::addColumn<bool>("doubleClick");
        QTest::addColumn<QString>("url"); // empty: nothing launched
        QTest::addColumn<bool>("opened");
        QTest::newRow("mail caption") << 10 << 10 << false << u"mailto:support@example.jp"_s << true;
        QTest::newRow("mail address, no mail program") << 11 << 11 << false << u"mailto:support@example.jp"_s << false;
        QTest::newRow("home-page caption") << 12 << 12 << false << u"https://example.jp/morvane/"_s << true;
        QTest::newRow("home-page note, no browser") << 14 << 14 << false << u"https://example.jp/morvane/"_s << false;
        QTest::newRow("across one link") << 10 << 11 << false << u"mailto:support@example.jp"_s << true;
        QTest::newRow("released over the background") << 13 << -1 << false << QString() << true;
        QTest::newRow("released over the other link") << 13 << 11 << false << QString() << true;
        QTest::newRow("released over the title") << 11 << 0 << false << QString() << true;
        QTest::newRow("double-click") << 13 << 13 << true << u"https://example.jp/morvane/"_s << true;
    }

    void linkClicks()
    {
        QFETCH(int, pressed);
        QFETCH(int, released);
        QFETCH(bool, doubleClick);
        QFETCH(QString, url);
        QFETCH(bool, opened);
        if (!url.isEmpty()) {
            m_ui.ExpectOpenUrl(url, opened);
        }
        if (!opened) {
            if (pressed <= 11) {
                m_ui.ExpectTell(u"「Outlook Express」 が ｲﾝｽﾄｰﾙ されていません。　"_s, u"OE ｲﾝｽﾄｰﾙ 確認"_s,
                                MessageIcon::Warning);
            } else {
                m_ui.ExpectTell(u"「Internet Explorer」 が ｲﾝｽﾄｰﾙ されていません。　"_s, u"IE ｲﾝｽﾄｰﾙ 確認"_s,
                                MessageIcon::Warning);
            }
        }
        // Through the window, as the pointer does: the label the button went down on gets the
        // release, wherever the pointer is then.
        QWindow* window = m_about->windowHandle();
        const auto at = [this](int label) {
            QWidget* target = label < 0 ? m_about->findChild<QWidget*>(u"AboutPanel"_s) : m_about->Label1(label);
            return target->mapTo(m_about.get(), label < 0 ? QPoint(3, 3) : target->rect().center());
        };
        if (doubleClick) {
            QTest::mouseDClick(window, Qt::LeftButton, {}, at(pressed));
        } else {
            QTest::mousePress(window, Qt::LeftButton, {}, at(pressed));
            QTest::mouseRelease(window, Qt::LeftButton, {}, at(released));
        }
        VERIFY_INTERACTION(m_ui);
        QVERIFY(m_about->isVisible());
        // The title is no link.
        QTest::mouseClick(m_about->Label1(0), Qt::LeftButton);
    }

    void mainWindowHelpAndAbout()
    {
        m_about.reset();
        MemoryDial dial;
        MainWindow window(dial, m_ui, MainWindowOptions(), u"/opt/morvanx"_s, nullptr, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        MainWindowActions& a = window.Actions();
        for (QAction* action :
             {a.mnuHelpContent_KeyWord[0], a.mnuHelpContent_KeyWord[1], a.mnuHelpAbout, a.button[18], a.button[19]}) {
            QVERIFY2(action->isEnabled(), qPrintable(action->text()));
        }
        m_ui.ExpectHelp(-1);
        a.mnuHelpContent_KeyWord[0]->trigger();
        m_ui.ExpectHelp(0);
        a.mnuHelpContent_KeyWord[1]->trigger();
        m_ui.ExpectHelp(0);
        a.button[19]->trigger();
        m_ui.ExpectHelp(-1);
        QTest::keyClick(&window, Qt::Key_F1);
        VERIFY_INTERACTION(m_ui);

        QString shown;
        OnNextModal([&shown](QWidget* modal) { shown = modal ? modal->windowTitle() : QString(); });
        a.button[18]->trigger();
        QCOMPARE(shown, u"ﾊﾞｰｼﾞｮﾝ情報"_s);
        OnNextModal([&shown](QWidget* modal) { shown = modal ? modal->objectName() : QString(); });
        a.mnuHelpAbout->trigger();
        QCOMPARE(shown, u"INFO_VER"_s);
    }

    void editorHelpAndAbout()
    {
        m_about.reset();
        EditorWindow& editor = Open(u"2"_s);
        ShowActive();
        EditorActions& a = editor.Actions();
        m_ui.ExpectHelp(43);
        a.mnuHelpContent_KeyWord[1]->trigger();
        m_ui.ExpectHelp(43);
        a.button[17]->trigger();
        m_ui.ExpectHelp(-1);
        a.mnuHelpContent_KeyWord[0]->trigger();
        VERIFY_INTERACTION(m_ui);

        QString shown;
        OnNextModal([&shown](QWidget* modal) { shown = modal ? modal->objectName() : QString(); });
        a.button[16]->trigger();
        QCOMPARE(shown, u"INFO_VER"_s);
    }

    void editorOutsidePrograms()
    {
        m_about.reset();
        EditorWindow& editor = Open(u"2"_s);
        Text(kTextUrl)->setText(u"javascript:alert(1)"_s);
        m_ui.ExpectTell(
            u"このｱﾄﾞﾚｽは開けません。Web 閲覧で開くのは、半角で書かれた http:// か https:// のｱﾄﾞﾚｽだけです。　"_s,
            u"Web 閲覧 確認"_s, MessageIcon::Warning);
        editor.Actions().mnuOptWebView->trigger();
        Text(kTextUrl)->setText(u"www.example.jp"_s);
        m_ui.ExpectOpenUrl(u"http://www.example.jp"_s);
        editor.Actions().mnuOptWebView->trigger();
        Text(kTextGps)->setText(u"-33.51.00.00&-070.40.00.00&"_s);
        m_ui.ExpectOpenUrl(u"https://www.its-mo.com/z.htm?m=070.40.00.00W33.51.00.00S&l=9"_s);
        editor.Actions().mnuOptGPS_Info->trigger();
        VERIFY_INTERACTION(m_ui);
    }
};

QTEST_MAIN(TestShellCommands)
#include "tst_shellcommands.moc"
