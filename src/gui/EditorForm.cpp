#include "EditorForm.h"

#include "editor/EditorLoad.h"
#include "editor/EditorTexts.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <tuple>

namespace {

using namespace EditorTexts;

template <std::size_t N, typename T> T* At(const std::array<T*, N>& controls, int index)
{
    return controls[static_cast<std::size_t>(index)];
}

QString ArrayName(QStringView array, int index)
{
    return array.toString() + u'_' + QString::number(index);
}

// Visible characters a drop-down box is sized for, by Combo1 index.
int ComboWidthChars(int index)
{
    if (index == kComboGroup) {
        return 16;
    }
    switch (index) {
    case kComboBirthYear:
        return 4;
    case kComboBirthMonth:
    case kComboBirthDay:
    case kComboBloodType:
        return 2;
    case kComboAddressKind:
    case kComboConstellation:
        return 4;
    default:
        return 5;
    }
}

QHBoxLayout* Line(QWidget* parent = nullptr)
{
    auto* line = parent ? new QHBoxLayout(parent) : new QHBoxLayout;
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(4);
    return line;
}

} // namespace

EditorForm::EditorForm(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    layout->addWidget(BuildTopLines());
    auto* slotFrames = Line();
    slotFrames->setSpacing(6);
    slotFrames->addWidget(BuildSlotFrame(0, kFrameTel, kTextTel1, kComboTelKind1), 1);
    slotFrames->addWidget(BuildSlotFrame(1, kFrameMail, kTextMail1, kComboMailKind1), 1);
    // Height to spare goes to the frames in proportion to their lines.
    layout->addLayout(slotFrames, kSlotCount);
    layout->addWidget(BuildOtherFrame(), 7);

    At(Text1, kTextNumber)->setReadOnly(true);
    At(Text1, kTextPostalFirst)->setMaxLength(kPostalFirstInputMaxLength);
    At(Text1, kTextPostalSecond)->setMaxLength(kPostalSecondMaxLength);
    SetTabOrder();
}

QLabel* EditorForm::AddLabel1(int index, QStringView caption, QWidget* parent)
{
    auto* label = new QLabel(caption.toString(), parent);
    label->setObjectName(ArrayName(u"Label1", index));
    label->setToolTip(kTextToolTips[static_cast<std::size_t>(index)].toString());
    Label1[static_cast<std::size_t>(index)] = label;
    return label;
}

QLabel* EditorForm::AddLabel2(int index, QStringView caption, QWidget* parent)
{
    auto* label = new QLabel(caption.toString(), parent);
    label->setObjectName(ArrayName(u"Label2", index));
    if (index < kComboCount && index != 1) {
        label->setToolTip(kComboToolTips[static_cast<std::size_t>(index)].toString());
    }
    Label2[static_cast<std::size_t>(index)] = label;
    return label;
}

QLineEdit* EditorForm::AddText(int index, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(ArrayName(u"Text1", index));
    box->setToolTip(kTextToolTips[static_cast<std::size_t>(index)].toString());
    Text1[static_cast<std::size_t>(index)] = box;
    return box;
}

QComboBox* EditorForm::AddCombo(int index, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(ArrayName(u"Combo1", index));
    box->setEditable(true);
    // The box text is what gets stored: no completion that would finish a half-typed text,
    // and no item added when Enter is pressed.
    box->setCompleter(nullptr);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(ComboWidthChars(index));
    box->setMaxVisibleItems(12);
    box->setToolTip(kComboToolTips[static_cast<std::size_t>(index)].toString());
    Combo1[static_cast<std::size_t>(index)] = box;
    return box;
}

QPushButton* EditorForm::AddCommand(int index, QWidget* parent)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(ArrayName(u"Command1", index));
    button->setToolTip(kCommandToolTips[static_cast<std::size_t>(index)].toString());
    // Enter in a field must never press a button of the form.
    button->setAutoDefault(false);
    if (index == 0) {
        button->setText(kPostalButtonFace.toString());
    } else {
        static constexpr std::array<QStyle::StandardPixmap, 4> kPictures = {
            QStyle::SP_DialogApplyButton, QStyle::SP_FileDialogDetailedView, QStyle::SP_DriveNetIcon,
            QStyle::SP_ComputerIcon};
        button->setIcon(style()->standardIcon(kPictures[static_cast<std::size_t>(index - 1)]));
        button->setFixedWidth(button->sizeHint().height() + 6);
    }
    Command1[static_cast<std::size_t>(index)] = button;
    return button;
}

