#include "app/CoalescingWriter.h"

#include <algorithm>

std::optional<RegisterWrite> CoalescingWriter::submit(RegisterWrite write)
{
    if (onTheWay_ == 0 && kept_.empty()) {
        ++onTheWay_;
        return write;
    }
    const auto same = std::find_if(kept_.begin(), kept_.end(), [&](const RegisterWrite& k) { return k.reg == write.reg; });
    if (same != kept_.end())
        *same = write;
    else
        kept_.push_back(write);
    return std::nullopt;
}

std::optional<RegisterWrite> CoalescingWriter::finished()
{
    if (onTheWay_ > 0) --onTheWay_;
    if (onTheWay_ > 0 || kept_.empty()) return std::nullopt;
    const RegisterWrite next = kept_.front();
    kept_.erase(kept_.begin());
    ++onTheWay_;
    return next;
}

std::vector<RegisterWrite> CoalescingWriter::flush()
{
    std::vector<RegisterWrite> out;
    out.swap(kept_);
    onTheWay_ += static_cast<int>(out.size());
    return out;
}
