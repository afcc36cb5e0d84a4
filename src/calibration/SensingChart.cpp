#include "calibration/SensingChart.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>

#include "calibration/SensingAnalysis.h"

namespace {

const QColor kCountColour(128, 128, 128);
const QColor kMarkColour(0, 0, 128);
const QColor kThresholdColour(0, 160, 160);

}  // namespace

SensingChart::SensingChart(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("sensingChart"));
    setRenderHint(QPainter::Antialiasing);
    auto* chart = new QChart;
    chart->setTitle(tr("Sensing Value Distribution"));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setBackgroundRoundness(0);

    // Two stacked sets: a bucket's count stands in one or the other, so a mark keeps its colour.
    counts_ = new QBarSet(tr("Count"));
    counts_->setColor(kCountColour);
    counts_->setBorderColor(kCountColour);
    marks_ = new QBarSet(tr("Mark"));
    marks_->setColor(kMarkColour);
    marks_->setBorderColor(QColor(0, 255, 255));
    for (int i = 0; i < kBuckets; ++i) {
        counts_->append(0);
        marks_->append(0);
    }
    auto* bars = new QStackedBarSeries;
    bars->setBarWidth(0.8);
    bars->append(counts_);
    bars->append(marks_);
    chart->addSeries(bars);

    // Bucket i stands at i; every fourth level is named, so the labels stay readable at any
    // width. The threshold line shares the axis.
    auto* levelAxis = new QCategoryAxis;
    levelAxis->setRange(-0.5, kBuckets - 0.5);
    levelAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    for (int i = 3; i < kBuckets; i += 4) {
        levelAxis->append(QString::number(SensingAnalysis::Threshold(i)), i);
    }
    levelAxis->setTitleText(tr("Level"));
    levelAxis->setGridLineVisible(false);
    chart->addAxis(levelAxis, Qt::AlignBottom);
    bars->attachAxis(levelAxis);

    countAxis_ = new QValueAxis;
    countAxis_->setLabelFormat(QStringLiteral("%d"));
    countAxis_->setTitleText(tr("Count"));
    countAxis_->setRange(0, 100);
    chart->addAxis(countAxis_, Qt::AlignLeft);
    bars->attachAxis(countAxis_);

    threshold_ = new QLineSeries;
    threshold_->setName(tr("Threshold"));
    QPen pen(kThresholdColour);
    pen.setWidth(2);
    pen.setStyle(Qt::DashLine);
    threshold_->setPen(pen);
    chart->addSeries(threshold_);
    threshold_->attachAxis(levelAxis);
    threshold_->attachAxis(countAxis_);

    chart->legend()->setAlignment(Qt::AlignBottom);
    setChart(chart);
    setMinimumSize(360, 260);
}

void SensingChart::Show(const std::array<int, kBuckets>& counts,
                        const std::array<bool, kBuckets>& marked, int selectedLevel) {
    marked_ = marked;
    int highest = 0;
    for (int i = 0; i < kBuckets; ++i) {
        const auto at = static_cast<std::size_t>(i);
        counts_->replace(i, marked[at] ? 0 : counts[at]);
        marks_->replace(i, marked[at] ? counts[at] : 0);
        highest = std::max(highest, counts[at]);
    }
    // A round top a little above the highest bar; an empty distribution keeps a visible scale.
    const int step = highest > 1000 ? 500 : highest > 200 ? 100 : highest > 50 ? 25 : 10;
    const int top = std::max(step * (highest / step + 1), 10);
    countAxis_->setRange(0, top);
    countAxis_->applyNiceNumbers();
    threshold_->clear();
    if (selectedLevel >= 0 && selectedLevel < kBuckets) {
        // Through the bar of the chosen level, which the axis names by its threshold.
        threshold_->append(selectedLevel, 0);
        threshold_->append(selectedLevel, countAxis_->max());
    }
}

int SensingChart::BarValue(int bucket) const {
    return static_cast<int>(counts_->at(bucket) + marks_->at(bucket));
}

bool SensingChart::MarkShown(int bucket) const {
    return marked_.at(static_cast<std::size_t>(bucket));
}

std::optional<double> SensingChart::ThresholdPosition() const {
    if (threshold_->count() == 0) {
        return std::nullopt;
    }
    return threshold_->at(0).x();
}
