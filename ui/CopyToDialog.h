#pragma once

#include <QDialog>

#include <array>
#include <vector>

class QCheckBox;

namespace tollix {

// "Copy to...": the weekdays the list on screen is copied to.
class CopyToDialog final : public QDialog {
    Q_OBJECT

  public:
    explicit CopyToDialog(QWidget* parent = nullptr);

    // 1 Sunday .. 7 Saturday, those checked.
    std::vector<int> chosen() const;

    std::array<QCheckBox*, 7> days{};  // Monday first, as the week is shown
};

}  // namespace tollix
