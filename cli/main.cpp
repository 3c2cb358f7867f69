// flg2scn-cli: converts flag files (.flg) into scenario files (.scn) in batch, by
// the same rules as the window's Load, Convert and Save.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch_conversion.h"
#include "system/console.h"
#include "system/file_reading.h"
#include "system/file_system.h"
#include "system/interruption.h"
#include "system/path_names.h"
#include "system/program_arguments.h"
#include "version.h"

namespace {

constexpr const char* kUsage =
    "Usage: flg2scn-cli [-o OUTPUT] FILE...\n"
    "Converts flag files (.flg) into scenario files (.scn).\n"
    "\n"
    "Each FILE's scenario is written beside it, with .flg replaced by .scn\n"
    "(or .scn appended). A FILE of - is standard input, written to standard output;\n"
    "so is a FILE that is a pipe.\n"
    "\n"
    "  -o, --output OUTPUT  write the scenario of the one FILE to OUTPUT (- for\n"
    "                       standard output)\n"
    "  -h, --help           show this help and exit\n"
    "  -v, -V, --version    show the version and exit\n"
    "\n"
    "Exit status: 0 if every file converted, 1 if any failed, 2 for a usage error.\n";

// For a double-click on the program, which gives it no file: what to do
// instead, in a console that the user cannot type into.
constexpr const char* kHowToStart =
    "flg2scn-cli converts flag files (.flg) into scenario files (.scn).\n"
    "\n"
    "To use it, drop one or more .flg files on the icon of flg2scn-cli.exe:\n"
    "each scenario is written beside its flag file. Or run it in a console\n"
    "(cmd), for example: flg2scn-cli *.flg\n"
    "\n"
    "flg2scn-cli /? in a console tells more.\n";

constexpr int kUsageError = 2;

int UsageError(const std::string& problem) {
    std::fprintf(stderr, "flg2scn-cli: %s\n", problem.c_str());
    std::fprintf(stderr, "Try 'flg2scn-cli --help' for more information.\n");
    return kUsageError;
}

// Runs the program on its arguments; says in `done` how many files converted.
int Run(const std::vector<std::string>& args, std::string& done) {
    std::optional<std::string> output;
    std::vector<std::string> files;
    bool options_done = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool help = arg == "-h" || arg == "--help" || flg2scn::IsSystemHelpOption(arg);
        if (options_done || arg == "-" || (!arg.starts_with('-') && !help)) {
            files.emplace_back(arg);
        } else if (arg == "--") {
            options_done = true;
        } else if (help) {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (arg == "-v" || arg == "-V" || arg == "--version") {
            std::printf("flg2scn-cli %s\n", FLG2SCN_VERSION);
            return 0;
        } else if (arg.starts_with("-o") || arg == "--output" || arg.starts_with("--output=")) {
            // -o OUTPUT, -oOUTPUT, --output OUTPUT or --output=OUTPUT, once.
            if (output) {
                return UsageError("multiple output files specified");
            }
            const bool separate = arg == "-o" || arg == "--output";
            if (separate && i + 1 == args.size()) {
                return UsageError("option " + std::string(arg) + " needs an OUTPUT");
            }
            output = separate ? args[++i] : std::string(arg.substr(arg.starts_with("--") ? 9 : 2));
        } else {
            return UsageError("unknown option " + std::string(arg));
        }
    }
    const bool own_console = flg2scn::HasOwnConsole();
    if (files.empty() && args.size() == 1 && own_console) {
        std::fputs(kHowToStart, stdout);
        return kUsageError;
    }
    if (files.empty()) {
        return UsageError("no FILE given");
    }
    if (output && files.size() != 1) {
        return UsageError("-o takes exactly one FILE");
    }
    if (output && output->empty()) {
        return UsageError("-o needs an OUTPUT");
    }

    // A failure is told on standard error; a console of the program's own, which
    // shows nothing else, also lists each file converted.
    std::size_t failed = 0;
    flg2scn::BatchConversion batch([&failed, own_console](
                                       const std::string& file, const std::string& output,
                                       const flg2scn::ConversionFailure* failure) {
        if (failure == nullptr) {
            if (own_console) {
                std::printf("flg2scn-cli: %s: converted into %s\n", file.c_str(), output.c_str());
                std::fflush(stdout);
            }
            return;
        }
        ++failed;
        std::fprintf(stderr, "flg2scn-cli: %s: %s\n", file.c_str(), failure->message.c_str());
        if (!failure->hint.empty()) {
            std::fprintf(stderr, "flg2scn-cli: %s: %s\n", file.c_str(), failure->hint.c_str());
        }
    });
    // Ctrl+C keeps the files converted before it, and ends the run as it would.
    flg2scn::CatchInterruptions();
    try {
        for (const std::string& file : files) {
            // A pipe has no folder to write beside it, and standard input or
            // another open file named by its descriptor has none of its own: its
            // scenario goes where standard input's does.
            const bool stream = file == flg2scn::kStandardStream || flg2scn::IsPipe(file) ||
                                flg2scn::DescriptorNamed(file).has_value();
            batch.Convert(file, output   ? *output
                                : stream ? std::string(flg2scn::kStandardStream)
                                         : flg2scn::ScenarioFileName(file));
        }
    } catch (const flg2scn::Interruption&) {
    }
    const bool all_converted = batch.Finish();
    if (flg2scn::Interrupted()) {
        flg2scn::EndAsInterrupted();
    }
    done = "flg2scn-cli: " + std::to_string(files.size() - failed) + " of " +
           std::to_string(files.size()) + (files.size() == 1 ? " file" : " files") + " converted.";
    return all_converted ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    flg2scn::SetUpStandardStreams();
    std::string done;
    const int status = Run(flg2scn::ProgramArguments(argc, argv), done);
    flg2scn::KeepOwnConsoleOpen(done);
    return status;
}
