// Windows only, not a test by itself: reads, from outside the program, what
// UI Automation gives a screen reader of Zentaro's text boxes. The first
// request also switches on Qt's UI Automation support in the program, which
// until then raises no events. scripts/check-wine-window runs it.
//
// Usage: uia_probe WINDOW_TITLE
// Prints, in UTF-8, one line per edit control, in tree order:
//   edit name=Voltage help=Volts description=Volts
// HelpText is what Narrator reads of a field's unit, FullDescription what
// NVDA reads. Exit status 1 when the window is not found, 2 when UI
// Automation is missing.
//
// It walks the tree with a walker on the true condition and reads properties
// with GetCurrentPropertyValueEx: under Wine 10 the control-view walker and
// the plain property getters are not implemented.

#include <cstdio>
#include <string>

#include <ole2.h>
#include <windows.h>

// The UI Automation class and interface IDs are defined here, after the
// headers whose IDs the system's import libraries already hold.
#include <initguid.h>

#include <uiautomationclient.h>

namespace {

// Not in every MinGW-w64's headers.
constexpr PROPERTYID kFullDescription = 30159;
constexpr int kMostElements = 500;

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

std::string text(IUIAutomationElement* element, PROPERTYID id) {
    VARIANT value;
    VariantInit(&value);
    if (FAILED(element->GetCurrentPropertyValueEx(id, FALSE, &value)))
        return "(error)";
    std::string out = value.vt == VT_BSTR ? utf8(value.bstrVal, SysStringLen(value.bstrVal))
                                          : "(type " + std::to_string(value.vt) + ")";
    VariantClear(&value);
    return out;
}

long number(IUIAutomationElement* element, PROPERTYID id) {
    VARIANT value;
    VariantInit(&value);
    if (FAILED(element->GetCurrentPropertyValueEx(id, FALSE, &value)) || value.vt != VT_I4)
        return -1;
    return static_cast<long>(value.lVal);
}

void walk(IUIAutomationTreeWalker* walker, IUIAutomationElement* element, int& budget) {
    if (--budget < 0)
        return;
    if (number(element, UIA_ControlTypePropertyId) == UIA_EditControlTypeId)
        std::printf("edit name=%s help=%s description=%s\n",
                    text(element, UIA_NamePropertyId).c_str(),
                    text(element, UIA_HelpTextPropertyId).c_str(),
                    text(element, kFullDescription).c_str());
    IUIAutomationElement* child = nullptr;
    walker->GetFirstChildElement(element, &child);
    while (child != nullptr) {
        walk(walker, child, budget);
        IUIAutomationElement* next = nullptr;
        walker->GetNextSiblingElement(child, &next);
        child->Release();
        child = next;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: uia_probe WINDOW_TITLE\n");
        return 2;
    }
    // The caption is passed in UTF-8 whatever the console's code page.
    const HWND window = FindWindowW(nullptr, wide(argv[1]).c_str());
    if (window == nullptr) {
        std::printf("no window titled \"%s\"\n", argv[1]);
        return 1;
    }
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IUIAutomation* automation = nullptr;
    IUIAutomationCondition* all = nullptr;
    IUIAutomationTreeWalker* walker = nullptr;
    IUIAutomationElement* root = nullptr;
    if (FAILED(CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IUIAutomation, reinterpret_cast<void**>(&automation))) ||
        FAILED(automation->CreateTrueCondition(&all)) ||
        FAILED(automation->CreateTreeWalker(all, &walker))) {
        std::printf("UI Automation is missing\n");
        return 2;
    }
    if (FAILED(automation->ElementFromHandle(window, &root)) || root == nullptr) {
        std::printf("no UI Automation element for the window\n");
        return 1;
    }
    int budget = kMostElements;
    walk(walker, root, budget);
    root->Release();
    walker->Release();
    all->Release();
    automation->Release();
    CoUninitialize();
    return 0;
}
