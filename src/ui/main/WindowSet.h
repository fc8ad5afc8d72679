#pragma once

#include "ui/WindowRegistry.h"

#include <memory>
#include <vector>

class Store;

// Every window of the program, each made once and destroyed together at the end, the last made
// first. The main window is made first and the store's host second; each other window is made
// the first time the registry is asked for it.
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
    // The window is made with these arguments, which outlive the set, when first reached.
    template <typename W, typename... Args>
    void makeWhenReached(WindowRef<W>& window, Args&... args);

    std::vector<std::unique_ptr<Window>> owned;
};
