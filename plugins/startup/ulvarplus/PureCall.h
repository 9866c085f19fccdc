#pragma once

// A call of one of the library's abstract operations that no derived class provides: a virtual
// call made while an object is still being built or already being destroyed, when only the
// abstract part of it exists. The C++ runtime sends such a call to its pure-call handler, which
// launchet.dll defines (win/PureCall.cpp): it shows a message box without an owner, with the text
// PureCallText, the caption PureCallCaption and an OK button, and then throws PureVirtualCall, so
// the operation fails like any other and the plug-in's entry point gives the host its answer for a
// failure instead of ending the host's process. A pure call inside a destructor still ends the
// process (nothing may leave a destructor), after the box.

#include <stdexcept>

namespace ulvarplus {

inline constexpr const char* PureCallText = "UlvarPlus";
inline constexpr const char* PureCallCaption = "Pure virtual function called";

class PureVirtualCall : public std::logic_error {
public:
    PureVirtualCall() : std::logic_error(PureCallCaption) {}
};

} // namespace ulvarplus
