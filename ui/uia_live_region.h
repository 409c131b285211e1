#pragma once

// Windows only. A message spoken by Windows screen readers (Narrator, NVDA)
// through UI Automation, the way native programs speak a status: a 1x1 child
// window that never takes the focus and paints nothing, with an element of its
// own (a Text element, live, named with the message), and an event raised on
// it for each message.
//
// Why it exists: Qt 6.4's UI Automation bridge raises no event for a widget
// of the notification role, which is how the message reaches Orca on Linux,
// and offers no public way to raise one. Qt 6.8's QAccessibleAnnouncementEvent
// replaces all of this; Zentaro is built on Qt 6.4.
//
// Ex: LiveRegion region(formHwnd, loadFunctions());
//     region.say(L"Resistance 2.5 Ohms");
//     -> UiaRaiseNotificationEvent(ActionCompleted, ImportantMostRecent,
//        "Resistance 2.5 Ohms", ...) where Windows has it (10 1709 and later),
//        else UiaRaiseAutomationEvent(UIA_LiveRegionChangedEventId);
//        never both, or NVDA speaks the message twice.

#include <string>
#include <windows.h>

struct IRawElementProviderSimple;

namespace ui::uia {

// Values Debian 12's MinGW headers do not define.
inline constexpr int kLiveRegionChangedEventId = 20024;
inline constexpr int kTextControlTypeId = 50020;
inline constexpr int kLiveSettingPropertyId = 30135;
inline constexpr int kAssertive = 2;
inline constexpr int kNotificationActionCompleted = 2;
inline constexpr int kProcessingImportantMostRecent = 1;
inline constexpr const wchar_t* kActivityId = L"Zentaro.Result";

// The UI Automation functions used, looked up in uiautomationcore.dll at run
// time: the MinGW headers do not declare UiaRaiseNotificationEvent, and
// Windows before 10 1709 and Wine 8 do not export it. A function that is
// missing stays null and is not called.
struct Functions {
    HRESULT(WINAPI* raiseNotificationEvent)
    (IRawElementProviderSimple*, int kind, int processing, BSTR text, BSTR activityId) = nullptr;
    HRESULT(WINAPI* raiseAutomationEvent)(IRawElementProviderSimple*, int eventId) = nullptr;
    HRESULT(WINAPI* hostProviderFromHwnd)(HWND, IRawElementProviderSimple**) = nullptr;
    LRESULT(WINAPI* returnRawElementProvider)
    (HWND, WPARAM, LPARAM, IRawElementProviderSimple*) = nullptr;
    HRESULT(WINAPI* disconnectProvider)(IRawElementProviderSimple*) = nullptr;
};

// The functions of this system's uiautomationcore.dll; all null without it.
const Functions& systemFunctions();

class LiveRegion {
public:
    // A child window of `parent`; `functions` must outlive the region.
    LiveRegion(HWND parent, const Functions& functions);
    ~LiveRegion();
    LiveRegion(const LiveRegion&) = delete;
    LiveRegion& operator=(const LiveRegion&) = delete;

    // Names the element with the text, then raises one event on it.
    void say(const std::wstring& text);

    HWND window() const { return m_window; }
    IRawElementProviderSimple* provider() const;

private:
    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);

    const Functions& m_functions;
    HWND m_window = nullptr;
    class Provider;
    Provider* m_provider = nullptr;
};

} // namespace ui::uia
