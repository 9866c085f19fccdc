#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cobwen {

class TextLocale;

// "В&хождение": the picker's check box for matching inside a value ("&" marks the access key).
inline constexpr const char* PickerInnerCaption = "\xC2&\xF5\xEE\xE6\xE4\xE5\xED\xE8\xE5";

// Designed size of the picker window in pixels.
inline constexpr int PickerWidth = 342;
inline constexpr int PickerHeight = 208;

// A value shown in the picker's result list with its position in the drop-down it came from.
struct PickerEntry {
    std::string Text;
    int SourcePosition = 0;

    friend bool operator==(const PickerEntry&, const PickerEntry&) = default;
};

// The model of TCobwenFilterDialog, the value picker over one filter drop-down: the typed text,
// the "inner" switch, the values that match and the selected one. The window mirrors Result() and
// Selected() into its list after every call that changes them.
class FilterPicker {
public:
    // `values` are the drop-down's items in their order; `startIndex` its selected position (-1:
    // none). On showing, the result holds every value and the start index is selected; the inner
    // switch is on and the text empty.
    FilterPicker(std::vector<std::string> values, int startIndex, const TextLocale& locale);

    const std::string& SearchText() const { return text_; }
    bool Inner() const { return inner_; }
    const std::vector<PickerEntry>& Result() const { return result_; }
    // Position in Result() of the selected entry, or -1.
    int Selected() const { return selected_; }

    // The typed text changed / the inner switch was clicked: refill the result with the matching
    // values in their order; when then nothing is selected, the first entry is.
    void SetSearchText(std::string_view text);
    void SetInner(bool inner);

    // The user clicked an entry of the result (-1 or out of range: nothing selected).
    void Select(int resultIndex);
    // Up and Down in the edit field: the previous or the next entry, never beyond the ends.
    void MoveUp();
    void MoveDown();

    // Enter, F10 or a double click: the source position of the selected value, closing with OK;
    // nothing (the picker stays open) when no value is selected.
    std::optional<int> Accept() const;

private:
    void Refill();

    std::vector<std::string> values_;
    const TextLocale& locale_;
    std::string text_;
    bool inner_ = true;
    std::vector<PickerEntry> result_;
    int selected_ = -1;
};

} // namespace cobwen
