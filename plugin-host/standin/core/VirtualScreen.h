#pragma once

// The host's screen as the plug-ins see it: a grid of cells, each an OEM character and a console
// colour attribute. Plug-ins write text into it, flush it, and save and restore areas of it. The
// interactive program copies it to the real console; tests read it back.

#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <vector>

namespace ulvar::standin {

struct Cell {
    char ch = ' ';
    std::uint8_t attr = 0x07;
};

class VirtualScreen {
public:
    static constexpr int MinWidth = 80;
    static constexpr int MinHeight = 25;

    // Sizes below 80 x 25 are raised to it.
    VirtualScreen(int width = MinWidth, int height = MinHeight);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Writes text at (x, y); what falls outside the screen is dropped. Only the low byte of
    // colour counts. Text ends at its end or at a zero byte.
    void Write(int x, int y, int colour, std::string_view text);
    // HostText: a null text flushes, anything else is written.
    void Text(int x, int y, int colour, const char* text);
    void Fill(int left, int top, int right, int bottom, char ch, int colour);
    void Clear(int colour = 0x07) { Fill(0, 0, width_ - 1, height_ - 1, ' ', colour); }
    void Flush() { ++flushes_; }
    int FlushCount() const { return flushes_; }

    // HostSaveScreen: a copy of the rectangle (clipped; -1 for every side means the whole
    // screen). The handle stays valid until Restore or until the screen is destroyed.
    void* Save(int left, int top, int right, int bottom);
    // HostRestoreScreen: puts the area back and frees the handle. A null handle (redraw the
    // whole screen) and a handle this screen did not give out change nothing; false then.
    bool Restore(void* saved);
    // Areas saved and not restored yet.
    int SavedCount() const { return static_cast<int>(saved_.size()); }

    // Where the interactive program shows the console cursor.
    void SetCursor(int x, int y, bool visible) {
        cursorX_ = x, cursorY_ = y, cursorVisible_ = visible;
    }
    int CursorX() const { return cursorX_; }
    int CursorY() const { return cursorY_; }
    bool CursorVisible() const { return cursorVisible_; }

    Cell At(int x, int y) const; // a blank in colour 0 outside the screen
    char CharAt(int x, int y) const { return At(x, y).ch; }
    std::uint8_t AttrAt(int x, int y) const { return At(x, y).attr; }
    std::string Row(int y) const;                             // the whole row's characters
    std::string TextAt(int x, int y, int length) const;       // characters of a row from x
    const std::vector<Cell>& Cells() const { return cells_; } // row after row

private:
    struct SavedArea {
        int left, top, right, bottom;
        std::vector<Cell> cells;
    };

    int width_;
    int height_;
    std::vector<Cell> cells_;
    std::list<SavedArea> saved_;
    int flushes_ = 0;
    int cursorX_ = 0, cursorY_ = 0;
    bool cursorVisible_ = false;
};

} // namespace ulvar::standin
