#include "ui/isAutoExitForm.h"

#include "schedule/Intervals.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tollix {

namespace {

// A whole number from `lowest` to `highest`, blanks around it allowed.
bool inRange(const QString& text, int highest) {
    const auto value = wholeNumber(text.toStdString());
    return value && *value >= 0 && *value <= highest;
}

}  // namespace

isAutoExitForm::isAutoExitForm(Messages& messages, QWidget* parent)
    : QDialog(parent), messages_(messages) {
    setObjectName(QStringLiteral("isAutoExitForm"));
    setWindowTitle(tr("Reservation computer exit"));
    setModal(true);

    input_h = new QLineEdit;
    input_h->setObjectName(QStringLiteral("input_h"));
    input_m = new QLineEdit;
    input_m->setObjectName(QStringLiteral("input_m"));
    for (QLineEdit* field : {input_h, input_m}) {
        field->setFixedWidth(48);
        field->setAlignment(Qt::AlignRight);
    }
    VScroll1 = new SpinButton(0, 24, 0, SpinButton::TopArrow::CountsUp);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll2 = new SpinButton(0, 60, 0, SpinButton::TopArrow::CountsUp);
    VScroll2->setObjectName(QStringLiteral("VScroll2"));
    input_h->setAccessibleName(tr("Hour"));
    VScroll1->setAccessibleName(tr("Hour"));
    input_m->setAccessibleName(tr("Minute"));
    VScroll2->setAccessibleName(tr("Minute"));
    bindWrappingSpin(VScroll1, input_h, 24);
    bindWrappingSpin(VScroll2, input_m, 60);

    auto* frame = new QGroupBox(tr("Exit time (Type 24Hour)"));
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* row = new QHBoxLayout(frame);
    auto* hr = new QLabel(tr("hr"));
    hr->setObjectName(QStringLiteral("Label15"));
    auto* min = new QLabel(tr("min"));
    min->setObjectName(QStringLiteral("Label16"));
    row->addWidget(input_h);
    row->addWidget(VScroll1);
    row->addWidget(hr);
    row->addSpacing(12);
    row->addWidget(input_m);
    row->addWidget(VScroll2);
    row->addWidget(min);

    isAutoExitConfirm = new PictureButton(QStringLiteral("confirm"), QStringLiteral("confirm1"));
    isAutoExitConfirm->setObjectName(QStringLiteral("isAutoExitConfirm"));
    isAutoExitConfirm->setCaption(tr("Confirm"));
    connect(isAutoExitConfirm, &PictureButton::clicked, this,
            &isAutoExitForm::isAutoExitConfirm_Click);

    auto* column = new QVBoxLayout(this);
    column->addWidget(frame);
    column->addWidget(isAutoExitConfirm, 0, Qt::AlignHCenter);
}

void isAutoExitForm::Form_Load(const QString& hour, const QString& minute) {
    input_h->setText(hour);
    input_m->setText(minute);
}

// Negative numbers and words are refused with the same messages as times
// past the day: none of them is a time at which the computer can go off.
void isAutoExitForm::isAutoExitConfirm_Click() {
    const QString hourMessage = tr("(Hour)Please input digit between 0 and 23");
    const QString minuteMessage = tr("(minute)Please input digit between 0 and 59");
    const QString hour = input_h->text();
    const QString minute = input_m->text();
    const char* refusal = nullptr;
    if (hour.isEmpty())
        refusal = "hour";
    else if (minute.isEmpty())
        refusal = "minute";
    else if (!inRange(hour, 23))
        refusal = "hour";
    else if (!inRange(minute, 59))
        refusal = "minute";
    if (refusal) {
        messages_.information(tr("Warning"), *refusal == 'h' ? hourMessage : minuteMessage);
        return;
    }
    emit confirmed(static_cast<int>(*wholeNumber(hour.toStdString())),
                   static_cast<int>(*wholeNumber(minute.toStdString())));
    accept();
}

}  // namespace tollix
