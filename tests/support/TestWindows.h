#pragma once

#include "document/ArmyDocument.h"
#include "store/ArmyChange.h"
#include "store/Store.h"
#include "support/TestData.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainWindow.h"
#include "ui/wizard/Wizard.h"

#include <QLocale>
#include <functional>

class Window;

// A fresh army document and the program's main window with its wizard, as at start-up, for one
// test. Sorted lists follow English collation whatever the machine's locale. The wizard's step
// windows exist once a run has started (start() or openStep()); dialogs are made by their
// openers when they open.
struct TestWindows {
    ArmyDocument document{QLocale(QLocale::English, QLocale::UnitedStates)};
    MainWindow mainWindow{document};
    Wizard& wizard = mainWindow.wizard();

    // The army as the windows see it now: the wizard's copy while a run goes on, else the
    // document's.
    const Store& army() const;
    // The army as the test wants it before it acts: the document starts from it, with nothing
    // to undo and nothing modified, and a troop in the slot after the accepted ones is the new
    // troop that New begins with. During a run, the wizard's copy takes the change instead.
    void setUp(const std::function<void(Store&)>& change);

    // Starts a wizard run on the slot (0 unless given) and shows the step, as a user who went
    // there from step 2 would see it.
    Window& openStep(WizardStep step, int slot = 0);
    // Starts a run on the slot as New or Edit would.
    void start(int slot);

    // Applies each change a dialog hands over at once: to the wizard's copy during a run, else
    // to the document.
    ArmyChanger storeChanger();
};
