#pragma once

#include "ui/Window.h"

class Store;

// The store's invisible host window; creating it resets every troop slot.
class StoreHost : public Window
{
    Q_OBJECT
public:
    StoreHost(WindowRegistry& windows, Store& store);

    void initialize() override;

private:
    Store& store;
};
