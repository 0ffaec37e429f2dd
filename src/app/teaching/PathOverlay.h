#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <cstdint>

#include "teach/IdealPathFigure.h"
#include "views/PixelLine.h"

namespace tarvo::render {
class RasterCanvas;
}
namespace tarvo::teach {
class PathRecord;
struct IdealSegment;
}  // namespace tarvo::teach
namespace tarvo::app {

// Lies over the plan view and draws on top of its picture, never into it:
// the exact path of every segment of the last run in a thin line, the steps
// of one program line picked out in a thicker one, and a read-out of how far
// the step points strayed from the exact path. Follows the record at frame
// rate, not at every tick.
class PathOverlay : public QWidget {
    Q_OBJECT

public:
    static constexpr QRgb idealColour =
        qRgb(teach::idealColour.r, teach::idealColour.g, teach::idealColour.b);
    static constexpr QRgb stepsColour =
        qRgb(teach::pickedStepsColour.r, teach::pickedStepsColour.g, teach::pickedStepsColour.b);

    // `view` is the widget that shows `canvas`; the overlay covers it.
    PathOverlay(const teach::PathRecord& record, const render::RasterCanvas& canvas, QWidget& view);

    void setIdealShown(bool shown);
    bool idealShown() const { return idealShown_; }
    // The program line (from 1) whose steps of the recorded run stand out; 0 for none.
    void setLine(std::int64_t line);
    // The picked line, as long as the run it was picked from is the record's.
    std::int64_t line() const;
    // "偏差：本段 … 全程 …": of the segment under way or of the picked line, and of the run.
    QString readout() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();
    void paintIdeal(QPainter& painter, const views::PixelMap& map);
    void paintSteps(QPainter& painter, const views::PixelMap& map) const;
    void paintReadout(QPainter& painter) const;

    const teach::PathRecord& record_;
    const render::RasterCanvas& canvas_;
    QTimer frame_;
    bool idealShown_ = false;
    std::int64_t line_ = 0;
    std::uint64_t lineRun_ = 0;
    std::uint64_t seenChanges_ = 0;
    // The finished segments already drawn, kept for the next frame.
    QImage layer_;
    std::size_t layerSegments_ = 0;
    std::uint64_t layerRun_ = 0;
    views::PixelMap layerMap_;
};

}  // namespace tarvo::app
