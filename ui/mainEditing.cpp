// The main window's editing of the manual list, the interval sounds and the
// templates: the model's rules, drawn. Every edit is written at once.
#include "engine/DayNote.h"
#include "ui/CopyToDialog.h"
#include "ui/main.h"
#include "ui/templet.h"

namespace tollix {

// ---- The manual list ---------------------------------------------------------

// What the operator typed or ticked reaches the model before it acts: the
// interval fields and "No rings".
void main::editHere() {
    model.editDay(model.day(), nobell->value());
    if (model.timeMode() == ScheduleModel::TimeMode::Auto)
        model.setIntervals(intervals());
}

std::optional<std::string> main::selectedSound() const {
    const int index = fileList->ListIndex();
    if (index < 0)
        return std::nullopt;
    return fileList->text(index).toStdString();
}

void main::refused(const Outcome& outcome) {
    if (outcome)
        services_.messages.information(refusalText(outcome->title), refusalText(outcome->text));
}

void main::drawList(int selected) {
    AddTimeList->clear();
    AddTimeList->AddItems(model.list());
    AddTimeList->setListIndex(selected);
}

void main::TimeAdd_Click() {
    editHere();
    refused(model.addBell(input_h->text().toStdString(), input_m->text().toStdString(),
                          selectedSound()));
    drawList(-1);
}

void main::TimeDel_Click() {
    editHere();
    // Nothing is picked after a delete: a second press must not delete the
    // line that moved up into the place.
    refused(model.deleteBell(AddTimeList->ListIndex()));
    drawList(-1);
}

void main::TimeMod_Click() {
    editHere();
    const int selected = AddTimeList->ListIndex();
    refused(model.modifyBell(selected, selectedSound()));
    drawList(selected);
}

void main::allDel_Click() {
    if (!services_.messages.question(tr("Delete"), tr("Delete all times of time box?")))
        return;
    editHere();
    model.deleteAllBells();
    drawList(-1);
}

// ---- Interval sounds and alarms ----------------------------------------------

void main::PickSound(QLineEdit* target, IntervalSound field) {
    editHere();
    const Outcome outcome = model.pickSound(field, selectedSound());
    refused(outcome);
    if (!outcome)
        target->setText(QString::fromStdString(*selectedSound()));
}

// ---- Templates ---------------------------------------------------------------

void main::applyTemplet_Click() {
    templet_->show();  // modal: the main window waits until it is hidden
    templet_->activateWindow();
}

void main::ApplyTemplate(int number) {
    // A list that took work is not replaced without asking (No by default).
    if (const int bells = AddTimeList->count();
        bells > 0 &&
        !services_.messages.question(
            QStringLiteral("TOLLIX"),
            tr("Replace the %1 bells in the list with Templet %2?").arg(bells).arg(number)))
        return;
    editHere();
    model.applyTemplate(number);
    nobell->setValue(model.nobell());
    drawList(-1);
    templet_->hide();
}

// "Copy to...": days with bells of their own are named in one question
// first (No by default), and an empty list says that it empties them.
void main::copyTo_Click() {
    CopyToDialog choose(this);
    if (choose.exec() != QDialog::Accepted)
        return;
    const std::vector<int> days = choose.chosen();
    if (const auto replaced = model.copyWouldReplace(days); !replaced.empty()) {
        QStringList names;
        for (const int day : replaced) names << weekdayName(day);
        const QString question =
            model.list().empty()
                ? tr("The list on screen is empty. These days would lose all their "
                     "bells: %1\nCopy the empty list?")
                : tr("These days have bells of their own: %1\nReplace them with the "
                     "list on screen?");
        if (!services_.messages.question(QStringLiteral("TOLLIX"),
                                         question.arg(names.join(QStringLiteral(", ")))))
            return;
    }
    model.copyListTo(days);
}

}  // namespace tollix
