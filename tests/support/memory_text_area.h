#pragma once

#include <string>
#include <string_view>

#include "commands/services.h"

namespace flg2scn::test {

// A text area that is only a text.
class MemoryTextArea : public TextArea {
  public:
    explicit MemoryTextArea(std::u16string text) : text_(std::move(text)) {}

    std::u16string_view Text() override { return text_; }
    void SetText(std::u16string text) override { text_ = std::move(text); }
    void AppendText(std::u16string_view text) override { text_ += text; }

  private:
    std::u16string text_;
};

}  // namespace flg2scn::test
