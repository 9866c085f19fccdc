#pragma once

// What the host's services need from the system beneath them: the calling thread's last error code
// (the error line of HostMessage tells it, and a message must leave it as it found it), the
// system's text for an error code, the console window for AdvGetConsoleWindow, and the code page
// of the paths handed to the plug-in.

#include <cstdint>
#include <string>
#include <vector>

namespace ulvar::standin {

// One entry of a folder as the system names it.
struct FolderEntry {
    std::string name;
    bool folder = false;
    std::uint64_t size = 0;
};

class HostPlatform {
public:
    virtual ~HostPlatform() = default;

    virtual unsigned long LastError() const = 0;
    virtual void SetLastError(unsigned long code) = 0;
    // The system's text for the code in the console's OEM code page, without a final line end.
    virtual std::string ErrorText(unsigned long code) const = 0;
    // The console window's handle as AdvGetConsoleWindow returns it; 0 when there is none.
    virtual std::intptr_t ConsoleWindow() const = 0;
    // A file-system path of this system (the ANSI code page on Windows) as the interface carries
    // it: in the console's OEM code page. The same text where both are one.
    virtual std::string InterfacePath(const std::string& systemPath) const { return systemPath; }
    // The process's current folder ("" when unknown) and changing it (false when it failed).
    virtual std::string CurrentFolder() const { return ""; }
    virtual bool SetCurrentFolder(const std::string&) { return false; }
    // The file functions take and give OEM text (true) or the system's own (false) from now on.
    virtual void SetOemFileFunctions(bool) {}
    // The entries of a folder of the system (without "." and ".."), in the system's order; false
    // when it cannot be read.
    virtual bool ListFolder(const std::string&, std::vector<FolderEntry>&) const { return false; }
    // Makes a folder of the system; false when it could not.
    virtual bool MakeFolder(const std::string&) { return false; }
    // Removes a file of the system; false when it could not.
    virtual bool RemoveFile(const std::string&) { return false; }
};

// The platform of this build: Windows' own functions in the Windows build (standin/win), the
// standard library's error codes and texts in the native one (StandardPlatform.h).
HostPlatform& SystemPlatform();

} // namespace ulvar::standin
