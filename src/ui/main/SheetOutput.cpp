#include "ui/main/SheetOutput.h"

#include "document/ArmyDocument.h"
#include "ui/Modal.h"
#include "ui/WaitCursor.h"
#include "ui/help/SheetHelp.h"
#include "ui/sheet/ArmySheet.h"
#include "ui/sheet/SheetExport.h"
#include "ui/sheet/SheetPages.h"

#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QShortcut>

namespace
{

// The progress of a sheet's pages, shown once the work has taken half a second; Cancel stops it.
class SheetProgressDialog : public SheetProgress
{
public:
    explicit SheetProgressDialog(QWidget* parent)
        : dialog(QStringLiteral("Laying out the army sheet..."), QStringLiteral("Cancel"), 0, 1,
                 parent)
    {
        dialog.setWindowTitle(QStringLiteral("Army Sheet"));
        dialog.setWindowModality(Qt::WindowModal);
        dialog.setMinimumDuration(500);
        dialog.setAutoClose(false);
        dialog.setAutoReset(false);
        dialog.setValue(0);
    }

    bool advance(int done, int total) override
    {
        if (dialog.maximum() != total)
            dialog.setMaximum(total);
        dialog.setValue(done);
        return !dialog.wasCanceled();
    }

private:
    QProgressDialog dialog;
};

// A file name made of the army's name: the characters no file name may hold become "-".
QString sheetBaseName(const QString& armyName, const QString& currentFile)
{
    QString name = armyName.trimmed();
    if (name.isEmpty())
        name = QFileInfo(currentFile).completeBaseName();
    if (name.isEmpty())
        name = QStringLiteral("army-sheet");
    for (QChar& c : name) {
        if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 32)
            c = u'-';
    }
    return name;
}

const QString pdfFilter = QStringLiteral("PDF (*.pdf)");
const QString htmlFilter = QStringLiteral("HTML (*.html)");

} // namespace

SheetOutput::SheetOutput(QWidget* shownOver, const ArmyDocument& army)
    : window(shownOver), document(army)
{
}

QString SheetOutput::exportSheet()
{
    const QString& file = document.filePath();
    FileDialogRequest request{FileDialogRequest::Kind::Save, QStringLiteral("Export Army Sheet"),
                              QString(), QString()};
    const QString base = sheetBaseName(document.army().army.name, file);
    request.fileName = file.isEmpty()
                           ? base + QStringLiteral(".pdf")
                           : QFileInfo(file).absolutePath() + u'/' + base + QStringLiteral(".pdf");
    request.filters = {pdfFilter, htmlFilter};
    request.option = QStringLiteral("Include unused catalogue entries");
    request.optionChecked = allEntries;
    FileDialogChoice choice;
    QString path = runFileDialog(window, request, &choice);
    if (path.isEmpty())
        return QString();
    allEntries = choice.optionChecked;
    if (sheetFormatOf(path) == SheetFormat::Unknown)
        path += choice.filter == htmlFilter ? QStringLiteral(".html") : QStringLiteral(".pdf");

    SheetOptions options;
    options.allEntries = allEntries;
    options.sourceFile = QFileInfo(file).fileName();
    QString reason;
    ExportResult result;
    {
        WaitCursor wait;
        SheetProgressDialog progress(window);
        result = exportArmySheet(document.army(), options, path, &progress, &reason);
    }
    if (result == ExportResult::Failed) {
        messageBox(window, QStringLiteral("*** FILE ERROR ***"),
                   QStringLiteral("An error occurred while writing the army sheet!\n") + reason,
                   QMessageBox::Ok);
    }
    return result == ExportResult::Written ? path : QString();
}

void SheetOutput::printSheet()
{
    SheetOptions options;
    options.allEntries = allEntries;
    options.sourceFile = QFileInfo(document.filePath()).fileName();
    const ArmySheet sheet = makeArmySheet(document.army(), options);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(localPageSize());
    printer.setPageMargins(QMarginsF(15, 15, 15, 12), QPageLayout::Millimeter);
    printer.setDocName(QStringLiteral("Army sheet: ") + sheet.armyName);
    QPrintPreviewDialog preview(&printer, window);
    preview.setWindowTitle(QStringLiteral("Print Army Sheet"));
    auto* help = new QShortcut(QKeySequence::HelpContents, &preview);
    help->setContext(Qt::WindowShortcut);
    QObject::connect(help, &QShortcut::activated, &preview,
                     [&preview] { showSheetHelp(&preview); });
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&sheet, &preview](QPrinter* paper) {
                         SheetProgressDialog progress(&preview);
                         paintArmySheet(sheet, *paper, &progress);
                     });
    runModalDialog(preview);
}
