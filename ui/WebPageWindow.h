#pragma once

#include <QDialog>
#include <QThreadPool>

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tollix {

namespace web {
class WebServer;
struct WebSettings;
}  // namespace web

// "Web page": the port and the password of the page, and the address to open
// on a phone, as text and as a QR code. Writes web.ini; the server follows.
class WebPageWindow final : public QDialog {
    Q_OBJECT

  public:
    explicit WebPageWindow(web::WebServer& server, QWidget* parent = nullptr);

    // The page's address on this computer's network; empty while it is off.
    QString address() const;

  private:
    void save();
    // Writes `settings` unless refused; shows the refusal or the page's state.
    void store(const web::WebSettings& settings, QString refusal);
    void showState();

    web::WebServer& server_;
    QSpinBox* port_;
    QLineEdit* password_;
    QLineEdit* again_;
    QLabel* state_;
    QLabel* code_;
    QPushButton* save_;
    // Last: destroyed first, waiting for a password being hashed.
    QThreadPool hasher_;
};

}  // namespace tollix
