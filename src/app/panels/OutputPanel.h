#pragma once

#include <QGroupBox>
#include <array>

class QLineEdit;

namespace tarvo::app {

// "并行口输出状态": the eight bits of the parallel-port byte, each "0" or "1"
// beside its label, with the spindle and coolant states above them.
class OutputPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit OutputPanel(QWidget* parent = nullptr);

    void showBit(int index, bool value);
    void showSpindle(bool on);
    void showCoolant(bool on);

    const QLineEdit& outdata(int index) const { return *outdata_[static_cast<std::size_t>(index)]; }
    const QLineEdit& zhukg() const { return *zhukg_; }
    const QLineEdit& lengkg() const { return *lengkg_; }

private:
    std::array<QLineEdit*, 8> outdata_{};
    QLineEdit* zhukg_;
    QLineEdit* lengkg_;
    bool spindle_ = false, coolant_ = false;  // as shown, to say again in another language
};

}  // namespace tarvo::app
