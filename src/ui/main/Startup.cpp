#include "ui/main/Startup.h"

#include "datafile/ErrorOnRead.h"
#include "store/ComVars.h"
#include "store/ComVarsForm.h"
#include "ui/catalogue/Availables.h"
#include "ui/catalogue/New_item.h"
#include "ui/catalogue/Special_Abilities.h"
#include "ui/catalogue/Specials.h"
#include "ui/help/Help1.h"
#include "ui/help/Help2.h"
#include "ui/help/Help3.h"
#include "ui/help/Help4.h"
#include "ui/help/Help6.h"
#include "ui/help/Help7.h"
#include "ui/help/Help8.h"
#include "ui/help/Help9.h"
#include "ui/help/help5.h"
#include "ui/main/EditIndex.h"
#include "ui/main/Main.h"
#include "ui/wizard/RWeaponCosts.h"
#include "ui/wizard/R_Weapons.h"
#include "ui/wizard/SelectType.h"
#include "ui/wizard/SpecialGroups.h"
#include "ui/wizard/St_Weapons.h"

template <typename Window, typename... Args> Window* FormSet::Create(Args&&... args)
{
    auto window = std::make_unique<Window>(forms, std::forward<Args>(args)...);
    Window* created = window.get();
    windows.push_back(std::move(window));
    created->FormCreate();
    return created;
}

FormSet::FormSet(Store& store)
{
    forms.Form1 = Create<TForm1>(store);
    forms.Form2 = Create<TForm2>(store);
    forms.Form3 = Create<TForm3>(store);
    forms.Form4 = Create<TForm4>(store);
    forms.Form5 = Create<TForm5>(store);
    forms.Form6 = Create<TForm6>(store);
    forms.Form7 = Create<TForm7>(store);
    forms.Form8 = Create<TForm8>();
    forms.Form9 = Create<TForm9>(store);
    forms.Form10 = Create<TForm10>(store);
    forms.Form11 = Create<TForm11>(store);
    forms.Form12 = Create<TForm12>(store);
    forms.Form13 = Create<TForm13>();
    forms.Form14 = Create<TForm14>();
    forms.Form15 = Create<TForm15>();
    forms.Form16 = Create<TForm16>();
    forms.Form17 = Create<TForm17>();
    forms.Form18 = Create<TForm18>();
    forms.Form19 = Create<TForm19>();
    forms.Form20 = Create<TForm20>();
    forms.Form21 = Create<TForm21>();
    forms.Form22 = Create<TForm22>();
}

FormSet::~FormSet()
{
    for (const auto& window : windows)
        window->FormDestroy();
    while (!windows.empty())
        windows.pop_back();
}
