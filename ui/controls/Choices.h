#pragma once

#include <QCheckBox>
#include <QRadioButton>

namespace tollix {

// The controls' rule: setting a control from code runs its behaviour as the
// operator's click would. These two classes are where that rule lives.

// An option button: Click runs whenever it becomes selected, and whenever code
// selects it, even when it was selected already.
class OptionButton final : public QRadioButton {
    Q_OBJECT

  public:
    explicit OptionButton(const QString& caption, QWidget* parent = nullptr);
    void select();

  signals:
    void Click();
};

// A check box: Click runs whenever its value changes, by the operator or by code.
class CheckBox final : public QCheckBox {
    Q_OBJECT

  public:
    explicit CheckBox(const QString& caption, QWidget* parent = nullptr);
    int value() const { return isChecked() ? 1 : 0; }
    void setValue(int value) { setChecked(value != 0); }

  signals:
    void Click();
};

}  // namespace tollix
