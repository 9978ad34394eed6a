#pragma once

#include <string>
#include <vector>

namespace platform::scripted {

// What the failing file seams share: every call recorded by name, and the
// n-th call, counted from 0 over every operation, made to fail. A test can
// so first count the calls of an operation and then fail each in turn.
struct CallFailures {
    enum class Failure {
        Once,     // only the n-th call fails
        ForGood,  // the n-th call and every later call of the same operation fail
        Kill,     // the process ends at the n-th call, as a crash or power cut would end it
    };

    int failAt = -1;  // -1: no call fails
    Failure failure = Failure::Once;
    std::vector<std::string> calls;

    // The name of the call that was made to fail, "" when none was.
    std::string failedCall() const {
        return failAt >= 0 && failAt < static_cast<int>(calls.size()) ? calls[failAt] : std::string();
    }

  protected:
    // Records the call; true when it is to fail. `kill` ends the process.
    bool fails(const char* name, void (*kill)()) {
        calls.emplace_back(name);
        const int call = static_cast<int>(calls.size()) - 1;
        if (failAt < 0 || call < failAt) return false;
        if (call == failAt && failure == Failure::Kill) kill();
        return call == failAt || (failure == Failure::ForGood && calls[failAt] == name);
    }
};

}  // namespace platform::scripted
