#pragma once

class Window;
class MainWindow;
class StoreHost;
class CharacteristicsStep;
class ItemListStep;
class Picker;
class WeaponEditor;
class ReplaceableWeaponsStep;
class WeaponCostsDialog;
class AbilityEditor;
class AbilityCostsDialog;
class RestrictionsStep;
class TroopSelectionDialog;
class ReadErrorDialog;
class MainWindowHelp;
class CharacteristicsHelp;
class StandardWeaponsHelp;
class ReplaceableWeaponsHelp;
class AdditionalWeaponsHelp;
class AbilitiesHelp;
class RestrictionsHelp;
class AbilityEditorHelp;
class AbilityCostsHelp;

// Every window of the program by its name, so that one window reaches another as
// windows.itemListStep->showAndActivate(). A window that has not been created is null.
struct WindowRegistry {
    MainWindow* mainWindow = nullptr;
    StoreHost* storeHost = nullptr;
    CharacteristicsStep* characteristicsStep = nullptr;
    ItemListStep* itemListStep = nullptr;
    Picker* picker = nullptr;
    WeaponEditor* weaponEditor = nullptr;
    ReplaceableWeaponsStep* replaceableWeaponsStep = nullptr;
    WeaponCostsDialog* weaponCostsDialog = nullptr;
    AbilityEditor* abilityEditor = nullptr;
    AbilityCostsDialog* abilityCostsDialog = nullptr;
    RestrictionsStep* restrictionsStep = nullptr;
    TroopSelectionDialog* troopSelectionDialog = nullptr;
    ReadErrorDialog* readErrorDialog = nullptr;
    MainWindowHelp* mainWindowHelp = nullptr;
    CharacteristicsHelp* characteristicsHelp = nullptr;
    StandardWeaponsHelp* standardWeaponsHelp = nullptr;
    ReplaceableWeaponsHelp* replaceableWeaponsHelp = nullptr;
    AdditionalWeaponsHelp* additionalWeaponsHelp = nullptr;
    AbilitiesHelp* abilitiesHelp = nullptr;
    RestrictionsHelp* restrictionsHelp = nullptr;
    AbilityEditorHelp* abilityEditorHelp = nullptr;
    AbilityCostsHelp* abilityCostsHelp = nullptr;

    // The window that is active: the one last shown, or the opener again once a modal window
    // it opened has closed.
    Window* active = nullptr;
};
