#pragma once

#include <QPointer>
#include <QWidget>

namespace evdrive {

class TireRadiusForm;

// The calculator window: twelve vehicle and drivetrain figures in, motor rpm,
// power demand and maximum grade out.
class MainForm : public QWidget {
    Q_OBJECT

  public:
    explicit MainForm(QWidget* parent = nullptr);

  private:
    void calculate();
    void openTireWindow();

    QPointer<TireRadiusForm> tireWindow_;
};

} // namespace evdrive
