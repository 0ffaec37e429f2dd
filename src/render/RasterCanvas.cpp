#include "render/RasterCanvas.h"

#include <QBuffer>
#include <QPainter>
#include <algorithm>

#include "render/DrawingPicture.h"
#include "render/SvgPicture.h"
#include "render/WholeFile.h"

namespace tarvo::render {

namespace {

// A view is 7215 twips square; labels are 90 x 180 twips.
constexpr double viewTwips = 7215;

QRgb rgb(views::Rgb c) {
    return qRgb(c.r, c.g, c.b);
}

// Plotted points take the foreground colour, black.
QRgb runColour(std::int8_t colour) {
    return colour < 0 ? rgb(views::palette[views::colour::black])
                      : rgb(views::paletteColour(colour));
}

PixelBuffer bufferOf(QImage& image) {
    return {reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
            static_cast<int>(image.bytesPerLine() / 4)};
}

// The coordinates of a run, x and y by turns, from its first point.
struct PointsFrom {
    const motion::Chunked<float>& points;
    std::size_t first;
    float operator[](std::size_t i) const { return points[first + i]; }
};

// A scale's left, top, right and bottom, in the scale array or as the two
// points of a scale change in the drawing.
template <typename Scale>
PixelMap mapOf(Scale p, int size) {
    return PixelMap(p[0], p[1], p[2], p[3], size, size);
}

// The lines of two polylines drawn by turns, in the order they were drawn,
// in pixels of the map: each point ends the line from the point two before.
// From the line that ends at point `from` on.
template <typename Run, typename Draw>
void forEachTurn(const Run& run, const PointsFrom& p, const PixelMap& map, std::size_t from,
                 Draw draw) {
    const QRgb colours[2] = {runColour(run.colour), runColour(run.partner)};
    for (std::size_t i = std::max<std::size_t>(from, 2); i < run.count; ++i) {
        draw(map.x(p[2 * i - 4]), map.y(p[2 * i - 3]), map.x(p[2 * i]), map.y(p[2 * i + 1]),
             colours[i % 2]);
    }
}

}  // namespace

RasterCanvas::RasterCanvas(views::Rgb background, int size, std::size_t budget)
    : background_(background),
      pointLimit_(budget / sizeof(float)),
      image_(size, size, QImage::Format_RGB32) {
    image_.fill(rgb(background_));
    attach();
    clear();
}

RasterCanvas::RasterCanvas(RasterCanvas&&) noexcept = default;
RasterCanvas::~RasterCanvas() = default;

void RasterCanvas::attach() {
    buffer_ = bufferOf(image_);
    map_ = mapOf(scale_, image_.width());
}

void RasterCanvas::clear() {
    ++restarts_;
    markedRuns_ = 0;
    picture_.reset();
    paintedTo_.reset();
    runs_.reuse();
    points_.reuse();
    startRun(scaleChange, scale_[0], scale_[1]);
    addPoint(scale_[2], scale_[3]);
    runs_.back().count = 2;
    image_.fill(rgb(background_));
    notify();
}

void RasterCanvas::setScale(float left, float top, float right, float bottom) {
    // A new scale applies to what is drawn next; what is drawn stays where it
    // is, so scale changes travel in the list with the drawing.
    ++restarts_;
    scale_[0] = left;
    scale_[1] = top;
    scale_[2] = right;
    scale_[3] = bottom;
    startRun(scaleChange, left, top);
    addPoint(right, bottom);
    runs_.back().count = 2;
    map_ = mapOf(scale_, image_.width());
    if (picture_) picture_->setScale(left, top, right, bottom);
}

// The drawing so far goes into the picture, and the points it kept go.
void RasterCanvas::keepAsPicture() {
    auto picture = std::make_unique<DrawingPicture>(rgb(background_));
    renderAll(picture->image());
    picture_ = std::move(picture);
    if (paintedTo_) stale_ = true;  // the image then shows the picture
    paintedTo_.reset();
    ++restarts_;
    markedRuns_ = 0;
    kept_.clear();
    runs_.clear();
    points_.clear();
    setScale(scale_[0], scale_[1], scale_[2], scale_[3]);
}

void RasterCanvas::startRun(std::int8_t colour, float x, float y) {
    runs_.push_back({colour, alone, points_.size() / 2, 1});
    addPoint(x, y);
}

bool RasterCanvas::continues(float x, float y, std::int8_t colour) const {
    const Run& last = runs_.back();
    return last.colour == colour && colour >= 0 && last.partner == alone &&
           endsAt(points_.size() / 2 - 1, x, y);
}

// Whether a line from (x, y) goes on with the polyline whose turn it is in
// the last run. Two runs of one line each, the first of this colour and
// ending here, begin taking turns: the first's end and the second's start
// change places, so the points alternate, and the second run goes.
bool RasterCanvas::takesTurn(float x, float y, std::int8_t colour) {
    if (colour < 0) return false;
    Run& last = runs_.back();
    if (last.partner != alone) {
        const std::int8_t turn = last.count % 2 == 0 ? last.colour : last.partner;
        return turn == colour && endsAt(last.first + last.count - 2, x, y);
    }
    const std::size_t n = runs_.size();
    if (n < 2 || n - 2 < markedRuns_ || last.colour < 0 || last.count != 2) return false;
    Run& before = runs_[n - 2];
    if (before.colour != colour || before.partner != alone || before.count != 2 ||
        !endsAt(before.first + 1, x, y)) {
        return false;
    }
    const std::size_t end = 2 * (before.first + 1), start = 2 * last.first;
    std::swap(points_[end], points_[start]);
    std::swap(points_[end + 1], points_[start + 1]);
    before.partner = last.colour;
    before.count = 4;
    runs_.truncate(n - 1);
    return true;
}

void RasterCanvas::segment(float x1, float y1, float x2, float y2, std::int8_t colour) {
    if (!visible_) holdBack();
    if (picture_) {
        picture_->line(x1, y1, x2, y2, runColour(colour));
    } else {
        if (!continues(x1, y1, colour) && !takesTurn(x1, y1, colour)) startRun(colour, x1, y1);
        addPoint(x2, y2);
        ++runs_.back().count;
        keepWithinBudget();
    }
    currentX_ = x2;
    currentY_ = y2;
    if (visible_) {
        drawPixelLine(buffer_, map_.x(x1), map_.y(y1), map_.x(x2), map_.y(y2), runColour(colour));
    }
    notify();
}

void RasterCanvas::line(float x1, float y1, float x2, float y2, int colour) {
    segment(x1, y1, x2, y2, static_cast<std::int8_t>(colour & 15));
}

void RasterCanvas::lineTo(float x, float y, int colour) {
    segment(currentX_, currentY_, x, y, static_cast<std::int8_t>(colour & 15));
}

void RasterCanvas::polylineTo(const double* xs, const double* ys, std::size_t count,
                              std::size_t stride, int colour) {
    if (count == 0) return;
    if (picture_) {
        pictureLines(xs, ys, count, stride, colour);
        return;
    }
    if (!visible_) holdBack();
    const auto c = static_cast<std::int8_t>(colour & 15);
    if (!continues(currentX_, currentY_, c)) startRun(c, currentX_, currentY_);
    const QRgb pixelColour = runColour(c);
    const std::size_t added = (count - 1) / stride + 1;
    const bool paint = visible_;
    double x = map_.x(currentX_), y = map_.y(currentY_);
    for (std::size_t i = 0; i < count; i += stride) {
        const auto nextX = static_cast<float>(xs[i]), nextY = static_cast<float>(ys[i]);
        addPoint(nextX, nextY);
        const double px = map_.x(nextX), py = map_.y(nextY);
        // A step that stays in the pixel the last step of this polyline ended
        // in draws nothing new; the first step paints over whatever was there.
        if (paint && (i == 0 || !samePixel(buffer_, x, y, px, py))) {
            drawPixelLine(buffer_, x, y, px, py, pixelColour);
        }
        x = px;
        y = py;
    }
    runs_.back().count += added;
    currentX_ = points_[points_.size() - 2];
    currentY_ = points_.back();
    keepWithinBudget();
    notify();
}

// A polyline past the budget: one line at a time.
void RasterCanvas::pictureLines(const double* xs, const double* ys, std::size_t count,
                                std::size_t stride, int colour) {
    for (std::size_t i = 0; i < count; i += stride) {
        lineTo(static_cast<float>(xs[i]), static_cast<float>(ys[i]), colour);
    }
}

void RasterCanvas::plot(float x, float y) {
    if (!visible_) holdBack();
    if (picture_) {
        picture_->plot(x, y, runColour(plotted));
    } else {
        startRun(plotted, x, y);
        keepWithinBudget();
    }
    currentX_ = x;
    currentY_ = y;
    if (visible_) drawPixel(buffer_, map_.x(x), map_.y(y), runColour(plotted));
    notify();
}

void RasterCanvas::label(int leftTwips, int topTwips, std::string_view caption) {
    const QString text = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    for (Label& l : labels_) {
        if (l.left == leftTwips && l.top == topTwips) {
            l.caption = text;
            notify();
            return;
        }
    }
    labels_.push_back({leftTwips, topTwips, text});
    notify();
}

views::DrawingMark RasterCanvas::mark() const {
    const views::DrawingMark mark{restarts_,      runs_.size(), runs_.back().count,
                                  points_.size(), currentX_,    currentY_};
    markedRuns_ = runs_.size();
    if (visible_ && !stale_ && !picture_) {
        // A deep copy, into the pixels of the oldest kept image when there
        // are two: the drawing writes into image_'s pixels behind its back,
        // and a long run marks often.
        Kept kept{mark, {}};
        if (kept_.size() == 2) {
            kept.image = std::move(kept_.front().image);
            kept_.pop_front();
        }
        if (kept.image.size() != image_.size()) kept.image = QImage(image_.size(), image_.format());
        std::copy_n(image_.constBits(), image_.sizeInBytes(), kept.image.bits());
        kept_.push_back(std::move(kept));
    }
    return mark;
}

bool RasterCanvas::rewind(const views::DrawingMark& mark) {
    if (picture_ || mark.restarts != restarts_) return false;
    runs_.truncate(mark.runs);
    markedRuns_ = mark.runs;
    runs_.back().count = mark.lastRunPoints;
    points_.truncate(mark.points);
    currentX_ = mark.x;
    currentY_ = mark.y;
    while (!kept_.empty() && kept_.back().mark.points > mark.points) kept_.pop_back();
    const bool keptHere = !kept_.empty() && kept_.back().mark.points == mark.points &&
                          kept_.back().mark.runs == mark.runs &&
                          kept_.back().mark.restarts == mark.restarts &&
                          kept_.back().image.size() == image_.size();
    if (keptHere) {
        // Into the pixels the drawing writes to, as it does.
        std::copy_n(kept_.back().image.constBits(), image_.sizeInBytes(),
                    reinterpret_cast<uchar*>(buffer_.bits));
        stale_ = false;
    } else {
        stale_ = true;
        if (visible_) renderStale();
    }
    paintedTo_.reset();
    notify();
    return true;
}

// A hidden canvas records what it draws without painting it; its image
// stays as it was at the first drawing it held back, and the runs that stood
// then stay as they are.
void RasterCanvas::holdBack() {
    if (picture_) stale_ = true;
    if (stale_ || paintedTo_) return;
    paintedTo_ = Painted{runs_.size() - 1, runs_.back().count, map_};
    markedRuns_ = std::max(markedRuns_, runs_.size());
}

void RasterCanvas::renderStale() {
    if (stale_) {
        renderAll(image_);
    } else if (paintedTo_) {
        paintRuns(buffer_, *paintedTo_);
    }
    stale_ = false;
    paintedTo_.reset();
}

void RasterCanvas::setVisible(bool visible) {
    visible_ = visible;
    if (visible_) renderStale();
    notifyAlways();
}

void RasterCanvas::setPointer(views::Pointer pointer) {
    pointer_ = pointer;
    notifyAlways();
}

QPointF RasterCanvas::toUser(QPointF pixel, int size) const {
    const double width = size > 0 ? size : 1;
    return {scale_[0] + pixel.x() / width * (static_cast<double>(scale_[2]) - scale_[0]),
            scale_[1] + pixel.y() / width * (static_cast<double>(scale_[3]) - scale_[1])};
}

const QImage& RasterCanvas::image() {
    renderStale();
    told_ = false;
    return image_;
}

void RasterCanvas::resize(int size) {
    if (size == image_.width() || size <= 0) return;
    image_ = QImage(size, size, QImage::Format_RGB32);
    attach();
    renderAll(image_);
    stale_ = false;
    paintedTo_.reset();
    notify();
}

void RasterCanvas::renderAll(QImage& image) const {
    image.fill(rgb(background_));
    if (picture_) {
        picture_->drawInto(image);
    } else {
        paintRuns(bufferOf(image), {});
    }
}

// Paints the recorded drawing from a point of it on, the map at that point
// given: all of it onto the background, or what a hidden canvas drew since
// it last painted.
void RasterCanvas::paintRuns(const PixelBuffer& buffer, Painted from) const {
    PixelMap map = from.map;
    for (std::size_t r = from.run; r < runs_.size(); ++r) {
        const Run& run = runs_[r];
        const PointsFrom p{points_, 2 * run.first};
        // The points of this run already painted.
        const std::size_t painted = r == from.run ? from.points : 0;
        if (run.colour == scaleChange) {
            if (painted == 0) map = mapOf(p, buffer.width);
        } else if (run.colour == plotted) {
            if (painted == 0) drawPixel(buffer, map.x(p[0]), map.y(p[1]), runColour(run.colour));
        } else if (run.partner != alone) {
            forEachTurn(run, p, map, painted,
                        [&](double x1, double y1, double x2, double y2, QRgb c) {
                            drawPixelLine(buffer, x1, y1, x2, y2, c);
                        });
        } else {
            const QRgb colour = runColour(run.colour);
            const std::size_t first = std::max<std::size_t>(painted, 1);
            double x = map.x(p[2 * first - 2]), y = map.y(p[2 * first - 1]);
            for (std::size_t i = first; i < run.count; ++i) {
                const double nextX = map.x(p[2 * i]), nextY = map.y(p[2 * i + 1]);
                // Within a run nothing else is drawn between two of its
                // lines, so a line that stays in the pixel the last one
                // ended in adds nothing.
                if (i == first || !samePixel(buffer, x, y, nextX, nextY)) {
                    drawPixelLine(buffer, x, y, nextX, nextY, colour);
                }
                x = nextX;
                y = nextY;
            }
        }
    }
}

void RasterCanvas::paintLabels(QPainter& painter, int size) const {
    painter.save();
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(std::max(8, static_cast<int>(size * 180 / viewTwips * 0.8)));
    painter.setFont(font);
    for (const Label& l : labels_) {
        const QRectF box(l.left * size / viewTwips, l.top * size / viewTwips, 90 * size / viewTwips,
                         180 * size / viewTwips);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, l.caption);
    }
    painter.restore();
}

