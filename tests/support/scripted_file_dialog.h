#pragma once

#include <deque>
#include <string>
#include <vector>

#include "commands/services.h"

namespace flg2scn::test {

// Answers each dialog with the next scripted file name ("" cancels) and records
// how each was shown.
class ScriptedFileDialog : public FileDialog {
  public:
    struct Shown {
        bool save;
        std::u16string filter;
        std::u16string start_name;
    };

    void SetFilter(std::u16string filter) override { filter_ = std::move(filter); }
    void SetFileName(std::u16string name) override { name_ = std::move(name); }
    std::u16string FileName() const override { return name_; }
    void ShowOpen() override { Show(false); }
    void ShowSave() override { Show(true); }

    std::deque<std::u16string> answers;
    std::vector<Shown> shown;

  private:
    void Show(bool save) {
        shown.push_back({save, filter_, name_});
        name_ = answers.empty() ? u"" : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
    }

    std::u16string filter_;
    std::u16string name_;
};

}  // namespace flg2scn::test
