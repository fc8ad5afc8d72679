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
    registry.mainWindow = add<MainWindow>(store);
    registry.storeHost = add<StoreHost>(store);
    registry.characteristicsStep = add<CharacteristicsStep>(store);
    registry.itemListStep = add<ItemListStep>(store);
    registry.picker = add<Picker>(store);
    registry.weaponEditor = add<WeaponEditor>(store);
    registry.replaceableWeaponsStep = add<ReplaceableWeaponsStep>(store);
    registry.weaponCostsDialog = add<WeaponCostsDialog>();
    registry.abilityEditor = add<AbilityEditor>(store);
    registry.abilityCostsDialog = add<AbilityCostsDialog>(store);
    registry.restrictionsStep = add<RestrictionsStep>(store);
    registry.troopSelectionDialog = add<TroopSelectionDialog>(store);
    registry.readErrorDialog = add<ReadErrorDialog>();
    registry.mainWindowHelp = add<MainWindowHelp>();
    registry.characteristicsHelp = add<CharacteristicsHelp>();
    registry.standardWeaponsHelp = add<StandardWeaponsHelp>();
    registry.replaceableWeaponsHelp = add<ReplaceableWeaponsHelp>();
    registry.additionalWeaponsHelp = add<AdditionalWeaponsHelp>();
    registry.abilitiesHelp = add<AbilitiesHelp>();
    registry.restrictionsHelp = add<RestrictionsHelp>();
    registry.abilityEditorHelp = add<AbilityEditorHelp>();
    registry.abilityCostsHelp = add<AbilityCostsHelp>();
}

WindowSet::~WindowSet()
{
    for (const auto& window : owned)
        window->cleanUp();
    while (!owned.empty())
        owned.pop_back();
}
