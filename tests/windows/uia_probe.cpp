// Windows only, not a test by itself: reads, from outside the program, what
// UI Automation gives a screen reader of Zentaro's live region, the element
// that speaks the result of Solve. scripts/check-wine-window runs it after
// each Solve and compares its lines with what Orca speaks on Linux.
//
// Usage: uia_probe WINDOW_TITLE
// Prints, in UTF-8, one property a line:
//   name=Resistance 2.5 Ohms
//   live=2            (UIA LiveSetting: 2 is Assertive)
//   type=50020        (UIA control type: Text)
// Exit status 1 when the window or its live region is not found, 2 when UI
// Automation is missing.
//
// It asks the element's own properties only and never navigates the tree:
// under Wine 8 a navigation across processes never returns.

#include <cstdio>
#include <ole2.h>
#include <string>
#include <uiautomationclient.h>
#include <windows.h>

namespace {

using Node = void*; // HUIANODE

struct Client {
    HRESULT(WINAPI* nodeFromHandle)(HWND, Node*) = nullptr;
    HRESULT(WINAPI* getPropertyValue)(Node, PROPERTYID, VARIANT*) = nullptr;
    BOOL(WINAPI* nodeRelease)(Node) = nullptr;
};

template <typename F> void lookUp(HMODULE module, const char* name, F& function) {
    function = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::string utf8(const wchar_t* text, UINT length) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0,
                                         nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), out.data(), size, nullptr,
                        nullptr);
    return out;
}

std::wstring wide(const char* text) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(size > 0 ? size - 1 : 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, out.data(), size);
    return out;
}

void print(const Client& client, Node node, const char* label, PROPERTYID id) {
    VARIANT value;
    VariantInit(&value);
    if (FAILED(client.getPropertyValue(node, id, &value))) {
        std::printf("%s=(error)\n", label);
        return;
    }
    if (value.vt == VT_BSTR)
        std::printf("%s=%s\n", label, utf8(value.bstrVal, SysStringLen(value.bstrVal)).c_str());
    else if (value.vt == VT_I4)
        std::printf("%s=%ld\n", label, static_cast<long>(value.lVal));
    else
        std::printf("%s=(type %d)\n", label, static_cast<int>(value.vt));
    VariantClear(&value);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: uia_probe WINDOW_TITLE\n");
        return 2;
    }
    // The caption is passed in UTF-8 whatever the console's code page.
    const HWND window = FindWindowW(nullptr, wide(argv[1]).c_str());
    const HWND region =
        window != nullptr ? FindWindowExW(window, nullptr, L"ZentaroLiveRegion", nullptr) : nullptr;
    if (region == nullptr) {
        std::printf("no live region in a window titled \"%s\"\n", argv[1]);
        return 1;
    }
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    Client client;
    if (HMODULE module = LoadLibraryW(L"uiautomationcore.dll")) {
        lookUp(module, "UiaNodeFromHandle", client.nodeFromHandle);
        lookUp(module, "UiaGetPropertyValue", client.getPropertyValue);
        lookUp(module, "UiaNodeRelease", client.nodeRelease);
    }
    if (client.nodeFromHandle == nullptr || client.getPropertyValue == nullptr) {
        std::printf("UI Automation is missing\n");
        return 2;
    }
    Node node = nullptr;
    if (FAILED(client.nodeFromHandle(region, &node)) || node == nullptr) {
        std::printf("no UI Automation element for the live region\n");
        return 1;
    }
    print(client, node, "name", UIA_NamePropertyId);
    print(client, node, "live", UIA_LiveSettingPropertyId);
    print(client, node, "type", UIA_ControlTypePropertyId);
    if (client.nodeRelease != nullptr)
        client.nodeRelease(node);
    CoUninitialize();
    return 0;
}
