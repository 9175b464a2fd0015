// The window sizes of the settings are the outer window, frame included, but Qt sizes the
// inside. The frame is known only once the window manager has framed the window, so an outer
// size asked for before then is kept and the inside corrected when the frame appears.
#include "MainWindow.h"

#include "settings/Twips.h"

void MainWindow::ResizeOuter(TwipsSize outerSize)
{
    const QSize outer(TwipsToPixels(outerSize.width, logicalDpiX()), TwipsToPixels(outerSize.height, logicalDpiY()));
    const QSize frame = frameGeometry().size() - size();
    m_requestedInside = outer - frame;
    // Without a frame yet, the inside stands for the whole window until the frame is known.
    m_pendingOuter = frame.isNull() ? std::optional<QSize>(outer) : std::nullopt;
    resize(m_requestedInside);
}

void MainWindow::FitOuterSize()
{
    if (!m_pendingOuter) {
        return;
    }
    // Someone else sized the window (the user, or a window manager fitting it to the screen):
    // that size stands.
    if (size() != m_requestedInside) {
        m_pendingOuter.reset();
        return;
    }
    const QSize frame = frameGeometry().size() - size();
    if (frame.isNull()) {
        return;
    }
    m_requestedInside = *m_pendingOuter - frame;
    m_pendingOuter.reset();
    resize(m_requestedInside);
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    FitOuterSize();
}
