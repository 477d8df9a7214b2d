#pragma once

#include <QObject>

class QSocketNotifier;

namespace tollix {

// SIGTERM, SIGINT and SIGHUP, delivered on the event loop as `received`.
class ExitSignals final : public QObject {
    Q_OBJECT

  public:
    explicit ExitSignals(QObject* parent = nullptr);

  signals:
    void received();

  private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tollix
