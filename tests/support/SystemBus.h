#pragma once

#include "tests/support/Doubles.h"

#include <memory>

namespace tollix::test {

// A system bus of the test's own with python-dbusmock serving a template on
// it (logind, timedated). This process's system bus becomes that bus, so the
// program's D-Bus backends talk to the mock and never to the real system.
// Both processes end with the object, or with the test process.
class MockSystemBus {
  public:
    MockSystemBus(const QString& templateName, const QString& busName);
    ~MockSystemBus();

    // False when the bus or the mock could not be started.
    bool ready() const { return ready_; }
    // Replaces a method of the mocked object: `code` is the mock's Python.
    bool setMethod(const QString& path, const QString& interface, const QString& name,
                   const QString& inSignature, const QString& outSignature, const QString& code);
    // The calls the mock received, "Method arguments" a line.
    QStringList calls() const;

  private:
    TempFolder folder_;
    std::unique_ptr<QProcess> bus_;
    std::unique_ptr<QProcess> mock_;
    QString busName_;
    bool ready_ = false;
};

}  // namespace tollix::test
