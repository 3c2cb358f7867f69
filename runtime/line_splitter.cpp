#include "runtime/line_splitter.h"

namespace flg2scn {

void LineSplitter::Emit(std::string_view tail) {
    if (has_partial_) {
        partial_ += tail;
        on_line_(partial_);
        partial_.clear();
        has_partial_ = false;
    } else {
        on_line_(tail);
    }
}

void LineSplitter::Feed(std::string_view piece) {
    if (piece.empty()) {
        return;
    }
    std::size_t start = after_cr_ && piece.front() == '\n' ? 1 : 0;
    after_cr_ = false;
    while (start < piece.size()) {
        const std::size_t cr = piece.find('\r', start);
        if (cr == std::string_view::npos) {
            partial_ += piece.substr(start);
            has_partial_ = true;
            return;
        }
        Emit(piece.substr(start, cr - start));
        if (cr + 1 == piece.size()) {
            after_cr_ = true;
            return;
        }
        start = cr + (piece[cr + 1] == '\n' ? 2 : 1);
    }
}

void LineSplitter::Finish() {
    if (has_partial_) {
        Emit({});
    }
    after_cr_ = false;
}

}  // namespace flg2scn
