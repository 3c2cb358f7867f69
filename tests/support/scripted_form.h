#pragma once

#include <QAction>
#include <QString>
#include <memory>
#include <string>

#include "support/recording_message_box.h"
#include "support/scripted_file_dialog.h"
#include "ui/main_window.h"
#include "ui/qt_text_area.h"

namespace flg2scn::test {

inline QString Q(std::u16string_view text) {
    return QString::fromStdU16String(std::u16string(text));
}

// A window whose message boxes are recorded and whose file dialog answers from
// a script; `messages` and `dialog` live as long as the window.
struct ScriptedForm {
    ScriptedForm() {
        auto box = std::make_unique<RecordingMessageBox>();
        auto scripted = std::make_unique<ScriptedFileDialog>();
        messages = box.get();
        dialog = scripted.get();
        form = std::make_unique<MainWindow>(std::move(box), std::move(scripted));
    }

    QAction* Action(const char* name) const { return form->findChild<QAction*>(name); }
    void Convert() const { Action("mnuConvert")->trigger(); }
    // Chooses Load or Save, with `path` as the dialog's answer ("" cancels).
    void Load(const std::string& path) const { Choose("mnuLoadFLG", path); }
    void Save(const std::string& path) const { Choose("mnuSaveSCN", path); }

    QString Text() const { return Q(QtTextArea(form->textEdit()).Text()); }
    void SetText(std::u16string_view text) const {
        QtTextArea(form->textEdit()).SetText(std::u16string(text));
    }
    // The one message shown so far, or "" when none or several were.
    QString OnlyMessage() const {
        return messages->shown.size() == 1 ? Q(messages->shown[0].text) : QString();
    }

    std::unique_ptr<MainWindow> form;
    RecordingMessageBox* messages = nullptr;
    ScriptedFileDialog* dialog = nullptr;

  private:
    void Choose(const char* action, const std::string& answer) const {
        dialog->answers.push_back(QString::fromStdString(answer).toStdU16String());
        Action(action)->trigger();
    }
};

}  // namespace flg2scn::test
