#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "commands/services.h"

namespace flg2scn::test {

// A text area that is only a text; it can be made to fail when read.
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

    std::u16string text;
    bool fail_reading = false;
    int sets = 0;
};

struct Message {
    std::u16string text;
    std::u16string title;
    MessageIcon icon;
    bool operator==(const Message&) const = default;
};

// Keeps every message instead of showing it; a question, kept with the warning
// icon, gets the scripted choice.
struct RecordingMessageBox : MessageBox {
    void Tell(std::u16string_view text, std::u16string_view title, MessageIcon icon) override {
        shown.push_back({std::u16string(text), std::u16string(title), icon});
    }
    SaveChoice AskToSave(std::u16string_view text, std::u16string_view title) override {
        Tell(text, title, MessageIcon::kWarning);
        return choice;
    }
    std::vector<Message> shown;
    SaveChoice choice = SaveChoice::kCancel;
};

// Answers each dialog with the next scripted file name ("" cancels) and records
// each showing as "open" or "save", the filter and the name it started with.
struct ScriptedFileDialog : FileDialog {
    void SetFilter(std::u16string filter) override { filter_ = std::move(filter); }
    void SetFileName(std::u16string name) override { name_ = std::move(name); }
    std::u16string FileName() const override { return name_; }
    void ShowOpen() override { Show(u"open "); }
    void ShowSave() override { Show(u"save "); }
    void Show(const std::u16string& kind) {
        shown.push_back(kind + filter_ + u" [" + name_ + u"]");
        name_ = answers.empty() ? u"" : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
    }

    std::deque<std::u16string> answers;
    std::vector<std::u16string> shown;
    std::u16string filter_;
    std::u16string name_;
};

}  // namespace flg2scn::test
