#include "ui/uia_live_region.h"

#include <atomic>
#include <ole2.h>
#include <uiautomationclient.h>
#include <uiautomationcore.h>

namespace ui::uia {

namespace {

constexpr LONG kRootObjectId = -25; // UiaRootObjectId, as WM_GETOBJECT's lParam
constexpr const wchar_t* kWindowClass = L"ZentaroLiveRegion";

template <typename F> void lookUp(HMODULE module, const char* name, F& function) {
    // GetProcAddress returns a generic function pointer; each is cast back to
    // the signature that uiautomationcore.dll documents for it.
    function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

const Functions& systemFunctions() {
    static const Functions functions = [] {
        Functions f;
        if (HMODULE module = LoadLibraryW(L"uiautomationcore.dll")) {
            lookUp(module, "UiaRaiseNotificationEvent", f.raiseNotificationEvent);
            lookUp(module, "UiaRaiseAutomationEvent", f.raiseAutomationEvent);
            lookUp(module, "UiaHostProviderFromHwnd", f.hostProviderFromHwnd);
            lookUp(module, "UiaReturnRawElementProvider", f.returnRawElementProvider);
            lookUp(module, "UiaDisconnectProvider", f.disconnectProvider);
        }
        return f;
    }();
    return functions;
}

// The element a screen reader finds on the child window: a live Text element
// whose name is the last message. UI Automation calls it on the thread that
// made it (UseComThreading), the program's one thread.
class LiveRegion::Provider final : public IRawElementProviderSimple {
public:
    Provider(HWND window, const Functions& functions) : m_window(window), m_functions(functions) {}

    void setName(const std::wstring& name) { m_name = name; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
        if (out == nullptr)
            return E_POINTER;
        if (id == __uuidof(IUnknown) || id == __uuidof(IRawElementProviderSimple)) {
            *out = static_cast<IRawElementProviderSimple*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --m_references;
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override {
        if (options == nullptr)
            return E_POINTER;
        *options = static_cast<ProviderOptions>(ProviderOptions_ServerSideProvider |
                                                ProviderOptions_UseComThreading);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown** pattern) override {
        if (pattern == nullptr)
            return E_POINTER;
        *pattern = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID id, VARIANT* value) override {
        if (value == nullptr)
            return E_POINTER;
        VariantInit(value); // VT_EMPTY: "not supported", UI Automation asks the host
        switch (id) {
        case UIA_NamePropertyId:
            value->vt = VT_BSTR;
            value->bstrVal = SysAllocStringLen(m_name.data(), static_cast<UINT>(m_name.size()));
            break;
        case UIA_ControlTypePropertyId:
            value->vt = VT_I4;
            value->lVal = kTextControlTypeId;
            break;
        case kLiveSettingPropertyId:
            value->vt = VT_I4;
            value->lVal = kAssertive;
            break;
        case UIA_IsKeyboardFocusablePropertyId:
            value->vt = VT_BOOL;
            value->boolVal = VARIANT_FALSE;
            break;
        default:
            break;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE
    get_HostRawElementProvider(IRawElementProviderSimple** host) override {
        if (host == nullptr)
            return E_POINTER;
        *host = nullptr;
        return m_functions.hostProviderFromHwnd != nullptr
                   ? m_functions.hostProviderFromHwnd(m_window, host)
                   : S_OK;
    }

private:
    ~Provider() = default;

    std::atomic<ULONG> m_references{1};
    HWND m_window;
    const Functions& m_functions;
    std::wstring m_name;
};

LiveRegion::LiveRegion(HWND parent, const Functions& functions) : m_functions(functions) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &LiveRegion::windowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass); // fails harmlessly once registered
    // Disabled, so that it never takes the focus or a click.
    m_window = CreateWindowExW(WS_EX_NOACTIVATE, kWindowClass, L"", WS_CHILD | WS_DISABLED, 0, 0, 1,
                               1, parent, nullptr, instance, nullptr);
    if (m_window == nullptr)
        return;
    m_provider = new Provider(m_window, m_functions);
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    // The parent clips its children, so the child's one pixel would show
    // whatever was last there; an empty region leaves that pixel the parent's.
    SetWindowRgn(m_window, CreateRectRgn(0, 0, 0, 0), FALSE);
    ShowWindow(m_window, SW_SHOWNA);
}

LiveRegion::~LiveRegion() {
    // Readers that still hold the element get an error from now on, not a
    // provider whose window is gone.
    if (m_provider != nullptr && m_functions.disconnectProvider != nullptr)
        m_functions.disconnectProvider(m_provider);
    if (m_window != nullptr) {
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        if (IsWindow(m_window))
            DestroyWindow(m_window);
    }
    if (m_provider != nullptr)
        m_provider->Release();
}

IRawElementProviderSimple* LiveRegion::provider() const {
    return m_provider;
}

void LiveRegion::say(const std::wstring& text) {
    if (m_provider == nullptr)
        return;
    m_provider->setName(text);
    if (m_functions.raiseNotificationEvent != nullptr) {
        BSTR message = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        BSTR activity = SysAllocString(kActivityId);
        m_functions.raiseNotificationEvent(m_provider, kNotificationActionCompleted,
                                           kProcessingImportantMostRecent, message, activity);
        SysFreeString(activity);
        SysFreeString(message);
    } else if (m_functions.raiseAutomationEvent != nullptr) {
        m_functions.raiseAutomationEvent(m_provider, kLiveRegionChangedEventId);
    }
}

LRESULT CALLBACK LiveRegion::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* region = reinterpret_cast<LiveRegion*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_GETOBJECT:
        if (static_cast<LONG>(lParam) == kRootObjectId && region != nullptr &&
            region->m_provider != nullptr &&
            region->m_functions.returnRawElementProvider != nullptr)
            return region->m_functions.returnRawElementProvider(window, wParam, lParam,
                                                                region->m_provider);
        break;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        ValidateRect(window, nullptr);
        return 0;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace ui::uia
