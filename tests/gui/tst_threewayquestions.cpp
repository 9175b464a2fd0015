// The two three-way questions as the user meets them: each button of the real message box gives
// its own answer, and closing the box is the cancel.
#include "QtInteraction.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestThreeWayQuestions : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<bool>("changedFile"); // else the unsaved-changes question
        QTest::addColumn<QString>("button");   // empty: the box is closed with Esc
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("defaultButton");
        QTest::newRow("保存") << false << u"保存"_s << int(SaveChoice::Save) << u"保存"_s;
        QTest::newRow("保存しない") << false << u"保存しない"_s << int(SaveChoice::Discard) << u"保存"_s;
        QTest::newRow("unsaved, Esc") << false << QString() << int(SaveChoice::Cancel) << u"保存"_s;
        QTest::newRow("上書き") << true << u"上書き"_s << int(ChangedFileChoice::Overwrite) << u"別名で保存"_s;
        QTest::newRow("別名で保存") << true << u"別名で保存"_s << int(ChangedFileChoice::SaveAs) << u"別名で保存"_s;
        QTest::newRow("キャンセル") << true << u"キャンセル"_s << int(ChangedFileChoice::Cancel) << u"別名で保存"_s;
        QTest::newRow("changed, Esc") << true << QString() << int(ChangedFileChoice::Cancel) << u"別名で保存"_s;
    }
    void answers()
    {
        QFETCH(bool, changedFile);
        QFETCH(QString, button);
        QFETCH(int, answer);
        QFETCH(QString, defaultButton);
        QString shownDefault;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shownDefault = box->defaultButton()->text();
            if (button.isEmpty()) {
                QTest::keyClick(box, Qt::Key_Escape);
                return;
            }
            for (QAbstractButton* candidate : box->buttons()) {
                if (candidate->text() == button) {
                    candidate->click();
                }
            }
        });
        QtInteraction boxes;
        const int got = changedFile ? int(boxes.AskChangedFile(u"text"_s, u"title"_s))
                                    : int(boxes.AskSaveChanges(u"text"_s, u"title"_s));
        QCOMPARE(got, answer);
        QCOMPARE(shownDefault, defaultButton);
    }
};

QTEST_MAIN(TestThreeWayQuestions)
#include "tst_threewayquestions.moc"
