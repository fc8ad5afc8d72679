// Takes the pictures of docs/screenshots: loads an army, walks every window as a user reaches
// it, and photographs each one from the X server's screen. scripts/screenshots runs it on a
// virtual display.

#include "document/ArmyDocument.h"
#include "store/Store.h"
#include "ui/Modal.h"
#include "ui/catalogue/AbilityCostsDialog.h"
#include "ui/catalogue/AbilityEditor.h"
#include "ui/catalogue/CatalogueDialog.h"
#include "ui/catalogue/Picker.h"
#include "ui/catalogue/WeaponEditor.h"
#include "ui/help/AbilitiesHelp.h"
#include "ui/help/AbilityCostsHelp.h"
#include "ui/help/AbilityEditorHelp.h"
#include "ui/help/AdditionalWeaponsHelp.h"
#include "ui/help/CharacteristicsHelp.h"
#include "ui/help/MainWindowHelp.h"
#include "ui/help/ReplaceableWeaponsHelp.h"
#include "ui/help/RestrictionsHelp.h"
#include "ui/help/StandardWeaponsHelp.h"
#include "ui/main/CheckReportDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/main/TroopSelectionDialog.h"
#include "ui/wizard/CharacteristicsStep.h"
#include "ui/wizard/ItemListStep.h"
#include "ui/wizard/ReplaceableWeaponsStep.h"
#include "ui/wizard/RestrictionsStep.h"
#include "ui/wizard/WeaponCostsDialog.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QHash>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWindow>

namespace
{

// Waits, within a bound, until the window is on the screen with everything painted.
bool waitUntilDrawn(QWidget& window)
{
    QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired() && !(window.windowHandle() && window.windowHandle()->isExposed()))
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    window.repaint();
    QApplication::processEvents();
    QGuiApplication::sync();
    return window.windowHandle() && window.windowHandle()->isExposed();
}

// Answers every modal thing as a user on a tour would: photographs each window, opens the help
// window of the dialogs that have one, and closes it; the file dialog yields the army to load.
class Photographer : public ModalUser
{
public:
    Photographer(QString outputFolder, QString armyFile)
        : folder(std::move(outputFolder)), army(std::move(armyFile))
    {
        const std::initializer_list<std::pair<const char*, const char*>> all = {
            {"MainWindow", "main-window"},       {"TroopSelectionDialog", "troop-selection"},
            {"CharacteristicsStep", "step2"},    {"ReplaceableWeaponsStep", "step4"},
            {"RestrictionsStep", "step7"},       {"Picker", "picker"},
            {"WeaponEditor", "weapon-editor"},   {"WeaponCostsDialog", "costs"},
            {"AbilityEditor", "ability-editor"}, {"AbilityCostsDialog", "ability-costs"},
            {"MainWindowHelp", "help1"},         {"CharacteristicsHelp", "help2"},
            {"StandardWeaponsHelp", "help3"},    {"ReplaceableWeaponsHelp", "help4"},
            {"AdditionalWeaponsHelp", "help5"},  {"AbilitiesHelp", "help6"},
            {"RestrictionsHelp", "help7"},       {"AbilityEditorHelp", "help8"},
            {"AbilityCostsHelp", "help9"},       {"CatalogueDialog", "weapons"},
            {"CheckReportDialog", "check-army"}};
        for (const auto& [className, name] : all)
            names.insert(QString::fromLatin1(className), QString::fromLatin1(name));
    }

    void photograph(QWidget& window, const QString& name, QWidget* alsoShown = nullptr)
    {
        if (!waitUntilDrawn(window) || (alsoShown && !waitUntilDrawn(*alsoShown))) {
            failures << name + QStringLiteral(": never shown");
            return;
        }
        QRect frame = window.frameGeometry();
        if (alsoShown)
            frame |= alsoShown->frameGeometry();
        const QPixmap shot =
            window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
        const QString path = folder + u'/' + name + QStringLiteral(".png");
        if (!shot.save(path))
            failures << path + QStringLiteral(": not written");
        else
            taken << path;
    }

    void photograph(QWidget& window)
    {
        photograph(window, names.value(QString::fromLatin1(window.metaObject()->className())));
    }

