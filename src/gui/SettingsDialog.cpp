#include "SettingsDialog.h"

#include "ListFontDialog.h"
#include "app/MainWindowOptions.h"
#include "app/OutsideAddresses.h"
#include "app/SettingsTexts.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QDirIterator>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace SettingsTexts;

namespace {

// Settings colours are 0x00BBGGRR.
QColor ColourFrom(std::uint32_t bgr)
{
    const RgbComponents rgb = ColourComponents(bgr);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

std::uint32_t SettingFrom(const QColor& colour)
{
    return static_cast<std::uint32_t>(colour.red()) | (static_cast<std::uint32_t>(colour.green()) << 8) |
           (static_cast<std::uint32_t>(colour.blue()) << 16);
}

// A folder list shows at most this many subfolders: a folder with thousands must not stall
// the dialog.
constexpr int kMaxSubfolders = 200;

} // namespace

// `Picture1`: the chosen window size drawn to scale on the largest preset's screen.
class SizePicture final : public QWidget
{
public:
    explicit SizePicture(QWidget* parent) : QWidget(parent) { setFixedSize(160, 128); }
    void Show(TwipsSize size)
    {
        m_size = size;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF screen = QRectF(rect()).adjusted(4, 4, -4, -4);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
        painter.setBrush(QColor(0x30, 0x50, 0x80));
        painter.drawRoundedRect(screen, 4, 4);
        const double scale = screen.width() / MainSizeTable::kWidths[3];
        const QSizeF window(std::min(screen.width() - 8, m_size.width * scale),
                            std::min(screen.height() - 8, m_size.height * scale));
        const QRectF frame(screen.center() - QPointF(window.width() / 2, window.height() / 2), window);
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::white);
        painter.drawRect(frame);
        painter.setBrush(QColor(0x00, 0x3C, 0xA0));
        painter.drawRect(QRectF(frame.topLeft(), QSizeF(frame.width(), std::min(8.0, frame.height()))));
    }

private:
    TwipsSize m_size;
};

SettingsDialog::SettingsDialog(SettingsDialogCommands& commands, TwipsSize windowSize, QWidget* parent)
    : QDialog(parent), m_commands(commands), m_windowSize(windowSize), m_pickFont(PickListFont),
      m_pickColour([](const QColor& current, QWidget* owner) -> std::optional<QColor> {
          const QColor colour = QColorDialog::getColor(current, owner);
          return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
      })
{
    setObjectName(QStringLiteral("SETTEI"));
    setWindowTitle(kTitle);
    m_commands.Form_Load();

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->addTab(BuildStartupTab(), kTabCaptions[0]);
    m_tabs->addTab(BuildListTab(), kTabCaptions[1]);
    m_tabs->addTab(BuildWidthTab(), kTabCaptions[2]);
    m_tabs->addTab(BuildPostalTab(), kTabCaptions[3]);
    m_tabs->setCurrentIndex(m_commands.Form().activeTab);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) { m_commands.Form().activeTab = tab; });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (int i = 0; i < 4; ++i) {
        auto* button = new QPushButton(kButtons[static_cast<std::size_t>(i)], this);
        button->setObjectName(QStringLiteral("Command1_%1").arg(i));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        buttons->addWidget(button);
        m_buttons[static_cast<std::size_t>(i)] = button;
    }
    m_buttons[SettingsDialogCommands::kOk]->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* SettingsDialog::BuildStartupTab()
{
    auto* page = new QWidget;
    const SettingsForm& form = m_commands.Form();
    for (int i = 0; i < SettingsForm::kCheckCount; ++i) {
        auto* box = new QCheckBox(kCheckCaptions[static_cast<std::size_t>(i)], page);
        box->setObjectName(QStringLiteral("Check1_%1").arg(i));
        box->setChecked(form.check[static_cast<std::size_t>(i)]);
        connect(box, &QCheckBox::toggled, this,
                [this, i](bool on) { m_commands.Form().check[static_cast<std::size_t>(i)] = on; });
        m_check1[static_cast<std::size_t>(i)] = box;
    }
    const auto frame = [page, this](const QString& title, int first) {
        auto* group = new QGroupBox(title, page);
        auto* inside = new QVBoxLayout(group);
        inside->addWidget(m_check1[static_cast<std::size_t>(first)]);
        inside->addWidget(m_check1[static_cast<std::size_t>(first + 1)]);
        return group;
    };
    auto* layout = new QGridLayout(page);
    for (int i = kCheckLogo; i <= kCheckLastTab; ++i) {
        layout->addWidget(m_check1[static_cast<std::size_t>(i)], i, 0);
    }
    layout->addWidget(frame(kDoubleClickFrame, kCheckMainDoubleClick), 0, 1, 3, 1);
    layout->addWidget(frame(kCentringFrame, kCheckMainCentre), 3, 1, 3, 1);
    layout->setRowStretch(6, 1);
    layout->setColumnStretch(0, 1);
    return page;
}

