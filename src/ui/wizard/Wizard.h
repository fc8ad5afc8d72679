#pragma once

#include "store/ArmyChange.h"
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

// One run of steps 2 to 7 on one troop, on the wizard's own copy of the army. The steps work
// on that copy and tell the wizard what the user did; the wizard shows the step that follows,
// and when the run ends (OK in step 7, the close box, Previous in step 2) hides it and reports.
// What the run did to the army it hands back as one change. The step windows are made when the
// first run starts and serve every run after it.
class Wizard : public QObject
{
    Q_OBJECT
public:
    explicit Wizard(const QLocale& locale = QLocale());
    ~Wizard() override;

    // Starts a run on a copy of the army, on the troop in the slot, at step 2. The slot right
    // after the accepted troops builds a new troop, beginning as `unfinished`; a slot below it
    // reopens an accepted one.
    void start(const Store& army, int slot, const Troop& unfinished = Troop());
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
    bool buildsNewTroop() const { return troopSlot == draft.troopCount; }
    // The troop the run works on, in the wizard's copy of the army. A step that takes it in
    // hand may change it: the wizard says so (troopInHand()).
    Troop& troop();
    const Troop& troop() const { return draft.troops[size_t(troopSlot)]; }
    // The wizard's copy of the army, with what the run has done to it so far.
    const Store& army() const { return draft; }
    // A change that a dialog of the run made (a catalogue entry added or edited) goes into the
    // wizard's copy.
    void applyChange(const ArmyChange& change);
    // What the last run did to the army it started on, as one change: "Add Troop",
    // "Change Troop" or "Change Catalogues"; none when it changed nothing. A new troop left
    // unfinished is not part of it.
    std::optional<ArmyChange> runChange() const;
    // The new troop that the next New begins with, after a run that built one: the troop as
    // it was left, or a blank one once it was accepted. None after a run on an accepted troop.
    std::optional<Troop> unfinishedAfterRun() const;
    // What the catalogue dialogs opened from the steps show again on their next opening.
    EditorMemory& editorMemory() { return memory; }

    // The step windows; null until the first run starts.
    CharacteristicsStep* characteristicsStep() const { return characteristics.get(); }
    ItemListStep* itemListStep() const { return itemList.get(); }
    ReplaceableWeaponsStep* replaceableWeaponsStep() const { return replaceableWeapons.get(); }
    RestrictionsStep* restrictionsStep() const { return restrictions.get(); }

signals:
    // The run has ended and no step is shown.
    void finished();
    // A step has the troop in hand, or a dialog changed the copy: the work may have changed.
    void troopInHand();

private:
    Window* windowOf(WizardStep which) const;
    void makeSteps();
    void end();

    Store draft;
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
