#include "QtInteraction.h"

#include "HelpWindow.h"
#include "app/ShellTexts.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>

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

// A help window without an owner window is ours to close.
QtInteraction::~QtInteraction()
{
    if (m_help && !m_help->parentWidget()) {
        delete m_help;
    }
}

void QtInteraction::Tell(const QString& text, const QString& title, MessageIcon icon)
{
    QMessageBox box(ToQtIcon(icon), title, text, QMessageBox::NoButton, m_parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
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

SaveChoice QtInteraction::AskSaveChanges(const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, m_parent);
    QPushButton* save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("保存しない"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) {
        return SaveChoice::Save;
    }
    return box.clickedButton() == discard ? SaveChoice::Discard : SaveChoice::Cancel;
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

// The help window belongs to the window the user works in: a modal dialog would otherwise
// block it.
void QtInteraction::ShowHelp(int context)
{
    QWidget* owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : m_parent;
    if (!m_help) {
        auto* window = new HelpWindow(owner);
        if (const std::optional<QString> problem = window->Open(m_helpFile, m_helpCollectionFolder)) {
            delete window;
            Tell(*problem, kHelpTitle, MessageIcon::Warning);
            return;
        }
        m_help = window;
    } else if (m_help->parentWidget() != owner) {
        m_help->setParent(owner, Qt::Window);
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
