#pragma once
// Every window asks for its help topic by name ("mon", "sched", "halfy", ...)
// through the opener it was given: the application's shows topics of its
// help file; a test hands in its own.
class HelpOpener {
public:
    virtual void OpenTopic(const char* topic) = 0;

protected:
    ~HelpOpener() = default;
};

struct tagMSG;
// The F1 key going down or coming up: the pages and the half-year dialog
// open their topic on both.
bool IsHelpKey(const tagMSG* message);
