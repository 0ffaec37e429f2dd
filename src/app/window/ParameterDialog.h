#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;

namespace tarvo::app {

class Settings;

// "参数设置", the parameter dialog: work-piece origin, magnification and
// pulse equivalent. Each time it opens its fields are read from the settings
// store; OK checks them, stores the texts as typed and closes; closing it any
// other way keeps nothing.
class ParameterDialog : public QDialog {
    Q_OBJECT

public:
    ParameterDialog(Settings& settings, QWidget* parent = nullptr);

    // Fills the fields from the settings store (the dialog's load step).
    void load();

    QLineEdit& g54xt();
    QLineEdit& g54yt();
    QLineEdit& g54zt();
    QLineEdit& beit();
    QLineEdit& dlt();

signals:
    // OK stored valid texts: the texts of the new work-piece origin in millimetres.
    void originAccepted(const QString& x, const QString& y, const QString& z);

private:
    // "确定": refuses the first invalid field with a message in the dialog.
    void ok();
    bool refuseInvalidField();

    Settings& settings_;
    // g54xt, g54yt, g54zt, beit, dlt: the order of the settings keys.
    std::array<QLineEdit*, 5> fields_{};
    QLabel* problem_ = nullptr;
};

}  // namespace tarvo::app
