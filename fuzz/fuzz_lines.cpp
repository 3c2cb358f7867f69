// Reading a file's bytes: the line splitter gives the same lines however the
// bytes are cut, and the code page gives every byte back.

#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_input.h"
#include "vb6/code_page.h"
#include "vb6/line_reading.h"
#include "vb6/line_splitter.h"

using flg2scn::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t piece_size = 1 + data[0] % 16;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    std::u16string split;
    flg2scn::LineSplitter splitter([&](std::string_view part, bool line_ends) {
        Require(!part.empty() || line_ends);
        split += flg2scn::DecodeText(part);
        if (line_ends) {
            split += u"\r\n";
        }
    });
    for (std::size_t at = 0; at < bytes.size(); at += piece_size) {
        splitter.Feed(bytes.substr(at, piece_size));
    }
    splitter.Finish();
    Require(split == flg2scn::DecodeLines(bytes));

    Require(flg2scn::EncodeText(flg2scn::DecodeText(bytes)) == bytes);
    return 0;
}
