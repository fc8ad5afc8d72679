#include "ui/main/MainMenus.h"

#include "document/ArmyDocument.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SheetOutput.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QMenu>
#include <QMenuBar>

namespace
{

// A standard key where the desktop has one, else the given one.
QList<QKeySequence> keysFor(QKeySequence::StandardKey standard, const QKeySequence& otherwise)
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(standard);
    if (keys.isEmpty())
        keys << otherwise;
    return keys;
}

} // namespace

MainMenus::MainMenus(MainWindow& owner) : QObject(&owner), window(owner)
{
    MainWindow* w = &window;
    menuBar = new QMenuBar(w);
    menuBar->setAccessibleName(QStringLiteral("Menu bar"));
    fileMenu = menuBar->addMenu(QStringLiteral("&File"));
    newTroopAction = fileMenu->addAction(QStringLiteral("&New Troop"), w, &MainWindow::newTroop);
    newTroopAction->setShortcuts(keysFor(QKeySequence::New, Qt::CTRL | Qt::Key_N));
    editTroopAction =
        fileMenu->addAction(QStringLiteral("&Edit Troop..."), w, &MainWindow::editTroop);
    editTroopAction->setShortcut(Qt::CTRL | Qt::Key_E);
    fileMenu->addSeparator();
    loadAction = fileMenu->addAction(QStringLiteral("&Load..."), w, &MainWindow::loadArmy);
    loadAction->setShortcuts(keysFor(QKeySequence::Open, Qt::CTRL | Qt::Key_O));
    recentMenu = fileMenu->addMenu(QStringLiteral("Load &Recent"));
    clearRecentAction = new QAction(QStringLiteral("Clear Recent Files"), this);
    connect(clearRecentAction, &QAction::triggered, this, [this] {
        window.recentFiles().clear();
        fillRecentMenu();
    });
    fileMenu->addSeparator();
    saveAction = fileMenu->addAction(QStringLiteral("&Save"), w, &MainWindow::saveToCurrentFile);
    saveAction->setShortcuts(keysFor(QKeySequence::Save, Qt::CTRL | Qt::Key_S));
    saveAsAction = fileMenu->addAction(QStringLiteral("Save &As..."), w, &MainWindow::saveArmy);
    saveAsAction->setShortcuts(keysFor(QKeySequence::SaveAs, Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    fileMenu->addSeparator();
    exportSheetAction =
        fileMenu->addAction(QStringLiteral("E&xport Army Sheet..."), w, &MainWindow::exportSheet);
    printSheetAction = fileMenu->addAction(QStringLiteral("&Print Army Sheet..."), w,
                                           [w] { w->sheetOutput().printSheet(); });
    printSheetAction->setShortcuts(keysFor(QKeySequence::Print, Qt::CTRL | Qt::Key_P));
    fileMenu->addSeparator();
    quitAction = fileMenu->addAction(QStringLiteral("&Quit"), w, &QWidget::close);
    quitAction->setShortcuts(keysFor(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q));

    editMenu = menuBar->addMenu(QStringLiteral("&Edit"));
    ArmyDocument* document = &window.document();
    undoAction = editMenu->addAction(QStringLiteral("&Undo"), document, &ArmyDocument::undo);
    undoAction->setShortcuts(keysFor(QKeySequence::Undo, Qt::CTRL | Qt::Key_Z));
    redoAction = editMenu->addAction(QStringLiteral("&Redo"), document, &ArmyDocument::redo);
    redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    undoAction->setObjectName(QStringLiteral("Undo"));
    redoAction->setObjectName(QStringLiteral("Redo"));

    armyMenu = menuBar->addMenu(QStringLiteral("&Army"));
    weaponsAction = armyMenu->addAction(QStringLiteral("&Weapons..."), w,
                                        [w] { w->showCatalogue(CatalogueKind::Weapons); });
    abilitiesAction = armyMenu->addAction(QStringLiteral("&Special Abilities..."), w,
                                          [w] { w->showCatalogue(CatalogueKind::Abilities); });
    armyMenu->addSeparator();
    checkAction = armyMenu->addAction(QStringLiteral("&Check..."), w, &MainWindow::checkArmy);
    checkAction->setShortcut(Qt::CTRL | Qt::Key_K);
    duplicateTroopAction =
        armyMenu->addAction(QStringLiteral("&Duplicate Troop..."), w, &MainWindow::duplicateTroop);
    duplicateTroopAction->setShortcut(Qt::CTRL | Qt::Key_D);

    helpMenu = menuBar->addMenu(QStringLiteral("&Help"));
    helpAction = helpMenu->addAction(QStringLiteral("&Help"), w, &MainWindow::showHelp);
    helpAction->setShortcuts(keysFor(QKeySequence::HelpContents, Qt::Key_F1));
    aboutAction =
        helpMenu->addAction(QStringLiteral("&About Quarrimak"), w, &MainWindow::showAbout);
    aboutQtAction = helpMenu->addAction(QStringLiteral("About &Qt"), qApp, &QApplication::aboutQt);

    // A menu is found by its title without the "&", its item in the bar by the title itself.
    for (QMenu* menu : {fileMenu, recentMenu, editMenu, armyMenu, helpMenu}) {
        menu->menuAction()->setObjectName(menu->title());
        menu->setObjectName(QString(menu->title()).remove(u'&'));
    }
    menuBar->setObjectName(QStringLiteral("menuBar"));
    for (QAction* action :
         {newTroopAction, editTroopAction, loadAction, saveAction, saveAsAction, exportSheetAction,
          printSheetAction, quitAction, weaponsAction, abilitiesAction, checkAction,
          duplicateTroopAction, helpAction, aboutAction, aboutQtAction, clearRecentAction}) {
        QString name = action->text();
        name.remove(u'&');
        if (name.endsWith(QLatin1String("...")))
            name.chop(3);
        action->setObjectName(name);
    }
    fillRecentMenu();
    updateArmyActions();
    updateUndoItems();
}

void MainMenus::fillRecentMenu()
{
    recentMenu->clear();
    const QStringList files = window.recentFiles().files();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QAction* action =
            recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(
                                      nameWithFolder(path).replace(u'&', QStringLiteral("&&"))),
                                  &window, [this, path] { window.loadRecentFile(path); });
        action->setStatusTip(path);
        action->setToolTip(path);
    }
    recentMenu->addSeparator();
    recentMenu->addAction(clearRecentAction);
    recentMenu->menuAction()->setEnabled(!files.isEmpty());
}

