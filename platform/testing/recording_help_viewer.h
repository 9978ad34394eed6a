#pragma once

#include <string>
#include <vector>

#include "platform/help_viewer.h"

namespace platform::scripted {

// A help viewer that records what it is asked, in order, and shows nothing.
struct RecordingHelpViewer final : HelpViewer {
    struct Request {
        enum Kind { ShowContents, Close } kind;
        SystemPath helpPath;
        WindowHandle owner;  // none for Close
        bool operator==(const Request&) const = default;
    };

    void showContents(const SystemPath& helpPath, WindowHandle owner) override {
        requests.push_back({Request::ShowContents, helpPath, owner});
    }
    void close(const SystemPath& helpPath) override { requests.push_back({Request::Close, helpPath, {}}); }

    std::vector<Request> requests;
};

}  // namespace platform::scripted
