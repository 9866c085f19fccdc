#pragma once

// Dialogs through HostDialog, laid out by rules instead of coordinates. Item 0 is the frame (a
// double box titled with a message); every other item gets its row and column when the dialog is
// laid out:
// - AutoColumn: the next row, at column border + 3 (a separator keeps -1 and spans the frame);
// - CentreColumn: centred (column 0, DialogCenterGroup); after a button it shares that button's
//   row and centres it too, otherwise it takes the next row;
// - any other column c: the current row (the next one with newLine), at c + border + 3.
// A width makes the right edge column + width - 1. The widest right edge decides the frame and the
// dialog's size. Bound items store their values when the dialog is closed by an item that stores
// on exit; an item whose value does not pass its check gets the focus and the dialog runs again.

#include "plugins/startup/ulvarplus/HostRecord.h"
#include "plugins/startup/ulvarplus/MessageBuilder.h"
#include "ulvar/Plugin.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ulvarplus {

class DialogBuilder {
public:
    static constexpr int AutoColumn = -1;
    static constexpr int CentreColumn = 0x4000;
    static constexpr int Border = 2;
    static constexpr int TopMargin = 1;

    DialogBuilder(const HostRecord& host, const MessageText& title, std::string helpTopic = {});

    // Each returns the item's index.
    int Text(const MessageText& text, int column = AutoColumn, bool newLine = false);
    int Separator();
    int Edit(const std::string& text, int width, const char* history = nullptr,
             int column = AutoColumn, std::uint32_t flags = 0, std::string* binding = nullptr);
    // A fixed-width edit showing the bound number in decimal; stores it back.
    int NumberEdit(std::uint32_t& binding, int width, int column = AutoColumn,
                   bool newLine = false);
    int CheckBox(const MessageText& text, std::uint32_t& binding, int column = AutoColumn);
    int Radio(const MessageText& text, bool selected, bool groupStart, int column = AutoColumn);
    int Button(const MessageText& text, bool storeOnExit = false, int column = CentreColumn);

    void SetFocus(int item) { focus_ = item; }
    void SetDefault(int item) { default_ = item; }

    // Places every item and sizes the frame; Run does it first.
    void Layout();
    // The closing item, or -1 when the dialog was cancelled.
    int Run();

    int Width() const { return width_; }
    int Height() const { return height_; }
    std::vector<ulvar::DialogItem>& Items() { return items_; }
    const std::vector<ulvar::DialogItem>& Items() const { return items_; }

private:
    struct Extra {
        bool newLine = false;
        bool storeOnExit = false;
        int column = AutoColumn;
        int width = 0;  // 0: none
        int height = 0; // boxes
        std::string* text = nullptr;
        std::uint32_t* number = nullptr;
        std::uint32_t* check = nullptr;
    };

    int Add(int type, const std::string& text, Extra extra, std::uint32_t flags = 0);
    std::string Resolve(const MessageText& text) const;
    // False and the failing item when a value does not pass its check.
    bool Store(int& failing);

    const HostRecord& host_;
    std::string helpTopic_;
    std::vector<ulvar::DialogItem> items_;
    std::vector<Extra> extras_;
    int focus_ = -1;
    int default_ = -1;
    int width_ = 0;
    int height_ = 0;
};

// Radio buttons of one group: the first starts the group, the one whose position equals the
// initial value is selected.
class RadioGroup {
public:
    RadioGroup(DialogBuilder& dialog, int initial) : dialog_(dialog), initial_(initial) {}
    int Add(const MessageText& text);
    // The position of the first selected button of the group after the dialog ran, or -1.
    int Selection() const;

private:
    DialogBuilder& dialog_;
    int initial_;
    std::vector<int> items_;
};

} // namespace ulvarplus
