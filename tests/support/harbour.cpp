#include "support/harbour.h"

#include "support/temp_dir.h"

namespace flg2scn::test {

const std::u16string& HarbourScenario() {
    static const std::u16string text = [] {
        const std::string bytes = ReadBytes(FLG2SCN_TEST_DATA "/harbour.scn");
        return std::u16string(bytes.begin(), bytes.end());
    }();
    return text;
}

}  // namespace flg2scn::test
