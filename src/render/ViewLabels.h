#pragma once

#include <QString>
#include <string_view>
#include <vector>

class QPainter;

namespace tarvo::render {

class SvgPicture;

// A view's fixed labels (the axes' names, the origin), placed in twips from
// the top-left corner of the view, which is 7215 twips square, and drawn
// over its picture at whatever size it has.
class ViewLabels {
public:
    // Sets the caption of the label at (left, top), or adds that label.
    void set(int leftTwips, int topTwips, std::string_view caption);
    // Over an image of `size` pixels square.
    void paint(QPainter& painter, int size) const;
    void write(SvgPicture& picture, int size) const;

private:
    struct Label {
        int left, top;
        QString caption;
    };
    std::vector<Label> labels_;
};

}  // namespace tarvo::render
