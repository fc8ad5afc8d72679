#include "ui/Modal.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>

namespace
{

ModalUser* installedUser = nullptr;

} // namespace

void installModalUser(ModalUser* user)
{
    installedUser = user;
}

void runModalDialog(QDialog& dialog)
{
    if (!installedUser) {
        dialog.exec();
        return;
    }
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    installedUser->playWindow(dialog);
    if (dialog.isVisible())
        dialog.close();
    if (dialog.isVisible()) {
        dialog.setResult(QDialog::Rejected);
        dialog.hide();
    }
}

QMessageBox::StandardButton messageBoxEscapeButton(QMessageBox::StandardButtons buttons)
{
    if (buttons.testFlag(QMessageBox::Cancel))
        return QMessageBox::Cancel;
    if (buttons.testFlag(QMessageBox::No))
        return QMessageBox::No;
    return QMessageBox::Ok;
}

QMessageBox::StandardButton messageBox(QWidget* parent, const QString& caption, const QString& text,
                                       QMessageBox::StandardButtons buttons)
{
    if (installedUser)
        return installedUser->playMessage(parent, caption, text, buttons);

    const QMessageBox::StandardButton escape = messageBoxEscapeButton(buttons);
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    box.setStandardButtons(buttons);
    box.setEscapeButton(escape);
    if (buttons.testFlag(QMessageBox::Yes)) {
        box.setIcon(QMessageBox::Question);
        box.setDefaultButton(escape == QMessageBox::Cancel ? QMessageBox::Cancel
                                                           : QMessageBox::Yes);
    } else {
        box.setIcon(caption.startsWith(QLatin1String("***")) ? QMessageBox::Warning
                                                             : QMessageBox::Information);
    }
    const auto pressed = QMessageBox::StandardButton(box.exec());
    return buttons.testFlag(pressed) ? pressed : escape;
}

QString runFileDialog(QWidget* parent, const FileDialogRequest& request, FileDialogChoice* choice)
{
    if (installedUser)
        return installedUser->playFileDialog(parent, request, choice);

    QFileDialog dialog(parent, request.title);
    if (request.filters.isEmpty())
        dialog.setNameFilter(request.filter);
    else
        dialog.setNameFilters(request.filters);
    // A check box has room only in Qt's own dialog, below the file name and the filters.
    QCheckBox* option = nullptr;
    if (!request.option.isEmpty()) {
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        option = new QCheckBox(request.option, &dialog);
        option->setChecked(request.optionChecked);
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
            grid->addWidget(option, grid->rowCount(), 0, 1, grid->columnCount());
    }
    dialog.selectFile(request.fileName);
    if (request.kind == FileDialogRequest::Kind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    if (choice) {
        choice->filter = dialog.selectedNameFilter();
        choice->optionChecked = option && option->isChecked();
    }
    return dialog.selectedFiles().constFirst();
}
