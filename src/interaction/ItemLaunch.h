#pragma once

class MenuPanel;
struct MenuItem;

// Carries an entry out: "exit" ends the menu; otherwise, once the disc the
// entry needs is in the drive, its program is started in its folder with its
// parameters, the menu's folder is made current again, and an exit setting
// of "1" ends the menu. Does not return when it ends the process.
void launchItem(MenuPanel& panel, const MenuItem& item);
