// Sets TZ for one test and puts the previous value back afterwards.
#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace kadoro::test {

class ScopedTimeZone {
public:
    // A POSIX TZ text such as "JST-9", which needs no time-zone database.
    explicit ScopedTimeZone(const char* zone) {
        if (const char* current = std::getenv("TZ")) saved_ = current;
        ::setenv("TZ", zone, 1);
        ::tzset();
    }
    ~ScopedTimeZone() {
        saved_ ? ::setenv("TZ", saved_->c_str(), 1) : ::unsetenv("TZ");
        ::tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::optional<std::string> saved_;
};

}  // namespace kadoro::test
