#pragma once

#include "find/EntryMerge.h"

#include <QDialog>

class Interaction;
class QButtonGroup;

// 個別情報の統合: for each part two entries fill differently, the user picks which one stays
// (the newer entry's is chosen first); numbers and mail addresses that would not fit are listed
// before anything changes. Accepted, Picks() says what to keep.
class MergeDialog final : public QDialog
{
    Q_OBJECT

public:
    MergeDialog(const Entry& first, const Entry& second, Interaction& interaction, QWidget* parent = nullptr);

    // One side per part of MergeParts().
    [[nodiscard]] QList<MergeSide> Picks() const;

private:
    MergePlan m_plan;
    // One group of two radio buttons (ids 0 first, 1 second) per part in conflict.
    QList<QButtonGroup*> m_groups;
};
