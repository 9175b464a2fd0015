#pragma once

#include <QDialog>

class Interaction;
class MainController;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// 重複の検出と統合: the groups of entries that look like one person. Ticking two entries of one
// group and pressing 統合 opens the merge dialog; a merge changes the list at once (the main
// window shows it when this dialog closes) and the groups are found again.
class DuplicatesDialog final : public QDialog
{
    Q_OBJECT

public:
    DuplicatesDialog(MainController& controller, Interaction& interaction, QWidget* parent = nullptr);

    [[nodiscard]] QTreeWidget& Groups() { return *m_groups; }
    [[nodiscard]] QPushButton& MergeButton() { return *m_merge; }
    // The entries shown as rows of the groups; rebuilt after every merge.
    void Refresh();

private:
    // The two ticked entries as 1-based list rows, upper first, when they share a group.
    [[nodiscard]] std::pair<int, int> TickedPair() const;
    void Merge();

    MainController& m_controller;
    Interaction& m_interaction;
    QTreeWidget* m_groups = nullptr;
    QPushButton* m_merge = nullptr;
};
