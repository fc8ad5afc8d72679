// Takes the pictures of docs/screenshots: loads an army, walks every window as a user reaches
// it, and photographs each one from the X server's screen. scripts/screenshots runs it on a
// virtual display.

#include "platform/Modal.h"
#include "store/Store.h"
#include "ui/catalogue/AbilityCostsDialog.h"
#include "ui/catalogue/AbilityEditor.h"
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
#include "ui/main/MainWindow.h"
#include "ui/main/TroopSelectionDialog.h"
#include "ui/main/WindowSet.h"
#include "ui/wizard/CharacteristicsStep.h"
#include "ui/wizard/ItemListStep.h"
#include "ui/wizard/ReplaceableWeaponsStep.h"
#include "ui/wizard/RestrictionsStep.h"
#include "ui/wizard/WeaponCostsDialog.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QHash>
#include <QPixmap>
#include <QScreen>
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
    Photographer(WindowRegistry& windows, QString folder, QString army)
        : windows(windows), folder(std::move(folder)), army(std::move(army))
    {
        const std::initializer_list<std::pair<const QWidget*, const char*>> all = {
            {windows.mainWindow, "main-window"},
            {windows.troopSelectionDialog, "troop-selection"},
            {windows.characteristicsStep, "step2"},
            {windows.replaceableWeaponsStep, "step4"},
            {windows.restrictionsStep, "step7"},
            {windows.picker, "picker"},
            {windows.weaponEditor, "weapon-editor"},
            {windows.weaponCostsDialog, "costs"},
            {windows.abilityEditor, "ability-editor"},
            {windows.abilityCostsDialog, "ability-costs"},
            {windows.mainWindowHelp, "help1"},
            {windows.characteristicsHelp, "help2"},
            {windows.standardWeaponsHelp, "help3"},
            {windows.replaceableWeaponsHelp, "help4"},
            {windows.additionalWeaponsHelp, "help5"},
            {windows.abilitiesHelp, "help6"},
            {windows.restrictionsHelp, "help7"},
            {windows.abilityEditorHelp, "help8"},
            {windows.abilityCostsHelp, "help9"}};
        for (const auto& [window, name] : all)
            names.insert(window, QString::fromLatin1(name));
    }

    void photograph(QWidget& window, const QString& name)
    {
        if (!waitUntilDrawn(window)) {
            failures << name + QStringLiteral(": never shown");
            return;
        }
        const QRect frame = window.frameGeometry();
        const QPixmap shot =
            window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
        const QString path = folder + u'/' + name + QStringLiteral(".png");
        if (!shot.save(path))
            failures << path + QStringLiteral(": not written");
        else
            taken << path;
    }

    void photograph(QWidget& window) { photograph(window, names.value(&window)); }

    void playWindow(QWidget& window) override
    {
        auto& shown = static_cast<Window&>(window);
        photograph(window);
        if (&window == windows.abilityEditor)
            windows.abilityEditor->helpButton->click();
        if (&window == windows.abilityCostsDialog)
            windows.abilityCostsDialog->helpButton->click();
        shown.done(&window == windows.troopSelectionDialog ? ModalResult::Ok : ModalResult::Cancel);
    }

    ModalResult playMessage(QWidget*, const QString& caption, const QString& text,
                            MessageButtons) override
    {
        failures << QStringLiteral("unexpected message: ") + caption + u' ' + text;
        return ModalResult::No;
    }

    QString playFileDialog(QWidget*, const FileDialogRequest&) override { return army; }

    QStringList taken;
    QStringList failures;

private:
    WindowRegistry& windows;
    QHash<const QWidget*, QString> names;
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

    Store store;
    WindowSet windowSet(store);
    WindowRegistry& windows = windowSet.registry;
    Photographer photographer(windows, folder, army);
    installModalUser(&photographer);

    MainWindow& main = *windows.mainWindow;
    main.showAndActivate();
    main.loadButton->click();
    photographer.photograph(main);
    main.helpButton->click();

    // The first troop, reopened through Edit, step by step.
    main.editTroopButton->click();
    photographer.photograph(*windows.characteristicsStep);
    windows.characteristicsStep->helpButton->click();
    windows.characteristicsStep->nextButton->click();
    ItemListStep& items = *windows.itemListStep;
    photographer.photograph(items, QStringLiteral("step3"));
    items.helpButton->click();
    items.addButton->click();
    items.nextButton->click();
    photographer.photograph(*windows.replaceableWeaponsStep);
    windows.replaceableWeaponsStep->helpButton->click();
    windows.replaceableWeaponsStep->nextButton->click();
    photographer.photograph(items, QStringLiteral("step5"));
    items.helpButton->click();
    items.nextButton->click();
    photographer.photograph(items, QStringLiteral("step6"));
    items.helpButton->click();
    items.nextButton->click();
    photographer.photograph(*windows.restrictionsStep);
    windows.restrictionsStep->helpButton->click();

    // The dialogs that open from inside the lists, each with what its opener gives it.
    windows.weaponEditor->exec();
    WeaponCostsDialog& costs = *windows.weaponCostsDialog;
    costs.setWindowTitle(QStringLiteral("Flame thrower"));
    costs.setNameHeading(QStringLiteral("Name of the replace weapon"));
    costs.setRows({{QStringLiteral("Heavy flamer"), 6}, {QStringLiteral("Plasma pistol"), 10}});
    costs.exec();
    windows.abilityEditor->exec();
    editAbilityCosts(store, windows, 0);

    installModalUser(nullptr);
    QTextStream out(stdout);
    for (const QString& path : photographer.taken)
        out << path << '\n';
    for (const QString& failure : photographer.failures)
        err << failure << '\n';
    return photographer.failures.isEmpty() && photographer.taken.size() == 22 ? 0 : 1;
}
