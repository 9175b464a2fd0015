#include "QtInteraction.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
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

// Help topics are not split by context yet: every context opens the help file as a whole.
void QtInteraction::ShowHelp(int)
{
    if (m_helpFile.isEmpty() || !QFileInfo::exists(m_helpFile)) {
        Tell(QStringLiteral("ヘルプファイル 「") + m_helpFile + QStringLiteral("」 が見つかりません。　"),
             QStringLiteral("ヘルプ確認"), MessageIcon::Warning);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_helpFile));
}
