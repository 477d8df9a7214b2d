#pragma once

#include <QScrollBar>

class QLineEdit;

namespace tollix {

// A spin button: a small vertical scroll bar with a position of its own.
// Change runs whenever the position changes, by the operator or by code.
class SpinButton final : public QScrollBar {
    Q_OBJECT

  public:
    // Counting spins have the top arrow count up; a selector (counting down
    // the page) has it go to the previous number.
    enum class TopArrow { CountsUp, GoesBack };

    SpinButton(int minimum, int maximum, int position, TopArrow top, QWidget* parent = nullptr);

    int position() const;
    void setPosition(int position);
    // Steps as one arrow click: +1 counts up, -1 counts down.
    void stepUp() { setPosition(position() + 1); }
    void stepDown() { setPosition(position() - 1); }

    // The arrow keys and the mouse wheel over `field` step this spin, as on
    // the spin itself: the number can be changed without the mouse.
    void stepFrom(QWidget* field);

    int minimumPosition() const { return minimum_; }
    int maximumPosition() const { return maximum_; }

  signals:
    void Change();

  protected:
    void timerEvent(QTimerEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    int fromValue(int value) const { return top_ == TopArrow::CountsUp ? -value : value; }

    int minimum_;
    int maximum_;
    TopArrow top_;
};

// A spin that keeps its own position and writes it into `field`; reaching
// `top` turns it into `wrapTo` (top 0: no wrap, the highest value stays). The
// field's arrow keys and wheel step it, and a number typed or loaded into the
// field moves the spin to it, so the next arrow click goes on from what the
// field shows; other text leaves it alone.
void bindWrappingSpin(SpinButton* spin, QLineEdit* field, int top, int wrapTo = 0);

}  // namespace tollix
