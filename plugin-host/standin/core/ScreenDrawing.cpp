#include "plugin-host/standin/core/ScreenDrawing.h"

#include <algorithm>

namespace ulvar::standin {

void DrawBox(VirtualScreen& screen, int left, int top, int right, int bottom, bool doubleLine,
             int colour, std::string_view title, bool titleLeft) {
    if (right <= left || bottom <= top)
        return;
    int const inner = right - left - 1;
    char const h = doubleLine ? oem::DoubleHorizontal : oem::SingleHorizontal;
    char const v = doubleLine ? oem::DoubleVertical : oem::SingleVertical;
    screen.Fill(left, top, right, bottom, ' ', colour);
    std::string line(static_cast<std::size_t>(inner), h);
    screen.Write(left, top, colour,
                 std::string(1, doubleLine ? oem::DoubleTopLeft : oem::SingleTopLeft) + line +
                     (doubleLine ? oem::DoubleTopRight : oem::SingleTopRight));
    screen.Write(left, bottom, colour,
                 std::string(1, doubleLine ? oem::DoubleBottomLeft : oem::SingleBottomLeft) + line +
                     (doubleLine ? oem::DoubleBottomRight : oem::SingleBottomRight));
    for (int y = top + 1; y < bottom; ++y) {
        screen.Write(left, y, colour, std::string(1, v));
        screen.Write(right, y, colour, std::string(1, v));
    }
    if (!title.empty() && inner > 2) {
        std::string const shown =
            " " + Fit(title, std::min<int>(static_cast<int>(title.size()), inner - 2)) + " ";
        int const x =
            titleLeft ? left + 2 : left + 1 + (inner - static_cast<int>(shown.size())) / 2;
        screen.Write(x, top, colour, shown);
    }
}

void DrawSeparator(VirtualScreen& screen, int left, int right, int y, int colour,
                   std::string_view title, bool doubleLine) {
    if (right <= left)
        return;
    char const h = doubleLine ? oem::DoubleHorizontal : oem::SingleHorizontal;
    std::string line(static_cast<std::size_t>(right - left + 1), h);
    line.front() = oem::DoubleToSingleLeft;
    line.back() = oem::DoubleToSingleRight;
    screen.Write(left, y, colour, line);
    if (!title.empty()) {
        std::string const shown = " " + std::string(title) + " ";
        screen.Write(left + (right - left + 1 - static_cast<int>(shown.size())) / 2, y, colour,
                     shown);
    }
}

std::string Fit(std::string_view text, int width) {
    if (width <= 0)
        return {};
    std::string result(text.substr(0, static_cast<std::size_t>(width)));
    result.resize(static_cast<std::size_t>(width), ' ');
    return result;
}

std::string WithoutAmpersands(std::string_view text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&')
                result += '&', ++i;
            continue;
        }
        result += text[i];
    }
    return result;
}

} // namespace ulvar::standin
