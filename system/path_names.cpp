#include "system/path_names.h"

#include <filesystem>
#include <random>

namespace flg2scn {

std::string FolderOf(const std::string& path, PathStyle style) {
    const bool windows = style == PathStyle::kWindows;
    const std::size_t slash = path.find_last_of(windows ? "/\\" : "/");
    const bool drive = windows && path.find(':') == 1;
    if (slash == std::string::npos) {
        return drive ? path.substr(0, 2) : ".";
    }
    // A root keeps its separator: without it, it would be another folder.
    const bool root = slash == 0 || (drive && slash == 2);
    return path.substr(0, root ? slash + 1 : slash);
}

std::string HiddenName(const std::string& folder, PathStyle style) {
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    const std::string_view ends = style == PathStyle::kWindows ? "/\\:" : "/";
    std::string name = folder;
    if (ends.find(name.back()) == std::string_view::npos) {
        name += style == PathStyle::kWindows ? '\\' : '/';
    }
    name += ".flg2scn-";
    for (int i = 0; i < 6; ++i) {
        name += kLetters[pick(generator)];
    }
    return name;
}

std::string HiddenNameFor(const std::string& target, PathStyle style) {
    const std::size_t slash = target.find_last_of(style == PathStyle::kWindows ? "/\\:" : "/");
    const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
    return target.substr(0, name) + "." + target.substr(name) + ".flg2scn";
}

bool IsPipeName(std::string_view path) {
    constexpr std::string_view kPipes = "\\\\.\\pipe\\";
    return path.size() > kPipes.size() && path.starts_with(kPipes);
}

std::optional<int> DescriptorNamed(std::string_view path, PathStyle style) {
    // Every such name is absolute; most names are not, and need no normalizing.
    if (style == PathStyle::kWindows || !path.starts_with('/')) {
        return std::nullopt;
    }
    const std::string name = std::filesystem::path(path).lexically_normal().generic_string();
    constexpr std::string_view kStreams[] = {"/dev/stdin", "/dev/stdout", "/dev/stderr"};
    for (int stream = 0; stream < 3; ++stream) {
        if (name == kStreams[stream]) {
            return stream;
        }
    }
    std::string_view number = name;
    for (const std::string_view folder : {"/dev/fd/", "/proc/self/fd/"}) {
        if (number.starts_with(folder)) {
            number.remove_prefix(folder.size());
            // Digits only, few enough for an int: anything else names no descriptor.
            if (number.empty() || number.size() > 9 ||
                number.find_first_not_of("0123456789") != std::string_view::npos) {
                return std::nullopt;
            }
            return std::stoi(std::string(number));
        }
    }
    return std::nullopt;
}

}  // namespace flg2scn