QWidget* EditorForm::BuildTopLines()
{
    auto* top = new QWidget(this);
    auto* grid = new QGridLayout(top);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);

    grid->addWidget(AddLabel1(kTextNumber, kCaptionNumber, top), 0, 0);
    QLineEdit* number = AddText(kTextNumber, top);
    number->setFixedWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    grid->addWidget(number, 0, 1);
    grid->addWidget(AddLabel1(kTextName, kCaptionName, top), 0, 2, Qt::AlignRight);
    grid->addWidget(AddText(kTextName, top), 0, 3);
    grid->addWidget(AddLabel2(kComboGroup, kCaptionGroup, top), 0, 4);
    grid->addWidget(AddCombo(kComboGroup, top), 0, 5);

    grid->addWidget(AddLabel1(kTextReading, kCaptionReading, top), 1, 0);
    grid->addWidget(AddText(kTextReading, top), 1, 1, 1, 3);
    grid->addWidget(AddLabel2(1, kCaptionSecret, top), 1, 4);
    auto* secret = new QWidget(top);
    auto* options = Line(secret);
    for (int index = 0; index < kOptionCount; ++index) {
        auto* option =
            new QRadioButton(index == kOptionPublic ? kCaptionPublic.toString() : kCaptionPrivate.toString(), secret);
        option->setObjectName(ArrayName(u"Option1", index));
        option->setToolTip(kOptionToolTips[static_cast<std::size_t>(index)].toString());
        Option1[static_cast<std::size_t>(index)] = option;
        options->addWidget(option);
    }
    options->addStretch(1);
    grid->addWidget(secret, 1, 5);
    grid->setColumnStretch(3, 1);
    return top;
}

QGroupBox* EditorForm::BuildSlotFrame(int frame, QStringView caption, int firstText, int firstCombo)
{
    auto* box = new QGroupBox(caption.toString(), this);
    box->setObjectName(ArrayName(u"Frame1", frame));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        grid->addWidget(AddLabel1(firstText + slot, kCaptionSlotNumbers[static_cast<std::size_t>(slot)], box), slot, 0);
        grid->addWidget(AddText(firstText + slot, box), slot, 1);
        grid->addWidget(AddCombo(firstCombo + slot, box), slot, 2);
    }
    grid->setColumnStretch(1, 1);
    Frame1[static_cast<std::size_t>(frame)] = box;
    return box;
}

