#include "conversion/problem.h"

namespace flg2scn {

std::string_view ProblemText(Problem problem) {
    switch (problem) {
        case Problem::kNothingToConvert:
            return "Nothing to convert!";
        case Problem::kNoHeader:
            return "No # header.";
        case Problem::kWrongFlagCount:
            return "Incorrect number of flag locations.";
        case Problem::kFailure:
            break;
    }
    // "proccessing" is kept as it is: users and their scripts know the text.
    return "An error occurred while proccessing the flag data.";
}

}  // namespace flg2scn
