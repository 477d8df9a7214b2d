#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace tollix {

// A push button that is a picture: the normal one, the pressed one while a
// mouse button is held (wherever it is released), and the disabled one.
// Pictures are named as the program's resources (":/img/<name>"); a wider
// button stretches the picture's middle and keeps its rounded ends.
class PictureButton final : public QAbstractButton {
    Q_OBJECT

  public:
    PictureButton(const QString& normal, const QString& pressed, const QString& disabled = {},
                  QWidget* parent = nullptr);

    // A picture shown while the mouse is over the button.
    void setHoverPicture(const QString& hover);
    // Back to the normal picture although the mouse is still over it.
    void clearHover() {
        over_ = false;
        update();
    }
    // The words on the button, drawn over the picture (which carries none) in
    // the window's language; also what a screen reader says. The button grows
    // to fit a long translation.
    void setCaption(const QString& caption);
    // The name of the picture on show.
    QString shownPicture() const;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QFont captionFont() const;
    QString normal_, pressed_, disabled_, hover_;
    bool held_ = false;
    bool over_ = false;
};

}  // namespace tollix
