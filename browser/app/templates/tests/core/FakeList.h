#pragma once

#include "browser/app/templates/core/InfoCommands.h"

#include <optional>
#include <string>
#include <vector>

namespace cobwen::test {

// A list of records with a selection (row indexes in selection order) and a focused row.
class FakeList final : public RecordSelection {
public:
    std::vector<TCobwenData> rows;
    std::vector<std::size_t> selected;
    std::optional<std::size_t> focused;

    std::size_t SelectedCount() const override { return selected.size(); }
    std::vector<const TCobwenData*> SelectedRecords() const override {
        std::vector<const TCobwenData*> records;
        for (const std::size_t row : selected)
            records.push_back(&rows.at(row));
        return records;
    }
    const TCobwenData* FocusedRecord() const override {
        return focused ? &rows.at(*focused) : nullptr;
    }
};

// Keeps what would have been put on the clipboard or opened.
class RecordingClipboard final : public ClipboardWriter {
public:
    bool Write(const std::string& text) override {
        written.push_back(text);
        return true;
    }
    std::vector<std::string> written;
};

class RecordingShell final : public ShellOpener {
public:
    bool Open(const std::string& target) override {
        opened.push_back(target);
        return true;
    }
    std::vector<std::string> opened;
};

} // namespace cobwen::test
