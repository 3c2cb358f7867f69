#include "win32/main_window.h"

#include <shellapi.h>

#include <string>
#include <vector>

#include "commands/window_layout.h"
#include "system/windows_text.h"
#include "win32/win32_cursors.h"

namespace flg2scn {

namespace {

constexpr wchar_t kClassName[] = L"Form1";
// A menu entry's command id is its place in kMenuEntries after this.
constexpr int kFirstMenuId = 100;
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW;

// The menu bar: the File menu with its entries, then the bar's own.
HMENU MakeMenuBar() {
    HMENU bar = ::CreateMenu();
    HMENU file = ::CreatePopupMenu();
    for (std::size_t i = 0; i < kMenuEntries.size(); ++i) {
        const MenuEntry& entry = kMenuEntries[i];
        const UINT_PTR id = kFirstMenuId + i;
        // The shortcut's text after a tab, right-aligned by Windows.
        const std::string shortcut = ShortcutText(entry.shortcut);
        const std::wstring caption =
            WideOf(std::string(entry.caption) + (shortcut.empty() ? "" : "\t" + shortcut));
        if (entry.action == MenuAction::kFileMenu) {
            ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), caption.c_str());
        } else if (entry.action == MenuAction::kNone) {
            ::AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
        } else {
            ::AppendMenuW(entry.in_file_menu ? file : bar, MF_STRING, id, caption.c_str());
        }
    }
    return bar;
}

// The menu's shortcuts.
HACCEL MakeKeys() {
    std::vector<ACCEL> keys;
    for (std::size_t i = 0; i < kMenuEntries.size(); ++i) {
        if (kMenuEntries[i].shortcut != '\0') {
            keys.push_back({FVIRTKEY | FCONTROL, static_cast<WORD>(kMenuEntries[i].shortcut),
                            static_cast<WORD>(kFirstMenuId + i)});
        }
    }
    return ::CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

}  // namespace

std::unique_ptr<Win32Window> Win32Window::Create(HINSTANCE instance) {
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    type.lpfnWndProc = Procedure;
    type.hInstance = instance;
    type.hIcon = ::LoadIconW(instance, L"APPICON");
    type.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    type.lpszClassName = kClassName;
    if (!::RegisterClassExW(&type)) {
        return nullptr;
    }
    const HDC screen = ::GetDC(nullptr);
    RECT size{0, 0, TwipsToPixels(kStartWidthTwips, ::GetDeviceCaps(screen, LOGPIXELSX)),
              TwipsToPixels(kStartHeightTwips, ::GetDeviceCaps(screen, LOGPIXELSY))};
    ::ReleaseDC(nullptr, screen);
    ::AdjustWindowRectEx(&size, kWindowStyle, TRUE, 0);
    std::unique_ptr<Win32Window> window(new Win32Window);
    const std::wstring caption = WideOf(std::string(kWindowCaption));
    if (!::CreateWindowExW(0, kClassName, caption.c_str(), kWindowStyle, CW_USEDEFAULT,
                           CW_USEDEFAULT, size.right - size.left, size.bottom - size.top, nullptr,
                           MakeMenuBar(), instance, window.get())) {
        return nullptr;
    }
    return window;
}

Win32Window::~Win32Window() {
    if (keys_ != nullptr) {
        ::DestroyAcceleratorTable(keys_);
    }
    if (font_ != nullptr) {
        ::DeleteObject(font_);
    }
}

int Win32Window::Run(int show, const std::filesystem::path& file) {
    ::ShowWindow(window_, show);
    ::UpdateWindow(window_);
    if (!file.empty()) {
        const Win32BusyCursor busy;
        services_->commands.files().LoadFile(file);
    }
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!::TranslateAcceleratorW(window_, keys_, &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

LRESULT CALLBACK Win32Window::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
    }
    auto* self = reinterpret_cast<Win32Window*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    return self != nullptr ? self->Handle(message, w, l) : ::DefWindowProcW(window, message, w, l);
}

void Win32Window::Created(HWND window) {
    services_ = std::make_unique<Services>(window);
    const HDC screen = ::GetDC(window);
    SetTextFont(::GetDeviceCaps(screen, LOGPIXELSY));
    ::ReleaseDC(window, screen);
    keys_ = MakeKeys();
    ::DragAcceptFiles(window, TRUE);
}

void Win32Window::SetTextFont(int dots) {
    LOGFONTW font{};
    font.lfHeight = -::MulDiv(kTextFontPoints, dots, 72);
    font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;  // what stands in for a missing Fixedsys
    const std::wstring name = WideOf(std::string(kTextFontName));
    name.copy(font.lfFaceName, LF_FACESIZE - 1);
    const HFONT old = font_;
    font_ = ::CreateFontIndirectW(&font);
    services_->text_area.SetFont(font_);
    if (old != nullptr) {
        ::DeleteObject(old);
    }
}

void Win32Window::RunMenuEntry(int id) {
    const std::size_t index = static_cast<std::size_t>(id - kFirstMenuId);
    if (id < kFirstMenuId || index >= kMenuEntries.size()) {
        return;
    }
    const Win32BusyCursor busy;
    services_->commands.Run(kMenuEntries[index].action,
                            [this] { ::PostMessageW(window_, WM_CLOSE, 0, 0); });
}

LRESULT Win32Window::Handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_CREATE:
            Created(window_);
            return 0;
        case WM_SIZE:
            ::MoveWindow(services_->text_area.window(), 0, 0, LOWORD(l), HIWORD(l), TRUE);
            return 0;
        case WM_DPICHANGED: {
            SetTextFont(HIWORD(w));
            const RECT* suggested = reinterpret_cast<const RECT*>(l);
            ::SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                           suggested->right - suggested->left, suggested->bottom - suggested->top,
                           SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_SETFOCUS:
            ::SetFocus(services_->text_area.window());
            return 0;
        case WM_COMMAND:
            RunMenuEntry(LOWORD(w));
            return 0;
        case WM_DROPFILES: {
            const auto drop = reinterpret_cast<HDROP>(w);
            std::vector<std::filesystem::path> names(
                ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0));
            for (UINT i = 0; i < names.size(); ++i) {
                std::wstring name(::DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
                name.resize(::DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size())));
                names[i] = name;
            }
            ::DragFinish(drop);
            const Win32BusyCursor busy;
            services_->commands.files().LoadDropped(names);
            return 0;
        }
        case WM_CLOSE:
            if (services_->commands.files().MayClose()) {
                ::DestroyWindow(window_);
            }
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcW(window_, message, w, l);
    }
}

}  // namespace flg2scn
