#include "commands/convert_command.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "support/harbour.h"
#include "support/recording_message_box.h"

namespace flg2scn {
namespace {

class RecordingTextArea : public TextArea {
  public:
    explicit RecordingTextArea(std::u16string text) : text_(std::move(text)) {}

    std::u16string_view Text() override {
        if (fail_reading) {
            throw std::runtime_error("the text area cannot be read");
        }
        return text_;
    }
    void SetText(std::u16string text) override {
        ++replacements;
        text_ = std::move(text);
    }
    void AppendText(std::u16string_view text) override { text_ += text; }

    const std::u16string& text() const { return text_; }
    bool fail_reading = false;
    int replacements = 0;

  private:
    std::u16string text_;
};

using test::Message;
using test::RecordingMessageBox;

const Message kNothing{u"Nothing to convert!", u"Error", MessageIcon::kError};
const Message kNoHeader{u"No # header.", u"Error", MessageIcon::kWarning};
const Message kCount{u"Incorrect number of flag locations.", u"Error", MessageIcon::kWarning};
const Message kFailure{u"An error occurred while proccessing the flag data.", u"Error!",
                       MessageIcon::kError};

TEST(ConvertCommand, FailuresAreToldAndKeepTheText) {
    const struct {
        std::u16string text;
        Message message;
        std::u16string text_after;
    } samples[] = {
        {u"", kNothing, u""},
        {u"x", kNoHeader, u"x\r\n"},
        {u"\r", kNoHeader, u"\r\r\n"},
        {u"<1 2 3>\r\n<4 5 6>\r\n", kNoHeader, u"<1 2 3>\r\n<4 5 6>\r\n"},
        {u"#\r\n<1 2 3>\r\n<4 5 6>", kNoHeader, u"#\r\n<1 2 3>\r\n<4 5 6>\r\n"},
        {u"#H\r\n#\r\n<1 2 3>\r\n<4 5 6>\r\n", kNoHeader, u"#H\r\n#\r\n<1 2 3>\r\n<4 5 6>\r\n"},
        {u"<1 2 3>\r\n", kNoHeader, u"<1 2 3>\r\n"},
        {u"#H\r\n<1 2 3>", kCount, u"#H\r\n<1 2 3>\r\n"},
        {u"#H\r\n", kCount, u"#H\r\n"},
        {u"#H\r\n<1 2 3>\r\n<1 2 3>\r\n<1 2 3>\r\n", kCount,
         u"#H\r\n<1 2 3>\r\n<1 2 3>\r\n<1 2 3>\r\n"},
        {u"#H\r\n<1 2 3>\r\n<1 2 3>\r\n<1 2 3>\r\n<1 2 3>", kFailure,
         u"#H\r\n<1 2 3>\r\n<1 2 3>\r\n<1 2 3>\r\n<1 2 3>\r\n"},
        {u"#H\r\n<10>\r\n<1 2 3>", kFailure, u"#H\r\n<10>\r\n<1 2 3>\r\n"},
        {u"#H\r\n<10 20>\r\n<1 2 3>\r\n", kFailure, u"#H\r\n<10 20>\r\n<1 2 3>\r\n"},
        {u"#H\r\n<10 20 \r\n<1 2 3>\r\n", kFailure, u"#H\r\n<10 20 \r\n<1 2 3>\r\n"},
        {u"#H\r\n<1e400 2 3>\r\n<1 2 3>\r\n", kFailure, u"#H\r\n<1e400 2 3>\r\n<1 2 3>\r\n"},
        // A lone LF is inside the header line: one flag line is left.
        {u"#A\n<1 2 3>\r\n<4 5 6>\r\n", kCount, u"#A\n<1 2 3>\r\n<4 5 6>\r\n"},
        // Converting the scenario again finds no header.
        {std::u16string(test::kHarbourScenario), kNoHeader, std::u16string(test::kHarbourScenario)},
    };
    for (const auto& sample : samples) {
        RecordingTextArea text1(sample.text);
        RecordingMessageBox messages;
        ConvertCommand(text1, messages);
        EXPECT_EQ(messages.shown, std::vector<Message>{sample.message})
            << ::testing::PrintToString(sample.text);
        EXPECT_EQ(text1.text(), sample.text_after) << ::testing::PrintToString(sample.text);
        EXPECT_EQ(text1.replacements, 0);
    }
}

TEST(ConvertCommand, SuccessReplacesTheTextSilently) {
    const std::u16string flag_texts[] = {
        std::u16string(test::kHarbourFlags),
        u"#Harbour\r\n<100 200 40>\r\n<1024 512 96>",
        u"#Old\r\nnotes\r\n<100 200 40>\r\n\r\n #x\r\n<1024 512 96>\r\n#Harbour\r\n",
    };
    for (const auto& flag_text : flag_texts) {
        RecordingTextArea text1(flag_text);
        RecordingMessageBox messages;
        ConvertCommand(text1, messages);
        EXPECT_TRUE(messages.shown.empty()) << ::testing::PrintToString(flag_text);
        EXPECT_EQ(text1.text(), test::kHarbourScenario) << ::testing::PrintToString(flag_text);
        EXPECT_EQ(text1.replacements, 1);
    }
}

TEST(ConvertCommand, ATextAreaThatFailsIsToldAsAFailure) {
    RecordingTextArea text1{std::u16string(test::kHarbourFlags)};
    text1.fail_reading = true;
    RecordingMessageBox messages;
    ConvertCommand(text1, messages);
    EXPECT_EQ(messages.shown, std::vector<Message>{kFailure});
    EXPECT_EQ(text1.text(), test::kHarbourFlags);
}

}  // namespace
}  // namespace flg2scn
