#include "conversion/problem.h"

namespace flg2scn {

ProblemMessage MessageFor(Problem problem) {
    switch (problem) {
        case Problem::kNothingToConvert:
            return {u"Nothing to convert!", u"Error", MessageIcon::kError};
        case Problem::kNoHeader:
            return {u"No # header.", u"Error", MessageIcon::kWarning};
        case Problem::kWrongFlagCount:
            return {u"Incorrect number of flag locations.", u"Error", MessageIcon::kWarning};
        case Problem::kFailure:
            break;
    }
    return {u"An error occurred while proccessing the flag data.", u"Error!", MessageIcon::kError};
}

}  // namespace flg2scn
