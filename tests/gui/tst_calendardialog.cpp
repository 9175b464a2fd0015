#include "CalendarDialog.h"
#include "FakeInteraction.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2026, 12, 9);
const QString kRefusal =
    u"入力された日付は正しくありません。　1900/01/01 から 2026/12/09 までの日付を、年月日の順に入力して下さい。　"_s;

QAbstractItemView& Days(CalendarDialog& dialog)
{
    return *dialog.Calendar().findChild<QAbstractItemView*>(u"qt_calendar_calendarview"_s);
}

QToolButton& YearButton(CalendarDialog& dialog)
{
    return *dialog.Calendar().findChild<QToolButton*>(u"qt_calendar_yearbutton"_s);
}

// The header as it reads from left to right: the captions of its buttons and, while it is
// open, the year box.
QString Header(CalendarDialog& dialog)
{
    QWidget* bar = YearButton(dialog).parentWidget();
    bar->layout()->activate();
    QList<std::pair<int, QString>> parts;
    for (QWidget* part : bar->findChildren<QWidget*>()) {
        const QString text = qobject_cast<QToolButton*>(part) ? static_cast<QToolButton*>(part)->text()
                             : qobject_cast<QSpinBox*>(part)  ? static_cast<QSpinBox*>(part)->text()
                                                              : QString();
        if (part->isVisibleTo(bar) && !text.isEmpty()) {
            parts.append({part->x(), text});
        }
    }
    std::sort(parts.begin(), parts.end());
    QString header;
    for (const auto& part : parts) {
        header += part.second;
    }
    return header;
}

// Clicks day `day` of the month shown: the first cell of that number after the month's first
// day, since the days of the months around it share the grid.
void ClickDay(CalendarDialog& dialog, int day)
{
    QAbstractItemView& days = Days(dialog);
    const QAbstractItemModel& model = *days.model();
    bool inMonth = false;
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < model.columnCount(); ++column) {
            const QModelIndex index = model.index(row, column);
            const int number = model.data(index).toInt();
            inMonth = inMonth || number == 1;
            if (inMonth && number == day) {
                QTest::mouseClick(days.viewport(), Qt::LeftButton, {}, days.visualRect(index).center());
                return;
            }
        }
    }
    QFAIL("day not shown");
}

} // namespace

// CALEND driven by keys and clicks as a user does: each row is a script of steps, and the
// date the dialog gives, whether it is still open and what its header reads.
class TestCalendarDialog : public QObject
{
    Q_OBJECT

private slots:
    void script_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("refused"); // the typed date is refused with a warning
        QTest::addColumn<bool>("open");    // the dialog is still open after the steps
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("header");

