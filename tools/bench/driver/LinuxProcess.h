#pragma once
// The Linux side of a Wine process, read through Wine's Z: drive. Wine starts
// a program in a process of its own whose command line is the program's
// Windows path, so that path finds it.
#include <string>

struct LinuxMemory {
    long rssAnonKb = -1; // resident anonymous memory: the process's own pages
    long vmRssKb = -1;   // all resident pages, shared library files included
    bool Known() const { return rssAnonKb >= 0; }
};

// The Linux pid of the live process whose first argument is the Windows path
// (case ignored), or 0.
long FindLinuxPid(const std::string& windowsExe);
LinuxMemory ReadLinuxMemory(long linuxPid);
// The first line of /proc/loadavg.
std::string LoadAverage();
