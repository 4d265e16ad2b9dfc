// Resource ids of Popbar's own resources (the skin's pictures live in resource.dll).
#pragma once

#include "accessible_names.h"

#define IDD_KESTREL_MENU  102
#define IDI_POPBAR        128
// The skin library's file name.
#define IDS_SKIN_LIBRARY  106

