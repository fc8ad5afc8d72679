#include "store/StoreHost.h"

#include "store/Store.h"

StoreHost::StoreHost(WindowRegistry& windows, Store& store)
    : Window(windows, QStringLiteral("Form2"), TitleBar::Hidden), store(store)
{
}

void StoreHost::initialize()
{
    resetAllSlots(store);
}
