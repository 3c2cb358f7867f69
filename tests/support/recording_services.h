#pragma once

#include <cstddef>
#include <deque>
#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "commands/services.h"
#include "system/file_error.h"

namespace flg2scn::test {

// A text area that is only a text; it can be made to fail when read. Setting
// `text` directly stands for the user's edits.
struct MemoryTextArea : TextArea {
    explicit MemoryTextArea(std::u16string start = {}) : text(std::move(start)) {}
    std::u16string_view Text() override {
        if (fail_reading) {
            throw std::runtime_error("the text area cannot be read");
        }
        return text;
    }
    void SetText(std::u16string replacement) override { text = std::move(replacement), ++sets; }
    void AppendText(std::u16string_view more) override { text += more; }
    bool Changed() override { return text != unchanged; }
    void SetUnchanged() override { unchanged = text; }

    std::u16string text;
    std::u16string unchanged;
    bool fail_reading = false;
    int sets = 0;
};

// A message's text, title and icon.
using Message = std::tuple<std::string, std::string, MessageIcon>;

// Keeps every message instead of showing it; a question, kept with the warning
// icon, gets the scripted choice.
struct RecordingMessageBox : MessageBoxService {
    void Tell(std::string_view text, std::string_view title, MessageIcon icon) override {
        shown.emplace_back(text, title, icon);
    }
    SaveChoice AskToSave(std::string_view text, std::string_view title) override {
        Tell(text, title, MessageIcon::kWarning);
        return choice;
    }
    std::vector<Message> shown;
    SaveChoice choice = SaveChoice::kCancel;
};

// Answers each dialog with the next scripted file name ("" or none left
// cancels) and records each asking as "open START" or "save FOLDER".
struct ScriptedFileDialog : FileDialog {
    std::optional<std::filesystem::path> AskOpen(const std::filesystem::path& start) override {
        return Answer("open " + start.string());
    }
    std::optional<std::filesystem::path> AskSave(const std::filesystem::path& folder) override {
        return Answer("save " + folder.string());
    }
    std::optional<std::filesystem::path> Answer(std::string what) {
        asked.push_back(std::move(what));
        const std::string answer = answers.empty() ? "" : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return answer.empty() ? std::nullopt : std::optional<std::filesystem::path>(answer);
    }

    std::deque<std::string> answers;
    std::vector<std::string> asked;
};

// Files that are only bytes by name, as a front end without a file system has
// them. A name in `refused` fails with its reason, reading or writing; a name
// not there cannot be read. Keeps the size limit it was last given.
struct MemoryFiles : FileStore {
    std::string ReadBytes(const std::filesystem::path& name, std::size_t max_bytes) override {
        limit = max_bytes;
        Refuse(FileError::Operation::kRead, name);
        const auto file = files.find(name.string());
        if (file == files.end()) {
            throw FileError(FileError::Operation::kRead, name.string(), "No such file");
        }
        return file->second;
    }
    void ReplaceBytes(const std::filesystem::path& name, std::string_view bytes) override {
        Refuse(FileError::Operation::kWrite, name);
        files[name.string()] = bytes;
    }
    void Refuse(FileError::Operation operation, const std::filesystem::path& name) const {
        if (const auto reason = refused.find(name.string()); reason != refused.end()) {
            throw FileError(operation, name.string(), reason->second);
        }
    }

    std::map<std::string, std::string> files;
    std::map<std::string, std::string> refused;
    std::size_t limit = 0;
};

}  // namespace flg2scn::test
