#pragma once
// Registration of the project-file extension with the desktop, the
// freedesktop way: a shared-mime-info package for "*.<ext>" and a desktop
// entry that opens such files with the program, both in the user's data
// folder. Nothing is written outside it and no root rights are needed.

#include <string>

namespace castovin {

struct FileAssociation {
    std::string mimeType;      // stands for "<program>.Document"
    std::string comment;       // "<program> Document"
    std::string command;       // the Exec line: the program file and %f
    std::string mimePackage;   // path of the shared-mime-info package written
    std::string desktopEntry;  // path of the desktop entry written
    bool written = false;      // false when a file could not be written
    std::string refusal;       // why nothing was written: a program path that
                               // no desktop entry can hold; empty otherwise
};

// The folder the registration goes into: $XDG_DATA_HOME, else
// $HOME/.local/share; empty when neither is set.
std::string UserDataHome(const std::string& xdgDataHome, const std::string& home);

// Writes the MIME package and the desktop entry for the program `exeName` in
// `appFolder` and the extension `extension` (globs in upper and lower case).
FileAssociation RegisterFileType(const std::string& dataHome, const std::string& appFolder, const std::string& exeName,
                                 const std::string& extension);

}  // namespace castovin
