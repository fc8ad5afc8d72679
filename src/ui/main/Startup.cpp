#include "ui/main/Startup.h"

#include "datafile/ErrorOnRead.h"
#include "store/ComVars.h"
#include "store/ComVarsForm.h"
#include "ui/main/Main.h"

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
    forms.Form13 = Create<TForm13>();
}

FormSet::~FormSet()
{
    for (const auto& window : windows)
        window->FormDestroy();
    while (!windows.empty())
        windows.pop_back();
}
