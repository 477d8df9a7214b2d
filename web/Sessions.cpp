#include "web/Sessions.h"

#include <sodium.h>

#include <algorithm>
#include <utility>

namespace tollix::web {

namespace {

constexpr std::size_t kMaxAddresses = 4096;
constexpr int kMaxDoublings = 16;  // about three weeks

bool sameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && !a.empty() && sodium_memcmp(a.data(), b.data(), a.size()) == 0;
}

}  // namespace

std::string randomToken(std::size_t bytes) {
    if (sodium_init() < 0)
        std::abort();  // no random source: no session may be handed out
    std::string raw(bytes, '\0');
    randombytes_buf(raw.data(), raw.size());
    std::string hex(bytes * 2 + 1, '\0');
    sodium_bin2hex(hex.data(), hex.size(), reinterpret_cast<const unsigned char*>(raw.data()),
                   raw.size());
    hex.pop_back();
    return hex;
}

Sessions::Sessions(Now now) : now_(std::move(now)) {}

std::int64_t Sessions::waitFor(const std::string& address) const {
    const auto it = failures_.find(address);
    if (it == failures_.end())
        return 0;
    return std::max<std::int64_t>(0, it->second.untilMs - now_());
}

int Sessions::tried(const std::string& address) {
    const std::int64_t now = now_();
    if (failures_.size() >= kMaxAddresses)
        forgetOldFailures(now);
    Failures& failed = failures_[address];
    ++failed.count;
    failed.lastMs = now;
    if (failed.count >= kFreeFailures)
        failed.untilMs =
            now + (kFirstWaitMs << std::min(failed.count - kFreeFailures, kMaxDoublings));
    return failed.count;
}

std::int64_t Sessions::checkWait() const {
    const std::int64_t now = now_();
    if (lastFailuresMs_.size() < kFreeChecks || now - lastFailuresMs_.front() >= 60 * 1000)
        return 0;
    return std::max<std::int64_t>(0, lastCheckMs_ + kCheckSpacingMs - now);
}

void Sessions::checkStarts() {
    lastCheckMs_ = now_();
}

int Sessions::refused(const std::string& address) {
    const std::int64_t now = now_();
    lastFailuresMs_.push_back(now);
    if (lastFailuresMs_.size() > kFreeChecks)
        lastFailuresMs_.pop_front();
    std::erase_if(refusals_, [now](const auto& entry) {
        return entry.second.held == 0 && now - entry.second.recordedMs >= kRecordSpacingMs;
    });
    const auto [it, first] = refusals_.try_emplace(address);
    Refusals& refusals = it->second;
    ++refusals.held;
    if (!first && now - refusals.recordedMs < kRecordSpacingMs)
        return 0;
    refusals.recordedMs = now;
    return std::exchange(refusals.held, 0);
}

int Sessions::heldRefusals(const std::string& address) {
    const auto it = refusals_.find(address);
    if (it == refusals_.end() || it->second.held == 0)
        return 0;
    it->second.recordedMs = now_();
    return std::exchange(it->second.held, 0);
}

std::vector<std::pair<std::string, int>> Sessions::dueRefusals(bool all) {
    const std::int64_t now = now_();
    std::vector<std::pair<std::string, int>> due;
    for (auto& [address, refusals] : refusals_)
        if (refusals.held > 0 && (all || now - refusals.recordedMs >= kRecordSpacingMs)) {
            due.emplace_back(address, std::exchange(refusals.held, 0));
            refusals.recordedMs = now;
        }
    return due;
}

// Addresses whose wait is over and that failed long ago; at worst, all but
// those still waiting.
void Sessions::forgetOldFailures(std::int64_t now) {
    std::erase_if(failures_, [now](const auto& entry) {
        return entry.second.untilMs <= now && now - entry.second.lastMs > kIdleMs;
    });
    if (failures_.size() >= kMaxAddresses)
        std::erase_if(failures_, [now](const auto& entry) { return entry.second.untilMs <= now; });
}

const Sessions::Session& Sessions::succeeded(const std::string& address) {
    failures_.erase(address);
    if (sessions_.size() >= kMaxSessions)
        sessions_.erase(std::min_element(
            sessions_.begin(), sessions_.end(),
            [](const Session& a, const Session& b) { return a.lastUsedMs < b.lastUsedMs; }));
    sessions_.push_back({randomToken(), randomToken(), now_()});
    return sessions_.back();
}

const Sessions::Session* Sessions::find(std::string_view token) {
    const std::int64_t now = now_();
    std::erase_if(sessions_, [now](const Session& s) { return now - s.lastUsedMs >= kIdleMs; });
    Session* found = nullptr;
    for (Session& session : sessions_)  // every one compared: the time says nothing
        if (sameText(session.token, token))
            found = &session;
    if (found)
        found->lastUsedMs = now;
    return found;
}

bool Sessions::csrfMatches(const Session& session, std::string_view csrf) {
    return sameText(session.csrf, csrf);
}

void Sessions::end(std::string_view token) {
    std::erase_if(sessions_, [token](const Session& s) { return sameText(s.token, token); });
}

void Sessions::endAll() {
    sessions_.clear();
}

}  // namespace tollix::web
