#include "CalendarDialog.h"

#include "DialogButtons.h"
#include "services/ServiceTexts.h"
#include "settings/Twips.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QCalendarWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

using namespace ServiceTexts;

CalendarDialog::CalendarDialog(QDate today, Interaction& interaction, QWidget* parent)
    : QDialog(parent), m_interaction(interaction), m_range(BirthdayRangeUntil(today))
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
    m_calendar->setDateRange(m_range.first, m_range.last);
    m_calendar->setSelectedDate(today);
    // Qt's own typed-date editor loses the date at the first digit that makes no month for a
    // moment (and then shows the year -4714); typed dates are read whole, on Enter, instead.
    m_calendar->setDateEditEnabled(false);
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
    m_ok = buttons[0];
    connect(m_ok, &QPushButton::clicked, this, &CalendarDialog::Ok);
    connect(buttons[1], &QPushButton::clicked, this, &QDialog::reject);
    connect(buttons[2], &QPushButton::clicked, this, [&interaction] { interaction.ShowHelp(kCalendarHelpContext); });

    // Picking a day, by click or by Enter, does not close the calendar: it readies OK.
    connect(m_calendar, &QCalendarWidget::clicked, this, [this] {
        SetTyped({});
        m_ok->setFocus();
    });
    connect(m_calendar, &QCalendarWidget::activated, m_ok, [this] { m_ok->setFocus(); });
    // Turning the page takes the selection along, so that OK writes a day the user sees.
    connect(m_calendar, &QCalendarWidget::currentPageChanged, this, [this](int year, int month) {
        if (Date().year() != year || Date().month() != month) {
            m_calendar->setSelectedDate(SelectionOnPage(Date(), year, month, m_range));
        }
        ShowYearCaption();
    });

    m_typedLabel = new QLabel(m_calendar);
    m_typedLabel->setObjectName(QStringLiteral("TypedDate"));
    m_typedLabel->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_typedLabel->setAutoFillBackground(true);
    m_typedLabel->setAlignment(Qt::AlignCenter);
    m_typedLabel->hide();

    // The parts of the calendar that need mending are found by the names Qt gives them.
    m_days = m_calendar->findChild<QAbstractItemView*>(QStringLiteral("qt_calendar_calendarview"));
    m_yearButton = m_calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_yearbutton"));
    m_yearEdit = m_calendar->findChild<QSpinBox*>(QStringLiteral("qt_calendar_yearedit"));
    if (m_days && m_yearButton && m_yearEdit) {
        m_dayCells = m_days->viewport();
        m_days->installEventFilter(this);
        m_dayCells->installEventFilter(this);
        m_yearButton->installEventFilter(this);
        m_calendar->installEventFilter(this);
        // A year typed into the year box turns the page as soon as it is a year of the range.
        connect(m_yearEdit, &QSpinBox::valueChanged, m_calendar,
                [this](int year) { m_calendar->setCurrentPage(year, m_calendar->monthShown()); });
        PutYearBeforeMonth();
        ShowYearCaption();
    }
    m_calendar->setFocus();
}

QDate CalendarDialog::Date() const
{
    return m_calendar->selectedDate();
}

bool CalendarDialog::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (watched == m_days) {
            return TypeKey(key);
        }
        // Enter in the year box has applied the year when it comes up to the calendar; it is
        // not meant for OK.
        if (watched == m_calendar && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)) {
            event->accept();
            return true;
        }
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (watched == m_dayCells) {
            m_pressSeen = true;
        }
        break;
    case QEvent::MouseButtonRelease:
        // The calendar swallows the press that ends the typing of a year; the day under the
        // mouse is pressed again, so that the click picks it.
        if (watched == m_dayCells) {
            if (!m_pressSeen) {
                const auto& release = static_cast<const QMouseEvent&>(*event);
                QMouseEvent press(QEvent::MouseButtonPress, release.position(), release.scenePosition(),
                                  release.globalPosition(), release.button(), release.button(), release.modifiers(),
                                  release.pointingDevice());
                QCoreApplication::sendEvent(watched, &press);
            }
            m_pressSeen = false;
        }
        break;
    case QEvent::Show:
        // Qt sets the bare year when the year box closes, around the moment it shows the
        // button again; the caption follows once that is done.
        if (watched == m_yearButton) {
            QMetaObject::invokeMethod(this, &CalendarDialog::ShowYearCaption, Qt::QueuedConnection);
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void CalendarDialog::PutYearBeforeMonth()
{
    // Qt lays the header out as month, room for the year box, year; Japanese reads year then
    // month. The month moves behind the year, so the year box still opens where the year was.
    auto* month = m_calendar->findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
    auto* header = qobject_cast<QBoxLayout*>(m_yearButton->parentWidget()->layout());
    if (!month || !header) {
        return;
    }
    header->removeWidget(month);
    header->insertWidget(header->indexOf(m_yearButton) + 1, month);
}

void CalendarDialog::ShowYearCaption()
{
    m_yearButton->setText(CalendarYearCaption(m_calendar->yearShown()));
}

bool CalendarDialog::TypeKey(const QKeyEvent& key)
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return false;
    }
    const QString text = key.text();
    if (text.size() == 1 && IsTypedDateCharacter(text.front())) {
        if (m_typed.size() < kTypedDateMaxLength) {
            SetTyped(m_typed + text);
        }
        return true;
    }
    if (m_typed.isEmpty()) {
        return false;
    }
    switch (key.key()) {
    case Qt::Key_Backspace:
        SetTyped(m_typed.chopped(1));
        return true;
    case Qt::Key_Escape:
        SetTyped({});
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        TakeTypedDate();
        return true;
    default:
        return false;
    }
}

void CalendarDialog::SetTyped(const QString& typed)
{
    m_typed = typed;
    m_typedLabel->setText(typed);
    m_typedLabel->setVisible(!typed.isEmpty());
    if (typed.isEmpty()) {
        return;
    }
    // Over the foot of the days, as wide as the longest date that can be typed.
    const QFontMetrics metrics(m_typedLabel->font());
    const QSize size(metrics.horizontalAdvance(QString(kTypedDateMaxLength, u'0')) + metrics.height(),
                     metrics.height() * 3 / 2);
    const QRect days = m_days->geometry();
    m_typedLabel->setGeometry(days.center().x() - size.width() / 2, days.bottom() - size.height() - 4, size.width(),
                              size.height());
    m_typedLabel->raise();
}

bool CalendarDialog::TakeTypedDate()
{
    const std::optional<QDate> date = TypedBirthday(m_typed, m_range);
    SetTyped({});
    if (!date) {
        m_interaction.Tell(TypedBirthdayRefusal(m_range), kTypedDateTitle.toString(), MessageIcon::Warning);
        m_days->setFocus();
        return false;
    }
    m_calendar->setSelectedDate(*date);
    m_ok->setFocus();
    return true;
}

void CalendarDialog::Ok()
{
    // A date typed and not yet taken with Enter is what the user means by OK.
    if (!m_typed.isEmpty() && !TakeTypedDate()) {
        return;
    }
    accept();
}