QWidget* SettingsDialog::BuildListTab()
{
    auto* page = new QWidget;
    SettingsForm& form = m_commands.Form();

    auto* sizeFrame = new QGroupBox(kSizeFrame, page);
    auto* sizeLayout = new QGridLayout(sizeFrame);
    m_picture1 = new SizePicture(sizeFrame);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    for (int i = 0; i < 5; ++i) {
        auto* option = new QRadioButton(kSizeCaptions[static_cast<std::size_t>(i)], sizeFrame);
        option->setObjectName(QStringLiteral("Option1_%1").arg(i));
        option->setChecked(form.selectedSize == i);
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) {
                m_commands.Form().selectedSize = i;
                m_picture1->Show(i == 4 ? m_windowSize : MainWindowSizeTwips(QString::number(i), {}, {}));
            }
        });
        sizeLayout->addWidget(option, i, 0);
        m_option1[static_cast<std::size_t>(i)] = option;
    }
    sizeLayout->addWidget(m_picture1, 0, 1, 5, 1);
    sizeLayout->setRowStretch(5, 1);
    m_picture1->Show(form.selectedSize == 4 ? m_windowSize
                                            : MainWindowSizeTwips(QString::number(form.selectedSize), {}, {}));

    auto* fontFrame = new QGroupBox(kFontFrame, page);
    auto* fontLayout = new QGridLayout(fontFrame);
    m_command2 = new QPushButton(kFontButton, fontFrame);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command2->setAutoDefault(false);
    connect(m_command2, &QPushButton::clicked, this, &SettingsDialog::Command2_Click);
    fontLayout->addWidget(m_command2, 0, 0, 1, 3);
    for (int i = 0; i < 2; ++i) {
        fontLayout->addWidget(new QLabel(i == 0 ? kFontNameCaption : kFontSizeCaption, fontFrame), i + 1, 0);
        auto* label = new QLabel(fontFrame);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        label->setFrameShape(QFrame::StyledPanel);
        label->setMinimumWidth(180);
        fontLayout->addWidget(label, i + 1, 1, 1, 2);
        m_label1[static_cast<std::size_t>(i)] = label;

        auto* flag = new QCheckBox(i == 0 ? kBold : kItalic, fontFrame);
        flag->setObjectName(QStringLiteral("Check2_%1").arg(i));
        connect(flag, &QCheckBox::toggled, this,
                [this, i](bool on) { m_commands.Form().font[static_cast<std::size_t>(2 + i)] = FontFlagText(on); });
        fontLayout->addWidget(flag, 3, i);
        m_check2[static_cast<std::size_t>(i)] = flag;

        auto* colour = new QPushButton(kColourButtons[static_cast<std::size_t>(i)], fontFrame);
        colour->setObjectName(QStringLiteral("Command3_%1").arg(i));
        colour->setAutoDefault(false);
        connect(colour, &QPushButton::clicked, this, [this, i] { Command3_Click(i); });
        fontLayout->addWidget(colour, 4, i);
        m_command3[static_cast<std::size_t>(i)] = colour;
    }
    fontLayout->setRowStretch(5, 1);
    ShowFont();
    ShowColours();

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(sizeFrame);
    layout->addWidget(fontFrame, 1);
    return page;
}

