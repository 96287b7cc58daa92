#pragma once
// The help opener a test hands to its windows: it records the topics asked
// for, as "topic;topic;".
#include <string>

#include "ui/HelpTopic.h"

namespace testing_support {

class HelpTopicRecorder final : public HelpOpener {
public:
    void OpenTopic(const char* topic) override { topics_ += std::string(topic) + ";"; }
    const std::string& Topics() const { return topics_; }

private:
    std::string topics_;
};

} // namespace testing_support
