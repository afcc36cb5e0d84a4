#include "preview/LabelPreviewPane.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "forms/Controls.h"
#include "forms/PrinterText.h"
#include "forms/ValueLabel.h"
#include "images/PcxCodec.h"
#include "preview/LabelView.h"

namespace {

constexpr double kDotsPerMillimetre = 8.0;  // 203 dpi
constexpr int kCommandWidth = 20;           // characters of the command column at most
constexpr int kListedRows = 6;              // rows of commands not drawn shown without scrolling

enum Page { kHintPage, kLabelPage };
enum Column { kLineColumn, kCommandColumn, kReasonColumn };

// A picture file that an "IS" command in the script stores, as printer dots.
std::optional<preview::LabelBitmap> ReadPcx(QByteArrayView file) {
    const QImage picture = PcxCodec::Read(file);
    if (picture.isNull()) {
        return std::nullopt;
    }
    return preview::LabelBitmap::FromImage(picture);
}

QString Millimetres(int dots) {
    return QLocale().toString(dots / kDotsPerMillimetre, 'f', 1);
}

}  // namespace

LabelPreviewPane::LabelPreviewPane(QWidget* parent) : QWidget(parent) {
    setup_.readPicture = ReadPcx;
    pause_.setSingleShot(true);
    pause_.setInterval(kTypingPauseMs);
    connect(&pause_, &QTimer::timeout, this, &LabelPreviewPane::RenderNow);
    BuildForm();
    // Room for a label, the size and zoom row and a readable list of the commands not drawn.
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    ShowRendering();
}

void LabelPreviewPane::BuildForm() {
    labels_ = Controls::List(this, "labelList", QStringList());
    labels_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(labels_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            ShowLabel(index);
        }
    });
    copies_ = ValueLabel::Make(this, "copiesLabel");

    view_ = new LabelView(this);
    view_->setObjectName(QStringLiteral("labelView"));
    connect(view_, &LabelView::ZoomStepped, this, &LabelPreviewPane::StepZoom);
    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("hintLabel"));
    hint_->setAlignment(Qt::AlignCenter);
    hint_->setWordWrap(true);
    hint_->setMargin(24);
    hint_->setForegroundRole(QPalette::PlaceholderText);
    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("pages"));
    pages_->insertWidget(kHintPage, hint_);
    pages_->insertWidget(kLabelPage, view_);

    size_ = ValueLabel::Make(this, "sizeLabel");
    std::vector<Controls::Entry<int>> zooms = {{tr("Fit"), kFit}};
    for (const int percent : kZooms) {
        zooms.push_back({tr("%1 %").arg(percent), percent});
    }
    zoom_ = Controls::List(this, "zoomList", zooms);
    auto* zoomCaption = new QLabel(tr("Zoom:"), this);
    zoomCaption->setBuddy(zoom_);
    connect(zoom_, &QComboBox::currentIndexChanged, this, &LabelPreviewPane::ApplyZoom);

    undrawnTitle_ = new QLabel(this);
    undrawnTitle_->setObjectName(QStringLiteral("undrawnTitle"));
    undrawn_ = new QTreeWidget(this);
    undrawn_->setObjectName(QStringLiteral("undrawnList"));
    undrawn_->setHeaderLabels({tr("Line"), tr("Command"), tr("Reason")});
    undrawn_->setRootIsDecorated(false);
    undrawn_->setUniformRowHeights(true);
    undrawn_->setAlternatingRowColors(true);
    undrawn_->setSelectionMode(QAbstractItemView::SingleSelection);
    undrawn_->setTextElideMode(Qt::ElideRight);
    undrawn_->header()->setStretchLastSection(true);
    undrawn_->header()->setSectionResizeMode(QHeaderView::Interactive);
    // Long reasons are cut short with their whole text in the tooltip, never scrolled sideways.
    undrawn_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    undrawnTitle_->setBuddy(undrawn_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(Controls::Row({labels_, copies_}, {}));
    layout->addWidget(pages_, 1);
    layout->addLayout(Controls::Row({size_}, {zoomCaption, zoom_}));
    layout->addWidget(undrawnTitle_);
    layout->addWidget(undrawn_);
}

void LabelPreviewPane::SetScript(const QByteArray& bytes) {
    script_ = bytes;
    pause_.start();
}

void LabelPreviewPane::ShowNotice(const QString& notice) {
    pause_.stop();
    script_.clear();
    rendering_ = {};
    ShowRendering();
    hint_->setText(notice);
}

void LabelPreviewPane::RenderNow() {
    pause_.stop();
    rendering_ = preview::RenderLabels(script_, setup_);
    ShowRendering();
}

double LabelPreviewPane::Scale() const {
    return view_->Scale();
}

