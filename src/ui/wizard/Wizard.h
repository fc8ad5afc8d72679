#pragma once

#include "store/Store.h"
#include "ui/catalogue/EntryEditing.h"

#include <QObject>
#include <memory>
#include <optional>

class CharacteristicsStep;
class ItemListStep;
class ReplaceableWeaponsStep;
class RestrictionsStep;
class Window;

// The steps of the wizard after the main window, in their order.
enum class WizardStep {
    Characteristics,    // step 2
    StandardWeapons,    // step 3
    ReplaceableWeapons, // step 4
    AdditionalWeapons,  // step 5
    Abilities,          // step 6
    Restrictions,       // step 7
};

// One run of steps 2 to 7 on one troop slot. The steps work in place on the troop and tell
// the wizard what the user did; the wizard shows the step that follows, and when the run ends
// (OK in step 7, the close box, Previous in step 2) hides it and reports whether the army
// changed. The step windows are made when the first run starts and serve every run after it.
class Wizard : public QObject
{
    Q_OBJECT
public:
    explicit Wizard(Store& store);
    ~Wizard() override;

    // Starts a run on the troop in the slot, at step 2. The slot right after the accepted
    // troops builds a new troop; a slot below it reopens an accepted one.
    void start(int slot);
    // Hides the step shown and shows the given one.
    void showStep(WizardStep step);
    // OK in step 7: a new troop is counted and the run ends. The next run's slot is then the
    // first free one (the last slot once the army is full).
    void acceptTroop();
    // The run ends without accepting: the troop keeps what was stored, a new troop uncounted.
    void leave();

    bool isRunning() const { return running; }
    WizardStep currentStep() const { return step; }
    // The slot of the run, or of the run before; 0 before any run.
    int slot() const { return troopSlot; }
    // The slot the last run worked on, also after OK moved slot() on.
    int runSlot() const { return lastRunSlot; }
    // A loaded army starts again from the first slot.
    void returnToFirstSlot() { troopSlot = 0; }
    // Whether the run builds a troop that is not accepted yet.
    bool buildsNewTroop() const { return troopSlot == store.troopCount; }
    Troop& troop() { return store.troops[troopSlot]; }
    const Troop& troop() const { return store.troops[troopSlot]; }
    // What the catalogue dialogs opened from the steps show again on their next opening.
    EditorMemory& editorMemory() { return memory; }

    // The step windows; null until the first run starts.
    CharacteristicsStep* characteristicsStep() const { return characteristics.get(); }
    ItemListStep* itemListStep() const { return itemList.get(); }
    ReplaceableWeaponsStep* replaceableWeaponsStep() const { return replaceableWeapons.get(); }
    RestrictionsStep* restrictionsStep() const { return restrictions.get(); }

signals:
    // The run has ended and no step is shown. armyChanged: the army (troops, catalogues,
    // texts) differs from what it was when the run started.
    void finished(bool armyChanged);

private:
    Window* windowOf(WizardStep which) const;
    void makeSteps();
    void end();

    Store& store;
    std::optional<Store> armyBefore;
    int troopSlot = 0;
    int lastRunSlot = 0;
    WizardStep step = WizardStep::Characteristics;
    bool running = false;
    EditorMemory memory;
    std::unique_ptr<CharacteristicsStep> characteristics;
    std::unique_ptr<ItemListStep> itemList;
    std::unique_ptr<ReplaceableWeaponsStep> replaceableWeapons;
    std::unique_ptr<RestrictionsStep> restrictions;
};
