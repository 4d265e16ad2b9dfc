#include "accessible_window.h"

#include "guarded_call.h"

#include <memory>
#include <utility>

namespace fw {

namespace {

struct UnknownRelease {
    void operator()(IUnknown* pUnknown) const { pUnknown->Release(); }
};
using accessible_ptr = std::unique_ptr<IAccessible, UnknownRelease>;

bool IsSelf(const VARIANT& varChild)
{
    return varChild.vt == VT_I4 && varChild.lVal == CHILDID_SELF;
}

// Our answers run our code: none may let an exception into the caller's COM runtime.
template <typename Answer>
HRESULT Guarded(Answer&& answer) noexcept
{
    return GuardedCall(L"accessible object", std::forward<Answer>(answer), [] { return E_FAIL; });
}

// Name, role and state from the description; the rest from the standard object. IID_IAccessible
// is not used: with mingw-w64 the symbol from liboleacc is an import thunk, not the interface's id.
class CAccessibleWindow final : public IAccessible {
public:
    CAccessibleWindow(accessible_ptr pStandard, DescribeWindow describe, DoDefaultAction act)
        : m_pStandard(std::move(pStandard)), m_describe(std::move(describe)), m_act(std::move(act))
    {
    }
    CAccessibleWindow(const CAccessibleWindow&) = delete;
    CAccessibleWindow& operator=(const CAccessibleWindow&) = delete;

    // IUnknown: the object ends with its last reference, wherever that was held.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        if (riid == __uuidof(IUnknown) || riid == __uuidof(IDispatch) || riid == __uuidof(IAccessible)) {
            *ppv = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG nRefs = ::InterlockedDecrement(&m_nRefs);
        if (nRefs == 0)
            delete this;
        return static_cast<ULONG>(nRefs);
    }

