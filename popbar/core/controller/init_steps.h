#pragma once
// The menu's initialisation steps that can fail, run in their order.
#include <windows.h>

#include <functional>

struct InitSteps {
    std::function<bool()> loadResource; // true when the skin library was loaded
    std::function<void()> findScreenHub;
    std::function<bool()> createButtons; // true when built
    std::function<HRESULT()> layoutButtons; // S_OK when done
};

// Runs the steps in order and stops at the first failure; the text to show for it, or null.
const wchar_t* RunInitSteps(const InitSteps& steps);
