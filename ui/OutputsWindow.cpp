#include "ui/OutputsWindow.h"

#include "model/ScheduleModel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tollix {

OutputsWindow::OutputsWindow(ScheduleModel& model, Mixer& mixer, std::function<void()> ringSelected,
                             QWidget* parent)
    : QDialog(parent), model_(model), mixer_(mixer) {
    setObjectName(QStringLiteral("OutputsWindow"));
    setWindowTitle(tr("Outputs"));
    auto* note =
        new QLabel(tr("The bells play on every output ticked, all at once.\nNone ticked: the "
                      "default output. Another computer's speakers are an output too\n(a "
                      "network sink of the sound server: see the README)."));
    outputList = new QListWidget;
    outputList->setObjectName(QStringLiteral("outputList"));
    outputList->setAccessibleName(tr("Outputs the bells play on"));
    test = new QPushButton(tr("Test"));
    test->setToolTip(tr("Rings the selected bell on the outputs ticked"));
    auto* refresh = new QPushButton(tr("Refresh"));
    auto* close = new QPushButton(tr("Close"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(test);
    buttons->addWidget(refresh);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(outputList);
    layout->addLayout(buttons);
    resize(480, 320);

    connect(outputList, &QListWidget::itemChanged, this, &OutputsWindow::ticked);
    connect(test, &QPushButton::clicked, this, std::move(ringSelected));
    connect(refresh, &QPushButton::clicked, this, &OutputsWindow::reload);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
}

OutputsWindow* OutputsWindow::showFor(QWidget* parent, ScheduleModel& model, Mixer& mixer,
                                      std::function<void()> ringSelected) {
    auto* window = parent->findChild<OutputsWindow*>();
    if (!window)
        window = new OutputsWindow(model, mixer, std::move(ringSelected), parent);
    window->reload();
    window->show();
    window->raise();
    return window;
}

void OutputsWindow::reload() {
    std::vector<Mixer::Sink> sinks;
    mixer_.listOutputs(sinks);
    // A listed output the server lacks now stays listed, and can be taken off.
    for (const auto& name : model_.outputs())
        if (std::none_of(sinks.begin(), sinks.end(),
                         [&name](const Mixer::Sink& sink) { return sink.name == name; }))
            sinks.push_back(
                {name, tr("%1 (missing)").arg(QString::fromStdString(name)).toStdString()});
    filling_ = true;
    outputList->clear();
    for (const auto& sink : sinks) {
        auto* item = new QListWidgetItem(QString::fromStdString(sink.description), outputList);
        item->setData(Qt::UserRole, QString::fromStdString(sink.name));
        item->setToolTip(QString::fromStdString(sink.name));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        const auto& listed = model_.outputs();
        item->setCheckState(std::find(listed.begin(), listed.end(), sink.name) != listed.end()
                                ? Qt::Checked
                                : Qt::Unchecked);
    }
    filling_ = false;
}

// Kept in the order the operator ticked them: those listed first, in their order.
void OutputsWindow::ticked(QListWidgetItem* item) {
    if (filling_)
        return;
    const std::string name = item->data(Qt::UserRole).toString().toStdString();
    std::vector<std::string> names = model_.outputs();
    std::erase(names, name);
    if (item->checkState() == Qt::Checked)
        names.push_back(name);
    model_.setOutputs(std::move(names));
}

}  // namespace tollix
