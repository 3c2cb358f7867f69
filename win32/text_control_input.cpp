// The text area's keys, mouse, clipboard and context menu, as an EDIT control
// has them; each becomes an edit or a move of the TextEditor.

#include "win32/text_control.h"

#include <windowsx.h>

#include <algorithm>
#include <cwchar>
#include <optional>

#include "commands/control_symbols.h"

namespace flg2scn {

namespace {

enum MenuId : UINT { kUndo = 1, kCut, kCopy, kPaste, kDelete, kSelectAll };

bool Down(int key) {
    return ::GetKeyState(key) < 0;
}

// The keys that the text area acts on when they go down. Backspace and Enter
// come as characters (Char), as Ctrl+H and Ctrl+M do too.
std::optional<Key> KeyOf(WPARAM key) {
    switch (key) {
        case VK_LEFT:
            return Key::kLeft;
        case VK_RIGHT:
            return Key::kRight;
        case VK_UP:
            return Key::kUp;
        case VK_DOWN:
            return Key::kDown;
        case VK_PRIOR:
            return Key::kPageUp;
        case VK_NEXT:
            return Key::kPageDown;
        case VK_HOME:
            return Key::kHome;
        case VK_END:
            return Key::kEnd;
        case VK_DELETE:
            return Key::kDelete;
        case VK_INSERT:
            return Key::kInsert;
        case 'A':
            return Key::kA;
        case 'C':
            return Key::kC;
        case 'V':
            return Key::kV;
        case 'X':
            return Key::kX;
        case 'Y':
            return Key::kY;
        case 'Z':
            return Key::kZ;
        default:
            return std::nullopt;
    }
}

}  // namespace

bool TextControl::Key(WPARAM key) {
    const std::optional<flg2scn::Key> known = KeyOf(key);
    return known && Run(*known);
}

bool TextControl::Run(flg2scn::Key key) {
    const HeldKeys held{Down(VK_CONTROL), Down(VK_SHIFT), Down(VK_MENU), false};
    const KeyCommand command = CommandOfKey(key, held, KeyStyle::kWindows);
    const std::size_t page = static_cast<std::size_t>(std::max(1, VisibleRows() - 1));
    switch (command.kind) {
        case KeyCommand::Kind::kNone:
            return false;
        case KeyCommand::Kind::kCopy:
        case KeyCommand::Kind::kCut:
            Copy(command.kind == KeyCommand::Kind::kCut);
            return true;
        case KeyCommand::Kind::kPaste:
            Paste();
            return true;
        default:
            break;
    }
    // Page Up and Page Down scroll the view by the rows that the caret moves.
    if (command.kind == KeyCommand::Kind::kMove) {
        if (command.move == TextEditor::Move::kPageUp) {
            SetTop(top_row_ - std::min(top_row_, page), left_);
        } else if (command.move == TextEditor::Move::kPageDown) {
            SetTop(top_row_ + page, left_);
        }
    }
    RunKeyCommand(editor_, command, page);
    Moved();
    return true;
}

// Typed characters; a character of a pair comes in a message of its own. Ctrl
// and a letter also come as a control character, which the key has done;
// Backspace (Ctrl+Backspace as DEL) and Enter come so only.
void TextControl::Char(wchar_t c) {
    if (c == L'\b' || c == 0x7F || c == L'\r') {
        const KeyCommand command =
            CommandOfKey(c == L'\r' ? flg2scn::Key::kEnter : flg2scn::Key::kBackspace,
                         HeldKeys{.ctrl = c == 0x7F}, KeyStyle::kWindows);
        RunKeyCommand(editor_, command, 1);
        Moved();
    } else if (c == L'\t' || c >= 0x20) {
        const char16_t typed = static_cast<char16_t>(c);
        editor_.Type(std::u16string_view(&typed, 1));
        Moved();
    }
}

TextEditor::Place TextControl::PlaceAt(LPARAM point) const {
    const int y = GET_Y_LPARAM(point);
    const int rows = y < 0 ? -((line_height_ - 1 - y) / line_height_) : y / line_height_;
    const std::size_t last = editor_.lines().rows() - 1;
    const std::size_t row =
        std::min(last, static_cast<std::size_t>(std::max(0, static_cast<int>(top_row_) + rows)));
    const HDC dc = ::GetDC(window_);
    const HGDIOBJ old = ::SelectObject(dc, font_);
    const std::vector<int> edges = Edges(dc, row);
    ::SelectObject(dc, old);
    ::ReleaseDC(window_, dc);
    const int x = GET_X_LPARAM(point) - kMargin + left_;
    std::size_t column =
        static_cast<std::size_t>(std::lower_bound(edges.begin(), edges.end(), x) - edges.begin());
    if (column == edges.size() || (column > 0 && x - edges[column - 1] < edges[column] - x)) {
        --column;
    }
    return {row, column};
}

void TextControl::Mouse(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_LBUTTONDOWN:
            ::SetFocus(window_);
            ::SetCapture(window_);
            dragging_ = true;
            editor_.PlaceCaret(PlaceAt(l), (w & MK_SHIFT) != 0);
            Moved();
            break;
        case WM_LBUTTONDBLCLK:
            editor_.SelectWord(PlaceAt(l));
            Moved();
            break;
        case WM_MOUSEMOVE:
            if (dragging_ && (w & MK_LBUTTON) != 0) {
                editor_.PlaceCaret(PlaceAt(l), true);
                Moved();
            }
            break;
        case WM_LBUTTONUP:
            if (dragging_) {
                ::ReleaseCapture();
            }
            dragging_ = false;
            break;
        default:
            dragging_ = false;
            break;
    }
}

