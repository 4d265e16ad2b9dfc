#pragma once
#define IDD_TEST 200
#define IDC_EDIT 201
#define IDC_APPLY 202
