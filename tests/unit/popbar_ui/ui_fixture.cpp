#include "ui_fixture.h"

#include "windowclass.h"

namespace popbar_test {

namespace {

// GDI+ runs for the whole test program, as it does for Popbar's whole run.
class GdiplusEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&m_token, &input, nullptr), Gdiplus::Ok);
    }
    void TearDown() override { Gdiplus::GdiplusShutdown(m_token); }

private:
    ULONG_PTR m_token = 0;
};

testing::Environment* const s_gdiplus = testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

constexpr wchar_t kParentClass[] = L"POPBAR_UI_TEST_PARENT";

} // namespace

HMODULE Skin()
{
    static HMODULE s_hSkin = ::LoadLibraryW(L"resource.dll");
    return s_hSkin;
}

TestParent::TestParent(int x, int y, int nWidth, int nHeight)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = &TestParent::WndProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = kParentClass;
    RegisterClassOnce(wc);
    m_hWnd.reset(::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kParentClass, L"", WS_POPUP | WS_VISIBLE,
                                   x, y, nWidth, nHeight, nullptr, nullptr, wc.hInstance, this));
}

LRESULT CALLBACK TestParent::WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_NCCREATE) {
        const auto* pCreate = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pCreate->lpCreateParams));
        return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
    }
    auto* pParent = reinterpret_cast<TestParent*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
    if (pParent && uMsg == WM_LBUTTONUP)
        ++pParent->m_nMouseUps;
    if (pParent && uMsg == WM_COMMAND)
        pParent->m_commands.push_back({wParam, lParam});
    return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

int TestParent::TakeCommands(WPARAM wParam)
{
    MSG msg;
    while (::PeekMessageW(&msg, m_hWnd.get(), 0, 0, PM_REMOVE))
        ::DispatchMessageW(&msg);
    int nCount = 0;
    for (const auto& command : m_commands)
        nCount += command.first == wParam && command.second == 0;
    m_commands.clear();
    return nCount;
}

PixelCanvas::PixelCanvas(int nWidth, int nHeight) : m_nWidth(nWidth)
{
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = nWidth;
    bmi.bmiHeader.biHeight = -nHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    m_hDC = ::CreateCompatibleDC(nullptr);
    m_hBitmap = ::CreateDIBSection(m_hDC, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    m_pBits = static_cast<const DWORD*>(pBits);
    m_hOld = ::SelectObject(m_hDC, m_hBitmap);
}

PixelCanvas::~PixelCanvas()
{
    ::SelectObject(m_hDC, m_hOld);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hDC);
}

COLORREF PixelCanvas::At(int x, int y) const
{
    ::GdiFlush();
    const DWORD bgra = m_pBits[y * m_nWidth + x];
    return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
}

} // namespace popbar_test
