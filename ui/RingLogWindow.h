#pragma once

#include <QDialog>

#include <filesystem>

class QPlainTextEdit;

namespace tollix {

// "Ring log": the latest lines of the ring record, read-only.
class RingLogWindow final : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kLines = 50;

    explicit RingLogWindow(std::filesystem::path file, QWidget* parent = nullptr);
    // Reads the record afresh and shows its newest line.
    void showLatest();

    QPlainTextEdit* lines;

  private:
    std::filesystem::path file_;
};

}  // namespace tollix
