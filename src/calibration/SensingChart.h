#pragma once

#include <QChartView>
#include <array>
#include <optional>

class QBarSet;
class QLineSeries;
class QValueAxis;

// The 32 counts of a sensing distribution as bars: the two cluster marks stand out in the
// page's mark colours and a line shows where the chosen threshold cuts, so the two clusters and
// the room between them are seen at a glance.
class SensingChart : public QChartView {
    Q_OBJECT
public:
    static constexpr int kBuckets = 32;

    explicit SensingChart(QWidget* parent = nullptr);

    // `selectedLevel` -1: no threshold line.
    void Show(const std::array<int, kBuckets>& counts, const std::array<bool, kBuckets>& marked,
              int selectedLevel);

    // What the chart draws now, for a look from a test.
    int BarValue(int bucket) const;
    bool MarkShown(int bucket) const;
    // The bucket the threshold line stands on, or nothing.
    std::optional<double> ThresholdPosition() const;

private:
    QBarSet* counts_ = nullptr;
    QBarSet* marks_ = nullptr;
    QLineSeries* threshold_ = nullptr;
    QValueAxis* countAxis_ = nullptr;
    std::array<bool, kBuckets> marked_{};
};
