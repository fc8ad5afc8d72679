#include "ui/main/WindowSet.h"

#include "datafile/ReadErrorDialog.h"
#include "store/Store.h"
#include "store/StoreHost.h"
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
#include "ui/wizard/CharacteristicsStep.h"
#include "ui/wizard/ItemListStep.h"
#include "ui/wizard/ReplaceableWeaponsStep.h"
#include "ui/wizard/RestrictionsStep.h"
#include "ui/wizard/WeaponCostsDialog.h"

template <typename W, typename... Args> W* WindowSet::add(Args&&... args)
{
    auto window = std::make_unique<W>(registry, std::forward<Args>(args)...);
    W* created = window.get();
    owned.push_back(std::move(window));
    created->initialize();
    return created;
}

template <typename W, typename... Args>
void WindowSet::makeWhenReached(WindowRef<W>& window, Args&... args)
{
    window.make = [this, &args...] {
        return add<W>(args...);
    };
}

WindowSet::WindowSet(Store& store)
{
    makeWhenReached(registry.characteristicsStep, store);
    makeWhenReached(registry.itemListStep, store);
    makeWhenReached(registry.picker, store);
    makeWhenReached(registry.weaponEditor, store);
    makeWhenReached(registry.replaceableWeaponsStep, store);
    makeWhenReached(registry.weaponCostsDialog);
    makeWhenReached(registry.abilityEditor, store);
    makeWhenReached(registry.abilityCostsDialog, store);
    makeWhenReached(registry.restrictionsStep, store);
    makeWhenReached(registry.troopSelectionDialog, store);
    makeWhenReached(registry.readErrorDialog);
    makeWhenReached(registry.mainWindowHelp);
    makeWhenReached(registry.characteristicsHelp);
    makeWhenReached(registry.standardWeaponsHelp);
    makeWhenReached(registry.replaceableWeaponsHelp);
    makeWhenReached(registry.additionalWeaponsHelp);
    makeWhenReached(registry.abilitiesHelp);
    makeWhenReached(registry.restrictionsHelp);
    makeWhenReached(registry.abilityEditorHelp);
    makeWhenReached(registry.abilityCostsHelp);
    // The main window's and the store host's creation set the store up, in this order.
    registry.mainWindow.window = add<MainWindow>(store);
    registry.storeHost.window = add<StoreHost>(store);
}

WindowSet::~WindowSet()
{
    for (size_t i = 0; i < owned.size(); ++i)
        owned[i]->cleanUp();
    while (!owned.empty())
        owned.pop_back();
}
