#pragma once

#include "app/SettingsDialogCommands.h"

#include <QColor>
#include <QDialog>
#include <QFont>

#include <array>
#include <functional>
#include <optional>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QToolButton;
class SizePicture;

// SETTEI, "各種設定": the window over `SettingsDialogCommands`. Each control writes its value
// into the form at once; the buttons run the commands.
class SettingsDialog final : public QDialog
{
    Q_OBJECT

public:
    // The font and colour choosers; nothing when the user cancelled. Tests replace them.
    using FontPicker = std::function<std::optional<QFont>(const QFont& current, QWidget* parent)>;
    using ColourPicker = std::function<std::optional<QColor>(const QColor& current, QWidget* parent)>;

    // Loads the form (which may report a missing postal folder) and builds the tabs from it.
    SettingsDialog(SettingsDialogCommands& commands, TwipsSize windowSize, QWidget* parent = nullptr);

    void SetFontPicker(FontPicker picker) { m_pickFont = std::move(picker); }
    void SetColourPicker(ColourPicker picker) { m_pickColour = std::move(picker); }

    [[nodiscard]] QTabWidget& Tabs() { return *m_tabs; }
    // `Command1` 0 to 3: OK, キャンセル, 適用(&A), ヘルプ.
    [[nodiscard]] QPushButton& Button(int index) { return *m_buttons[static_cast<std::size_t>(index)]; }
    [[nodiscard]] QCheckBox& Check(int index) { return *m_check1[static_cast<std::size_t>(index)]; }
    [[nodiscard]] QRadioButton& SizeOption(int index) { return *m_option1[static_cast<std::size_t>(index)]; }
    [[nodiscard]] QPushButton& FontButton() { return *m_command2; }
    [[nodiscard]] QPushButton& ColourButton(int index) { return *m_command3[static_cast<std::size_t>(index)]; }
    [[nodiscard]] QLabel& FontLabel(int index) { return *m_label1[static_cast<std::size_t>(index)]; }
    // The width box of list column n+1 (n = 1 to 37), or null for a slot the list copies from
    // the first.
    [[nodiscard]] QLineEdit* WidthBox(int n) { return m_text1[static_cast<std::size_t>(n)]; }
    [[nodiscard]] QLabel* WidthCaption(int n) { return m_label3[static_cast<std::size_t>(n)]; }
    [[nodiscard]] QToolButton* WidthStep(int n, bool up);
    [[nodiscard]] QRadioButton& SlotOption(int slot) { return *m_option2[static_cast<std::size_t>(slot)]; }
    [[nodiscard]] QLabel& SlotFile(int slot) { return *m_label5[static_cast<std::size_t>(slot)]; }
    [[nodiscard]] QPushButton& SlotChooser(int slot) { return *m_command4[static_cast<std::size_t>(slot)]; }
    [[nodiscard]] QListWidget& Folder() { return *m_dir1; }
    [[nodiscard]] QLabel& Link() { return *m_label4; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildStartupTab();
    QWidget* BuildListTab();
    QWidget* BuildWidthTab();
    QWidget* BuildPostalTab();
    QWidget* WidthRow(int n, const QString& caption);
    void Command1_Click(int index);
    void Command2_Click();
    void Command3_Click(int index);
    void Command4_Click(int slot);
    void Text1_Change(int n, const QString& text);
    void UpDown1_Click(int n, int direction);
    void ShowFont();
    void ShowColours();
    void ShowSlot(int slot);
    void ShowFolder(const QString& folder);

    SettingsDialogCommands& m_commands;
    TwipsSize m_windowSize;
    FontPicker m_pickFont;
    ColourPicker m_pickColour;
    QTabWidget* m_tabs = nullptr;
    std::array<QPushButton*, 4> m_buttons{};
    std::array<QCheckBox*, SettingsForm::kCheckCount> m_check1{};
    std::array<QRadioButton*, 5> m_option1{};
    SizePicture* m_picture1 = nullptr;
    QPushButton* m_command2 = nullptr;
    std::array<QLabel*, 2> m_label1{};
    std::array<QCheckBox*, 2> m_check2{};
    std::array<QPushButton*, 2> m_command3{};
    std::array<QLineEdit*, kEntryColumnCount> m_text1{};
    std::array<QLabel*, kEntryColumnCount> m_label3{};
    std::array<std::array<QToolButton*, 2>, kEntryColumnCount> m_upDown1{};
    std::array<QRadioButton*, kPostalSlotCount> m_option2{};
    std::array<QLabel*, kPostalSlotCount> m_label5{};
    std::array<QPushButton*, kPostalSlotCount> m_command4{};
    QListWidget* m_dir1 = nullptr;
    QLabel* m_label4 = nullptr;
};
