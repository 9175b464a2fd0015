#include "MainWindow.h"

#include "AboutDialog.h"
#include "DuplicatesDialog.h"
#include "EntryFilterModel.h"
#include "EntryTableModel.h"
#include "MainWindowActions.h"
#include "ModalRun.h"
#include "RenameDialog.h"
#include "SearchBar.h"
#include "find/FindTexts.h"
#include "list/RenameCommand.h"
#include "settings/Twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>

#include <utility>

MainWindow::MainWindow(MemoryDial& dial, Interaction& interaction, MainWindowOptions options, QString programFolder,
                       MainController::RirekiSaver saveRireki, PlacementSaver savePlacement, QWidget* parent)
    : QMainWindow(parent), m_dial(dial), m_interaction(interaction), m_options(std::move(options)),
      m_controller(dial, interaction, std::move(programFolder), std::move(saveRireki)),
      m_savePlacement(std::move(savePlacement))
{
    setObjectName(QStringLiteral("MORVANX"));
    m_controller.SetSortOnOpen(m_options.sortOnOpen);
    m_actions = new MainWindowActions(*this);
    BuildList();
    BuildStatusBar();
    Connect();
    PlaceWindow();
    ShowState();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildList()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);
    m_model = new EntryTableModel(m_dial, this);
    m_model->SetCentred(m_options.centreColumns);
    m_shown = new EntryFilterModel(m_controller, this);
    m_shown->setSourceModel(m_model);
    m_search = new SearchBar(this);
    addToolBar(m_search);
    m_list = new QTableView(central);
    m_list->setObjectName(QStringLiteral("ListView1"));
    m_list->setModel(m_shown);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setWordWrap(false);
    m_list->setShowGrid(m_options.gridLines);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setVisible(!m_options.hideHeaders);
    m_list->horizontalHeader()->setHighlightSections(false);
    m_list->horizontalHeader()->setSectionsClickable(true);

    SetListFont({m_options.fontFace, m_options.fontSize, m_options.bold, m_options.italic});
    SetListColours(m_options.textColour, m_options.backColour);
    for (int column = 0; column < kEntryColumnCount; ++column) {
        SetColumnWidth(column, m_options.columnWidths[static_cast<std::size_t>(column)]);
    }
}

void MainWindow::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    m_filterCount = new QLabel(bar);
    m_filterCount->setObjectName(QStringLiteral("Panel1"));
    bar->addWidget(m_filterCount, 1);
    auto* today = new QLabel(QLatin1Char(' ') + m_options.today + QLatin1Char(' '), bar);
    today->setObjectName(QStringLiteral("Panel2"));
    auto* now = new QLabel(QLatin1Char(' ') + m_options.now + QLatin1Char(' '), bar);
    now->setObjectName(QStringLiteral("Panel3"));
    bar->addPermanentWidget(today);
    bar->addPermanentWidget(now);
    bar->installEventFilter(this);
    m_actions->toolBar->installEventFilter(this);
}

