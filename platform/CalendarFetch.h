#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

namespace tollix {

// One fetch of a subscribed calendar.
struct FetchRequest {
    QString url;
    QString user, password;
    // Of the copy held: the server may answer that nothing changed.
    QByteArray etag, lastModified;
    // A school's own certificate authority, trusted beside the system's; or empty.
    QString caFile;
};

struct FetchAnswer {
    enum class Kind { Fresh, Unchanged, Failed };
    Kind kind = Kind::Failed;
    QByteArray body;
    QByteArray etag, lastModified;
    QString error;
};

// Fetches calendars over the network; the answer comes later, on the thread
// that asked.
class CalendarFetch {
  public:
    static constexpr qint64 kMaxBody = 16 * 1024 * 1024;
    static constexpr int kMaxRedirects = 5;

    virtual ~CalendarFetch() = default;
    virtual void fetch(const FetchRequest& request, std::function<void(FetchAnswer)> done) = 0;
};

// Qt Network: the system's certificates, redirects only as safe as the first
// address, the credentials given only when the server asks for them.
class QtCalendarFetch final : public QObject, public CalendarFetch {
    Q_OBJECT

  public:
    explicit QtCalendarFetch(QObject* parent = nullptr);
    ~QtCalendarFetch() override;
    void fetch(const FetchRequest& request, std::function<void(FetchAnswer)> done) override;
};

}  // namespace tollix