QGroupBox* EditorForm::BuildOtherFrame()
{
    auto* box = new QGroupBox(kFrameOther.toString(), this);
    box->setObjectName(ArrayName(u"Frame1", 2));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    int row = 0;

    grid->addWidget(AddLabel2(kComboAddressKind, kCaptionAddressKind, box), row, 0);
    QHBoxLayout* postal = Line();
    postal->addWidget(AddCombo(kComboAddressKind, box));
    postal->addSpacing(16);
    postal->addWidget(AddLabel1(kTextPostalFirst, kCaptionPostal, box));
    const int digitWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12;
    AddText(kTextPostalFirst, box)->setFixedWidth(digitWidth);
    postal->addWidget(At(Text1, kTextPostalFirst));
    postal->addWidget(AddLabel1(kTextPostalSecond, kCaptionPostalDash, box));
    AddText(kTextPostalSecond, box)->setFixedWidth(digitWidth + fontMetrics().horizontalAdvance(u'0'));
    postal->addWidget(At(Text1, kTextPostalSecond));
    postal->addSpacing(8);
    postal->addWidget(AddCommand(0, box));
    postal->addStretch(1);
    grid->addLayout(postal, row++, 1);

    grid->addWidget(AddLabel1(kTextAddress, kCaptionAddress, box), row, 0);
    grid->addWidget(AddText(kTextAddress, box), row++, 1);

    grid->addWidget(AddLabel2(kComboConstellation, kCaptionConstellation, box), row, 0);
    QHBoxLayout* birth = Line();
    birth->addWidget(AddCombo(kComboConstellation, box));
    birth->addWidget(AddCommand(1, box));
    birth->addSpacing(16);
    birth->addWidget(AddLabel2(17, kCaptionBirthday, box));
    birth->addWidget(AddCombo(kComboBirthYear, box));
    birth->addWidget(AddLabel2(kComboBirthYear, kCaptionYear, box));
    birth->addWidget(AddCombo(kComboBirthMonth, box));
    birth->addWidget(AddLabel2(kComboBirthMonth, kCaptionMonth, box));
    birth->addWidget(AddCombo(kComboBirthDay, box));
    birth->addWidget(AddLabel2(kComboBirthDay, kCaptionDay, box));
    birth->addWidget(AddCommand(2, box));
    birth->addSpacing(16);
    birth->addWidget(AddLabel2(kComboBloodType, kCaptionBloodType, box));
    birth->addWidget(AddCombo(kComboBloodType, box));
    birth->addStretch(1);
    grid->addLayout(birth, row++, 1);

    grid->addWidget(AddLabel1(kTextHobby, kCaptionHobby, box), row, 0);
    grid->addWidget(AddText(kTextHobby, box), row++, 1);
    grid->addWidget(AddLabel1(kTextMemo, kCaptionMemo, box), row, 0);
    grid->addWidget(AddText(kTextMemo, box), row++, 1);

    for (const auto& [text, caption, command] :
         {std::tuple{int{kTextUrl}, kCaptionUrl, 3}, std::tuple{int{kTextGps}, kCaptionGps, 4}}) {
        grid->addWidget(AddLabel1(text, caption, box), row, 0);
        QHBoxLayout* line = Line();
        line->addWidget(AddText(text, box), 1);
        line->addWidget(AddCommand(command, box));
        grid->addLayout(line, row++, 1);
    }
    grid->setColumnStretch(1, 1);
    Frame1[2] = box;
    return box;
}

void EditorForm::SetTabOrder()
{
    QList<QWidget*> order = {At(Text1, kTextName), At(Text1, kTextReading), At(Combo1, kComboGroup),
                             At(Option1, kOptionPublic), At(Option1, kOptionPrivate)};
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        order << At(Text1, TelText(slot)) << At(Combo1, TelKindCombo(slot));
    }
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        order << At(Text1, MailText(slot)) << At(Combo1, MailKindCombo(slot));
    }
    order << At(Combo1, kComboAddressKind) << At(Text1, kTextPostalFirst) << At(Text1, kTextPostalSecond)
          << At(Command1, 0) << At(Text1, kTextAddress) << At(Combo1, kComboConstellation) << At(Command1, 1)
          << At(Combo1, kComboBirthYear) << At(Combo1, kComboBirthMonth) << At(Combo1, kComboBirthDay)
          << At(Command1, 2) << At(Combo1, kComboBloodType) << At(Text1, kTextHobby) << At(Text1, kTextMemo)
          << At(Text1, kTextUrl) << At(Command1, 3) << At(Text1, kTextGps) << At(Command1, 4) << At(Text1, kTextNumber);
    for (qsizetype i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void EditorForm::FillLists(const EditorFields& fields)
{
    for (int index = 0; index < kComboCount; ++index) {
        QComboBox* box = At(Combo1, index);
        box->clear();
        box->addItems(ComboItems(fields, index));
        box->setEditText(QString());
    }
}

void EditorForm::Show(const EditorFields& fields)
{
    for (int index = 0; index < kTextCount; ++index) {
        At(Text1, index)->setText(fields.Text(index));
    }
    for (int index = 0; index < kComboCount; ++index) {
        QComboBox* box = At(Combo1, index);
        const QString& text = fields.Combo(index);
        // The list opens on the item the box shows; a text of its own selects no item.
        box->setCurrentIndex(box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        box->setEditText(text);
    }
    At(Option1, fields.Private ? kOptionPrivate : kOptionPublic)->setChecked(true);
}

void EditorForm::Read(EditorFields& fields) const
{
    for (int index = kTextNumber + 1; index < kTextCount; ++index) {
        fields.Text(index) = At(Text1, index)->text();
    }
    for (int index = 0; index < kComboCount; ++index) {
        fields.Combo(index) = At(Combo1, index)->currentText();
    }
    fields.Private = At(Option1, kOptionPrivate)->isChecked();
}
