#include "platform/InstanceGuard.h"

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace platform {

// An abstract Unix socket bound to the name: the kernel frees the name when
// the process ends, however it ends. The name carries the user, so each user
// has a guard of their own; the socket is closed in started programs.
struct InstanceGuard::Impl {
    int socket = -1;
};

InstanceGuard::InstanceGuard(const std::string& name)
    : impl_(std::make_unique<Impl>())
{
    const std::string address = name + "-" + std::to_string(::getuid());
    sockaddr_un socketAddress{};
    socketAddress.sun_family = AF_UNIX;
    if (address.size() + 1 > sizeof socketAddress.sun_path)
        return;
    std::memcpy(socketAddress.sun_path + 1, address.data(), address.size()); // sun_path[0] = 0: abstract
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + address.size());

    impl_->socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (impl_->socket < 0)
        return;
    if (::bind(impl_->socket, reinterpret_cast<const sockaddr*>(&socketAddress), length) == 0) {
        outcome_ = Outcome::taken;
        return;
    }
    outcome_ = errno == EADDRINUSE ? Outcome::heldElsewhere : Outcome::failed;
    ::close(impl_->socket);
    impl_->socket = -1;
}

InstanceGuard::~InstanceGuard()
{
    if (impl_->socket >= 0)
        ::close(impl_->socket);
}

} // namespace platform
