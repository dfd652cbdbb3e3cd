#pragma once

#include <string>

class MenuPanel;
struct MenuItem;

// The identity of the disc in the drive: the value of the first "ThisDisk="
// line of "autoplay.ini" in the current directory, or empty. While the file
// cannot be opened the user is asked to retry or cancel; cancel gives empty.
std::string readDiscId(MenuPanel& panel);

// Reads the disc's identity until it equals the entry's disk byte for byte,
// asking the user to insert the disc in between. False when the identity is
// empty or the user cancels.
bool requireDisc(MenuPanel& panel, const MenuItem& item);