void MainWindow::Connect()
{
    MainWindowActions& a = *m_actions;
    MainController& c = m_controller;
    const auto on = [this](QAction* action, std::function<void()> command) {
        connect(action, &QAction::triggered, this, [this, command] { Run(command); });
    };
    on(a.mnuFileCreate, [this] {
        if (m_create) {
            m_create();
        }
    });
    on(a.mnuFileOpen, [&c] { c.mnuFileOpen_Click(); });
    on(a.mnuFileSave[0], [&c] { c.mnuFileSave_Click(0); });
    on(a.mnuFileSave[1], [&c] { c.mnuFileSave_Click(1); });
    c.SetRowsChanged([this] { ShowRows(); });
    c.SetShowDuplicates([this] { m_actions->mnuEditDuplicates->trigger(); });
    on(a.mnuFileImport, [&c] { c.mnuFileImport_Click(); });
    on(a.mnuFileExport[0], [&c] { c.mnuFileExport_Click(0); });
    on(a.mnuFileExport[1], [&c] { c.mnuFileExport_Click(1); });
    for (int i = 0; i < kRirekiCount; ++i) {
        on(a.mnuFileArray[static_cast<std::size_t>(i)], [&c, i] { c.mnuFileArray_Click(i + 1); });
    }
    connect(a.mnuFileEnd, &QAction::triggered, this, &MainWindow::ExitCommand);
    connect(a.mnuEditEditor, &QAction::triggered, this, [this] {
        if (m_controller.mnuEditEditor_Click()) {
            OpenEditor();
        }
    });
    on(a.mnuEditReNumber, [&c] { c.mnuEditReNumber_Click(); });
    on(a.mnuEditSwap, [&c] { c.mnuEditSwap_Click(); });
    on(a.mnuEditUpDown[0], [&c] { c.mnuEditUpDown_Click(0); });
    on(a.mnuEditUpDown[1], [&c] { c.mnuEditUpDown_Click(1); });
    on(a.mnuEditDelete_Record, [&c] { c.mnuEditDelete_Record_Click(); });
    on(a.mnuEditDelete_Memory, [&c] { c.mnuEditDelete_Memory_Click(); });
    connect(a.mnuEditRename, &QAction::triggered, this, &MainWindow::RenameCommand);
    connect(a.mnuHelpContent_KeyWord[0], &QAction::triggered, this,
            [this] { m_interaction.ShowHelp(kHelpKeywordSearch); });
    connect(a.mnuHelpContent_KeyWord[1], &QAction::triggered, this, [this] { m_interaction.ShowHelp(kHelpContents); });
    connect(a.mnuHelpAbout, &QAction::triggered, this, [this] {
        AboutDialog about(m_interaction, this);
        RunModal(about);
    });

    connect(a.mnuEditFind, &QAction::triggered, m_search, &SearchBar::Focus);
    connect(a.mnuEditDuplicates, &QAction::triggered, this, [this] {
        DuplicatesDialog duplicates(m_controller, m_interaction, this);
        RunModal(duplicates);
        ShowRows();
    });
    connect(m_search, &SearchBar::FilterChanged, this, [this](const QString& text) {
        m_controller.SetFilter(text);
        m_shown->Refilter();
        ShowState();
    });

    // The list shows the filtered rows; the commands address rows of the whole list.
    connect(m_list, &QTableView::clicked, this, [this](const QModelIndex& index) {
        m_controller.ListView1_Click(m_shown->ListRow(index));
        ShowState();
    });
    connect(m_list, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (m_controller.ListView1_DblClick(m_shown->ListRow(index))) {
            OpenEditor();
        }
    });
    // Moving through the list with the keyboard selects a row just as a click does, so the
    // commands act on the row the user sees highlighted. A current row without a highlight
    // (the list taking the focus puts one on row 1) selects nothing.
    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && m_list->selectionModel()->isRowSelected(current.row())) {
                    m_controller.ListView1_Click(m_shown->ListRow(current));
                    m_actions->ShowCommands(m_controller.Commands());
                }
            });
    connect(m_list->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        m_controller.ListView1_ColumnClick(column);
        ShowRows();
    });
}

void MainWindow::PlaceWindow()
{
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    QRect wanted(0, 0, TwipsToPixels(m_options.width, dpiX), TwipsToPixels(m_options.height, dpiY));
    if (m_options.centreWindow) {
        const QRect screenArea = screen()->geometry();
        wanted.moveTo(screenArea.x() + (screenArea.width() - wanted.width()) / 2,
                      screenArea.y() + (screenArea.height() - wanted.height()) / 2);
    } else {
        wanted.moveTo(TwipsToPixels(m_options.left, dpiX), TwipsToPixels(m_options.top, dpiY));
    }
    PlaceOuter(wanted);
}

void MainWindow::Run(const std::function<void()>& command)
{
    command();
    ShowRows();
}

void MainWindow::OpenEditor()
{
    if (m_openEditor) {
        m_openEditor();
    }
    ShowRows();
}

