#pragma once

#include "editor/EditorFields.h"

#include <QWidget>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The fields of the entry editor, laid out as the user knows them: number, name and group
// on top, the telephone and mail frames side by side, the other information below. The
// controls keep the indexes of their control arrays, so `EditorFields` maps onto them one to
// one; this class only copies texts between the two.
class EditorForm final : public QWidget
{
    Q_OBJECT

public:
    explicit EditorForm(QWidget* parent = nullptr);

    // Fills every drop-down list: the fixed lists and the group list of `fields`.
    void FillLists(const EditorFields& fields);
    // Shows every text, combo text and the secret choice of `fields`; a drop-down whose text
    // is one of its items selects that item.
    void Show(const EditorFields& fields);
    // Copies every text, combo text and the secret choice into `fields`, except the number:
    // the user cannot change that box, so the number stays the one the editor put there. The
    // rest of `fields` stays.
    void Read(EditorFields& fields) const;

    std::array<QLineEdit*, kTextCount> Text1{};
    std::array<QComboBox*, kComboCount> Combo1{};
    std::array<QRadioButton*, kOptionCount> Option1{};
    std::array<QPushButton*, 5> Command1{};
    // Captions of the text boxes, by the box's index.
    std::array<QLabel*, kTextCount> Label1{};
    // Captions of the drop-down boxes by the box's index; 1 is " ｼｰｸﾚｯﾄ", 17 "誕生日".
    std::array<QLabel*, 18> Label2{};
    // " 電話番号 ", " ﾒｰﾙｱﾄﾞﾚｽ ", " その他の情報 ".
    std::array<QGroupBox*, 3> Frame1{};

private:
    QLabel* AddLabel1(int index, QStringView caption, QWidget* parent);
    QLabel* AddLabel2(int index, QStringView caption, QWidget* parent);
    QLineEdit* AddText(int index, QWidget* parent);
    QComboBox* AddCombo(int index, QWidget* parent);
    QPushButton* AddCommand(int index, QWidget* parent);
    QWidget* BuildTopLines();
    QGroupBox* BuildSlotFrame(int frame, QStringView caption, int firstText, int firstCombo);
    QGroupBox* BuildOtherFrame();
    void SetTabOrder();
};
