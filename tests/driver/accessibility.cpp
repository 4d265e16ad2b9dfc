#include "accessibility.h"

namespace driver {

namespace {

struct UnknownRelease {
    void operator()(IUnknown* pUnknown) const { pUnknown->Release(); }
};

std::wstring TakeText(BSTR text)
{
    std::wstring result = text ? std::wstring(text, ::SysStringLen(text)) : std::wstring();
    ::SysFreeString(text);
    return result;
}

AccessibleEvents* s_pListening = nullptr;

using accessible_ptr = std::unique_ptr<IAccessible, UnknownRelease>;

accessible_ptr ClientObject(HWND hWnd)
{
    IAccessible* pRaw = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(hWnd, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&pRaw))))
        return nullptr;
    return accessible_ptr(pRaw);
}

VARIANT Self()
{
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

} // namespace

std::optional<AccessibleInfo> ReadAccessible(HWND hWnd)
{
    const accessible_ptr pAccessible = ClientObject(hWnd);
    if (!pAccessible)
        return std::nullopt;
    AccessibleInfo info;
    BSTR name = nullptr;
    VARIANT role{}, state{};
    if (FAILED(pAccessible->get_accName(Self(), &name)) || FAILED(pAccessible->get_accRole(Self(), &role)) ||
        FAILED(pAccessible->get_accState(Self(), &state))) {
        ::SysFreeString(name);
        return std::nullopt;
    }
    info.name = TakeText(name);
    info.nRole = role.vt == VT_I4 ? role.lVal : 0;
    info.nState = state.vt == VT_I4 ? state.lVal : 0;
    BSTR action = nullptr;
    if (pAccessible->get_accDefaultAction(Self(), &action) == S_OK)
        info.defaultAction = TakeText(action);
    else
        ::SysFreeString(action);
    return info;
}

HRESULT DoDefaultAction(HWND hWnd)
{
    const accessible_ptr pAccessible = ClientObject(hWnd);
    return pAccessible ? pAccessible->accDoDefaultAction(Self()) : E_FAIL;
}

std::wstring RoleText(LONG nRole)
{
    wchar_t text[128] = {};
    ::GetRoleTextW(static_cast<DWORD>(nRole), text, 128);
    return text;
}

std::wstring StateText(LONG nState)
{
    wchar_t normal[64] = {};
    if (nState == 0) {
        ::GetStateTextW(0, normal, 64);
        return normal;
    }
    std::wstring text;
    for (DWORD nBit = 1; nBit != 0 && nBit <= static_cast<DWORD>(STATE_SYSTEM_VALID); nBit <<= 1) {
        if (!(static_cast<DWORD>(nState) & nBit))
            continue;
        wchar_t word[64] = {};
        ::GetStateTextW(nBit, word, 64);
        text += (text.empty() ? L"" : L", ") + std::wstring(word);
    }
    return text;
}

std::wstring ReaderLine(const AccessibleInfo& info)
{
    return info.name + L" | " + RoleText(info.nRole) + L" | " + StateText(info.nState);
}

AccessibleEvents::AccessibleEvents(DWORD nFirst, DWORD nLast, DWORD nProcessId)
{
    if (s_pListening)
        return;
    m_hHook = ::SetWinEventHook(nFirst, nLast, nullptr, OnEvent, nProcessId, 0, WINEVENT_OUTOFCONTEXT);
    if (m_hHook)
        s_pListening = this;
}

AccessibleEvents::~AccessibleEvents()
{
    if (!m_hHook)
        return;
    ::UnhookWinEvent(m_hHook);
    s_pListening = nullptr;
}

std::vector<std::wstring> AccessibleEvents::Names(DWORD nEvent) const
{
    std::vector<std::wstring> names;
    for (const Heard& heard : m_heard) {
        if (heard.nEvent == nEvent)
            names.push_back(heard.name);
    }
    return names;
}

void CALLBACK AccessibleEvents::OnEvent(HWINEVENTHOOK, DWORD nEvent, HWND hWnd, LONG idObject, LONG idChild, DWORD, DWORD)
{
    if (!s_pListening)
        return;
    // In its place before its name is asked: asking takes messages, and the next event may come meanwhile.
    AccessibleEvents& listening = *s_pListening;
    const size_t nIndex = listening.m_heard.size();
    listening.m_heard.push_back({nEvent, hWnd, L""});
    IAccessible* pRaw = nullptr;
    VARIANT child{};
    if (FAILED(::AccessibleObjectFromEvent(hWnd, static_cast<DWORD>(idObject), static_cast<DWORD>(idChild), &pRaw, &child)) || !pRaw)
        return;
    const std::unique_ptr<IAccessible, UnknownRelease> pAccessible(pRaw);
    BSTR name = nullptr;
    if (SUCCEEDED(pAccessible->get_accName(child, &name)) && s_pListening == &listening)
        listening.m_heard[nIndex].name = TakeText(name);
    else
        ::SysFreeString(name);
}

} // namespace driver
