#include "ui/main/FileQuestions.h"

#include "datafile/Unholdable.h"
#include "document/ArmyDocument.h"
#include "ui/Modal.h"

#include <QFileInfo>

bool unsavedChangesSettled(QWidget* window, const ArmyDocument& army,
                           const std::function<bool()>& save)
{
    if (!army.isModified())
        return true;
    switch (messageBox(window, QStringLiteral("*** UNSAVED CHANGES ***"),
                       QStringLiteral("The army has changes that have not been saved. Save them "
                                      "first?"),
                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return save();
    case QMessageBox::No:
        return true;
    default:
        return false;
    }
}

bool saveArmyTo(QWidget* window, ArmyDocument& army, const QString& path)
{
    if (const QString refusal = unholdableReport(army.army()); !refusal.isEmpty()) {
        messageBox(window, QStringLiteral("*** CHARACTERS NOT SAVED ***"), refusal,
                   QMessageBox::Ok);
        return false;
    }
    QString reason;
    if (!army.saveAs(path, &reason)) {
        messageBox(window, QStringLiteral("*** FILE ERROR ***"),
                   QStringLiteral("An error occurred while writing to the file!\n") + reason,
                   QMessageBox::Ok);
        return false;
    }
    return true;
}

bool recentFileFound(QWidget* window, const QString& path)
{
    if (QFileInfo::exists(path))
        return true;
    messageBox(window, QStringLiteral("*** FILE NOT FOUND ***"),
               QStringLiteral("The file ") + path + QStringLiteral(" no longer exists."),
               QMessageBox::Ok);
    return false;
}
