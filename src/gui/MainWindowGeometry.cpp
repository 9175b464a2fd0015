// The window sizes of the settings are the outer window, frame included, but Qt sizes the
// inside. Where the platform knows the frame only once the window manager has framed the
// window (X11), the inside stands for the whole window until then; when the frame appears
// (which moves the inside), the window is fitted to the outer rectangle asked for. Without
// that, the window would open a frame larger than stored and, its native window existing
// before it is shown, with its inside at the corner asked for and the frame above and left
// of it, creeping a little further on every start. While the frame is being built the platform
// may read it wrongly (see InsideSizeForOuter); such readings are passed over, so the window
// opens at the stored size whatever the order in which the window manager's steps arrive.
#include "MainWindow.h"

#include "WindowPlacement.h"

#include <QWindow>

void MainWindow::PlaceOuter(const QRect& outer)
{
    static_cast<void>(winId());
    m_pendingOuter.reset();
    const std::optional<QSize> inside = InsideSizeForOuter(outer.size(), windowHandle()->frameMargins());
    PlaceOnScreen(*this, QRect(outer.topLeft(), inside.value_or(outer.size())));
    m_requestedInside = size();
    if (inside) {
        return;
    }
    m_pendingOuter = frameGeometry();
    QWindow* window = windowHandle();
    for (const auto changed :
         {&QWindow::xChanged, &QWindow::yChanged, &QWindow::widthChanged, &QWindow::heightChanged}) {
        connect(window, changed, this, &MainWindow::FitOuterSize, Qt::UniqueConnection);
    }
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
    const QRect outer = *m_pendingOuter;
    const std::optional<QSize> inside = InsideSizeForOuter(outer.size(), windowHandle()->frameMargins());
    if (!inside) {
        return;
    }
    m_pendingOuter.reset();
    m_requestedInside = *inside;
    resize(m_requestedInside);
    move(outer.topLeft());
}
