#include "AboutDialog.h"

#include "app/OutsidePrograms.h"
#include "app/ShellTexts.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int kMailCaption = 10;
constexpr int kMailText = 11;
constexpr int kHomePageCaption = 12;
constexpr int kHomePageText = 13;
constexpr int kHomePageNote = 14;

// The link colours are 0x00BBGGRR values.
QColor ColourOf(unsigned bgr)
{
    return QColor(static_cast<int>(bgr & 0xFFU), static_cast<int>((bgr >> 8U) & 0xFFU),
                  static_cast<int>((bgr >> 16U) & 0xFFU));
}

} // namespace

AboutDialog::AboutDialog(Interaction& interaction, QWidget* parent, QString homePage, QString supportMail)
    : QDialog(parent), m_interaction(interaction), m_homePage(std::move(homePage)),
      m_supportMail(std::move(supportMail))
{
    setObjectName(QStringLiteral("INFO_VER"));
    setWindowTitle(kAboutCaption);
    setModal(true);

    // Light green only reads on a dark ground.
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("AboutPanel"));
    panel->setAutoFillBackground(true);
    QPalette dark = panel->palette();
    dark.setColor(QPalette::Window, QColor(0x1b, 0x2b, 0x45));
    dark.setColor(QPalette::WindowText, QColor(0xf0, 0xf0, 0xf0));
    panel->setPalette(dark);

    auto* image = new QLabel(panel);
    image->setObjectName(QStringLiteral("Image1"));
    const QIcon icon = QApplication::windowIcon().isNull() ? style()->standardIcon(QStyle::SP_FileDialogDetailedView)
                                                           : QApplication::windowIcon();
    image->setPixmap(icon.pixmap(64, 64));
    image->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    QLabel* title = AddLabel(0, kProductTitle);
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() * 2);
    titleFont.setBold(true);
    title->setFont(titleFont);
    AddLabel(1, kVersionText);
    AddLabel(2, kPlatformText);
    if (!m_supportMail.isEmpty()) {
        AddLabel(kMailCaption, kAboutMailCaption);
        AddLabel(kMailText, m_supportMail);
    }
    if (m_homePage.isEmpty()) {
        AddLabel(kHomePageCaption, kAboutHelpCaption);
        AddLabel(kHomePageText, kAboutHelpText);
    } else {
        AddLabel(kHomePageCaption, kAboutHomePageCaption);
        AddLabel(kHomePageText, m_homePage);
        AddLabel(kHomePageNote, kAboutHomePageNote);
    }
    for (int index = kMailCaption; index <= kHomePageNote; ++index) {
        if (QLabel* link = Label1(index)) {
            link->setCursor(Qt::PointingHandCursor);
            link->installEventFilter(this);
        }
    }
    Glow(Link::None);

    auto* texts = new QGridLayout;
    texts->setHorizontalSpacing(8);
    texts->addWidget(Label1(0), 0, 0, 1, 2);
    texts->addWidget(Label1(1), 1, 0, 1, 2);
    texts->addWidget(Label1(2), 2, 0, 1, 2);
    texts->setRowMinimumHeight(3, 12);
    const auto place = [this, texts](int index, int row, int column) {
        if (QLabel* label = Label1(index)) {
            texts->addWidget(label, row, column);
        }
    };
    place(kMailCaption, 4, 0);
    place(kMailText, 4, 1);
    place(kHomePageCaption, 5, 0);
    place(kHomePageText, 5, 1);
    place(kHomePageNote, 6, 1);
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(20, 20, 28, 20);
    panelLayout->setSpacing(20);
    panelLayout->addWidget(image);
    panelLayout->addLayout(texts, 1);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->setContentsMargins(12, 8, 12, 12);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QLabel* AboutDialog::AddLabel(int index, const QString& text)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("Label1_%1").arg(index));
    m_labels.at(static_cast<std::size_t>(index)) = label;
    return label;
}

AboutDialog::Link AboutDialog::LinkOf(const QObject* label) const
{
    for (int index = kMailCaption; index <= kHomePageNote; ++index) {
        if (label && label == Label1(index)) {
            return index <= kMailText ? Link::Mail : Link::HomePage;
        }
    }
    return Link::None;
}

AboutDialog::Link AboutDialog::LinkAt(const QPoint& globalPos) const
{
    for (int index = kMailCaption; index <= kHomePageNote; ++index) {
        const QLabel* label = Label1(index);
        if (label && label->rect().contains(label->mapFromGlobal(globalPos))) {
            return LinkOf(label);
        }
    }
    return Link::None;
}

void AboutDialog::Glow(Link link)
{
    for (int index = kMailCaption; index <= kHomePageNote; ++index) {
        const bool lit = (index <= kMailText ? Link::Mail : Link::HomePage) == link;
        QLabel* label = Label1(index);
        if (!label) {
            continue;
        }
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, ColourOf(lit ? kLinkHoverColour : kLinkRestColour));
        label->setPalette(palette);
    }
}

void AboutDialog::Follow(Link link)
{
    if (link == Link::Mail) {
        MailTo(m_supportMail, m_interaction);
    } else if (m_homePage.isEmpty()) {
        m_interaction.ShowHelp(kHelpContents);
    } else {
        OpenInBrowser(m_homePage, m_interaction);
    }
}

// Entering a link lights its group and dims the other, so moving straight from one link to the
// other swaps them; leaving a link, over the background or out of the box, dims both. A link
// is followed as a button is: pressed on it and released over it. Qt reports the second press
// of a double-click as a double-click, not a press, so a double-click follows it once.
bool AboutDialog::eventFilter(QObject* watched, QEvent* event)
{
    const Link link = LinkOf(watched);
    if (link == Link::None) {
        return QDialog::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::Enter:
        Glow(link);
        break;
    case QEvent::Leave:
        Glow(Link::None);
        break;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_pressed = link;
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            const Link pressed = std::exchange(m_pressed, Link::None);
            if (pressed != Link::None &&
                LinkAt(static_cast<QMouseEvent*>(event)->globalPosition().toPoint()) == pressed) {
                Follow(pressed);
            }
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}