QImage RasterCanvas::snapshot(int size) const {
    QImage image(size, size, QImage::Format_RGB32);
    renderAll(image);
    QPainter painter(&image);
    paintLabels(painter, size);
    return image;
}

QString RasterCanvas::svg(int size) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeSvg(buffer, size);
    return QString::fromUtf8(bytes);
}

bool RasterCanvas::writeSvg(QIODevice& out, int size) const {
    SvgPicture picture(out, size, rgb(background_));
    if (picture_) picture.image(picture_->png());
    PixelMap map;
    for (std::size_t r = 0; r < runs_.size(); ++r) {
        const Run& run = runs_[r];
        const PointsFrom p{points_, 2 * run.first};
        if (run.colour == scaleChange) {
            map = mapOf(p, size);
            continue;
        }
        if (run.partner != alone) {
            forEachTurn(run, p, map, 0, [&](double x1, double y1, double x2, double y2, QRgb c) {
                picture.line(x1, y1, x2, y2, c);
            });
            continue;
        }
        for (std::size_t i = 1; i < run.count; ++i) {
            picture.line(map.x(p[2 * i - 2]), map.y(p[2 * i - 1]), map.x(p[2 * i]),
                         map.y(p[2 * i + 1]), runColour(run.colour));
        }
    }
    for (const Label& l : labels_) {
        picture.text(l.left * size / viewTwips, l.top * size / viewTwips, l.caption);
    }
    return picture.finish();
}

// An SVG picture is written as it is made; a PNG is encoded whole first.
bool RasterCanvas::saveImage(const QString& path, int size) const {
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        return writeWhole(path, [&](QIODevice& file) { return writeSvg(file, size); });
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !snapshot(size).save(&buffer, "PNG")) return false;
    return writeWhole(path, bytes);
}

void RasterCanvas::notify() {
    if (told_ || !changed) return;
    told_ = true;
    changed();
}

void RasterCanvas::notifyAlways() {
    told_ = true;
    if (changed) changed();
}

}  // namespace tarvo::render
