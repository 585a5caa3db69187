#include "link/ExactPauses.h"

#include <cstdint>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// The kernel's struct sched_attr (not in the C library's headers).
struct SchedAttr {
    std::uint32_t size;
    std::uint32_t policy;
    std::uint64_t flags;
    std::int32_t nice;
    std::uint32_t priority;
    std::uint64_t runtime;
    std::uint64_t deadline;
    std::uint64_t period;
    std::uint32_t utilMin;
    std::uint32_t utilMax;
};

constexpr std::uint64_t kSliceNs = 100000;  // 0.1 ms: the shortest the kernel accepts

}  // namespace

void requestExactPauses()
{
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
#if defined(SYS_sched_getattr) && defined(SYS_sched_setattr)
    SchedAttr attr{};
    attr.size = sizeof attr;
    if (syscall(SYS_sched_getattr, 0, &attr, sizeof attr, 0) != 0) return;
    if (attr.policy != 0) return;  // only ordinary threads: leave real-time ones alone
    // On ordinary threads the runtime field is the requested slice; older
    // kernels ignore it.
    attr.runtime = kSliceNs;
    attr.flags = 0;
    syscall(SYS_sched_setattr, 0, &attr, 0);
#endif
}
