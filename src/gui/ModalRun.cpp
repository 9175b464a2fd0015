#include "ModalRun.h"

#include <QDialog>

int RunModal(QDialog& dialog)
{
    // A dialog already made modal (setModal) whose native window exists keeps that window's
    // modality until the attribute changes, so the attribute is cleared first.
    dialog.setAttribute(Qt::WA_ShowModal, false);
    dialog.setWindowModality(dialog.parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
    return dialog.exec();
}