void MainWindow::ShowRows()
{
    // Selecting the row below must not drag the view back to the first columns while the
    // user works in, say, the memo column.
    const int horizontal = m_list->horizontalScrollBar()->value();
    m_model->Reload();
    ShowState();
    m_list->horizontalScrollBar()->setValue(horizontal);
}

void MainWindow::ShowState()
{
    setWindowTitle(m_controller.Caption());
    m_actions->ShowCommands(m_controller.Commands());
    m_actions->ShowRireki(m_dial.Rireki);
    QHeaderView* header = m_list->horizontalHeader();
    header->setSortIndicatorShown(m_controller.Sorted());
    if (m_controller.Sorted()) {
        header->setSortIndicator(m_controller.SortColumn(),
                                 m_controller.SortAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
    }
    ShowFilterCount();
    const int row = m_dial.SelectedRow;
    // A selected row the filter hides shows no highlight.
    const QModelIndex index = row >= 1 && row <= m_dial.RowCount()
                                  ? m_shown->mapFromSource(m_model->index(row - 1, kColNumber))
                                  : QModelIndex();
    if (index.isValid()) {
        const int horizontal = m_list->horizontalScrollBar()->value();
        m_list->selectionModel()->setCurrentIndex(index,
                                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_list->scrollTo(index);
        m_list->horizontalScrollBar()->setValue(horizontal);
    } else {
        m_list->clearSelection();
    }
}

void MainWindow::ShowFilterCount()
{
    m_filterCount->setText(
        m_controller.Filter().IsEmpty() ? QString() : FindTexts::FilterCount(m_shown->rowCount(), m_model->rowCount()));
}

void MainWindow::ExitCommand()
{
    if (!m_controller.mnuFileEnd_Click()) {
        return;
    }
    close();
}

void MainWindow::RenameCommand()
{
    const QString source = m_controller.ChooseRenameSource();
    if (source.isEmpty()) {
        return;
    }
    ::RenameCommand command(source, m_interaction);
    RenameDialog dialog(command, this);
    RunModal(dialog);
}

MainWindowPlacement MainWindow::Placement() const
{
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    MainWindowPlacement placement;
    placement.top = TwipsToKeep(m_options.top, y(), dpiY);
    placement.left = TwipsToKeep(m_options.left, x(), dpiX);
    placement.height = TwipsToKeep(m_options.height, frameGeometry().height(), dpiY);
    placement.width = TwipsToKeep(m_options.width, frameGeometry().width(), dpiX);
    for (int column = 0; column < kEntryColumnCount; ++column) {
        const auto n = static_cast<std::size_t>(column);
        placement.columnWidths[n] = TwipsToKeep(m_options.columnWidths[n], m_list->columnWidth(column), dpiX);
    }
    return placement;
}

void MainWindow::SavePlacement()
{
    const MainWindowPlacement placement = Placement();
    m_options.top = placement.top;
    m_options.left = placement.left;
    m_options.height = placement.height;
    m_options.width = placement.width;
    m_options.columnWidths = placement.columnWidths;
    if (m_savePlacement) {
        m_savePlacement(placement);
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    const bool settled = m_controller.SettleChanges();
    // A save in the question changed the caption and the commands; a cancel leaves the window open.
    ShowState();
    if (!settled) {
        event->ignore();
        return;
    }
    SavePlacement();
    event->accept();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    const int dpiX = logicalDpiX();
    const int dpiY = logicalDpiY();
    const QRect frame = frameGeometry();
    const std::optional<ListExtent> extent =
        ListExtentForWindow(PixelsToTwips(frame.height(), dpiY), PixelsToTwips(frame.width(), dpiX));
    if (!extent) {
        return;
    }
    const int listWidth = TwipsToPixels(extent->width, dpiX);
    m_list->setGeometry(std::max(0, (centralWidget()->width() - listWidth) / 2), 0, listWidth,
                        TwipsToPixels(extent->height, dpiY));
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent* event)
{
    QMainWindow::mouseDoubleClickEvent(event);
    if (m_options.doubleClickExits) {
        ExitCommand();
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick && m_options.doubleClickExits) {
        ExitCommand();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
