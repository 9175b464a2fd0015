#include "QtInteraction.h"

#include "HelpWindow.h"
#include "WindowPlacement.h"
#include "app/ShellTexts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QUrl>

#include <algorithm>
#include <array>
#include <memory>
#include <utility>

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QStyle::StandardPixmap ToStylePixmap(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QStyle::SP_MessageBoxInformation;
    case MessageIcon::Warning:
        return QStyle::SP_MessageBoxWarning;
    case MessageIcon::Question:
        return QStyle::SP_MessageBoxQuestion;
    case MessageIcon::Error:
        return QStyle::SP_MessageBoxCritical;
    }
    return QStyle::SP_MessageBoxInformation;
}

} // namespace

QString QtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            QString anyCase;
            for (const QChar c : pattern.trimmed()) {
                anyCase += c.isLetter() && c.toLower() != c.toUpper()
                               ? u'[' + QString(c.toUpper()) + QString(c.toLower()) + u']'
                               : QString(c);
            }
            patterns << anyCase;
        }
        filters << parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')';
    }
    return filters.join(QStringLiteral(";;"));
}

QtInteraction::~QtInteraction()
{
    delete m_help;
}

void QtInteraction::Tell(const QString& text, const QString& title, MessageIcon icon)
{
    QMessageBox box(ToQtIcon(icon), title, text, QMessageBox::NoButton, m_parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

// The details get a scrolling list of their own, wide enough to read a line per value, instead
// of a message box as tall as the report.
void QtInteraction::ShowReport(const QString& summary, const QString& details, const QString& title, MessageIcon icon)
{
    if (details.isEmpty()) {
        Tell(summary, title, icon);
        return;
    }
    QDialog dialog(m_parent);
    dialog.setWindowTitle(title);
    auto* picture = new QLabel(&dialog);
    const int side = dialog.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &dialog);
    picture->setPixmap(dialog.style()->standardIcon(ToStylePixmap(icon), nullptr, &dialog).pixmap(side, side));
    picture->setAlignment(Qt::AlignTop);
    auto* text = new QLabel(summary, &dialog);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* list = new QPlainTextEdit(details, &dialog);
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);

    auto* layout = new QGridLayout(&dialog);
    layout->addWidget(picture, 0, 0);
    layout->addWidget(text, 0, 1);
    layout->addWidget(list, 1, 0, 1, 2);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);
    dialog.resize(dialog.fontMetrics().averageCharWidth() * 80, dialog.fontMetrics().height() * 24);
    dialog.exec();
}

bool QtInteraction::Ask(const QString& text, const QString& title, MessageIcon icon)
{
    QMessageBox box(ToQtIcon(icon), title, text, QMessageBox::NoButton, m_parent);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == ok;
}

namespace {

// A warning with three buttons; the index of the one clicked, the last one (the escape) when
// the box was closed.
int AskThreeWays(QWidget* parent, const QString& text, const QString& title,
                 const std::array<std::pair<QString, QMessageBox::ButtonRole>, 3>& buttons, int defaultButton)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent);
    std::array<QPushButton*, 3> added{};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        added[i] = box.addButton(buttons[i].first, buttons[i].second);
    }
    box.setDefaultButton(added[static_cast<std::size_t>(defaultButton)]);
    box.setEscapeButton(added[2]);
    box.exec();
    const auto clicked = std::find(added.begin(), added.end(), box.clickedButton());
    return clicked == added.end() ? 2 : static_cast<int>(clicked - added.begin());
}

} // namespace

SaveChoice QtInteraction::AskSaveChanges(const QString& text, const QString& title)
{
    constexpr SaveChoice kChoices[] = {SaveChoice::Save, SaveChoice::Discard, SaveChoice::Cancel};
    return kChoices[AskThreeWays(m_parent, text, title,
                                 {{{QStringLiteral("保存"), QMessageBox::AcceptRole},
                                   {QStringLiteral("保存しない"), QMessageBox::DestructiveRole},
                                   {QStringLiteral("キャンセル"), QMessageBox::RejectRole}}},
                                 0)];
}

ChangedFileChoice QtInteraction::AskChangedFile(const QString& text, const QString& title)
{
    constexpr ChangedFileChoice kChoices[] = {ChangedFileChoice::Overwrite, ChangedFileChoice::SaveAs,
                                              ChangedFileChoice::Cancel};
    // Someone else's changes are at stake: the safe answer is the default.
    return kChoices[AskThreeWays(m_parent, text, title,
                                 {{{QStringLiteral("上書き"), QMessageBox::DestructiveRole},
                                   {QStringLiteral("別名で保存"), QMessageBox::AcceptRole},
                                   {QStringLiteral("キャンセル"), QMessageBox::RejectRole}}},
                                 1)];
}

QString QtInteraction::ChooseOpenFile(const QString& title, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(m_parent, title, folder, QtFileFilter(filter), nullptr,
                                        QFileDialog::HideNameFilterDetails);
}

QString QtInteraction::ChooseSaveFile(const QString& title, const QString& folder, const QString& filter)
{
    // The save command asks its own overwrite question.
    return QFileDialog::getSaveFileName(m_parent, title, folder, QtFileFilter(filter), nullptr,
                                        QFileDialog::HideNameFilterDetails | QFileDialog::DontConfirmOverwrite);
}

bool QtInteraction::OpenUrl(const QString& url)
{
    // Qt hands addresses to xdg-open; without it nothing can show them, whatever Qt reports.
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()) {
        return false;
    }
    return QDesktopServices::openUrl(QUrl(url));
}

// The help is a window of its own, owned by no other: the dialogs are modal to the windows
// under them only, so it stays usable beside any of them and outlives the one it was opened
// from. It opens over the window the user works in, kept on that window's screen.
void QtInteraction::ShowHelp(int context)
{
    if (!m_help) {
        auto window = std::make_unique<HelpWindow>();
        if (const std::optional<QString> problem = window->Open(m_helpFile, m_helpCollectionFolder)) {
            Tell(*problem, kHelpTitle, MessageIcon::Warning);
            return;
        }
        // Closing the main window ends the program even while the help is open.
        window->setAttribute(Qt::WA_QuitOnClose, false);
        m_help = window.release();
    }
    if (!m_help->isVisible()) {
        const QWidget* owner = QApplication::activeWindow() ? QApplication::activeWindow() : m_parent;
        QRect wanted(QPoint(), m_help->size());
        wanted.moveCenter(owner ? owner->frameGeometry().center() : m_help->screen()->availableGeometry().center());
        PlaceOnScreen(*m_help, wanted);
    }
    bool found = true;
    if (context == kHelpKeywordSearch) {
        m_help->ShowKeywordSearch();
    } else if (context == kHelpContents) {
        found = m_help->ShowContents();
    } else {
        found = m_help->ShowTopic(context);
    }
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
    if (!found) {
        Tell(kHelpTopicMissingText.arg(context), kHelpTitle, MessageIcon::Warning);
    }
}
