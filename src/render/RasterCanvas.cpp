#include "render/RasterCanvas.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <algorithm>

#include "files/WholeFile.h"
#include "render/DrawingPicture.h"
#include "render/PngFile.h"
#include "render/SvgPicture.h"

namespace tarvo::render {

namespace {

views::PixelBuffer bufferOf(QImage& image) {
    return {reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
            static_cast<int>(image.bytesPerLine() / 4)};
}

views::PixelMap mapOf(const float scale[4], int size) {
    return views::PixelMap(scale[0], scale[1], scale[2], scale[3], size, size);
}

// The file a picture is saved to, as a device the SVG picture writes into.
class WholeFileDevice : public QIODevice {
public:
    explicit WholeFileDevice(files::WholeFile& file) : file_(file) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        file_.stream().write(data, size);
        return file_.stream() ? size : -1;
    }

private:
    files::WholeFile& file_;
};

}  // namespace

RasterCanvas::RasterCanvas(views::Rgb background, int size, std::size_t budget)
    : background_(background),
      pointLimit_(budget / sizeof(float)),
      image_(size, size, QImage::Format_RGB32) {
    image_.fill(views::pixelOf(background_));
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
    picture_.reset();
    paintedTo_.reset();
    record_.restart(scale_, true);
    image_.fill(views::pixelOf(background_));
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
    record_.setScale(scale_);
    map_ = mapOf(scale_, image_.width());
    if (picture_) picture_->setScale(left, top, right, bottom);
}

// The drawing so far goes into the picture, and the points it kept go.
void RasterCanvas::keepAsPicture() {
    auto picture = std::make_unique<DrawingPicture>(views::pixelOf(background_));
    renderAll(picture->image());
    picture->setScale(scale_[0], scale_[1], scale_[2], scale_[3]);
    picture_ = std::move(picture);
    if (paintedTo_) stale_ = true;  // the image then shows the picture
    paintedTo_.reset();
    ++restarts_;
    kept_.clear();
    record_.restart(scale_, false);
}

void RasterCanvas::segment(float x1, float y1, float x2, float y2, std::int8_t colour) {
    if (!visible_) holdBack();
    if (picture_) {
        picture_->line(x1, y1, x2, y2, views::runColour(colour));
    } else {
        record_.line(x1, y1, x2, y2, colour);
        keepWithinBudget();
    }
    currentX_ = x2;
    currentY_ = y2;
    if (visible_) {
        views::drawPixelLine(buffer_, map_.x(x1), map_.y(y1), map_.x(x2), map_.y(y2),
                             views::runColour(colour));
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
    record_.beginPolyline(currentX_, currentY_, c);
    const QRgb pixelColour = views::runColour(c);
    const std::size_t added = (count - 1) / stride + 1;
    const bool paint = visible_;
    double x = map_.x(currentX_), y = map_.y(currentY_);
    for (std::size_t i = 0; i < count; i += stride) {
        const auto nextX = static_cast<float>(xs[i]), nextY = static_cast<float>(ys[i]);
        record_.addPoint(nextX, nextY);
        const double px = map_.x(nextX), py = map_.y(nextY);
        // A step that stays in the pixel the last step of this polyline ended
        // in draws nothing new; the first step paints over whatever was there.
        if (paint && (i == 0 || !views::samePixel(buffer_, x, y, px, py))) {
            views::drawPixelLine(buffer_, x, y, px, py, pixelColour);
        }
        x = px;
        y = py;
    }
    record_.endPolyline(added);
    currentX_ = record_.lastX();
    currentY_ = record_.lastY();
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
        picture_->plot(x, y, views::runColour(views::DrawingRecord::plotted));
    } else {
        record_.plot(x, y);
        keepWithinBudget();
    }
    currentX_ = x;
    currentY_ = y;
    if (visible_)
        views::drawPixel(buffer_, map_.x(x), map_.y(y),
                         views::runColour(views::DrawingRecord::plotted));
    notify();
}

void RasterCanvas::label(int leftTwips, int topTwips, std::string_view caption) {
    labels_.set(leftTwips, topTwips, caption);
    notify();
}

views::DrawingMark RasterCanvas::mark() const {
    const views::DrawingMark mark{restarts_,        record_.runs(), record_.lastRunPoints(),
                                  record_.floats(), currentX_,      currentY_};
    record_.freeze();
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
    record_.cutBack(mark.runs, mark.lastRunPoints, mark.points);
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
    paintedTo_ = Painted{record_.end(), map_};
    record_.freeze();
}

void RasterCanvas::renderStale() {
    if (stale_) {
        renderAll(image_);
    } else if (paintedTo_) {
        record_.paint(buffer_, paintedTo_->at, paintedTo_->map);
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
    image.fill(views::pixelOf(background_));
    if (picture_) {
        picture_->drawInto(image);
    } else {
        record_.paint(bufferOf(image), {}, {});
    }
}

void RasterCanvas::paintLabels(QPainter& painter, int size) const {
    labels_.paint(painter, size);
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
    SvgPicture picture(out, size, views::pixelOf(background_));
    if (picture_) picture.image(picture_->png());
    record_.forEachLine(size, [&picture](double x1, double y1, double x2, double y2, QRgb c) {
        picture.line(x1, y1, x2, y2, c);
    });
    labels_.write(picture, size);
    return picture.finish();
}

// An SVG picture is written as it is made; a PNG is encoded whole first.
bool RasterCanvas::saveImage(const QString& path, int size) const {
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        files::WholeFile file;
        if (!file.open(QFile::encodeName(path).toStdString())) return false;
        WholeFileDevice device(file);
        return writeSvg(device, size) && file.commit();
    }
    return writePng(snapshot(size), path);
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
