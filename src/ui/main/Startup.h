#pragma once

#include "ui/Forms.h"

#include <memory>
#include <vector>

class Store;

// Every window of the program, created once in the start-up order and destroyed together at
// the end. The first window is the main window.
class FormSet
{
public:
    explicit FormSet(Store& store);
    ~FormSet();
    FormSet(const FormSet&) = delete;
    FormSet& operator=(const FormSet&) = delete;

    Forms forms;

private:
    template <typename Window, typename... Args> Window* Create(Args&&... args);

    std::vector<std::unique_ptr<FormBase>> windows;
};