    // IDispatch: screen readers call the interface's methods directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pnInfo) override
    {
        if (!pnInfo)
            return E_POINTER;
        *pnInfo = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    // IAccessible: what the window says of itself, and its default action.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT varChild, BSTR* pszName) override
    {
        return Guarded([&] {
            const auto description = Describe(varChild);
            if (!description)
                return m_pStandard ? m_pStandard->get_accName(varChild, pszName) : E_INVALIDARG;
            return Text(description->name, pszName);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT varChild, VARIANT* pvarRole) override
    {
        return Guarded([&] {
            const auto description = Describe(varChild);
            if (!description)
                return m_pStandard ? m_pStandard->get_accRole(varChild, pvarRole) : E_INVALIDARG;
            return Number(description->nRole, pvarRole);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT varChild, VARIANT* pvarState) override
    {
        return Guarded([&] {
            const auto description = Describe(varChild);
            if (!description)
                return m_pStandard ? m_pStandard->get_accState(varChild, pvarState) : E_INVALIDARG;
            return Number(description->nState, pvarState);
        });
    }
    // S_FALSE with no text while the object has no default action.
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override
    {
        return Guarded([&] {
            const auto description = Describe(varChild);
            if (!description)
                return m_pStandard ? m_pStandard->get_accDefaultAction(varChild, pszDefaultAction) : E_INVALIDARG;
            if (!pszDefaultAction)
                return E_POINTER;
            if (description->defaultAction.empty() || !m_act) {
                *pszDefaultAction = nullptr;
                return S_FALSE;
            }
            return Text(description->defaultAction, pszDefaultAction);
        });
    }
    // Done as asked while the object has a default action, DISP_E_MEMBERNOTFOUND while it has none.
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT varChild) override
    {
        return Guarded([&] {
            const auto description = Describe(varChild);
            if (!description)
                return m_pStandard ? m_pStandard->accDoDefaultAction(varChild) : E_INVALIDARG;
            if (description->defaultAction.empty() || !m_act)
                return DISP_E_MEMBERNOTFOUND;
            m_act();
            return S_OK;
        });
    }

    // IAccessible: the rest, as the standard object of the window has it (COM calls, which throw nothing).
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** ppdispParent) override
    {
        return m_pStandard ? m_pStandard->get_accParent(ppdispParent) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* pnChildren) override
    {
        return m_pStandard ? m_pStandard->get_accChildCount(pnChildren) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT varChild, IDispatch** ppdispChild) override
    {
        return m_pStandard ? m_pStandard->get_accChild(varChild, ppdispChild) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT varChild, BSTR* pszValue) override
    {
        return m_pStandard ? m_pStandard->get_accValue(varChild, pszValue) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT varChild, BSTR* pszDescription) override
    {
        return m_pStandard ? m_pStandard->get_accDescription(varChild, pszDescription) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT varChild, BSTR* pszHelp) override
    {
        return m_pStandard ? m_pStandard->get_accHelp(varChild, pszHelp) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* pszHelpFile, VARIANT varChild, LONG* pidTopic) override
    {
        return m_pStandard ? m_pStandard->get_accHelpTopic(pszHelpFile, varChild, pidTopic) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT varChild, BSTR* pszShortcut) override
    {
        return m_pStandard ? m_pStandard->get_accKeyboardShortcut(varChild, pszShortcut) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* pvarChild) override
    {
        return m_pStandard ? m_pStandard->get_accFocus(pvarChild) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* pvarChildren) override
    {
        return m_pStandard ? m_pStandard->get_accSelection(pvarChildren) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flagsSelect, VARIANT varChild) override
    {
        return m_pStandard ? m_pStandard->accSelect(flagsSelect, varChild) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* pxLeft, LONG* pyTop, LONG* pcxWidth, LONG* pcyHeight,
                                          VARIANT varChild) override
    {
        return m_pStandard ? m_pStandard->accLocation(pxLeft, pyTop, pcxWidth, pcyHeight, varChild) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override
    {
        return m_pStandard ? m_pStandard->accNavigate(navDir, varStart, pvarEndUpAt) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG xLeft, LONG yTop, VARIANT* pvarChild) override
    {
        return m_pStandard ? m_pStandard->accHitTest(xLeft, yTop, pvarChild) : E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~CAccessibleWindow() = default;

    // The description for the window itself; nothing for a child or once the window cannot say.
    std::optional<AccessibleDescription> Describe(const VARIANT& varChild) const
    {
        return IsSelf(varChild) ? m_describe() : std::nullopt;
    }
    static HRESULT Text(const std::wstring& text, BSTR* pszText)
    {
        if (!pszText)
            return E_POINTER;
        *pszText = ::SysAllocString(text.c_str());
        return *pszText ? S_OK : E_OUTOFMEMORY;
    }
    static HRESULT Number(LONG nValue, VARIANT* pvarValue)
    {
        if (!pvarValue)
            return E_POINTER;
        ::VariantInit(pvarValue);
        pvarValue->vt = VT_I4;
        pvarValue->lVal = nValue;
        return S_OK;
    }

    LONG m_nRefs = 1;
    accessible_ptr m_pStandard;
    DescribeWindow m_describe;
    DoDefaultAction m_act;
};

} // namespace

LRESULT AnswerGetObject(HWND hWnd, WPARAM wParam, LPARAM lParam, DescribeWindow describe, DoDefaultAction act)
{
    if (static_cast<LONG>(lParam) != OBJID_CLIENT)
        return ::DefWindowProcW(hWnd, WM_GETOBJECT, wParam, lParam);
    IAccessible* pStandard = nullptr;
    if (FAILED(::CreateStdAccessibleObject(hWnd, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&pStandard))))
        pStandard = nullptr;
    // COM objects end with their last reference (Release); this one is made holding the first.
    const accessible_ptr pAccessible(new CAccessibleWindow(accessible_ptr(pStandard), std::move(describe), std::move(act)));
    return ::LresultFromObject(__uuidof(IAccessible), wParam, pAccessible.get());
}

} // namespace fw
