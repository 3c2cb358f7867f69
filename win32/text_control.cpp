#include "win32/text_control.h"

#include <imm.h>

#include <algorithm>

namespace flg2scn {

namespace {

constexpr wchar_t kClassName[] = L"Text1";

void RegisterOnce() {
    static const bool registered = [] {
        WNDCLASSEXW type{};
        type.cbSize = sizeof type;
        type.style = CS_DBLCLKS;
        type.lpfnWndProc = DefWindowProcW;
        type.hInstance = ::GetModuleHandleW(nullptr);
        type.hCursor = ::LoadCursorW(nullptr, IDC_IBEAM);
        type.lpszClassName = kClassName;
        return ::RegisterClassExW(&type) != 0;
    }();
    static_cast<void>(registered);
}

}  // namespace

TextControl::TextControl(HWND parent) {
    RegisterOnce();
    window_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, kClassName, L"",
                                WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, 0, 0, 0, 0, parent,
                                nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure));
    UpdateScrollBars();
}

TextControl::~TextControl() {
    if (small_font_ != nullptr) {
        ::DeleteObject(small_font_);
    }
}

LRESULT CALLBACK TextControl::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<TextControl*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    return self != nullptr ? self->Handle(message, w, l) : ::DefWindowProcW(window, message, w, l);
}

void TextControl::SetFont(HFONT font) {
    font_ = font;
    const HDC dc = ::GetDC(window_);
    const HGDIOBJ old = ::SelectObject(dc, font_);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    ::SelectObject(dc, old);
    ::ReleaseDC(window_, dc);
    line_height_ = std::max(1, static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading));
    char_width_ = std::max(1, static_cast<int>(metrics.tmAveCharWidth));
    if (small_font_ != nullptr) {
        ::DeleteObject(small_font_);
    }
    small_font_ = ::CreateFontW(-(line_height_ * 3 / 5), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, nullptr);
    Moved();
}

void TextControl::SetText(std::u16string text) {
    editor_.SetText(text);
    SetTop(0, 0);
    Moved();
}

void TextControl::AppendText(std::u16string_view text) {
    editor_.Append(text);
    UpdateScrollBars();
    ::InvalidateRect(window_, nullptr, FALSE);
}

LRESULT TextControl::Handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SIZE:
            SetTop(top_row_, left_);
            return 0;
        case WM_VSCROLL:
        case WM_HSCROLL:
            Scroll(message == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(w));
            return 0;
        case WM_MOUSEWHEEL: {
            const int rows = -GET_WHEEL_DELTA_WPARAM(w) * 3 / WHEEL_DELTA;
            SetTop(static_cast<std::size_t>(std::max(0, static_cast<int>(top_row_) + rows)), left_);
            return 0;
        }
        case WM_SETFOCUS:
            ::CreateCaret(window_, nullptr, 1, line_height_);
            PlaceCaret();
            ::ShowCaret(window_);
            return 0;
        case WM_KILLFOCUS:
            ::DestroyCaret();
            dragging_ = false;
            return 0;
        case WM_KEYDOWN:
            return Key(w) ? 0 : ::DefWindowProcW(window_, message, w, l);
        case WM_CHAR:
            Char(static_cast<wchar_t>(w));
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
            Mouse(message, w, l);
            return 0;
        case WM_CONTEXTMENU:
            ContextMenu(l);
            return 0;
        case WM_IME_STARTCOMPOSITION: {
            // The input method composes at the caret.
            if (const HIMC context = ::ImmGetContext(window_)) {
                COMPOSITIONFORM form{CFS_POINT, {}, {}};
                ::GetCaretPos(&form.ptCurrentPos);
                ::ImmSetCompositionWindow(context, &form);
                ::ImmReleaseContext(window_, context);
            }
            return ::DefWindowProcW(window_, message, w, l);
        }
        default:
            return ::DefWindowProcW(window_, message, w, l);
    }
}

int TextControl::VisibleRows() const {
    RECT client{};
    ::GetClientRect(window_, &client);
    return std::max(1, static_cast<int>(client.bottom / line_height_));
}

