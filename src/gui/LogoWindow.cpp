#include "LogoWindow.h"

#include "DesktopLook.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

LogoWindow::LogoWindow(int intervalMs, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_intervalMs(intervalMs)
{
    setObjectName(QStringLiteral("INITDISP"));
    setModal(true);
    setStyleSheet(QStringLiteral("LogoWindow { background: white; border: 2px solid #1f4e8c; }"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 24, 36, 24);
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(ProgramIcon().pixmap(64, 64));
    image->setAlignment(Qt::AlignCenter);
    layout->addWidget(image);

    auto* title = new QLabel(QStringLiteral("Morvane for Windows"), this);
    QFont titleFont(QStringLiteral("IPAPGothic"));
    titleFont.setPointSize(20);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    for (const QString& text : {QStringLiteral("Ver.2.3.6"), QStringLiteral("for Windows 98/Me/NT/2000/XP")}) {
        auto* label = new QLabel(text, this);
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
}

void LogoWindow::ShowUntilTimer()
{
    QTimer::singleShot(m_intervalMs, this, &QDialog::accept);
    exec();
}
