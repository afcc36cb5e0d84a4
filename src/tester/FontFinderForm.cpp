#include "tester/FontFinderForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "forms/Controls.h"
#include "forms/Messages.h"
#include "forms/Validation.h"
#include "forms/ValueLabel.h"
#include "link/PrinterPort.h"

namespace {

// A group with the three shown digits of an answer and its "Find" button.
QGroupBox* AnswerGroup(QWidget* parent, const QString& title, const char* prefix,
                       std::array<QLabel*, 3>& shown, QPushButton* find) {
    auto* group = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(group);
    const std::array<QString, 3> captions = {FontFinderForm::tr("Font :"),
                                             FontFinderForm::tr("X Multi :"),
                                             FontFinderForm::tr("Y Multi :")};
    const std::array<const char*, 3> names = {"Font", "XMulti", "YMulti"};
    for (std::size_t i = 0; i < shown.size(); ++i) {
        auto* value = new ValueLabel(group);
        value->setObjectName(QLatin1String(prefix) + QLatin1String(names[i]));
        value->setFrameShape(QFrame::StyledPanel);
        value->setFrameShadow(QFrame::Sunken);
        value->setAlignment(Qt::AlignCenter);
        value->setFixedWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
        auto* caption = new QLabel(captions[i], group);
        // So that assistive technology names the caption as the value's label.
        caption->setBuddy(value);
        grid->addWidget(caption, int(i), 0);
        grid->addWidget(value, int(i), 1);
        shown[i] = value;
    }
    grid->addWidget(find, 3, 0, 1, 2);
    return group;
}

}  // namespace

FontFinderForm::FontFinderForm(const ToolContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setWindowTitle(tr("Font Finder"));

    auto* sizeGroup = new QGroupBox(tr("Font Size"), this);
    auto* sizeGrid = new QGridLayout(sizeGroup);
    width_ = Controls::Field(sizeGroup, "widthField", QStringLiteral("3"));
    height_ = Controls::Field(sizeGroup, "heightField", QStringLiteral("5"));
    sizeGrid->addWidget(new QLabel(tr("Width  :"), sizeGroup), 0, 0);
    sizeGrid->addWidget(width_, 0, 1);
    sizeGrid->addWidget(new QLabel(tr("mm"), sizeGroup), 0, 2);
    sizeGrid->addWidget(new QLabel(tr("Height :"), sizeGroup), 1, 0);
    sizeGrid->addWidget(height_, 1, 1);
    sizeGrid->addWidget(new QLabel(tr("mm"), sizeGroup), 1, 2);

    QPushButton* findMost = Controls::Button(this, tr("Find"), QStringLiteral("findMostButton"),
                                             this, &FontFinderForm::FindMostSimilar);
    QPushButton* findRound = Controls::Button(this, tr("Find"), QStringLiteral("findRoundButton"),
                                              this, &FontFinderForm::FindSimilarAndRound);
    auto* answers = new QHBoxLayout;
    answers->addWidget(AnswerGroup(this, tr("Most Similar"), "most", mostShown_, findMost), 1);
    answers->addWidget(AnswerGroup(this, tr("Similar && Round"), "round", roundShown_, findRound),
                       1);

    QPushButton* print =
        Controls::Button(this, tr("Print for comparsion"), QStringLiteral("printButton"), this,
                         &FontFinderForm::PrintForComparison);
    QPushButton* close = Controls::Button(this, tr("Close"), QStringLiteral("closeButton"), this,
                                          &FontFinderForm::CloseForm);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sizeGroup);
    layout->addLayout(answers);
    layout->addLayout(Controls::Row({}, {print, close}));
    ShowChoices();
}

std::optional<FontFinderForm::Wanted> FontFinderForm::ReadForm() {
    const auto width = Validation::ReadNumber(width_->text(), width_, context_.messages);
    if (!width) {
        return std::nullopt;
    }
    const auto height = Validation::ReadNumber(height_->text(), height_, context_.messages);
    if (!height) {
        return std::nullopt;
    }
    return Wanted{*width, *height};
}

void FontFinderForm::ShowChoices() {
    const auto show = [](const std::array<QLabel*, 3>& shown, const FontSearch::Choice& choice) {
        shown[0]->setText(QString::number(choice.font));
        shown[1]->setText(QString::number(choice.xMulti));
        shown[2]->setText(QString::number(choice.yMulti));
    };
    show(mostShown_, mostSimilar_);
    show(roundShown_, similarAndRound_);
}

void FontFinderForm::FindMostSimilar() {
    Find(FontSearch::MostSimilar, mostSimilar_, tr("No font comes within 100 dots of this size."));
}

void FontFinderForm::FindSimilarAndRound() {
    Find(FontSearch::SimilarAndRound, similarAndRound_,
         tr("No larger font with smaller multipliers comes within 100 dots of this size."));
}

void FontFinderForm::Find(Search search, FontSearch::Choice& answer, const QString& none) {
    const auto wanted = ReadForm();
    if (!wanted) {
        return;
    }
    const auto choice = search(wanted->widthMm, wanted->heightMm);
    if (!choice) {
        // The answer shown before stays, so that what is shown can still be printed.
        context_.messages.Warning(none);
        return;
    }
    answer = *choice;
    ShowChoices();
}

void FontFinderForm::PrintForComparison() {
    context_.port.Write(FontSearch::ComparisonPrint(mostSimilar_, similarAndRound_));
}

void FontFinderForm::CloseForm() {
    if (ReadForm()) {
        accept();
    }
}
