#pragma once

#include "Interaction.h"

#include <QDate>
#include <QDialog>

class QCalendarWidget;

// CALEND, "誕生日の設定 （ｶﾚﾝﾀﾞｰ形式）": a month calendar opening on `today`; the chosen date is
// the result of OK.
class CalendarDialog final : public QDialog
{
    Q_OBJECT

public:
    CalendarDialog(QDate today, Interaction& interaction, QWidget* parent = nullptr);

    [[nodiscard]] QCalendarWidget& Calendar() { return *m_calendar; }
    [[nodiscard]] QDate Date() const;

private:
    QCalendarWidget* m_calendar = nullptr;
};
