#include "store/ComVarsForm.h"

#include "store/ComVars.h"

TForm2::TForm2(Forms& forms, Store& store)
    : FormBase(forms, QStringLiteral("Form2"), Border::HiddenHost), store(store)
{
}

void TForm2::FormCreate()
{
    ResetAllTroopSlots(store);
}
