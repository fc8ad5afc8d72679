#pragma once

#include "store/ArmyChange.h"
#include "store/Store.h"
#include "support/TestData.h"
#include "ui/main/MainWindow.h"
#include "ui/wizard/Wizard.h"

#include <QLocale>

class Window;

// A fresh store and the program's main window with its wizard, as at start-up, for one test.
// Sorted lists follow English collation whatever the machine's locale. The wizard's step
// windows exist once a run has started (start() or openStep()); dialogs are made by their
// openers when they open.
struct TestWindows {
    Store store{QLocale(QLocale::English, QLocale::UnitedStates)};
    MainWindow mainWindow{store};
    Wizard& wizard = mainWindow.wizard();

    // Starts a wizard run on the slot (0 unless given) and shows the step, as a user who went
    // there from step 2 would see it.
    Window& openStep(WizardStep step, int slot = 0);

    // Applies each change a dialog hands over to the store at once, as the wizard's steps do.
    ArmyChanger storeChanger();
};
