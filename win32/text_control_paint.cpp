// The text area as drawn: the rows in sight, the selection, and each control
// character as its name in a small box.

#include "win32/text_control.h"

#include <algorithm>

#include "commands/control_symbols.h"
#include "system/windows_text.h"

namespace flg2scn {

namespace {}  // namespace

std::vector<int> TextControl::Edges(HDC dc, std::size_t row) const {
    const TextLines& lines = editor_.lines();
    const std::size_t start = lines.RowStart(row);
    const std::wstring text =
        WideOf(std::u16string_view(editor_.text()).substr(start, lines.RowEnd(row) - start));
    std::vector<int> edges(text.size() + 1, 0);
    std::vector<int> extents(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == L'\t') {
            edges[i + 1] = (edges[i] / char_width_ / 8 + 1) * 8 * char_width_;
            ++i;
        } else if (ShownAsSymbol(text[i])) {
            edges[i + 1] = edges[i] + 2 * char_width_;
            ++i;
        } else {
            std::size_t end = i + 1;
            while (end < text.size() && text[end] != L'\t' && !ShownAsSymbol(text[end])) {
                ++end;
            }
            SIZE size{};
            ::GetTextExtentExPointW(dc, text.data() + i, static_cast<int>(end - i), 0, nullptr,
                                    extents.data(), &size);
            for (std::size_t k = i; k < end; ++k) {
                edges[k + 1] = edges[i] + extents[k - i];
            }
            i = end;
        }
    }
    return edges;
}

// Drawn into a bitmap first, then onto the screen at once: no flicker.
void TextControl::Paint() {
    PAINTSTRUCT paint;
    const HDC screen = ::BeginPaint(window_, &paint);
    RECT client{};
    ::GetClientRect(window_, &client);
    const HDC dc = ::CreateCompatibleDC(screen);
    const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, client.right, client.bottom);
    const HGDIOBJ old_bitmap = ::SelectObject(dc, bitmap);
    const HGDIOBJ old_font = ::SelectObject(dc, font_);
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_WINDOW));
    ::SetBkMode(dc, TRANSPARENT);
    int y = 0;
    for (std::size_t row = top_row_; row < editor_.lines().rows() && y < client.bottom; ++row) {
        PaintRow(dc, row, y);
        y += line_height_;
    }
    ::BitBlt(screen, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    ::SelectObject(dc, old_font);
    ::SelectObject(dc, old_bitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
    ::EndPaint(window_, &paint);
}

void TextControl::PaintRow(HDC dc, std::size_t row, int y) {
    const TextLines& lines = editor_.lines();
    const std::size_t start = lines.RowStart(row);
    const std::size_t end = lines.RowEnd(row);
    const std::wstring text =
        WideOf(std::u16string_view(editor_.text()).substr(start, end - start));
    const std::vector<int> edges = Edges(dc, row);
    const int x = kMargin - left_;
    const std::size_t from = std::max(editor_.selection_start(), start);
    const std::size_t to = std::min(editor_.selection_end(), end);
    const auto selected = [&](std::size_t i) { return start + i >= from && start + i < to; };
    if (editor_.selection_start() < editor_.selection_end() && from <= to) {
        // A selection that goes on past the row shows its line break too.
        const int past = editor_.selection_end() > end ? char_width_ / 2 : 0;
        RECT box{x + edges[from - start], y, x + edges[to - start] + past, y + line_height_};
        ::FillRect(dc, &box, ::GetSysColorBrush(COLOR_HIGHLIGHT));
    }
    for (std::size_t i = 0; i < text.size();) {
        const COLORREF color = ::GetSysColor(selected(i) ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
        if (text[i] == L'\t') {
            ++i;
        } else if (ShownAsSymbol(text[i])) {
            RECT box{x + edges[i] + 1, y + 2, x + edges[i + 1] - 1, y + line_height_ - 2};
            ::FillRect(dc, &box, ::GetSysColorBrush(COLOR_BTNFACE));
            const std::wstring name = WideOf(ControlName(text[i]));
            const HGDIOBJ old = ::SelectObject(dc, small_font_);
            ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
            ::DrawTextW(dc, name.c_str(), static_cast<int>(name.size()), &box,
                        DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            ::SelectObject(dc, old);
            ++i;
        } else {
            std::size_t run = i + 1;
            while (run < text.size() && text[run] != L'\t' && !ShownAsSymbol(text[run]) &&
                   selected(run) == selected(i)) {
                ++run;
            }
            ::SetTextColor(dc, color);
            ::ExtTextOutW(dc, x + edges[i], y, 0, nullptr, text.data() + i,
                          static_cast<UINT>(run - i), nullptr);
            i = run;
        }
    }
}

}  // namespace flg2scn
