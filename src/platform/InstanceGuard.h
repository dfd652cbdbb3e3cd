#pragma once

#include <memory>
#include <string>

namespace platform {

// Keeps a second copy of the program from running: the first copy holds a
// named lock for its whole life, later copies only find it taken. The lock
// is never waited on and goes away with the process however it ends.
class InstanceGuard {
public:
    enum class Outcome { taken, heldElsewhere, failed };

    explicit InstanceGuard(const std::string& name);
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    Outcome outcome() const { return outcome_; }

private:
    Outcome outcome_ = Outcome::failed;
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform
