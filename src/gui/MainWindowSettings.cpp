// The main window following the settings dialog: each function keeps the window's options in
// step, so what the window later stores is what it shows.
#include "MainWindow.h"

#include "settings/Twips.h"

#include <QHeaderView>
#include <QScreen>
#include <QTableView>

void MainWindow::ShowColumnHeaders(bool visible)
{
    m_options.hideHeaders = !visible;
    m_list->horizontalHeader()->setVisible(visible);
}

void MainWindow::ShowGridLines(bool visible)
{
    m_options.gridLines = visible;
    m_list->setShowGrid(visible);
}

void MainWindow::SetDoubleClickExits(bool exits)
{
    m_options.doubleClickExits = exits;
}

void MainWindow::SetSortOnOpen(bool sort)
{
    m_options.sortOnOpen = sort;
    m_controller.SetSortOnOpen(sort);
}

TwipsSize MainWindow::WindowSize() const
{
    const QRect frame = frameGeometry();
    return {TwipsToKeep(m_options.width, frame.width(), logicalDpiX()),
            TwipsToKeep(m_options.height, frame.height(), logicalDpiY())};
}

void MainWindow::ResizeWindow(TwipsSize outerSize)
{
    m_options.width = outerSize.width;
    m_options.height = outerSize.height;
    PlaceOuter(QRect(frameGeometry().topLeft(), QSize(TwipsToPixels(outerSize.width, logicalDpiX()),
                                                      TwipsToPixels(outerSize.height, logicalDpiY()))));
}

// The window keeps its size; it goes where a window of `outerSize` would stand centred.
void MainWindow::CentreWindow(TwipsSize outerSize)
{
    const QRect screenArea = screen()->geometry();
    const QPoint corner(screenArea.x() + (screenArea.width() - TwipsToPixels(outerSize.width, logicalDpiX())) / 2,
                        screenArea.y() + (screenArea.height() - TwipsToPixels(outerSize.height, logicalDpiY())) / 2);
    PlaceOuter(QRect(corner, frameGeometry().size()));
}

void MainWindow::SetListFont(const ListFontSetting& font)
{
    m_options.fontFace = font.name;
    m_options.fontSize = font.pointSize;
    m_options.bold = font.bold;
    m_options.italic = font.italic;
    QFont listFont(SubstituteFontFace(font.name));
    if (font.pointSize > 0) {
        listFont.setPointSizeF(font.pointSize);
    }
    listFont.setBold(font.bold);
    listFont.setItalic(font.italic);
    m_list->setFont(listFont);
    m_list->verticalHeader()->setDefaultSectionSize(QFontMetrics(listFont).height() + 4);
}

void MainWindow::SetListColours(std::uint32_t text, std::uint32_t background)
{
    m_options.textColour = text;
    m_options.backColour = background;
    const auto colour = [](std::uint32_t bgr) {
        const RgbComponents rgb = ColourComponents(bgr);
        return QColor(rgb.red, rgb.green, rgb.blue);
    };
    QPalette palette = m_list->palette();
    palette.setColor(QPalette::Text, colour(text));
    palette.setColor(QPalette::Base, colour(background));
    m_list->setPalette(palette);
}

void MainWindow::SetColumnWidth(int column, int twips)
{
    if (column < 0 || column >= kEntryColumnCount) {
        return;
    }
    m_options.columnWidths[static_cast<std::size_t>(column)] = twips;
    m_list->setColumnWidth(column, TwipsToPixels(twips, logicalDpiX()));
}
