#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// Root reads and writes every file whatever its mode: for as long as this
// lives, the process does without that power, as a pupil's account would.
class WithoutOverridingPermissions
{
public:
    WithoutOverridingPermissions()
    {
        if (geteuid() != 0)
            return;
        header_.version = _LINUX_CAPABILITY_VERSION_3;
        if (syscall(SYS_capget, &header_, saved_) != 0)
            return;
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        dropped_ = syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~WithoutOverridingPermissions()
    {
        if (dropped_)
            syscall(SYS_capset, &header_, saved_);
    }
    bool holds() const { return geteuid() != 0 || dropped_; }

private:
    __user_cap_header_struct header_{};
    __user_cap_data_struct saved_[2]{};
    bool dropped_ = false;
};
