#include "CalendarDialog.h"

#include "DialogButtons.h"
#include "services/ServiceTexts.h"
#include "settings/Twips.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace ServiceTexts;

CalendarDialog::CalendarDialog(QDate today, Interaction& interaction, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CALEND"));
    setWindowTitle(kCalendarCaption.toString());
    setModal(true);
    InheritParentFont(*this);

    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(kCalendarLabel.toString(), this);
    label->setObjectName(QStringLiteral("Label1_0"));
    layout->addWidget(label);
    m_calendar = new QCalendarWidget(this);
    m_calendar->setObjectName(QStringLiteral("MonthView1"));
    m_calendar->setToolTip(kCalendarToolTip.toString());
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // Month and day names in Japanese, like the rest of the program, whatever the system's language.
    m_calendar->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    m_calendar->setSelectedDate(today);
    // The calendar's place and size are given in twips; it never shrinks below what it needs
    // to show a whole month in the window's font.
    const int left = TwipsToPixels(kCalendarLeft, logicalDpiX());
    const int top = TwipsToPixels(kCalendarTop, logicalDpiY());
    const QSize size(TwipsToPixels(kCalendarWidth, logicalDpiX()), TwipsToPixels(kCalendarHeight, logicalDpiY()));
    m_calendar->setFixedSize(size.expandedTo(m_calendar->minimumSizeHint()));
    layout->setContentsMargins(left, layout->contentsMargins().top(), left, layout->contentsMargins().bottom());
    layout->addSpacing(std::max(0, top - label->sizeHint().height() - 2 * layout->spacing()));
    layout->addWidget(m_calendar, 0, Qt::AlignHCenter);

    const std::array<QPushButton*, 3> buttons = AddDialogButtons(*this, *layout);
    QPushButton* ok = buttons[0];
    // Picking a day does not close the calendar: it readies OK.
    connect(m_calendar, &QCalendarWidget::clicked, ok, [ok] { ok->setFocus(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(buttons[1], &QPushButton::clicked, this, &QDialog::reject);
    connect(buttons[2], &QPushButton::clicked, this, [&interaction] { interaction.ShowHelp(kCalendarHelpContext); });
    m_calendar->setFocus();
}

QDate CalendarDialog::Date() const
{
    return m_calendar->selectedDate();
}
