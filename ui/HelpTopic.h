#pragma once
// Every window asks for its help topic by name ("mon", "sched", "halfy", ...).
// The application installs the opener that shows topics of its help file;
// until then (and in tests that install their own) a request goes there.
using HelpTopicOpener = void (*)(const char* topic);

// Installs the opener; returns the previous one. Null uninstalls.
HelpTopicOpener SetHelpTopicOpener(HelpTopicOpener opener);

// Opens a topic of the help file through the installed opener.
void OpenHelpTopic(const char* topic);
