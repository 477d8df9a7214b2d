#include "model/CalendarSubscriptions.h"

#include "model/HolidaysFileWatch.h"
#include "schedule/SafeFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QPointer>

#include <algorithm>

namespace tollix {

namespace {

// After a failure the next try comes sooner than the next refresh.
constexpr int kRetryMs = 15 * 60 * 1000;

std::string now() {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString();
}

std::string bytes(const QByteArray& data) {
    return data.toStdString();
}

}  // namespace

CalendarSubscriptions::CalendarSubscriptions(Services services, QObject* parent)
    : QObject(parent), services_(std::move(services)) {
    connect(&refreshTimer_, &QTimer::timeout, this, [this] { refresh(); });
    retryTimer_.setSingleShot(true);
    retryTimer_.setInterval(kRetryMs);
    connect(&retryTimer_, &QTimer::timeout, this, [this] { refresh(); });
}

CalendarSubscriptions::~CalendarSubscriptions() = default;

void CalendarSubscriptions::start() {
    readSettings();
    // A subscription added or removed is followed at once.
    iniWatch_ = new HolidaysFileWatch(services_.dataFolder / "calendars.ini", this);
    connect(iniWatch_, &HolidaysFileWatch::changed, this, [this] {
        readSettings();
        refresh();
    });
    refresh();
}

void CalendarSubscriptions::readSettings() {
    settings_ = calendars::readSettings(services_.dataFolder / "calendars.ini",
                                        services_.dataFolder / "calendars.auth");
    std::vector<State> states;
    for (const calendars::Subscription& subscription : settings_.subscriptions) {
        State state;
        // A subscription kept keeps what it has; a new one starts from its copy on disk.
        state.subscription = subscription;
        if (State* old = find(subscription.name); old && old->subscription.url == subscription.url)
            state = std::move(*old);
        else
            loadCopy(state);
        state.subscription = subscription;
        states.push_back(std::move(state));
    }
    states_ = std::move(states);
    refreshTimer_.start(settings_.refreshHours * 3600 * 1000);
    emit daysChanged(days());
    emit stateChanged();
}

void CalendarSubscriptions::loadCopy(State& state) {
    const auto file = folder() / (state.subscription.name + ".ics");
    const safefile::Reading reading = safefile::read(file, CalendarFetch::kMaxBody);
    if (!reading.read())
        return;
    const calendars::CopyDays copy = calendars::readCopy(reading.bytes, services_.today());
    if (!copy.error.empty())
        return;
    state.rules = copy.rules;
    state.haveCopy = true;
    state.fetched = QFileInfo(QString::fromStdString(file.string()))
                        .lastModified()
                        .toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                        .toStdString();
    const safefile::Reading validators =
        safefile::read(folder() / (state.subscription.name + ".etag"), 4096);
    if (validators.read()) {
        const QList<QByteArray> lines = QByteArray::fromStdString(validators.bytes).split('\n');
        state.etag = lines.value(0);
        state.lastModified = lines.value(1);
    }
}

CalendarSubscriptions::State* CalendarSubscriptions::find(const std::string& name) {
    const auto it = std::find_if(states_.begin(), states_.end(), [&](const State& state) {
        return state.subscription.name == name;
    });
    return it == states_.end() ? nullptr : &*it;
}

void CalendarSubscriptions::refresh(const std::string& accept,
                                    std::function<void(const QStringList&, bool)> done) {
    if (!accept.empty())
        accepted_ = this->accept(accept) || accepted_;
    if (done)
        waitingForAnswers_.push_back(std::move(done));
    retryTimer_.stop();
    for (State& state : states_) {
        if (state.busy)
            continue;
        state.busy = true;
        const calendars::Subscription& subscription = state.subscription;
        FetchRequest request{QString::fromStdString(subscription.url),
                             QString::fromStdString(subscription.user),
                             QString::fromStdString(subscription.password),
                             state.haveCopy ? state.etag : QByteArray(),
                             state.haveCopy ? state.lastModified : QByteArray(),
                             QString::fromStdString(settings_.ca.string())};
        QPointer<CalendarSubscriptions> self(this);
        const std::string name = subscription.name;
        services_.fetch.fetch(request, [self, name](FetchAnswer answer) {
            if (self)
                self->answered(name, answer);
        });
    }
    finishIfDone();
}

void CalendarSubscriptions::finishIfDone() {
    if (std::any_of(states_.begin(), states_.end(), [](const State& state) { return state.busy; }))
        return;
    auto waiting = std::move(waitingForAnswers_);
    waitingForAnswers_.clear();
    const bool accepted = std::exchange(accepted_, false);
    for (const auto& done : waiting) done(stateLines(), accepted);
}

void CalendarSubscriptions::answered(const std::string& name, const FetchAnswer& answer) {
    State* state = find(name);
    if (!state)
        return;  // no longer subscribed
    state->busy = false;
    if (answer.kind == FetchAnswer::Kind::Failed) {
        fail(*state, answer.error.toStdString());
    } else if (answer.kind == FetchAnswer::Kind::Unchanged) {
        state->failure.clear();
        state->failureRecorded = false;
        state->fetched = now();
    } else {
        const calendars::CopyDays copy =
            calendars::readCopy(answer.body.toStdString(), services_.today());
        if (!copy.error.empty()) {
            fail(*state,
                 QCoreApplication::translate("CalendarSubscriptions", "the new copy is refused: %1")
                     .arg(QString::fromStdString(copy.error))
                     .toStdString());
        } else {
            const calendars::Change change = calendars::compare(
                name, state->rules, copy.rules, services_.today(), !state->haveCopy);
            state->failure.clear();
            state->failureRecorded = false;
            state->fetched = now();
            if (change.held.empty()) {
                take(*state, answer.body, answer.etag, answer.lastModified, copy.rules, change);
            } else {
                state->waiting = State::Waiting{answer.body, answer.etag, answer.lastModified,
                                                copy.rules, change};
            }
        }
    }
    emit stateChanged();
    finishIfDone();
}

void CalendarSubscriptions::take(State& state, const QByteArray& body, const QByteArray& etag,
                                 const QByteArray& lastModified, std::vector<HolidayRule> rules,
                                 const calendars::Change& change) {
    std::error_code ignored;
    std::filesystem::create_directories(folder(), ignored);
    const std::string& name = state.subscription.name;
    const std::string error = safefile::write(folder() / (name + ".ics"), bytes(body));
    if (!error.empty()) {
        // The days are followed all the same; only the copy for the next start is missing.
        state.failure =
            QCoreApplication::translate("CalendarSubscriptions", "the copy cannot be kept: %1")
                .arg(QString::fromStdString(error))
                .toStdString();
    } else {
        safefile::write(folder() / (name + ".etag"), bytes(etag + '\n' + lastModified + '\n'));
    }
    const bool first = !state.haveCopy;
    state.rules = std::move(rules);
    state.haveCopy = true;
    state.etag = etag;
    state.lastModified = lastModified;
    state.waiting.reset();
    if (first || change.changes())
        services_.record(name, true, change.counts());
    if (first || change.changes())
        emit daysChanged(days());
}

bool CalendarSubscriptions::accept(const std::string& name) {
    State* state = find(name);
    if (!state || !state->waiting)
        return false;
    State::Waiting waiting = std::move(*state->waiting);
    state->waiting.reset();
    // Compared again: the copy in force may have changed since it was held.
    const calendars::Change change =
        calendars::compare(name, state->rules, waiting.rules, services_.today(), !state->haveCopy);
    take(*state, waiting.body, waiting.etag, waiting.lastModified, std::move(waiting.rules),
         change);
    emit stateChanged();
    return true;
}

void CalendarSubscriptions::fail(State& state, const std::string& why) {
    // Once per failure run: the retries say nothing new.
    if (!state.failureRecorded) {
        services_.record(state.subscription.name, false, why);
        state.failureRecorded = true;
    }
    state.failure = why;
    if (!retryTimer_.isActive())
        retryTimer_.start();
}

std::vector<SubscribedDays> CalendarSubscriptions::days() const {
    std::vector<SubscribedDays> days;
    for (const State& state : states_)
        if (!state.rules.empty())
            days.push_back({state.subscription.name, state.rules});
    return days;
}

QStringList CalendarSubscriptions::stateLines() const {
    QStringList lines;
    for (const State& state : states_) {
        const QString name = QString::fromStdString(state.subscription.name);
        const QString prefix = QStringLiteral("calendar %1: ").arg(name);
        QString line;
        if (!state.haveCopy)
            line = QCoreApplication::translate("CalendarSubscriptions", "no copy yet");
        else
            line = QCoreApplication::translate("CalendarSubscriptions",
                                               "%1 rules in force, fetched %2")
                       .arg(state.rules.size())
                       .arg(QString::fromStdString(state.fetched));
        if (!state.failure.empty())
            line +=
                QCoreApplication::translate("CalendarSubscriptions", "; the last fetch failed: %1")
                    .arg(QString::fromStdString(state.failure));
        if (state.subscription.plainHttp)
            line +=
                QCoreApplication::translate("CalendarSubscriptions", " (http: local network only)");
        lines << prefix + line;
        if (state.waiting) {
            lines << prefix + QCoreApplication::translate(
                                  "CalendarSubscriptions",
                                  "a new copy waits for acceptance: %1 (tollix --refresh-calendars "
                                  "--accept %2 takes it)")
                                  .arg(QString::fromStdString(state.waiting->change.held), name);
            for (const QString& day :
                 QString::fromStdString(state.waiting->change.preview).split(QLatin1Char('\n')))
                if (!day.isEmpty())
                    lines << prefix + day;
        }
    }
    return lines;
}

QStringList CalendarSubscriptions::problems() const {
    QStringList problems;
    for (const std::string& problem : settings_.problems)
        problems << QString::fromStdString(problem);
    for (const State& state : states_) {
        const QString name = QString::fromStdString(state.subscription.name);
        if (!state.failure.empty())
            problems << (state.haveCopy
                             ? QCoreApplication::translate(
                                   "CalendarSubscriptions",
                                   "calendar %1 could not be fetched: %2; its last "
                                   "copy is in force")
                             : QCoreApplication::translate("CalendarSubscriptions",
                                                           "calendar %1 could not be fetched: %2"))
                            .arg(name, QString::fromStdString(state.failure));
        if (state.waiting)
            problems << QCoreApplication::translate(
                            "CalendarSubscriptions",
                            "calendar %1: a new copy waits for acceptance: %2")
                            .arg(name, QString::fromStdString(state.waiting->change.held));
    }
    return problems;
}

}  // namespace tollix
