#include "ListFontDialog.h"

#include "settings/SettingsForm.h"

#include <QFontDialog>
#include <QIntValidator>
#include <QLineEdit>
#include <QRegularExpressionValidator>

std::optional<QFont> PickListFont(const QFont& current, QWidget* owner)
{
    QFontDialog dialog(current, owner);
    // A desktop's own font dialog has no size box to mend; Qt's is the same everywhere.
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    QLineEdit* sizeBox = nullptr;
    for (QLineEdit* box : dialog.findChildren<QLineEdit*>()) {
        if (qobject_cast<const QIntValidator*>(box->validator())) {
            sizeBox = box;
        }
    }
    if (sizeBox) {
        sizeBox->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}([.,][0-9]?)?")), sizeBox));
        sizeBox->setText(QString::number(current.pointSizeF()));
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    QFont chosen = dialog.selectedFont();
    // Qt reads the box as a whole number and would lose the decimal; a box that holds no size
    // keeps the size the dialog opened with.
    if (sizeBox) {
        chosen.setPointSizeF(FontSizeFromText(sizeBox->text()).value_or(current.pointSizeF()));
    }
    return chosen;
}