QWidget* SettingsDialog::WidthRow(int n, const QString& caption)
{
    const auto i = static_cast<std::size_t>(n);
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* label = new QLabel(caption, row);
    label->setObjectName(QStringLiteral("Label3_%1").arg(n));
    auto* box = new QLineEdit(m_commands.Form().widths[i], row);
    box->setObjectName(QStringLiteral("Text1_%1").arg(n));
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
    // Digits only; a number above 9999 is refused with the range message.
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,5}")), box));
    box->installEventFilter(this);
    label->setBuddy(box);
    connect(box, &QLineEdit::textChanged, this, [this, n](const QString& text) { Text1_Change(n, text); });
    layout->addWidget(label, 1);
    layout->addWidget(box);

    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    for (int up = 1; up >= 0; --up) {
        auto* arrow = new QToolButton(row);
        arrow->setObjectName(
            QStringLiteral("UpDown1_%1_%2").arg(n).arg(up != 0 ? QStringLiteral("up") : QStringLiteral("down")));
        arrow->setArrowType(up != 0 ? Qt::UpArrow : Qt::DownArrow);
        arrow->setAutoRepeat(true);
        arrow->setFixedSize(16, box->sizeHint().height() / 2);
        arrow->setFocusPolicy(Qt::NoFocus);
        connect(arrow, &QToolButton::clicked, this, [this, n, up] { UpDown1_Click(n, up != 0 ? 1 : -1); });
        arrows->addWidget(arrow);
        m_upDown1[i][static_cast<std::size_t>(up)] = arrow;
    }
    layout->addLayout(arrows);
    m_text1[i] = box;
    m_label3[i] = label;
    return row;
}

QWidget* SettingsDialog::BuildWidthTab()
{
    auto* page = new QWidget;
    const auto frame = [this, page](const QString& title, const QList<std::pair<int, QString>>& rows, int columns) {
        auto* group = new QGroupBox(title, page);
        auto* layout = new QGridLayout(group);
        layout->setHorizontalSpacing(16);
        const auto perColumn = (rows.size() + columns - 1) / columns;
        for (qsizetype r = 0; r < rows.size(); ++r) {
            layout->addWidget(WidthRow(rows[r].first, rows[r].second), static_cast<int>(r % perColumn),
                              static_cast<int>(r / perColumn));
        }
        return group;
    };
    const auto captioned = [](std::initializer_list<int> cells) {
        QList<std::pair<int, QString>> rows;
        for (const int n : cells) {
            rows.append({n, EntryColumnCaption(n)});
        }
        return rows;
    };
    QList<std::pair<int, QString>> telMail;
    const std::array<int, 4> firstSlot{kColTel1, kColTelKind1, kColMail1, kColMailKind1};
    for (std::size_t k = 0; k < firstSlot.size(); ++k) {
        telMail.append({firstSlot[k], kFirstSlotCaptions[k]});
    }
    auto* layout = new QGridLayout(page);
    layout->addWidget(frame(kNamesFrame,
                            captioned({kColNumber, kColName, kColReading, kColSecret, kColGroupNumber, kColGroupName}),
                            1),
                      0, 0);
    layout->addWidget(frame(kTelMailFrame, telMail, 1), 1, 0);
    layout->addWidget(frame(kOtherFrame,
                            captioned({kColAddress, kColPostalCode, kColAddressKind, kColConstellation, kColBirthday,
                                       kColBloodType, kColHobby, kColMemo, kColUrl, kColGps, kColRevision}),
                            2),
                      0, 1, 2, 1);
    layout->setRowStretch(2, 1);
    return page;
}