        // Steps: "type:TEXT" keys on the days, "key:NAME" one key there, "year:TEXT" the year
        // box opened and typed over, "yearkey:NAME" one key in the year box, "day:N" a click on
        // day N, "ok" the OK button.
        QTest::newRow("opens on today") << QStringList{} << false << true << kToday << u"2026年12月"_s;
        QTest::newRow("typed date and Enter")
            << QStringList{u"type:19960229"_s, u"key:Enter"_s} << false << true << QDate(1996, 2, 29) << u"1996年2月"_s;
        QTest::newRow("typed date, Enter, OK") << QStringList{u"type:19960229"_s, u"key:Enter"_s, u"ok"_s} << false
                                               << false << QDate(1996, 2, 29) << u"1996年2月"_s;
        QTest::newRow("typed date taken by OK")
            << QStringList{u"type:1960/1/1"_s, u"ok"_s} << false << false << QDate(1960, 1, 1) << u"1960年1月"_s;
        QTest::newRow("typing corrected with Backspace")
            << QStringList{u"type:199602290"_s, u"key:Backspace"_s, u"key:Enter"_s} << false << true
            << QDate(1996, 2, 29) << u"1996年2月"_s;
        QTest::newRow("Escape drops the typing only") << QStringList{u"type:1996"_s, u"key:Escape"_s, u"key:Enter"_s}
                                                      << false << true << kToday << u"2026年12月"_s;
        QTest::newRow("typed date after today")
            << QStringList{u"type:20270101"_s, u"key:Enter"_s} << true << true << kToday << u"2026年12月"_s;
        QTest::newRow("typed date before 1900")
            << QStringList{u"type:18991231"_s, u"key:Enter"_s} << true << true << kToday << u"2026年12月"_s;
        QTest::newRow("typed date with a negative year")
            << QStringList{u"type:-0451209"_s, u"ok"_s} << true << true << kToday << u"2026年12月"_s;
        QTest::newRow("year typed turns the page")
            << QStringList{u"year:1960"_s} << false << true << QDate(1960, 12, 9) << u"196012月"_s;
        QTest::newRow("Enter in the year box keeps the dialog open")
            << QStringList{u"year:1960"_s, u"yearkey:Enter"_s} << false << true << QDate(1960, 12, 9)
            << u"1960年12月"_s;
        QTest::newRow("year, Enter, day, OK") << QStringList{u"year:1960"_s, u"yearkey:Enter"_s, u"day:15"_s, u"ok"_s}
                                              << false << false << QDate(1960, 12, 15) << u"1960年12月"_s;
        QTest::newRow("first click after a typed year picks the day")
            << QStringList{u"year:1960"_s, u"day:15"_s, u"ok"_s} << false << false << QDate(1960, 12, 15)
            << u"1960年12月"_s;
        QTest::newRow("year before the range")
            << QStringList{u"year:0050"_s, u"yearkey:Enter"_s} << false << true << kToday << u"2026年12月"_s;
        QTest::newRow("negative year") << QStringList{u"year:-45"_s, u"yearkey:Enter"_s} << false << true << kToday
                                       << u"2026年12月"_s;
        QTest::newRow("year after this one")
            << QStringList{u"year:2030"_s, u"yearkey:Enter"_s} << false << true << kToday << u"2026年12月"_s;
    }

    void script()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, refused);
        QFETCH(bool, open);
        QFETCH(QDate, date);
        QFETCH(QString, header);

        FakeInteraction ui;
        if (refused) {
            ui.ExpectTell(kRefusal, u"日付確認"_s, MessageIcon::Warning);
        }
        CalendarDialog dialog(kToday, ui);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* yearEdit = dialog.Calendar().findChild<QSpinBox*>(u"qt_calendar_yearedit"_s);
        const QHash<QString, Qt::Key> keys = {
            {u"Enter"_s, Qt::Key_Return}, {u"Backspace"_s, Qt::Key_Backspace}, {u"Escape"_s, Qt::Key_Escape}};
        for (const QString& step : steps) {
            const QString argument = step.section(u':', 1);
            if (step.startsWith(u"type:")) {
                QTest::keyClicks(&Days(dialog), argument);
            } else if (step.startsWith(u"key:")) {
                QTest::keyClick(&Days(dialog), keys.value(argument));
            } else if (step.startsWith(u"year:")) {
                QTest::mouseClick(&YearButton(dialog), Qt::LeftButton);
                QTRY_VERIFY(yearEdit->hasFocus());
                QTest::keyClick(yearEdit, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(yearEdit, argument);
            } else if (step.startsWith(u"yearkey:")) {
                QTest::keyClick(yearEdit, keys.value(argument));
            } else if (step.startsWith(u"day:")) {
                ClickDay(dialog, argument.toInt());
            } else {
                QCOMPARE(step, u"ok"_s);
                QTest::mouseClick(dialog.findChild<QPushButton*>(u"Command1_0"_s), Qt::LeftButton);
            }
        }
        VERIFY_INTERACTION(ui);
        QCOMPARE(dialog.isVisible(), open);
        QCOMPARE(dialog.result(), open ? 0 : int(QDialog::Accepted));
        QCOMPARE(dialog.Date(), date);
        QTRY_COMPARE(Header(dialog), header);
        QCOMPARE(dialog.TypedDate(), QString());
    }
};

QTEST_MAIN(TestCalendarDialog)
#include "tst_calendardialog.moc"