void LabelPreviewPane::ShowRendering() {
    const int count = int(rendering_.labels.size());
    if (count == 0) {
        hint_->setText(script_.trimmed().isEmpty()
                           ? tr("Type or load a script to see its label.")
                           : tr("Nothing in the script is drawn on a label."));
        pages_->setCurrentIndex(kHintPage);
        view_->ShowLabel({});
        labels_->clear();
        labels_->setVisible(false);
        labels_->setEnabled(false);
        copies_->clear();
        size_->clear();
    } else {
        pages_->setCurrentIndex(kLabelPage);
        // The label chosen stays chosen while the script changes around it.
        const int chosen = std::min(shownLabel_, count - 1);
        if (labels_->count() != count) {
            const QSignalBlocker quiet(labels_);
            labels_->clear();
            for (int i = 0; i < count; ++i) {
                labels_->addItem(tr("Label %1 of %2").arg(i + 1).arg(count));
            }
        }
        labels_->setVisible(true);
        labels_->setEnabled(count > 1);
        {
            const QSignalBlocker quiet(labels_);
            labels_->setCurrentIndex(chosen);
        }
        ShowLabel(chosen);
    }
    ShowUndrawn();
}

void LabelPreviewPane::ShowLabel(int index) {
    shownLabel_ = index;
    const preview::RenderedLabel& label = rendering_.labels.at(std::size_t(index));
    view_->ShowLabel(label.bitmap.ToImage());
    copies_->setText(label.copies > 0 ? tr("× %1").arg(label.copies)
                                      : tr("not printed yet: no print command follows"));
    const int width = label.bitmap.Width();
    const int length = label.bitmap.Height();
    size_->setText(tr("%1 × %2 dots (%3 × %4 mm)")
                       .arg(width)
                       .arg(length)
                       .arg(Millimetres(width), Millimetres(length)));
}

QString LabelPreviewPane::Reason(const preview::Undrawn& undrawn) {
    using Why = preview::Undrawn::Why;
    QString reason;
    switch (undrawn.why) {
        case Why::Unknown:
            reason = tr("No label command of this name");
            break;
        case Why::Malformed:
            reason = tr("The printer cannot read it");
            break;
        case Why::TwoByteFont:
            reason = tr("Two-byte font: its characters are not known here");
            break;
        case Why::UnknownPicture:
            reason = tr("Picture not in the printer's memory");
            break;
        case Why::Barcode:
            reason = tr("The barcode cannot be drawn");
            break;
        case Why::NotDrawing:
            reason = tr("Puts nothing on a label");
            break;
        case Why::AssumedFont:
            reason = tr("Drawn with an assumed font size");
            break;
        case Why::Limit:
            reason = tr("Beyond what the preview draws");
            break;
    }
    return undrawn.detail.isEmpty() ? reason : tr("%1: %2").arg(reason, undrawn.detail);
}

void LabelPreviewPane::ShowUndrawn() {
    undrawn_->clear();
    const bool any = !rendering_.undrawn.empty();
    for (const preview::Undrawn& entry : rendering_.undrawn) {
        const QString command = PrinterText::ToField(entry.command);
        const QString reason = Reason(entry);
        auto* row = new QTreeWidgetItem(undrawn_);
        row->setText(kLineColumn, QString::number(entry.line));
        row->setTextAlignment(kLineColumn, Qt::AlignRight | Qt::AlignVCenter);
        row->setText(kCommandColumn, command.size() > kShownCommand
                                         ? command.left(kShownCommand - 1) + QChar(0x2026)
                                         : command);
        row->setToolTip(kCommandColumn, command);
        row->setText(kReasonColumn, reason);
        row->setToolTip(kReasonColumn, reason);
    }
    if (any) {
        undrawn_->resizeColumnToContents(kLineColumn);
        undrawn_->resizeColumnToContents(kCommandColumn);
        // The reason matters more than the whole command, which its tooltip holds anyway.
        const int widestCommand = undrawn_->fontMetrics().averageCharWidth() * kCommandWidth;
        undrawn_->setColumnWidth(kCommandColumn,
                                 std::min(undrawn_->columnWidth(kCommandColumn), widestCommand));
        // As tall as its rows up to a few; the label keeps the rest of the room and more rows
        // scroll.
        const int rows = std::min(undrawn_->topLevelItemCount(), kListedRows);
        undrawn_->setFixedHeight(undrawn_->header()->sizeHint().height() +
                                 rows * undrawn_->sizeHintForRow(0) + 2 * undrawn_->frameWidth() +
                                 4);
    }
    const bool empty = script_.trimmed().isEmpty();
    undrawnTitle_->setVisible(!empty);
    undrawn_->setVisible(any);
    undrawnTitle_->setText(any ? tr("Commands not drawn (%1):").arg(rendering_.undrawn.size())
                               : tr("Every command was drawn."));
}

void LabelPreviewPane::ApplyZoom() {
    const int percent = Controls::Chosen<int>(zoom_);
    if (percent == kFit) {
        view_->SetFit();
    } else {
        view_->SetScale(percent / 100.0);
    }
}

void LabelPreviewPane::StepZoom(int steps) {
    // From the scale shown (fitted or chosen) to the zoom entries in the wheel's direction; past
    // the last one the zoom stays.
    const double shown = Scale() * 100.0;
    std::vector<int> ahead;
    for (const int percent : kZooms) {
        if (steps > 0 ? percent > shown + 0.5 : percent < shown - 0.5) {
            ahead.push_back(percent);
        }
    }
    if (ahead.empty()) {
        return;
    }
    if (steps < 0) {
        std::reverse(ahead.begin(), ahead.end());
    }
    const std::size_t step = std::min<std::size_t>(std::size_t(std::abs(steps)), ahead.size());
    Controls::Choose(zoom_, ahead[step - 1]);
}
