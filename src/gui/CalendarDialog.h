#pragma once

#include "Interaction.h"
#include "services/BirthdayCalendar.h"

#include <QDate>
#include <QDialog>

class QAbstractItemView;
class QCalendarWidget;
class QLabel;
class QKeyEvent;
class QPushButton;
class QSpinBox;
class QToolButton;

// CALEND, "誕生日の設定 （ｶﾚﾝﾀﾞｰ形式）": a month calendar opening on `today` that offers the
// birthdays from 1900-01-01 to today; the chosen date is the result of OK. A date may also be
// typed on the calendar ("19960229" or "1996/2/29") and taken with Enter.
class CalendarDialog final : public QDialog
{
    Q_OBJECT

public:
    CalendarDialog(QDate today, Interaction& interaction, QWidget* parent = nullptr);

    [[nodiscard]] QCalendarWidget& Calendar() { return *m_calendar; }
    [[nodiscard]] QDate Date() const;
    // What has been typed on the calendar and not yet taken.
    [[nodiscard]] QString TypedDate() const { return m_typed; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PutYearBeforeMonth();
    void ShowYearCaption();
    bool TypeKey(const QKeyEvent& key);
    void SetTyped(const QString& typed);
    bool TakeTypedDate();
    void Ok();

    Interaction& m_interaction;
    BirthdayRange m_range;
    QCalendarWidget* m_calendar = nullptr;
    QAbstractItemView* m_days = nullptr;
    QWidget* m_dayCells = nullptr;
    QToolButton* m_yearButton = nullptr;
    QSpinBox* m_yearEdit = nullptr;
    QLabel* m_typedLabel = nullptr;
    QPushButton* m_ok = nullptr;
    QString m_typed;
    bool m_pressSeen = false;
};
