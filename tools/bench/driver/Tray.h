#pragma once
// The notification icons the shell shows. Without a desktop tray, Wine's
// X11 driver keeps them in a stand-alone window ("Wine System Tray", class
// __winex11_standalone_tray, in the desktop process), one child window of
// class __winex11_tray_icon per icon, created while the shell handles the
// program's Shell_NotifyIcon(NIM_ADD) and destroyed on NIM_DELETE. So the
// count of those children is the count of icons, and a new child is the
// moment a program's icon exists.
int TrayIconCount();
