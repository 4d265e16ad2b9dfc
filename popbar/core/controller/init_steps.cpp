#include "controller/init_steps.h"

const wchar_t* RunInitSteps(const InitSteps& steps)
{
    if (!steps.loadResource())
        return L"Can not load the resource.";
    steps.findScreenHub();
    if (!steps.createButtons())
        return L"Can not Initialize!";
    if (steps.layoutButtons() != S_OK)
        return L"Can not Create Menu!";
    return nullptr;
}
