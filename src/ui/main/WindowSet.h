#pragma once

#include "ui/WindowRegistry.h"

#include <memory>
#include <vector>

class Store;

// Every window of the program, created once in the start-up order and destroyed together at
// the end. The first window is the main window.
class WindowSet
{
public:
    explicit WindowSet(Store& store);
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    WindowRegistry registry;

private:
    template <typename W, typename... Args> W* add(Args&&... args);

    std::vector<std::unique_ptr<Window>> owned;
};
