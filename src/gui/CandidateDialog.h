#pragma once

#include "Interaction.h"
#include "editor/EditorFields.h"
#include "settings/SettingValues.h"

#include <QDialog>

class QListView;
class CandidateRows;

// YB_KOUHO, "郵便番号候補一覧": lists the postal-code candidates of the address and writes the
// chosen code into the two postal-code fields of `fields` on OK or on a double-click on a row.
class CandidateDialog final : public QDialog
{
    Q_OBJECT

public:
    // `rows` as the candidate search found them (the not-found message, if any, already told);
    // `size` the window's size as kept (twips, without the frame).
    CandidateDialog(const QStringList& rows, EditorFields& fields, Interaction& interaction, TwipsSize size,
                    QWidget* parent = nullptr);

    [[nodiscard]] QListView& List() { return *m_list; }
    // Selects row `row` of the list (-1: none).
    void SelectRow(int row);
    // The OK button (Command1(0)): closes once a row is chosen.
    void Ok();
    // The window's size to keep, in twips.
    [[nodiscard]] TwipsSize SizeToKeep() const;

private:
    EditorFields& m_fields;
    Interaction& m_interaction;
    TwipsSize m_openedSize;
    CandidateRows* m_model = nullptr;
    QListView* m_list = nullptr;
};
