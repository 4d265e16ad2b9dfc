#pragma once
#include "app.h"

// Writes the machine-wide Run-key value "Popbar" and ends; it has no window of its own.
class CBootlistApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