    void playWindow(QWidget& window) override
    {
        auto& shown = static_cast<Dialog&>(window);
        // The weapons window shows the troops that use the first weapon.
        if (auto* catalogue = qobject_cast<CatalogueDialog*>(&window)) {
            auto* entries = catalogue->findChild<CatalogueTable*>(QStringLiteral("entries"));
            if (entries)
                catalogue->selectName(entries->nameAt(0));
            else
                failures << QStringLiteral("weapons window: no entries");
        }
        photograph(window);
        if (auto* editor = qobject_cast<AbilityEditor*>(&window))
            editor->showHelp();
        if (auto* costs = qobject_cast<AbilityCostsDialog*>(&window))
            costs->showHelp();
        shown.done(qobject_cast<TroopSelectionDialog*>(&window) ? QDialog::Accepted
                                                                : QDialog::Rejected);
    }

    QMessageBox::StandardButton playMessage(QWidget*, const QString& caption, const QString& text,
                                            QMessageBox::StandardButtons) override
    {
        failures << QStringLiteral("unexpected message: ") + caption + u' ' + text;
        return QMessageBox::No;
    }

    QString playFileDialog(QWidget*, const FileDialogRequest&, FileDialogChoice*) override
    {
        return army;
    }

    QStringList taken;
    QStringList failures;

private:
    QHash<QString, QString> names;
    QString folder;
    QString army;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: quarrimak-screenshots <output folder> <army datafile>\n";
        return 2;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const QString army = QString::fromLocal8Bit(argv[2]);
    if (!QDir().mkpath(folder)) {
        err << "cannot make " << folder << '\n';
        return 1;
    }

    // The recent files of the tour stay out of the user's own settings.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());

    ArmyDocument document;
    Photographer photographer(folder, army);
    installModalUser(&photographer);

    MainWindow main(document);
    main.showAndActivate();
    main.loadArmy();
    photographer.photograph(main);
    // The File menu, opened as a click on it opens it.
    auto* menuBar = main.findChild<QMenuBar*>(QStringLiteral("menuBar"));
    auto* fileMenu = main.findChild<QMenu*>(QStringLiteral("File"));
    fileMenu->popup(
        menuBar->mapToGlobal(menuBar->actionGeometry(fileMenu->menuAction()).bottomLeft()));
    photographer.photograph(main, QStringLiteral("main-window-file-menu"), fileMenu);
    fileMenu->hide();
    main.showHelp();

    // The first troop, reopened through Edit, step by step.
    main.editTroop();
    Wizard& wizard = main.wizard();
    CharacteristicsStep& characteristics = *wizard.characteristicsStep();
    photographer.photograph(characteristics);
    characteristics.showHelp();
    characteristics.next();
    ItemListStep& items = *wizard.itemListStep();
    photographer.photograph(items, QStringLiteral("step3"));
    items.showHelp();
    items.addItems();
    items.next();
    ReplaceableWeaponsStep& replaceable = *wizard.replaceableWeaponsStep();
    photographer.photograph(replaceable);
    replaceable.showHelp();
    replaceable.next();
    photographer.photograph(items, QStringLiteral("step5"));
    items.showHelp();
    items.next();
    photographer.photograph(items, QStringLiteral("step6"));
    items.showHelp();
    items.next();
    RestrictionsStep& restrictions = *wizard.restrictionsStep();
    photographer.photograph(restrictions);
    restrictions.showHelp();

    // The dialogs that open from inside the lists, each with what its opener gives it.
    WeaponEditor weaponEditor(&restrictions,
                              {QStringLiteral("New Standard Weapon"),
                               QStringLiteral("Standard Weapon name"), QString(), QStringList(),
                               false, document.army().weaponCatalogue.get()});
    weaponEditor.showModal();
    WeaponCostsDialog costs(
        &restrictions, QStringLiteral("Flame thrower"),
        QStringLiteral("Name of the replace weapon"),
        {{QStringLiteral("Heavy flamer"), 6}, {QStringLiteral("Plasma pistol"), 10}});
    costs.showModal();
    AbilityEditor abilityEditor(&restrictions,
                                {QStringLiteral("Add Special Ability"),
                                 QStringLiteral("New Special Ability"), QString(), QString(), false,
                                 document.army().abilityCatalogue.get()});
    abilityEditor.showModal();
    editAbilityCosts(&restrictions, wizard.troop(), 0, wizard.editorMemory().abilityScope);

    // The Army menu's windows, from the main window.
    wizard.leave();
    main.showCatalogue(CatalogueKind::Weapons);
    main.checkArmy();

    installModalUser(nullptr);
    QTextStream out(stdout);
    for (const QString& path : photographer.taken)
        out << path << '\n';
    for (const QString& failure : photographer.failures)
        err << failure << '\n';
    return photographer.failures.isEmpty() && photographer.taken.size() == 25 ? 0 : 1;
}