// An EDIT control's menu. From the keyboard (Shift+F10) it opens at the caret.
void TextControl::ContextMenu(LPARAM point) {
    POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    if (point == -1) {
        ::GetCaretPos(&at);
        at.y += line_height_;
        ::ClientToScreen(window_, &at);
    }
    const bool selected = editor_.selection_start() != editor_.selection_end();
    const UINT if_selected = selected ? MF_STRING : MF_STRING | MF_GRAYED;
    const HMENU menu = ::CreatePopupMenu();
    ::AppendMenuW(menu, MF_STRING, kUndo, L"&Undo");
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, if_selected, kCut, L"Cu&t");
    ::AppendMenuW(menu, if_selected, kCopy, L"&Copy");
    ::AppendMenuW(menu, ::IsClipboardFormatAvailable(CF_UNICODETEXT) ? MF_STRING : MF_GRAYED,
                  kPaste, L"&Paste");
    ::AppendMenuW(menu, if_selected, kDelete, L"&Delete");
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, kSelectAll, L"Select &All");
    const UINT chosen = static_cast<UINT>(
        ::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr));
    ::DestroyMenu(menu);
    switch (chosen) {
        case kUndo:
            editor_.Undo();
            Moved();
            break;
        case kCut:
        case kCopy:
            Copy(chosen == kCut);
            break;
        case kPaste:
            Paste();
            break;
        case kDelete:
            editor_.Erase(true, false);
            Moved();
            break;
        case kSelectAll:
            editor_.SelectAll();
            Moved();
            break;
        default:
            break;
    }
}

// The clipboard's text ends at a NUL: a NUL in the selection ends what is copied.
void TextControl::Copy(bool cut) {
    const std::u16string_view selected = editor_.Selected();
    if (selected.empty()) {
        return;
    }
    if (::OpenClipboard(window_)) {
        ::EmptyClipboard();
        if (const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (selected.size() + 1) * 2)) {
            auto* units = static_cast<wchar_t*>(::GlobalLock(memory));
            std::copy(selected.begin(), selected.end(), units);
            units[selected.size()] = L'\0';
            ::GlobalUnlock(memory);
            if (::SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
                ::GlobalFree(memory);
            }
        }
        ::CloseClipboard();
    }
    if (cut) {
        editor_.Erase(false, false);
        Moved();
    }
}

void TextControl::Paste() {
    if (!::IsClipboardFormatAvailable(CF_UNICODETEXT) || !::OpenClipboard(window_)) {
        return;
    }
    std::u16string pasted;
    if (const HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* units = static_cast<const wchar_t*>(::GlobalLock(data))) {
            pasted.assign(units, units + ::wcsnlen(units, ::GlobalSize(data) / 2));
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    editor_.Paste(PastedText(pasted));
    Moved();
}

}  // namespace flg2scn
