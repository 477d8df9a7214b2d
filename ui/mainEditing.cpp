// The main window's editing of the manual list, the interval sounds and the
// templates. Every edit is written to the file of the list on screen at once.
#include "schedule/DataFiles.h"
#include "schedule/Intervals.h"
#include "ui/main.h"
#include "ui/templet.h"

namespace tollix {

namespace {

const QString kWarning = QStringLiteral("Warning");

bool inRange(const QLineEdit* edit, long low, long high) {
    const auto value = wholeNumber(edit->text().toStdString());
    return value && *value >= low && *value <= high;
}

// A music folder is named minutes_name; a name with a "." is a file.
bool validSoundName(const QString& name) {
    if (name.contains(QLatin1Char('.')))
        return true;
    return wholeNumber(name.section(QLatin1Char('_'), 0, 0).toStdString()).has_value();
}

QString twoDigits(const QLineEdit* edit) {
    return QStringLiteral("%1").arg(*wholeNumber(edit->text().toStdString()), 2, 10,
                                    QLatin1Char('0'));
}

}  // namespace

// ---- The manual list ---------------------------------------------------------

void main::SaveEditedList() {
    if (Option3->isChecked())
        SaveWeekList();
    else
        SaveDayList(1);
}

void main::TimeAdd_Click() {
    if (fileList->ListIndex() < 0) {
        services_.messages.information(kWarning,
                                       QStringLiteral("Select bell sound int [Select bell sound]"));
        return;
    }
    if (!validSoundName(fileList->text(fileList->ListIndex()))) {
        services_.messages.information(
            QStringLiteral("TOLLIX"),
            QStringLiteral("Invalid music folder name. (Format : minutes_music folder name)"));
        return;
    }
    const QString hourMessage = QStringLiteral("(Hour)Please input digit between 0 and 23");
    const QString minuteMessage = QStringLiteral("(Minute)Please input digit between 0 and 59");
    if (input_h->text().isEmpty()) {
        services_.messages.information(kWarning, hourMessage);
        return;
    }
    if (input_m->text().isEmpty()) {
        services_.messages.information(kWarning, minuteMessage);
        return;
    }
    if (!inRange(input_h, 0, 23)) {
        services_.messages.information(kWarning, hourMessage);
        return;
    }
    if (!inRange(input_m, 0, 59)) {
        services_.messages.information(kWarning, minuteMessage);
        return;
    }
    AddTimeToList(twoDigits(input_h) + QStringLiteral("hr ") + twoDigits(input_m) +
                  QStringLiteral("min"));
    SaveEditedList();
}

void main::AddTimeToList(const QString& time) {
    for (int i = 0; i < AddTimeList->count(); ++i) {
        if (AddTimeList->text(i).section(QLatin1Char('/'), 0, 0) == time) {
            services_.messages.information(
                kWarning, QStringLiteral("The corresponding time is being register already."));
            return;
        }
    }
    AddTimeList->AddItem(time + QLatin1Char('/') + fileList->text(fileList->ListIndex()));
}

void main::TimeDel_Click() {
    const int selected = AddTimeList->ListIndex();
    if (selected < 0) {
        services_.messages.information(
            kWarning, QStringLiteral("Select time that you want to delete in [Added time]"));
        return;
    }
    delete AddTimeList->takeItem(selected);
    // Nothing is picked after a delete: a second press must not delete the
    // line that moved up into the place.
    AddTimeList->setListIndex(-1);
    SaveEditedList();
}

void main::TimeMod_Click() {
    const int selected = AddTimeList->ListIndex();
    if (selected < 0) {
        services_.messages.information(
            kWarning, QStringLiteral("Select time that you want to modify in [Added time]"));
        return;
    }
    if (fileList->ListIndex() < 0) {
        services_.messages.information(kWarning,
                                       QStringLiteral("Select bell sound in [Select bell sound]"));
        return;
    }
    // The time part has a fixed width, so the line keeps its place.
    AddTimeList->item(selected)->setText(AddTimeList->text(selected).left(11) +
                                         fileList->text(fileList->ListIndex()));
    SaveEditedList();
}

void main::allDel_Click() {
    if (!services_.messages.question(QStringLiteral("Delete"),
                                     QStringLiteral("Delete all times of time box?")))
        return;
    AddTimeList->clear();
    SaveEditedList();
}

// ---- Interval sounds and alarms ----------------------------------------------

void main::PickSound(QLineEdit* target) {
    if (fileList->ListIndex() < 0) {
        services_.messages.information(
            kWarning, QStringLiteral("Select bell sound from [Select bell sound]"));
        return;
    }
    target->setText(fileList->text(fileList->ListIndex()));
    if (Option3->isChecked())
        SaveWeekIntervals();
    else
        SaveDayIntervals(1);
}

// ---- Templates ---------------------------------------------------------------

void main::applyTemplet_Click() {
    templet_->show();  // modal: the main window waits until it is hidden
    templet_->activateWindow();
}

// A missing template reads as an empty one with "No rings" off.
void main::ApplyTemplate(int number) {
    // A list that took work is not replaced without asking (No by default).
    if (const int bells = AddTimeList->count();
        bells > 0 && !services_.messages.question(
                         QStringLiteral("TOLLIX"),
                         QStringLiteral("Replace the %1 bells in the list with Templet %2?")
                             .arg(bells)
                             .arg(number)))
        return;
    AddTimeList->clear();
    const DayList stored = datafiles::readDayList(paths().dayList(7 + number));
    AddTimeList->AddItems(stored.lines);
    if (Option3->isChecked()) {
        SaveWeekList();
    } else {
        nobell->setValue(stored.nobell);
        SaveDayList(1);
    }
    templet_->hide();
}

}  // namespace tollix
