#include "ui/OutputsWindow.h"

#include "model/ScheduleModel.h"
#include "sound/OutputLine.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace tollix {

namespace {

constexpr int kLineRole = Qt::UserRole;
constexpr int kKindRole = Qt::UserRole + 1;

}  // namespace

OutputsWindow::OutputsWindow(ScheduleModel& model, Mixer& mixer, std::function<void()> ringSelected,
                             TestOne testOne, QWidget* parent)
    : QDialog(parent),
      model_(model),
      mixer_(mixer),
      ringSelected_(std::move(ringSelected)),
      testOne_(std::move(testOne)) {
    setObjectName(QStringLiteral("OutputsWindow"));
    setWindowTitle(tr("Outputs"));
    auto* note =
        new QLabel(tr("The bells play on every output ticked, all at once.\nNone ticked: the "
                      "default output. Another computer's speakers are an output too\n(a "
                      "network sink of the sound server: see the README). Relays and IP "
                      "speakers\nlisted below the outputs switch and play with every bell."));
    outputList = new QListWidget;
    outputList->setObjectName(QStringLiteral("outputList"));
    outputList->setAccessibleName(tr("Outputs the bells play on"));
    test = new QPushButton(tr("Test"));
    test->setToolTip(
        tr("Rings the selected bell on the outputs ticked, or switches the "
           "selected relay, or plays the bell on the selected IP speakers"));
    remove = new QPushButton(tr("Remove"));
    remove->setToolTip(tr("Takes the selected relay or IP speakers off the list"));
    auto* refresh = new QPushButton(tr("Refresh"));
    auto* close = new QPushButton(tr("Close"));

    const auto named = [](QWidget* field, const char* name, const QString& said) {
        field->setObjectName(QLatin1String(name));
        field->setAccessibleName(said);
    };
    relayOn = new QLineEdit;
    named(relayOn, "relayOn", tr("Relay ON command"));
    relayOn->setPlaceholderText(QStringLiteral("gpioset gpiochip0 17=1"));
    relayOff = new QLineEdit;
    named(relayOff, "relayOff", tr("Relay OFF command"));
    relayOff->setPlaceholderText(QStringLiteral("gpioset gpiochip0 17=0"));
    relayHold = new QSpinBox;
    named(relayHold, "relayHold", tr("Seconds the relay stays on"));
    relayHold->setRange(0, 3600);
    relayHold->setSuffix(tr(" s"));
    relayHold->setSpecialValueText(tr("for the sound"));
    addRelay = new QPushButton(tr("Add relay"));
    auto* relayBox = new QGroupBox(tr("Relay (a hard-wired bell)"));
    auto* relayForm = new QFormLayout(relayBox);
    relayForm->addRow(tr("ON command:"), relayOn);
    relayForm->addRow(tr("OFF command:"), relayOff);
    auto* holdRow = new QHBoxLayout;
    holdRow->addWidget(relayHold);
    holdRow->addStretch();
    holdRow->addWidget(addRelay);
    relayForm->addRow(tr("On for:"), holdRow);

    streamGroup = new QLineEdit;
    named(streamGroup, "streamGroup", tr("Multicast group of the IP speakers"));
    streamGroup->setPlaceholderText(QStringLiteral("239.255.0.1"));
    streamPort = new QSpinBox;
    named(streamPort, "streamPort", tr("Port of the IP speakers"));
    streamPort->setRange(1, 65535);
    streamPort->setValue(5004);
    addStream = new QPushButton(tr("Add IP speakers"));
    auto* streamBox = new QGroupBox(tr("IP speakers (multicast RTP, G.711)"));
    auto* streamRow = new QHBoxLayout(streamBox);
    streamRow->addWidget(new QLabel(tr("Group:")));
    streamRow->addWidget(streamGroup, 1);
    streamRow->addWidget(new QLabel(tr("Port:")));
    streamRow->addWidget(streamPort);
    streamRow->addWidget(addStream);

    problem = new QLabel;
    problem->setObjectName(QStringLiteral("problem"));
    problem->setStyleSheet(QStringLiteral("color: #b00020"));
    problem->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(test);
    buttons->addWidget(remove);
    buttons->addWidget(refresh);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(outputList, 1);
    layout->addLayout(buttons);
    layout->addWidget(relayBox);
    layout->addWidget(streamBox);
    layout->addWidget(problem);
    resize(560, 560);

    connect(outputList, &QListWidget::itemChanged, this, &OutputsWindow::ticked);
    connect(test, &QPushButton::clicked, this, &OutputsWindow::testClicked);
    connect(remove, &QPushButton::clicked, this, [this] {
        const std::string line = selectedLine();
        if (line.empty() || sound::isSinkLine(line))
            return;
        std::vector<std::string> lines = model_.outputs();
        std::erase(lines, line);
        model_.setOutputs(std::move(lines));
        reload();
    });
    connect(addRelay, &QPushButton::clicked, this, [this] {
        std::string why;
        const std::string line = sound::makeRelayLine(
            relayOn->text().toStdString(), relayOff->text().toStdString(), relayHold->value(), why);
        add(line, why);
        if (!line.empty()) {
            relayOn->clear();
            relayOff->clear();
        }
    });
    connect(addStream, &QPushButton::clicked, this, [this] {
        std::string why;
        add(sound::makeStreamLine(streamGroup->text().toStdString(), streamPort->value(), why),
            why);
    });
    connect(refresh, &QPushButton::clicked, this, &OutputsWindow::reload);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
}

