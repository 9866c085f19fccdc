#pragma once

#include "browser/catalogue/win/ErrorDialog.h"

#include <string>
#include <vector>

namespace cobwen::test {

// Keeps the messages that would have been shown.
class RecordingDialog final : public ErrorDialog {
public:
    void Show(const std::string& message) override { shown.push_back(message); }

    std::vector<std::string> shown;
};

} // namespace cobwen::test
