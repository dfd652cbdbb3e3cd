#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Starts a program without waiting for it and gives back its process
// identifier, or -1 when the name cannot be resolved or the process cannot
// be made.
//
// The name is resolved as the Windows runtime's spawn with path search does:
// trailing blanks are dropped; a final dot is dropped and means "no
// extension" (on Windows a name without one gets ".EXE"); a name starting
// with a separator or a drive is used as it is, and must be a plain file
// (on Linux: a regular file the user may run); any other name is searched in
// the current directory, then along PATH.
//
// The program gets the command line `name`, then a blank and `argument`
// when that is not empty. On Linux the command line is split into arguments
// by the Windows runtime's rules, no shell is involved, and the program
// inherits the environment and the current directory but none of the menu's
// own descriptors.
std::int64_t startProgram(const std::string& name, const std::string& argument);

} // namespace platform
