#include "vb6/line_splitter.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace flg2scn {

namespace {

// The position of the first CR or LF at or after `from`, or npos. One pass finds
// both, where two memchr calls a line would read each line twice; most lines of
// a flag file are short notes, so the call per line is what costs.
std::size_t FindBreak(std::string_view bytes, std::size_t from) {
    std::size_t at = from;
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; at + 16 <= bytes.size(); at += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + at));
        const int found =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, cr), _mm_cmpeq_epi8(block, lf)));
        if (found != 0) {
            return at + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(found)));
        }
    }
#endif
    for (; at < bytes.size(); ++at) {
        if (bytes[at] == '\r' || bytes[at] == '\n') {
            return at;
        }
    }
    return std::string_view::npos;
}

// Whether a line that begins with `c` is one that the flag rules read.
bool StartsReadLine(char c) {
    return c == '#' || c == '<';
}

}  // namespace

void LineSplitter::Feed(std::string_view piece) {
    if (piece.empty()) {
        return;
    }
    saw_hidden_line_ = saw_hidden_line_ || (after_lone_lf_ && StartsReadLine(piece.front()));
    after_lone_lf_ = false;
    std::size_t start = after_cr_ && piece.front() == '\n' ? 1 : 0;
    after_cr_ = false;
    std::size_t from = start;
    while (start < piece.size()) {
        // Once a hidden line has been seen, only CRs matter: a file with LF line
        // ends would otherwise stop the search at every line.
        const std::size_t found =
            saw_hidden_line_ ? piece.find('\r', from) : FindBreak(piece, from);
        if (found == std::string_view::npos) {
            on_part_(piece.substr(start), false);
            in_line_ = true;
            return;
        }
        if (piece[found] == '\n') {
            from = found + 1;
            if (from == piece.size()) {
                after_lone_lf_ = true;
            } else {
                saw_hidden_line_ = StartsReadLine(piece[from]);
            }
            continue;
        }
        on_part_(piece.substr(start, found - start), true);
        in_line_ = false;
        if (found + 1 == piece.size()) {
            after_cr_ = true;
            return;
        }
        start = found + (piece[found + 1] == '\n' ? 2 : 1);
        from = start;
    }
}

void LineSplitter::Finish() {
    if (in_line_) {
        on_part_({}, true);
    }
}

}  // namespace flg2scn
