#pragma once

#include <QDialog>

// INITDISP: the start-up logo. It has no controls; its timer closes it.
class LogoWindow final : public QDialog
{
    Q_OBJECT

public:
    explicit LogoWindow(int intervalMs = 2000, QWidget* parent = nullptr);

    // Shows the logo and returns once the timer has closed it.
    void ShowUntilTimer();

private:
    int m_intervalMs;
};
