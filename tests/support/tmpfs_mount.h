#pragma once

#include <sys/mount.h>
#include <sys/stat.h>

#include <string>

// A small tmpfs mounted on a folder for the length of a test (root only).
class TmpfsMount {
  public:
    TmpfsMount(const std::string& folder, const std::string& options) : folder_(folder), options_(options) {
        ::mkdir(folder.c_str(), 0777);
        mounted_ = ::mount("tmpfs", folder.c_str(), "tmpfs", 0, options.c_str()) == 0;
        if (mounted_) ::chmod(folder.c_str(), 0777);
    }
    ~TmpfsMount() {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    bool mounted() const { return mounted_; }
    bool remountReadOnly() {
        return ::mount("tmpfs", folder_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, options_.c_str()) == 0;
    }

  private:
    std::string folder_;
    std::string options_;
    bool mounted_ = false;
};
