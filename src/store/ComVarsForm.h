#pragma once

#include "ui/FormBase.h"

class Store;

// The store's invisible host window; creating it resets every troop slot.
class TForm2 : public FormBase
{
    Q_OBJECT
public:
    TForm2(Forms& forms, Store& store);

    void FormCreate() override;

private:
    Store& store;
};
