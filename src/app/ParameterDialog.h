#pragma once

#include <QDialog>

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
    // OK stored valid texts: the new work-piece origin in millimetres.
    void originAccepted(double x, double y, double z);
};

}  // namespace tarvo::app
