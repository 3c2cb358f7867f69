#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "commands/services.h"

namespace flg2scn::test {

struct Message {
    std::u16string text;
    std::u16string title;
    MessageIcon icon;

    bool operator==(const Message&) const = default;
};

// Keeps every message instead of showing it.
class RecordingMessageBox : public MessageBox {
  public:
    void Tell(std::u16string_view text, std::u16string_view title, MessageIcon icon) override {
        shown.push_back({std::u16string(text), std::u16string(title), icon});
    }

    std::vector<Message> shown;
};

}  // namespace flg2scn::test
