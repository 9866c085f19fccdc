#pragma once

// The width of the console window the host runs in: right minus left of the window rectangle of
// "CONOUT$"; 79 when there is no console.

namespace launchet::win {

int ConsoleWidth();

} // namespace launchet::win
