#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace tarvo::app {

// A narrow strip beside the editor with an arrow at the line being executed.
class LineMarker : public QWidget {
    Q_OBJECT

public:
    LineMarker(QPlainTextEdit& editor, QWidget* parent = nullptr);

    void setLine(qint64 line);
    qint64 line() const { return line_; }

    QSize sizeHint() const override { return {18, 0}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPlainTextEdit& editor_;
    qint64 line_ = 0;
};

}  // namespace tarvo::app
