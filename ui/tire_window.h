#pragma once

#include <QWidget>

namespace evdrive {

// Turns a tire size such as 195 / 70 R 15 into the rolling radius and hands
// it to the calculator window through the clipboard.
class TireRadiusForm : public QWidget {
    Q_OBJECT

  public:
    explicit TireRadiusForm(QWidget* parent = nullptr);

  private:
    void calculate();
    void copyResult();
};

} // namespace evdrive