QWidget* SettingsDialog::BuildPostalTab()
{
    auto* page = new QWidget;
    const SettingsForm& form = m_commands.Form();
    auto* slotRows = new QGridLayout;
    for (int n = 0; n < kPostalSlotCount; ++n) {
        const auto i = static_cast<std::size_t>(n);
        auto* option = new QRadioButton(QString::number(n + 1), page);
        option->setObjectName(QStringLiteral("Option2_%1").arg(n));
        option->setChecked(form.slot == n);
        connect(option, &QRadioButton::toggled, this, [this, n](bool on) {
            if (on) {
                m_commands.Form().slot = n;
                ShowSlot(n);
            }
        });
        auto* file = new QLabel(form.yubinFile[i], page);
        file->setObjectName(QStringLiteral("Label5_%1").arg(n));
        file->setFrameShape(QFrame::StyledPanel);
        file->setMinimumWidth(260);
        file->installEventFilter(this);
        auto* choose = new QPushButton(QStringLiteral("..."), page);
        choose->setObjectName(QStringLiteral("Command4_%1").arg(n));
        choose->setAutoDefault(false);
        choose->setToolTip(kPostalChooserTitle);
        connect(choose, &QPushButton::clicked, this, [this, n] { Command4_Click(n); });
        slotRows->addWidget(option, n, 0);
        slotRows->addWidget(file, n, 1);
        slotRows->addWidget(choose, n, 2);
        m_option2[i] = option;
        m_label5[i] = file;
        m_command4[i] = choose;
    }
    slotRows->setColumnStretch(1, 1);

    m_dir1 = new QListWidget(page);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_dir1->setSelectionMode(QAbstractItemView::NoSelection);
    m_dir1->setMinimumHeight(150);

    m_label4 = new QLabel(kLinkCaption + kPostalDownloadPage, page);
    m_label4->setObjectName(QStringLiteral("Label4"));
    m_label4->setCursor(Qt::PointingHandCursor);
    m_label4->installEventFilter(this);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(slotRows);
    layout->addWidget(m_dir1, 1);
    layout->addWidget(m_label4);
    ShowSlot(form.slot);
    return page;
}

QToolButton* SettingsDialog::WidthStep(int n, bool up)
{
    return m_upDown1[static_cast<std::size_t>(n)][up ? 1 : 0];
}

void SettingsDialog::Command1_Click(int index)
{
    const bool close = m_commands.Command1_Click(index);
    if (!close) {
        return;
    }
    if (index == SettingsDialogCommands::kOk) {
        accept();
    } else {
        reject();
    }
}

void SettingsDialog::Command2_Click()
{
    const std::array<QString, 4>& font = m_commands.Form().font;
    QFont initial(SubstituteFontFace(font[0]));
    if (const double size = ParseSettingNumber(font[1]); size > 0) {
        initial.setPointSizeF(size);
    }
    initial.setBold(SettingFlagTrue(font[2]));
    initial.setItalic(SettingFlagTrue(font[3]));
    const std::optional<QFont> chosen = m_pickFont(initial, this);
    if (chosen) {
        m_commands.FontChosen({chosen->family(), chosen->pointSizeF(), chosen->bold(), chosen->italic()});
        ShowFont();
    }
    raise();
    activateWindow();
}

void SettingsDialog::Command3_Click(int index)
{
    const QColor current = ColourFrom(SettingColour(m_commands.Form().colour[static_cast<std::size_t>(index)]));
    if (const std::optional<QColor> chosen = m_pickColour(current, this)) {
        m_commands.ColourChosen(index, SettingFrom(*chosen));
        ShowColours();
    }
    raise();
    activateWindow();
}

void SettingsDialog::Command4_Click(int slot)
{
    m_commands.Command4_Click(slot);
    m_label5[static_cast<std::size_t>(slot)]->setText(m_commands.Form().yubinFile[static_cast<std::size_t>(slot)]);
    ShowFolder(m_commands.Form().folderName[static_cast<std::size_t>(slot)]);
}

