#include "ui_fixture.h"

#include "gdiplus_handles.h"
#include "window_binding.h"
#include "windowclass.h"

#include <optional>

namespace popbar_test {

namespace {

// GDI+ runs for the whole test program, as it does for Popbar's whole run.
class GdiplusEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        m_session.emplace();
        ASSERT_TRUE(*m_session);
    }
    void TearDown() override { m_session.reset(); }

private:
    std::optional<fw::gdiplus_session> m_session;
};

testing::Environment* const s_gdiplus = testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

constexpr wchar_t kParentClass[] = L"POPBAR_UI_TEST_PARENT";

} // namespace

HMODULE Skin()
{
    static const fw::unique_hmodule s_skin(::LoadLibraryW(L"resource.dll"));
    return s_skin.get();
}

TestParent::TestParent(int x, int y, int nWidth, int nHeight)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = &fw::BoundWindowProc<TestParent>;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = kParentClass;
    RegisterClassOnce(wc);
    m_hWnd.reset(::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kParentClass, L"", WS_POPUP | WS_VISIBLE,
                                   x, y, nWidth, nHeight, nullptr, nullptr, wc.hInstance, this));
}

LRESULT TestParent::OnMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_LBUTTONUP)
        ++m_nMouseUps;
    if (uMsg == WM_COMMAND)
        m_commands.push_back({wParam, lParam});
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

} // namespace popbar_test
