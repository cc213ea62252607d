// A UI Automation client as small as a screen reader's first steps: asks the game's window for
// its element, reads the names and roles below it, and listens for events, which makes the game
// raise them. Driven line by line on standard input; answers on standard output in UTF-8, the
// first lines saying whether notifications can be raised here, what the window is and whether
// the client listens.
//   tree        one line per element: "element<TAB>name<TAB>control type<TAB>help text"
//   describe NAME  "description<TAB>..." the named element's description, line breaks as "\n"
//   box         "box<TAB>name|name|..." the elements of a message box the game shows
//   quit
// Uses UI Automation's core client functions, looked up at run time: MinGW ships neither an
// import library nor usable declarations for them.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>
#include <windows.h>

namespace {

// UI Automation's identifiers and structures, as Windows' SDK defines them.
using PROPERTYID = int;
using EVENTID = int;
using HUIANODE = struct UiaNode*;
using HUIAEVENT = struct UiaEvent*;
constexpr PROPERTYID kName = 30005;
constexpr PROPERTYID kControlType = 30003;
constexpr PROPERTYID kHelpText = 30013;
constexpr PROPERTYID kFullDescription = 30159;
constexpr EVENTID kNotification = 20035;
constexpr int kTreeScopeSubtree = 7;

struct Condition {
    int type; // 0: true
};
struct CacheRequest {
    Condition* viewCondition;
    int scope;
    PROPERTYID* properties;
    int propertyCount;
    int* patterns;
    int patternCount;
    int elementMode; // 1: full
};
struct FindParams {
    int maxDepth;
    BOOL findFirst;
    BOOL excludeRoot;
    Condition* condition;
};
struct EventArgs {
    int type;
    int eventId;
};
using EventCallback = void WINAPI(EventArgs*, SAFEARRAY*, BSTR);

struct Api {
    HRESULT(WINAPI* nodeFromHandle)(HWND, HUIANODE*);
    HRESULT(WINAPI* getPropertyValue)(HUIANODE, PROPERTYID, VARIANT*);
    HRESULT(WINAPI* find)
    (HUIANODE, FindParams*, CacheRequest*, SAFEARRAY**, SAFEARRAY**, SAFEARRAY**);
    HRESULT(WINAPI* nodeFromVariant)(VARIANT*, HUIANODE*);
    HRESULT(WINAPI* addEvent)
    (HUIANODE, EVENTID, EventCallback*, int, PROPERTYID*, int, CacheRequest*, HUIAEVENT*);
};

template <typename Function> void lookUp(HMODULE library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

Api loadApi() {
    Api api{};
    if (HMODULE library = LoadLibraryW(L"uiautomationcore.dll")) {
        lookUp(library, "UiaNodeFromHandle", api.nodeFromHandle);
        lookUp(library, "UiaGetPropertyValue", api.getPropertyValue);
        lookUp(library, "UiaFind", api.find);
        lookUp(library, "UiaHUiaNodeFromVariant", api.nodeFromVariant);
        lookUp(library, "UiaAddEvent", api.addEvent);
    }
    return api;
}

std::string utf8(const wchar_t* text, int length) {
    if (length <= 0)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

// A property's value as one line of text: line breaks and tabs escaped.
std::string text(const VARIANT& value) {
    std::string line;
    if (value.vt == VT_BSTR && value.bstrVal != nullptr)
        line = utf8(value.bstrVal, static_cast<int>(SysStringLen(value.bstrVal)));
    else if (value.vt == VT_I4)
        line = std::to_string(value.lVal);
    else
        line = "(none)";
    std::string escaped;
    for (char c : line)
        escaped += c == '\n'   ? std::string("\\n")
                   : c == '\t' ? std::string("\\t")
                               : std::string(1, c);
    return escaped;
}

void say(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

std::string hex(HRESULT result) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%#lx", static_cast<unsigned long>(result));
    return buffer;
}

void WINAPI heard(EventArgs* arguments, SAFEARRAY*, BSTR) {
    say("event\t" + std::to_string(arguments->eventId));
}

class Probe {
public:
    explicit Probe(Api api) : api_(api) {}

    bool attach(const wchar_t* title) {
        title_ = title;
        for (int tries = 0; window_handle_ == nullptr && tries < 100; ++tries) {
            window_handle_ = FindWindowW(nullptr, title);
            if (window_handle_ == nullptr)
                Sleep(100);
        }
        if (window_handle_ == nullptr || api_.nodeFromHandle == nullptr) {
            say("error\tno window or no UI Automation");
            return false;
        }
        const HRESULT result = api_.nodeFromHandle(window_handle_, &window_);
        say("window\t" + hex(result) + "\t" + property(window_, kName) + "\t" +
            property(window_, kControlType));
        return SUCCEEDED(result);
    }

    // Like a screen reader, listens to what the window raises; a provider raises events only
    // while someone listens.
    void listen() {
        if (api_.addEvent == nullptr) {
            say("listening\tno UiaAddEvent");
            return;
        }
        Condition all{0};
        CacheRequest request{&all, 1, nullptr, 0, nullptr, 0, 1};
        HUIAEVENT event = nullptr;
        const HRESULT result = api_.addEvent(window_, kNotification, heard, kTreeScopeSubtree,
                                             nullptr, 0, &request, &event);
        say("listening\t" + hex(result));
    }

    void tree() {
        elements_.clear();
        for (HUIANODE node : find(window_))
            say("element\t" + property(node, kName) + "\t" + property(node, kControlType) + "\t" +
                property(node, kHelpText));
        say("end");
    }

    // Another window of the same title, as a message box has: the names of all its elements.
    void box() {
        std::string names;
        for (HWND other = FindWindowExW(nullptr, nullptr, nullptr, title_); other != nullptr;
             other = FindWindowExW(nullptr, other, nullptr, title_)) {
            HUIANODE node = nullptr;
            if (other == window_handle_ || !IsWindowVisible(other) ||
                FAILED(api_.nodeFromHandle(other, &node)))
                continue;
            for (HUIANODE element : find(node))
                names += property(element, kName) + "|";
        }
        say("box\t" + names);
    }

    void describe(const std::string& name) {
        for (HUIANODE node : elements_)
            if (property(node, kName) == name) {
                say("description\t" + property(node, kFullDescription));
                return;
            }
        say("error\tno element named " + name);
    }

private:
    // Every element below the node, as a screen reader walks the tree; kept for describe.
    std::vector<HUIANODE> find(HUIANODE root) {
        std::vector<HUIANODE> nodes;
        if (api_.find == nullptr) {
            say("error\tno UiaFind");
            return nodes;
        }
        Condition all{0};
        CacheRequest request{&all, 1, nullptr, 0, nullptr, 0, 1};
        FindParams params{-1, FALSE, TRUE, &all};
        SAFEARRAY* found = nullptr;
        SAFEARRAY* offsets = nullptr;
        SAFEARRAY* structures = nullptr;
        const HRESULT result = api_.find(root, &params, &request, &found, &offsets, &structures);
        if (FAILED(result) || found == nullptr) {
            say("error\tUiaFind " + hex(result));
            return nodes;
        }
        LONG low = 0;
        LONG high = -1;
        SafeArrayGetLBound(found, 1, &low);
        SafeArrayGetUBound(found, 1, &high);
        for (LONG row = low; row <= high; ++row) {
            LONG index[2] = {row, 0};
            VARIANT cell;
            VariantInit(&cell);
            HUIANODE node = nullptr;
            if (SUCCEEDED(SafeArrayGetElement(found, index, &cell)) &&
                SUCCEEDED(api_.nodeFromVariant(&cell, &node)) && node != nullptr)
                nodes.push_back(node);
            VariantClear(&cell);
        }
        if (root == window_)
            elements_ = nodes;
        return nodes;
    }

    std::string property(HUIANODE node, PROPERTYID id) const {
        VARIANT value;
        VariantInit(&value);
        const HRESULT result = api_.getPropertyValue(node, id, &value);
        std::string line = SUCCEEDED(result) ? text(value) : "(error " + hex(result) + ")";
        VariantClear(&value);
        return line;
    }

    Api api_;
    const wchar_t* title_ = nullptr;
    HWND window_handle_ = nullptr;
    HUIANODE window_ = nullptr;
    std::vector<HUIANODE> elements_;
};

} // namespace

// Whether this system's UI Automation can raise notifications at all (Wine 8's cannot).
bool raisesNotifications() {
    HMODULE library = LoadLibraryW(L"uiautomationcore.dll");
    return library != nullptr && GetProcAddress(library, "UiaRaiseNotificationEvent") != nullptr;
}

int main() {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    say(std::string("notifications\t") + (raisesNotifications() ? "yes" : "no"));
    Probe probe(loadApi());
    if (!probe.attach(L"Zorvane 1.2"))
        return 1;
    probe.listen();
    char line[256];
    while (std::fgets(line, sizeof line, stdin) != nullptr) {
        const std::string command(line, std::strcspn(line, "\r\n"));
        if (command == "tree")
            probe.tree();
        else if (command == "box")
            probe.box();
        else if (command.rfind("describe ", 0) == 0)
            probe.describe(command.substr(9));
        else if (command == "quit")
            break;
        else
            say("error\tunknown command " + command);
    }
    return 0;
}
