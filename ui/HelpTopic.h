#pragma once
// Every window asks for its help topic by name ("mon", "sched", "halfy", ...).
// The application installs the opener that shows topics of its help file;
// until then (and in tests that install their own) a request goes there.
using HelpTopicOpener = void (*)(const char* topic);

// Installs the opener; returns the previous one. Null uninstalls.
HelpTopicOpener SetHelpTopicOpener(HelpTopicOpener opener);

// Opens a topic of the help file through the installed opener.
void OpenHelpTopic(const char* topic);

struct tagMSG;
// The F1 key going down or coming up: the pages and the half-year dialog
// open their topic on both.
bool IsHelpKey(const tagMSG* message);
