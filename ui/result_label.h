#pragma once

#include <QLineEdit>

namespace evdrive {

// Shows a result on a green background. A result wider than the control is
// elided with "…" and carried whole in the tooltip; a click shows it whole,
// to be selected and copied. The user cannot edit it.
class ResultLabel : public QLineEdit {
    Q_OBJECT

  public:
    explicit ResultLabel(QWidget* parent = nullptr);

    // An empty result clears the control.
    void setResult(const QString& result);
    QString result() const { return result_; }

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void showResult();

    QString result_;
};

} // namespace evdrive
