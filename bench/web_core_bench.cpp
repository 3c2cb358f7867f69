// The core under node, two ways: a flag file's bytes converted as they come, as
// flg2scn-cli converts them ("bytes"), and the same bytes made the text that
// Load shows, converted and made Save's bytes, as the page does ("text"). Prints
// the milliseconds of the fastest of five runs of each. Reads FILE through
// node's file system.
//
// Usage: node flg2scn-web-core-bench.js FILE

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <variant>

#include "conversion/flag_conversion.h"
#include "conversion/flag_stream.h"
#include "system/text_file.h"
#include "vb6/line_reading.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: flg2scn-web-core-bench FILE\n");
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    const auto fastest = [](const auto& convert) {
        double best = 0;
        std::size_t out = 0;
        for (int run = 0; run < 5; ++run) {
            const auto start = std::chrono::steady_clock::now();
            out = convert();
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            best = run == 0 || took.count() < best ? took.count() : best;
        }
        std::printf("%.0f ms, %zu bytes out\n", best, out);
    };
    std::printf("%zu bytes in\nbytes: ", bytes.size());
    fastest([&] {
        flg2scn::FlagStreamConverter converter;
        constexpr std::size_t kPiece = std::size_t{128} << 10;  // as flg2scn-cli reads
        for (std::size_t at = 0; at < bytes.size(); at += kPiece) {
            converter.Feed(std::string_view(bytes).substr(at, kPiece));
        }
        const flg2scn::FileConversion result = converter.Finish();
        const auto* scenario = std::get_if<std::string>(&result);
        return scenario != nullptr ? scenario->size() : 0;
    });
    std::printf("text: ");
    fastest([&] {
        const flg2scn::Conversion result = flg2scn::ConvertFlagText(flg2scn::DecodeLines(bytes));
        const auto* scenario = std::get_if<std::u16string>(&result);
        return scenario != nullptr ? flg2scn::TextFileBytes(*scenario).size() : 0;
    });
    return 0;
}
