#include "conversion/problem.h"

namespace flg2scn {

std::u16string_view ProblemText(Problem problem) {
    switch (problem) {
        case Problem::kNothingToConvert:
            return u"Nothing to convert!";
        case Problem::kNoHeader:
            return u"No # header.";
        case Problem::kWrongFlagCount:
            return u"Incorrect number of flag locations.";
        case Problem::kFailure:
            break;
    }
    return u"An error occurred while proccessing the flag data.";
}

}  // namespace flg2scn