void TextControl::UpdateScrollBars() {
    RECT client{};
    ::GetClientRect(window_, &client);
    SCROLLINFO bar{sizeof bar, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
    bar.nMax = static_cast<int>(editor_.lines().rows()) - 1;
    bar.nPage = static_cast<UINT>(VisibleRows());
    bar.nPos = static_cast<int>(top_row_);
    ::SetScrollInfo(window_, SB_VERT, &bar, TRUE);
    bar.nMax = static_cast<int>(editor_.lines().widest_row()) * char_width_ + 4 * char_width_;
    bar.nPage = static_cast<UINT>(std::max(0L, client.right));
    bar.nPos = left_;
    ::SetScrollInfo(window_, SB_HORZ, &bar, TRUE);
}

// Keeps the view within the text: no row past the last below it, no blank on the left.
void TextControl::SetTop(std::size_t row, int left) {
    RECT client{};
    ::GetClientRect(window_, &client);
    const std::size_t rows = editor_.lines().rows();
    const std::size_t visible = static_cast<std::size_t>(VisibleRows());
    const int widest =
        static_cast<int>(editor_.lines().widest_row()) * char_width_ + 4 * char_width_;
    top_row_ = std::min(row, rows > visible ? rows - visible : 0);
    left_ = std::clamp(left, 0, std::max(0, widest - static_cast<int>(client.right)));
    UpdateScrollBars();
    ::InvalidateRect(window_, nullptr, FALSE);
    PlaceCaret();
}

void TextControl::Scroll(int bar, int request) {
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    ::GetScrollInfo(window_, bar, &info);
    const int line = bar == SB_VERT ? 1 : char_width_;
    int position = info.nPos;
    switch (request) {
        case SB_LINEUP:
            position -= line;
            break;
        case SB_LINEDOWN:
            position += line;
            break;
        case SB_PAGEUP:
            position -= static_cast<int>(info.nPage);
            break;
        case SB_PAGEDOWN:
            position += static_cast<int>(info.nPage);
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            position = info.nTrackPos;
            break;
        case SB_TOP:
            position = 0;
            break;
        case SB_BOTTOM:
            position = info.nMax;
            break;
        default:
            return;
    }
    position = std::max(position, 0);
    if (bar == SB_VERT) {
        SetTop(static_cast<std::size_t>(position), left_);
    } else {
        SetTop(top_row_, position);
    }
}

int TextControl::XOf(TextEditor::Place place) const {
    const HDC dc = ::GetDC(window_);
    const HGDIOBJ old = ::SelectObject(dc, font_);
    const int x = Edges(dc, place.row)[place.column];
    ::SelectObject(dc, old);
    ::ReleaseDC(window_, dc);
    return x;
}

// Out of sight, the caret is put where it is not drawn.
void TextControl::PlaceCaret() {
    const TextEditor::Place place = editor_.lines().PlaceOf(editor_.caret());
    const std::size_t visible = static_cast<std::size_t>(VisibleRows());
    if (place.row < top_row_ || place.row > top_row_ + visible) {
        ::SetCaretPos(-100, -100);
        return;
    }
    const int x = XOf(place);
    ::SetCaretPos(kMargin - left_ + x, static_cast<int>(place.row - top_row_) * line_height_);
}

void TextControl::Moved() {
    const TextEditor::Place place = editor_.lines().PlaceOf(editor_.caret());
    const std::size_t visible = static_cast<std::size_t>(VisibleRows());
    std::size_t top = top_row_;
    if (place.row < top) {
        top = place.row;
    } else if (place.row >= top + visible) {
        top = place.row + 1 - visible;
    }
    RECT client{};
    ::GetClientRect(window_, &client);
    const int x = XOf(place);
    int left = left_;
    if (x < left) {
        left = std::max(0, x - static_cast<int>(client.right) / 3);
    } else if (x > left + client.right - 2 * char_width_) {
        left = x - static_cast<int>(client.right) + 4 * char_width_;
    }
    SetTop(top, left);
}

}  // namespace flg2scn