OutputsWindow* OutputsWindow::showFor(QWidget* parent, ScheduleModel& model, Mixer& mixer,
                                      std::function<void()> ringSelected, TestOne testOne) {
    auto* window = parent->findChild<OutputsWindow*>();
    if (!window)
        window =
            new OutputsWindow(model, mixer, std::move(ringSelected), std::move(testOne), parent);
    window->reload();
    window->show();
    window->raise();
    return window;
}

void OutputsWindow::reload() {
    std::vector<Mixer::Sink> sinks;
    mixer_.listOutputs(sinks);
    std::vector<std::string> others;
    // A listed output the server lacks now stays listed, and can be taken off.
    for (const auto& name : model_.outputs()) {
        if (!sound::isSinkLine(name))
            others.push_back(name);
        else if (std::none_of(sinks.begin(), sinks.end(),
                              [&name](const Mixer::Sink& sink) { return sink.name == name; }))
            sinks.push_back(
                {name, tr("%1 (missing)").arg(QString::fromStdString(name)).toStdString()});
    }
    filling_ = true;
    outputList->clear();
    for (const auto& sink : sinks) {
        auto* item = new QListWidgetItem(QString::fromStdString(sink.description), outputList);
        item->setData(kLineRole, QString::fromStdString(sink.name));
        item->setToolTip(QString::fromStdString(sink.name));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        const auto& listed = model_.outputs();
        item->setCheckState(std::find(listed.begin(), listed.end(), sink.name) != listed.end()
                                ? Qt::Checked
                                : Qt::Unchecked);
    }
    // Relays and streams play whenever listed: no box to tick.
    for (const auto& line : others) {
        const sound::OutputLine output = sound::parseOutputLine(line);
        QString text;
        if (output.kind == sound::OutputLine::Kind::Relay)
            text =
                tr("Relay: %1").arg(QString::fromStdString(output.relay.on)) +
                (output.relay.holdSeconds > 0 ? tr(" (on for %1 s)").arg(output.relay.holdSeconds)
                                              : QString());
        else if (output.kind == sound::OutputLine::Kind::Stream)
            text = tr("IP speakers: %1:%2")
                       .arg(QString::fromStdString(output.stream.group))
                       .arg(output.stream.port);
        else
            text = tr("%1 (unusable: %2)")
                       .arg(QString::fromStdString(line), QString::fromStdString(output.problem));
        auto* item = new QListWidgetItem(text, outputList);
        item->setData(kLineRole, QString::fromStdString(line));
        item->setData(kKindRole, static_cast<int>(output.kind));
        item->setToolTip(QString::fromStdString(line));
    }
    filling_ = false;
}

std::string OutputsWindow::selectedLine() const {
    const QListWidgetItem* item = outputList->currentItem();
    return item ? item->data(kLineRole).toString().toStdString() : std::string();
}

void OutputsWindow::add(const std::string& line, const std::string& why) {
    problem->setText(line.empty() ? tr("Not added: %1").arg(QString::fromStdString(why))
                                  : QString());
    if (line.empty())
        return;
    std::vector<std::string> lines = model_.outputs();
    lines.push_back(line);
    model_.setOutputs(std::move(lines));
    reload();
}

void OutputsWindow::testClicked() {
    const std::string line = selectedLine();
    if (line.empty() || sound::isSinkLine(line))
        return ringSelected_();
    const bool tried = testOne_ && testOne_(line);
    problem->setText(tried ? QString()
                           : tr("Not tried: a bell sounds on it now, or no bell is selected."));
}

// Kept in the order the operator ticked them: those listed first, in their order.
void OutputsWindow::ticked(QListWidgetItem* item) {
    if (filling_)
        return;
    const std::string name = item->data(kLineRole).toString().toStdString();
    std::vector<std::string> names = model_.outputs();
    std::erase(names, name);
    if (item->checkState() == Qt::Checked)
        names.push_back(name);
    model_.setOutputs(std::move(names));
}

}  // namespace tollix
