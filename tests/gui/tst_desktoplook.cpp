#include "DesktopLook.h"
#include "EditorActions.h"
#include "MainWindowActions.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFontDatabase>
#include <QImage>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

namespace {

QImage Picture(const QAction* action)
{
    return action->icon().pixmap(QSize(16, 16)).toImage();
}

// The pictures of the shipped icon set, the program's own icon aside.
QList<QImage> ShippedPictures()
{
    QList<QImage> pictures;
    const QDir folder(QStringLiteral(":/icons"));
    for (const QString& name : folder.entryList({QStringLiteral("*.svg")})) {
        if (name != u"morvanx.svg") {
            pictures.append(QIcon(folder.filePath(name)).pixmap(QSize(16, 16)).toImage());
        }
    }
    return pictures;
}

// Every button shows a picture of the shipped set, never one of the style's standard pixmaps
// (which differ from desktop to desktop and mislead), and no two buttons show the same one:
// a picture that two commands share cannot say what either does.
template <std::size_t N> void VerifyDistinctPictures(const std::array<QAction*, N>& buttons)
{
    const QList<QImage> shipped = ShippedPictures();
    QVERIFY(!shipped.isEmpty());
    QList<std::pair<QString, QImage>> seen;
    for (const QAction* action : buttons) {
        if (!action) {
            continue;
        }
        const QImage picture = Picture(action);
        QVERIFY2(!picture.isNull(), qPrintable(action->toolTip()));
        QVERIFY2(shipped.contains(picture), qPrintable(action->toolTip()));
        for (const auto& [toolTip, other] : seen) {
            QVERIFY2(picture != other, qPrintable(toolTip + QStringLiteral(" / ") + action->toolTip()));
        }
        seen.append({action->toolTip(), picture});
    }
    QVERIFY(!seen.isEmpty());
}

} // namespace

class TstDesktopLook : public QObject
{
    Q_OBJECT

private slots:
    void standardButtonsSpeakJapanese_data();
    void standardButtonsSpeakJapanese();
    void mainToolbarPicturesDiffer();
    void editorToolbarPicturesDiffer();
    void lookSetsIconAndJapaneseFace();
};

void TstDesktopLook::standardButtonsSpeakJapanese_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("text");

    QTest::newRow("Cancel") << static_cast<int>(QDialogButtonBox::Cancel) << QStringLiteral("キャンセル");
    QTest::newRow("Save") << static_cast<int>(QDialogButtonBox::Save) << QStringLiteral("保存");
    QTest::newRow("Open") << static_cast<int>(QDialogButtonBox::Open) << QStringLiteral("開く");
}

void TstDesktopLook::standardButtonsSpeakJapanese()
{
    QFETCH(int, button);
    QFETCH(QString, text);
    static const bool installed = InstallQtJapaneseTranslation(*qApp);
    QVERIFY2(installed, "qtbase_ja.qm not found: is qt6-translations-l10n installed?");
    const auto standard = static_cast<QDialogButtonBox::StandardButton>(button);
    QDialogButtonBox box(standard);
    QCOMPARE(box.button(standard)->text().remove(u'&'), text);
}

void TstDesktopLook::mainToolbarPicturesDiffer()
{
    QMainWindow window;
    const MainWindowActions actions(window);
    VerifyDistinctPictures(actions.button);
}

void TstDesktopLook::editorToolbarPicturesDiffer()
{
    QWidget window;
    const EditorActions actions(window);
    VerifyDistinctPictures(actions.button);
}

void TstDesktopLook::lookSetsIconAndJapaneseFace()
{
    ApplyDesktopLook(*qApp);
    QVERIFY(!QApplication::windowIcon().isNull());
    QVERIFY(!ProgramIcon().pixmap(QSize(48, 48)).isNull());
    const QStringList families = QFontDatabase::families();
    if (!families.contains(QStringLiteral("IPAPGothic")) && !families.contains(QStringLiteral("Noto Sans CJK JP"))) {
        QSKIP("no Japanese face installed");
    }
    const QString face = QApplication::font().family();
    QVERIFY2(face == u"IPAPGothic" || face == u"Noto Sans CJK JP", qPrintable(face));
}

QTEST_MAIN(TstDesktopLook)
#include "tst_desktoplook.moc"
