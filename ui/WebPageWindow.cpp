#include "ui/WebPageWindow.h"

#include "web/WebServer.h"

#include <QFormLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkInterface>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <qrencode.h>
#include <sodium.h>

namespace tollix {

namespace {

// The address's QR code, each module `scale` pixels, with a quiet zone.
QPixmap qrCode(const QString& text, int scale) {
    QRcode* code = QRcode_encodeString(text.toUtf8().constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1);
    if (!code)
        return {};
    const int width = code->width;
    QImage image(width + 8, width + 8, QImage::Format_Mono);
    image.fill(0);  // colour 0 is white below
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    for (int y = 0; y < width; ++y)
        for (int x = 0; x < width; ++x)
            if (code->data[y * width + x] & 1)
                image.setPixel(x + 4, y + 4, 1);
    QRcode_free(code);
    return QPixmap::fromImage(image.scaled(image.size() * scale));
}

QString hostAddress() {
    for (const QHostAddress& address : QNetworkInterface::allAddresses())
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            return address.toString();
    return QStringLiteral("localhost");
}

}  // namespace

WebPageWindow::WebPageWindow(web::WebServer& server, QWidget* parent)
    : QDialog(parent), server_(server) {
    setObjectName(QStringLiteral("WebPageWindow"));
    setWindowTitle(tr("Web page"));
    port_ = new QSpinBox;
    port_->setObjectName(QStringLiteral("port"));
    port_->setRange(0, 65535);
    port_->setSpecialValueText(tr("Off"));
    password_ = new QLineEdit;
    password_->setObjectName(QStringLiteral("password"));
    again_ = new QLineEdit;
    again_->setObjectName(QStringLiteral("again"));
    for (QLineEdit* field : {password_, again_}) {
        field->setEchoMode(QLineEdit::Password);
        field->setPlaceholderText(tr("unchanged"));
    }
    save_ = new QPushButton(tr("Save"));
    save_->setObjectName(QStringLiteral("save"));
    state_ = new QLabel;
    state_->setObjectName(QStringLiteral("state"));
    state_->setWordWrap(true);
    state_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    code_ = new QLabel;
    code_->setObjectName(QStringLiteral("code"));
    code_->setAlignment(Qt::AlignCenter);

    auto* form = new QFormLayout;
    form->addRow(tr("Port (0: off)"), port_);
    form->addRow(tr("New password"), password_);
    form->addRow(tr("The same again"), again_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(save_, 0, Qt::AlignRight);
    column->addWidget(state_);
    column->addWidget(code_);
    connect(save_, &QPushButton::clicked, this, &WebPageWindow::save);

    const web::WebSettings settings = web::readWebSettings(server_.settingsFile());
    port_->setValue(settings.port);
    showState();
}

QString WebPageWindow::address() const {
    if (server_.port() == 0)
        return {};
    return QStringLiteral("%1://%2:%3/")
        .arg(server_.secure() ? QStringLiteral("https") : QStringLiteral("http"), hostAddress())
        .arg(server_.port());
}

void WebPageWindow::save() {
    std::string password = password_->text().toStdString();
    const bool same = password_->text() == again_->text();
    password_->clear();
    again_->clear();
    std::string unreadable;
    web::WebSettings settings = web::readWebSettings(server_.settingsFile(), &unreadable);
    QString refusal;
    if (!same)
        refusal = tr("The two passwords differ.");
    else if (!unreadable.empty())
        refusal = QString::fromStdString(unreadable);
    else if (!password.empty() && web::passwordCharacters(password) < web::kMinPasswordCharacters)
        refusal =
            tr("The password is shorter than %1 characters.").arg(web::kMinPasswordCharacters);
    else if (port_->value() > 0 && password.empty() && settings.passwordHash.empty())
        refusal = tr("Set a password first.");
    settings.port = port_->value();
    if (!refusal.isEmpty() || password.empty()) {
        sodium_memzero(password.data(), password.size());
        return store(settings, refusal);
    }
    // Hashing takes a moment and 64 MiB: not on the window's thread.
    save_->setEnabled(false);
    state_->setText(tr("Saving…"));
    hasher_.start([this, settings, password = std::move(password)]() mutable {
        settings.passwordHash = web::hashPassword(password);
        sodium_memzero(password.data(), password.size());
        QMetaObject::invokeMethod(
            this,
            [this, settings] {
                save_->setEnabled(true);
                store(settings, settings.passwordHash.empty()
                                    ? tr("The password could not be hashed.")
                                    : QString());
            },
            Qt::QueuedConnection);
    });
}

void WebPageWindow::store(const web::WebSettings& settings, QString refusal) {
    if (refusal.isEmpty())
        refusal = QString::fromStdString(web::writeWebSettings(server_.settingsFile(), settings));
    server_.reload();
    showState();
    if (!refusal.isEmpty())
        state_->setText(refusal);
}

void WebPageWindow::showState() {
    const QString open = address();
    code_->setPixmap(open.isEmpty() ? QPixmap() : qrCode(open, 4));
    if (!server_.problem().isEmpty())
        state_->setText(tr("The page is off: %1").arg(server_.problem()));
    else if (open.isEmpty())
        state_->setText(tr("The page is off."));
    else
        state_->setText(tr("Open %1 on a computer or phone of the school's network.").arg(open));
    // The window grows with the address and its code once the page is on.
    layout()->activate();
    resize(size().expandedTo(sizeHint()));
}

}  // namespace tollix
