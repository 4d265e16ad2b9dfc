#pragma once
// Resource ids of Stagehand, shared by its resource script and its code.
#define IDI_STAGEHAND       128
#define IDD_STAGEHAND_WAIT  102
