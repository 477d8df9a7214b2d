#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tollix::web {

// Who is logged in, and who may try. A session is a random cookie token with
// its own token against cross-site requests; it ends after 12 hours without
// a request. An address that failed to log in 5 times waits 30 s before the
// next try, twice as long after each further failure. After 10 failures
// within a minute over all addresses, one password check a second at most.
class Sessions {
  public:
    // Milliseconds of a clock that only runs forwards.
    using Now = std::function<std::int64_t()>;

    static constexpr std::int64_t kIdleMs = 12LL * 3600 * 1000;
    static constexpr int kFreeFailures = 5;
    static constexpr std::int64_t kFirstWaitMs = 30 * 1000;
    static constexpr std::size_t kMaxSessions = 32;
    static constexpr std::size_t kFreeChecks = 10;  // failures a minute, over all addresses
    static constexpr std::int64_t kCheckSpacingMs = 1000;
    static constexpr std::int64_t kRecordSpacingMs = 60 * 1000;  // refusals on record, by address

    struct Session {
        std::string token;  // the cookie's
        std::string csrf;   // the X-CSRF-Token header's
        std::int64_t lastUsedMs = 0;
    };

    explicit Sessions(Now now);

    // How long `address` must still wait before it may try a password; 0: it may.
    std::int64_t waitFor(const std::string& address) const;
    // A try begins: it counts as failed until `succeeded` says otherwise, so
    // tries sent all at once are limited as well. Its number among the
    // address's failures: 1 for its first.
    int tried(const std::string& address);
    // The password was right: the address's failures are forgotten and a new
    // session begins (the oldest ends when there are too many).
    const Session& succeeded(const std::string& address);

    // How long the next password check must wait; 0: it may start.
    std::int64_t checkWait() const;
    void checkStarts();
    // A wrong password from `address`: how many refusals go on record now,
    // those held back and this one; 0: held back, the last line is under a minute old.
    int refused(const std::string& address);
    // Refusals held back, forgotten here: those of `address`, or of every
    // address whose minute is over (all of them: `all`).
    int heldRefusals(const std::string& address);
    std::vector<std::pair<std::string, int>> dueRefusals(bool all);

    // The session whose cookie token is `token`, compared in constant time;
    // its idle time starts again. Null when none or ended.
    const Session* find(std::string_view token);
    static bool csrfMatches(const Session& session, std::string_view csrf);
    void end(std::string_view token);
    void endAll();

  private:
    struct Failures {
        int count = 0;
        std::int64_t untilMs = 0;
        std::int64_t lastMs = 0;
    };
    struct Refusals {
        int held = 0;
        std::int64_t recordedMs = 0;
    };
    void forgetOldFailures(std::int64_t now);

    Now now_;
    std::vector<Session> sessions_;
    std::map<std::string, Failures> failures_;
    std::deque<std::int64_t> lastFailuresMs_;  // over all addresses, the newest last
    std::int64_t lastCheckMs_ = 0;
    std::map<std::string, Refusals> refusals_;
};

// `bytes` random bytes of the system's generator, as hexadecimal text.
std::string randomToken(std::size_t bytes = 16);

}  // namespace tollix::web
