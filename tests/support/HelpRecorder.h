#pragma once
// Records the help topics asked for through OpenHelpTopic while it lives, as
// "topic;topic;", and puts the previous opener back afterwards.
#include <string>

#include "ui/HelpTopic.h"

namespace testing_support {

class HelpTopicRecorder {
public:
    HelpTopicRecorder() : previous_(SetHelpTopicOpener(&Record)) { Log().clear(); }
    ~HelpTopicRecorder() { SetHelpTopicOpener(previous_); }
    HelpTopicRecorder(const HelpTopicRecorder&) = delete;
    HelpTopicRecorder& operator=(const HelpTopicRecorder&) = delete;

    const std::string& Topics() const { return Log(); }

private:
    static std::string& Log()
    {
        static std::string log;
        return log;
    }
    static void Record(const char* topic) { Log() += std::string(topic) + ";"; }

    HelpTopicOpener previous_;
};

} // namespace testing_support
