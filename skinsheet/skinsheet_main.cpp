// SkinSheet: checks a skin library for Popbar's menu and draws a contact sheet of the menu from it.
//   SkinSheet.exe SKIN.dll SHEET.png
// Exit codes: 0 the skin shows a complete menu; 1 it would not (the report names each problem; the
// sheet is written all the same); 2 no sheet (wrong arguments, a library that cannot be opened, a
// sheet that cannot be written).
#include "check_report.h"
#include "gdiplus_handles.h"
#include "library_search.h"
#include "pixel_canvas.h"
#include "sheet_drawing.h"
#include "sheet_file.h"
#include "sheet_menu.h"
#include "skin_library.h"
#include "utf8.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kComplete = 0;
constexpr int kIncomplete = 1;
constexpr int kNoSheet = 2;

int Fail(const std::wstring& subject, const std::string& why)
{
    std::fprintf(stderr, "SkinSheet: %s %s\n", fw::Utf8(subject).c_str(), why.c_str());
    return kNoSheet;
}

// Draws the sheet and writes it; empty, or why there is no sheet.
std::string WriteSheet(HMODULE hSkin, const std::wstring& title, const std::wstring& sheetPath)
{
    CSheetMenu menu;
    if (!menu.Build(hSkin))
        return "could not be drawn: the menu's windows could not be made";
    const SheetGeometry geometry = SheetGeometryOf(menu);
    const SIZE size = geometry.Sheet();
    const fw::PixelCanvas canvas(size.cx, size.cy);
    if (!canvas)
        return "could not be drawn: no room for a picture of " + std::to_string(size.cx) + " x " +
               std::to_string(size.cy) + " pixels";
    DrawSheet(menu, geometry, title, canvas.dc());
    return SaveSheet(canvas, sheetPath);
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    fw::LimitLibrarySearch();
    if (argc != 3) {
        std::fprintf(stderr, "usage: SkinSheet.exe SKIN.dll SHEET.png\n"
                             "  checks the skin library for Popbar's menu and draws the menu from it into SHEET.png\n");
        return kNoSheet;
    }
    const std::wstring skinPath = argv[1];
    const std::wstring sheetPath = argv[2];
    // Every GDI+ object below goes before the session ends.
    const fw::gdiplus_session gdiplus;
    if (!gdiplus)
        return Fail(L"GDI+", "could not be started");
    const OpenedSkin skin = OpenSkinLibrary(skinPath);
    if (!skin.module)
        return Fail(skinPath, skin.error);

    std::printf("Checking %s\n", fw::Utf8(skinPath).c_str());
    const std::vector<SkinProblem> problems = CheckSkin(ProbeSkin(skin.module.get()));
    std::printf("%s", FormatReport(problems).c_str());
    std::fflush(stdout);

    const std::wstring title = L"Skin sheet of " + skinPath + L": " +
                               (problems.empty() ? L"complete" : std::to_wstring(problems.size()) + L" problem(s), see the report");
    const std::string error = WriteSheet(skin.module.get(), title, sheetPath);
    if (!error.empty())
        return Fail(L"The sheet " + sheetPath, error);
    std::printf("Sheet: %s\n", fw::Utf8(sheetPath).c_str());
    return problems.empty() ? kComplete : kIncomplete;
}
