#pragma once

#include <functional>

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

// One window of the registry. The main window and the store's host are made at start-up; every
// other window is made the first time anything reaches it (through ->, * or as a pointer) and
// then lives, with whatever its controls hold, until the window set ends. No window but those
// two does anything when it is made, so when it is made cannot be seen; start-up stays as
// quick as a single window's.
template <typename W> class WindowRef
{
public:
    W* get() const
    {
        if (!window && make)
            window = make();
        return window;
    }
    W* operator->() const { return get(); }
    W& operator*() const { return *get(); }
    operator W*() const { return get(); }

    // Whether the window has been made, without making it.
    bool isMade() const { return window != nullptr; }

private:
    friend class WindowSet;

    mutable W* window = nullptr;
    std::function<W*()> make;
};

// Every window of the program by its name, so that one window reaches another as
// windows.itemListStep->showAndActivate().
struct WindowRegistry {
    WindowRef<MainWindow> mainWindow;
    WindowRef<StoreHost> storeHost;
    WindowRef<CharacteristicsStep> characteristicsStep;
    WindowRef<ItemListStep> itemListStep;
    WindowRef<Picker> picker;
    WindowRef<WeaponEditor> weaponEditor;
    WindowRef<ReplaceableWeaponsStep> replaceableWeaponsStep;
    WindowRef<WeaponCostsDialog> weaponCostsDialog;
    WindowRef<AbilityEditor> abilityEditor;
    WindowRef<AbilityCostsDialog> abilityCostsDialog;
    WindowRef<RestrictionsStep> restrictionsStep;
    WindowRef<TroopSelectionDialog> troopSelectionDialog;
    WindowRef<ReadErrorDialog> readErrorDialog;
    WindowRef<MainWindowHelp> mainWindowHelp;
    WindowRef<CharacteristicsHelp> characteristicsHelp;
    WindowRef<StandardWeaponsHelp> standardWeaponsHelp;
    WindowRef<ReplaceableWeaponsHelp> replaceableWeaponsHelp;
    WindowRef<AdditionalWeaponsHelp> additionalWeaponsHelp;
    WindowRef<AbilitiesHelp> abilitiesHelp;
    WindowRef<RestrictionsHelp> restrictionsHelp;
    WindowRef<AbilityEditorHelp> abilityEditorHelp;
    WindowRef<AbilityCostsHelp> abilityCostsHelp;

    // The window that is active: the one last shown, or the opener again once a modal window
    // it opened has closed.
    Window* active = nullptr;
};
