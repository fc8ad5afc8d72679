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

WindowSet::WindowSet(Store& store)
{
    registry.characteristicsStep.make = [this, &store] {
        return add<CharacteristicsStep>(store);
    };
    registry.itemListStep.make = [this, &store] {
        return add<ItemListStep>(store);
    };
    registry.picker.make = [this, &store] {
        return add<Picker>(store);
    };
    registry.weaponEditor.make = [this, &store] {
        return add<WeaponEditor>(store);
    };
    registry.replaceableWeaponsStep.make = [this, &store] {
        return add<ReplaceableWeaponsStep>(store);
    };
    registry.weaponCostsDialog.make = [this] {
        return add<WeaponCostsDialog>();
    };
    registry.abilityEditor.make = [this, &store] {
        return add<AbilityEditor>(store);
    };
    registry.abilityCostsDialog.make = [this, &store] {
        return add<AbilityCostsDialog>(store);
    };
    registry.restrictionsStep.make = [this, &store] {
        return add<RestrictionsStep>(store);
    };
    registry.troopSelectionDialog.make = [this, &store] {
        return add<TroopSelectionDialog>(store);
    };
    registry.readErrorDialog.make = [this] {
        return add<ReadErrorDialog>();
    };
    registry.mainWindowHelp.make = [this] {
        return add<MainWindowHelp>();
    };
    registry.characteristicsHelp.make = [this] {
        return add<CharacteristicsHelp>();
    };
    registry.standardWeaponsHelp.make = [this] {
        return add<StandardWeaponsHelp>();
    };
    registry.replaceableWeaponsHelp.make = [this] {
        return add<ReplaceableWeaponsHelp>();
    };
    registry.additionalWeaponsHelp.make = [this] {
        return add<AdditionalWeaponsHelp>();
    };
    registry.abilitiesHelp.make = [this] {
        return add<AbilitiesHelp>();
    };
    registry.restrictionsHelp.make = [this] {
        return add<RestrictionsHelp>();
    };
    registry.abilityEditorHelp.make = [this] {
        return add<AbilityEditorHelp>();
    };
    registry.abilityCostsHelp.make = [this] {
        return add<AbilityCostsHelp>();
    };
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