void SettingsDialog::Text1_Change(int n, const QString& text)
{
    if (!m_commands.Text1_Change(n, text)) {
        m_text1[static_cast<std::size_t>(n)]->clear();
    }
}

void SettingsDialog::UpDown1_Click(int n, int direction)
{
    QLineEdit* box = m_text1[static_cast<std::size_t>(n)];
    box->setText(SteppedWidth(box->text(), direction));
    box->setFocus();
}

void SettingsDialog::ShowFont()
{
    const SettingsForm& form = m_commands.Form();
    m_label1[0]->setText(form.font[0]);
    m_label1[1]->setText(form.font[1]);
    for (std::size_t i = 0; i < 2; ++i) {
        const QSignalBlocker block(m_check2[i]);
        m_check2[i]->setChecked(SettingFlagTrue(form.font[2 + i]));
    }
}

void SettingsDialog::ShowColours()
{
    for (std::size_t i = 0; i < 2; ++i) {
        const QColor colour = ColourFrom(SettingColour(m_commands.Form().colour[i]));
        const QColor text = colour.lightnessF() < 0.5 ? Qt::white : Qt::black;
        m_command3[i]->setStyleSheet(
            QStringLiteral(
                "QPushButton { background-color: %1; color: %2; border: 1px solid gray; padding: 4px 12px; }")
                .arg(colour.name(), text.name()));
    }
}

void SettingsDialog::ShowSlot(int slot)
{
    ShowFolder(m_commands.Form().folderName[static_cast<std::size_t>(slot)]);
}

// `Dir1`, as a folder list shows a folder: the folders above it, the folder itself open, then
// the folders inside it.
void SettingsDialog::ShowFolder(const QString& folder)
{
    m_dir1->clear();
    if (folder.isEmpty()) {
        return;
    }
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    parts.prepend(QStringLiteral("/"));
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const QString indent = QStringLiteral("  ");
    for (qsizetype depth = 0; depth < parts.size(); ++depth) {
        m_dir1->addItem(new QListWidgetItem(open, indent.repeated(depth) + parts[depth]));
    }
    QListWidgetItem* shown = m_dir1->item(m_dir1->count() - 1);
    QFont bold = shown->font();
    bold.setBold(true);
    shown->setFont(bold);
    QStringList inside;
    QDirIterator it(path, QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext() && inside.size() < kMaxSubfolders) {
        inside << it.nextFileInfo().fileName();
    }
    inside.sort(Qt::CaseInsensitive);
    for (const QString& name : inside) {
        m_dir1->addItem(new QListWidgetItem(closed, indent.repeated(parts.size()) + name));
    }
}

bool SettingsDialog::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == m_label4) {
        if (type == QEvent::Enter || type == QEvent::Leave) {
            // Blue (0xFF0000 as BBGGRR) under the pointer, black again when it leaves.
            m_label4->setStyleSheet(type == QEvent::Enter
                                        ? QStringLiteral("color: #0000ff; text-decoration: underline;")
                                        : QStringLiteral("color: #000000;"));
        } else if (type == QEvent::MouseButtonRelease) {
            m_commands.Label4_Click();
        }
        return QDialog::eventFilter(watched, event);
    }
    for (int n = 0; n < kPostalSlotCount; ++n) {
        if (watched == m_label5[static_cast<std::size_t>(n)] && type == QEvent::MouseButtonRelease) {
            m_option2[static_cast<std::size_t>(n)]->setChecked(true);
            ShowSlot(n);
        }
    }
    if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
        for (std::size_t n = 1; n < m_text1.size(); ++n) {
            if (watched == m_text1[n] && m_label3[n]) {
                // The caption of the box being edited stands out: blue and bold.
                m_label3[n]->setStyleSheet(
                    type == QEvent::FocusIn ? QStringLiteral("color: #0000ff; font-weight: bold;") : QString());
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}
