#include "WindowPlacement.h"

#include "app/MainWindowOptions.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

void PlaceOnScreen(QWidget& window, const QRect& wanted)
{
    // The frame must fit as well, or the borders and the title bar stick out. Platforms that
    // know the frame before the window shows report it once the native window exists.
    static_cast<void>(window.winId());
    const QMargins frame = window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
    QScreen* screen = QGuiApplication::screenAt(wanted.topLeft());
    if (!screen) {
        screen = window.screen();
    }
    const QRect wantedFrame(wanted.topLeft(), wanted.size().grownBy(frame));
    const QRect shownFrame = PlaceInside(wantedFrame, screen->availableGeometry());
    // A window is moved by the top-left corner of its frame and sized without it.
    window.resize(shownFrame.size().shrunkBy(frame));
    window.move(shownFrame.topLeft());
}