void MainMenus::updateUndoItems()
{
    const ArmyDocument& document = window.document();
    const QString undoName = document.undoName();
    const QString redoName = document.redoName();
    undoAction->setText(undoName.isEmpty() ? QStringLiteral("&Undo")
                                           : QStringLiteral("&Undo ") + undoName);
    redoAction->setText(redoName.isEmpty() ? QStringLiteral("&Redo")
                                           : QStringLiteral("&Redo ") + redoName);
    undoAction->setEnabled(document.canUndo());
    redoAction->setEnabled(document.canRedo());
}

void MainMenus::updateArmyActions()
{
    const int count = window.document().army().troopCount;
    duplicateTroopAction->setEnabled(count > 0 && count < Store::slotCount);
}

void MainMenus::placeIn(QBoxLayout& layout)
{
    layout.setMenuBar(menuBar);
}

int MainMenus::barHeight() const
{
    return menuBar->sizeHint().height();
}

void MainMenus::setNewTroopEnabled(bool enabled)
{
    newTroopAction->setEnabled(enabled);
}

void MainMenus::setEditTroopEnabled(bool enabled)
{
    editTroopAction->setEnabled(enabled);
}

void MainMenus::setSaveEnabled(bool enabled)
{
    saveAction->setEnabled(enabled);
    saveAsAction->setEnabled(enabled);
}
