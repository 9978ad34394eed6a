#pragma once

#include <unistd.h>

#include <stdexcept>

// Runs the rest of the scope with the effective user nobody (65534) when the
// test runs as root, so that permission bits bind; does nothing otherwise.
class AsUnprivilegedUser {
  public:
    AsUnprivilegedUser() : wasRoot_(::geteuid() == 0) {
        if (wasRoot_ && (::setegid(65534) != 0 || ::seteuid(65534) != 0)) throw std::runtime_error("seteuid failed");
    }
    ~AsUnprivilegedUser() {
        if (wasRoot_) {
            (void)::seteuid(0);
            (void)::setegid(0);
        }
    }
    AsUnprivilegedUser(const AsUnprivilegedUser&) = delete;
    AsUnprivilegedUser& operator=(const AsUnprivilegedUser&) = delete;

  private:
    bool wasRoot_;
};
