#pragma once

#include <QDialog>
#include <QFrame>
#include <QPointer>

#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QSystemTrayIcon;

namespace tollix {

class AlarmSignal;
class Messages;

// "Alarms": Lockdown and Evacuation, each given only once the operator says
// Yes to a question whose default is No; All clear; and the sound and repeat
// of each signal, chosen from the sound list and tried.
class AlarmWindow final : public QDialog {
    Q_OBJECT

  public:
    AlarmWindow(AlarmSignal& alarm, Messages& messages, QWidget* parent = nullptr);
    // The one window of `parent`, made on first use.
    static AlarmWindow* showFor(QWidget* parent, AlarmSignal& alarm, Messages& messages);

    QPushButton* lockdown;
    QPushButton* evacuation;
    QPushButton* allClear;

  private:
    void give(const char* name);
    void reload();
    void save(int row);

    AlarmSignal& alarm_;
    Messages& messages_;
    std::vector<QComboBox*> sounds_;
    std::vector<QSpinBox*> repeats_;
    bool filling_ = false;
};

// The signal in red across a whole window: the main window (with its All
// clear) and the large-print windows. Shown while a signal sounds.
class AlarmBanner final : public QFrame {
    Q_OBJECT

  public:
    // `allClear`: the banner has the All clear button (the main window's).
    AlarmBanner(QWidget& over, AlarmSignal& alarm, Messages* allClear);
    // Banners on `main`, on its tray icon, and on each large-print window as it opens.
    static void follow(QWidget& main, QSystemTrayIcon* tray, AlarmSignal& alarm,
                       Messages& messages);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void show(const QString& active);
    void place();
    // The name as large as the width lets it be: a long word is never cut.
    void fitName();

    QWidget& over_;
    QLabel* name_;
    QLabel* note_;
};

}  // namespace tollix
