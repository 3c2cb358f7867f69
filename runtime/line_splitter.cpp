#include "runtime/line_splitter.h"

namespace flg2scn {

void LineSplitter::Feed(std::string_view piece) {
    if (piece.empty()) {
        return;
    }
    std::size_t start = after_cr_ && piece.front() == '\n' ? 1 : 0;
    after_cr_ = false;
    while (start < piece.size()) {
        const std::size_t cr = piece.find('\r', start);
        if (cr == std::string_view::npos) {
            on_part_(piece.substr(start), false);
            in_line_ = true;
            return;
        }
        on_part_(piece.substr(start, cr - start), true);
        in_line_ = false;
        if (cr + 1 == piece.size()) {
            after_cr_ = true;
            return;
        }
        start = cr + (piece[cr + 1] == '\n' ? 2 : 1);
    }
}

void LineSplitter::Finish() {
    if (in_line_) {
        on_part_({}, true);
        in_line_ = false;
    }
    after_cr_ = false;
}

}  // namespace flg2scn
