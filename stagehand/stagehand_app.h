#pragma once
#include "app.h"

// Runs the wait dialog and ends with it.
class CStagehandApp : public CWinApp {
public:
    BOOL InitInstance() override;
};
