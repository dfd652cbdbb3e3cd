#pragma once

#include <string>
#include <vector>

namespace platform::posix {

// Splits a command line into arguments as the Windows C runtime does, so a
// Linux program started from a disc gets what a Windows one would get:
//  - the program name (first argument) runs to the first blank or tab
//    outside double quotes; its quotes are dropped and no backslash is
//    special in it;
//  - other arguments are separated by blanks and tabs outside quotes;
//  - double quotes group and are removed; "" inside quotes is one quote;
//  - 2n backslashes before a quote give n backslashes and the quote acts;
//    2n+1 give n backslashes and a literal quote; other backslashes are
//    literal.
std::vector<std::string> splitWindowsCommandLine(const std::string& commandLine);

} // namespace platform::posix
