// Windows only: what the live region hands UI Automation, against a fake
// table of its functions that records each call. Which event is raised, with
// which arguments, and what the element says of itself at that moment.

#include "ui/uia_live_region.h"

#include <gtest/gtest.h>
#include <ole2.h>
#include <string>
#include <uiautomationclient.h>
#include <uiautomationcore.h>
#include <vector>

namespace {

using ui::uia::Functions;
using ui::uia::LiveRegion;

// One line per call, with the element's name as it was when the call came.
std::vector<std::string> g_calls;

std::string narrow(const wchar_t* text) {
    std::string out;
    for (; text != nullptr && *text != 0; ++text)
        out += static_cast<char>(*text);
    return out;
}

VARIANT property(IRawElementProviderSimple* provider, PROPERTYID id) {
    VARIANT value;
    VariantInit(&value);
    EXPECT_EQ(provider->GetPropertyValue(id, &value), S_OK);
    return value;
}

std::string nameOf(IRawElementProviderSimple* provider) {
    VARIANT name = property(provider, UIA_NamePropertyId);
    const std::string text = name.vt == VT_BSTR ? narrow(name.bstrVal) : "(no name)";
    VariantClear(&name);
    return text;
}

HRESULT WINAPI fakeNotification(IRawElementProviderSimple* p, int kind, int processing, BSTR text,
                                BSTR activity) {
    g_calls.push_back("notification kind " + std::to_string(kind) + " processing " +
                      std::to_string(processing) + " text '" + narrow(text) + "' activity '" +
                      narrow(activity) + "' name '" + nameOf(p) + "'");
    return S_OK;
}

HRESULT WINAPI fakeAutomationEvent(IRawElementProviderSimple* p, int id) {
    g_calls.push_back("event " + std::to_string(id) + " name '" + nameOf(p) + "'");
    return S_OK;
}

HRESULT WINAPI fakeHost(HWND, IRawElementProviderSimple** host) {
    g_calls.push_back("host");
    *host = nullptr;
    return S_OK;
}

LRESULT WINAPI fakeReturn(HWND, WPARAM, LPARAM lParam, IRawElementProviderSimple* p) {
    g_calls.push_back("return provider for " + std::to_string(static_cast<LONG>(lParam)) +
                      " name '" + nameOf(p) + "'");
    return 42;
}

HRESULT WINAPI fakeDisconnect(IRawElementProviderSimple*) {
    g_calls.push_back("disconnect");
    return S_OK;
}

constexpr Functions kWindows10{fakeNotification, fakeAutomationEvent, fakeHost, fakeReturn,
                               fakeDisconnect};
constexpr Functions kOlderWindows{nullptr, fakeAutomationEvent, fakeHost, fakeReturn,
                                  fakeDisconnect};
constexpr Functions kNoUiAutomation{};

class UiaLiveRegion : public ::testing::Test {
protected:
    void SetUp() override {
        g_calls.clear();
        m_parent = CreateWindowExW(0, L"STATIC", L"parent", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                   nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(m_parent, nullptr);
    }
    void TearDown() override { DestroyWindow(m_parent); }

    HWND m_parent = nullptr;
};

struct EventRow {
    const char* name;
    const Functions* functions;
    std::vector<std::string> calls;
};

void PrintTo(const EventRow& row, std::ostream* os) {
    *os << row.name;
}

class RaisesOneEvent : public UiaLiveRegion, public ::testing::WithParamInterface<EventRow> {};

TEST_P(RaisesOneEvent, AfterTheNameIsSet) {
    LiveRegion region(m_parent, *GetParam().functions);
    region.say(L"Resistance 2.5 Ohms");
    EXPECT_EQ(g_calls, GetParam().calls);
}

const EventRow kEventRows[] = {
    {"NotificationWhereWindowsHasIt",
     &kWindows10,
     {"notification kind 2 processing 1 text 'Resistance 2.5 Ohms' activity 'Zentaro.Result' "
      "name 'Resistance 2.5 Ohms'"}},
    {"LiveRegionChangedElsewhere", &kOlderWindows, {"event 20024 name 'Resistance 2.5 Ohms'"}},
    {"NothingWithoutUiAutomation", &kNoUiAutomation, {}},
};

INSTANTIATE_TEST_SUITE_P(Events, RaisesOneEvent, ::testing::ValuesIn(kEventRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UiaLiveRegion, EachMessageIsRaisedAgainWithItsOwnName) {
    LiveRegion region(m_parent, kOlderWindows);
    region.say(L"Resistance 2.5 Ohms");
    region.say(L"OOOps..A Mistake !");
    region.say(L"OOOps..A Mistake !");
    EXPECT_EQ(g_calls, (std::vector<std::string>{"event 20024 name 'Resistance 2.5 Ohms'",
                                                 "event 20024 name 'OOOps..A Mistake !'",
                                                 "event 20024 name 'OOOps..A Mistake !'"}));
}

TEST_F(UiaLiveRegion, IsALiveTextElementOfItsOwnServerSideWindow) {
    LiveRegion region(m_parent, kWindows10);
    IRawElementProviderSimple* provider = region.provider();
    ASSERT_NE(provider, nullptr);

    ProviderOptions options{};
    ASSERT_EQ(provider->get_ProviderOptions(&options), S_OK);
    EXPECT_EQ(static_cast<int>(options),
              ProviderOptions_ServerSideProvider | ProviderOptions_UseComThreading);
    VARIANT type = property(provider, UIA_ControlTypePropertyId);
    EXPECT_EQ(type.vt, VT_I4);
    EXPECT_EQ(type.lVal, ui::uia::kTextControlTypeId);
    VARIANT live = property(provider, ui::uia::kLiveSettingPropertyId);
    EXPECT_EQ(live.vt, VT_I4);
    EXPECT_EQ(live.lVal, ui::uia::kAssertive);
    VARIANT other = property(provider, UIA_HelpTextPropertyId);
    EXPECT_EQ(other.vt, VT_EMPTY) << "left to the window's host provider";

    IRawElementProviderSimple* host = provider;
    EXPECT_EQ(provider->get_HostRawElementProvider(&host), S_OK);
    EXPECT_EQ(host, nullptr);
    EXPECT_EQ(g_calls, std::vector<std::string>{"host"});
}

TEST_F(UiaLiveRegion, AnswersOnlyTheRootObjectQueryOfItsWindow) {
    LiveRegion region(m_parent, kWindows10);
    region.say(L"Voltage 10 Volts");
    g_calls.clear();
    EXPECT_EQ(SendMessageW(region.window(), WM_GETOBJECT, 0, static_cast<LPARAM>(-25)), 42);
    EXPECT_NE(SendMessageW(region.window(), WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT)),
              42);
    EXPECT_EQ(g_calls, std::vector<std::string>{"return provider for -25 name 'Voltage 10 Volts'"});
}

TEST_F(UiaLiveRegion, IsAOnePixelChildThatCannotTakeTheFocus) {
    SetFocus(m_parent);
    LiveRegion region(m_parent, kWindows10);
    const HWND window = region.window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetParent(window), m_parent);
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_TRUE(style & WS_DISABLED);
    EXPECT_TRUE(style & WS_VISIBLE);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right - client.left, 1);
    EXPECT_EQ(client.bottom - client.top, 1);
    region.say(L"Current 2.5 Amperes");
    EXPECT_NE(GetFocus(), window);
}

TEST_F(UiaLiveRegion, DisconnectsItsElementAndDestroysItsWindowWhenDiscarded) {
    HWND window = nullptr;
    {
        LiveRegion region(m_parent, kWindows10);
        window = region.window();
        ASSERT_TRUE(IsWindow(window));
        g_calls.clear();
    }
    EXPECT_EQ(g_calls, std::vector<std::string>{"disconnect"});
    EXPECT_FALSE(IsWindow(window));
}

} // namespace
