#pragma once

#include <QString>
#include <vector>

namespace tarvo::app {

// What the line gutter reads of the text beside it: the lines on screen and
// which of them carry the marker or an error. Lines are counted from 0.
class NumberedLines {
public:
    struct LineBox {
        qint64 line;
        int top;  // in the viewport's (and the gutter's) coordinates
        int height;
    };
    // The lines on screen, top down.
    virtual std::vector<LineBox> visibleLines() const = 0;
    virtual qint64 markedLine() const = 0;
    virtual qint64 errorLine() const = 0;
    virtual QString errorMessage() const = 0;

protected:
    ~NumberedLines() = default;
};

}  // namespace tarvo::app
