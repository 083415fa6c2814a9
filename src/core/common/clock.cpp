#include "core/common/clock.h"

#include <ctime>

namespace {
std::function<Date4()>& provider()
{
    static std::function<Date4()> p;
    return p;
}
} // namespace

Date4 today()
{
    if (provider())
        return provider()();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return Date4{static_cast<std::uint16_t>(local.tm_year + 1900), static_cast<std::uint8_t>(local.tm_mon + 1),
                 static_cast<std::uint8_t>(local.tm_mday)};
}

void setTodayProvider(std::function<Date4()> p) { provider() = std::move(p); }
