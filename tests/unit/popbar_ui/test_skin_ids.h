#pragma once
// Ids of the popbar_ui test program's own resources.
#define IDP_EMPTY 3001
#define IDP_GARBAGE 3002
