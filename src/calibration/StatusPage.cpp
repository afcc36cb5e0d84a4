#include "calibration/StatusPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "forms/Controls.h"
#include "forms/Messages.h"
#include "link/PrinterPort.h"

namespace {

using Box = StatusDecoding::Box;
using Status = SettingsProtocol::Status;

struct Entry {
    Box box;
    QString text;
    const char* key;  // the middle of the box's object name
};

// How a page looks: its boxes top to bottom, left column first.
struct Layout {
    const char* pageName;
    const char* stem;  // first part of every object name on the page
    QString group;
    QString button;
    std::vector<Entry> left;
    std::vector<Entry> right;
};

std::vector<Entry> ErrorBits() {
    return {{Box::PaperEmpty, StatusPage::tr("Paper Empty"), "PaperEmpty"},
            {Box::CoverOpen, StatusPage::tr("Cover Open"), "CoverOpen"},
            {Box::CutterJammed, StatusPage::tr("Cutter jammed"), "CutterJammed"},
            {Box::HeadOverheat, StatusPage::tr("Thermal Head overheat"), "HeadOverheat"},
            {Box::GapDetectionError, StatusPage::tr("Gap Detection Error"), "GapDetectionError"},
            {Box::RibbonEndError, StatusPage::tr("Ribbon End Error"), "RibbonEndError"}};
}

Entry StatusOk() {
    return {Box::StatusOk, StatusPage::tr("Status OK"), "StatusOk"};
}

Layout LayoutOf(Status request) {
    switch (request) {
        case Status::ErrorsAndJob:
            return {.pageName = "StatusCpPage",
                    .stem = "cp",
                    .group = StatusPage::tr("Printer Status"),
                    .button = StatusPage::tr("^CP Command Test"),
                    .left = ErrorBits(),
                    .right = {
                        {Box::BuildingLabel, StatusPage::tr("On Building label"), "BuildingLabel"},
                        {Box::PrintingLabel, StatusPage::tr("On Printing label"), "PrintingLabel"},
                        {Box::LabelPaused, StatusPage::tr("Issued label is pasued"), "LabelPaused"},
                        StatusOk()}};
        case Status::Errors:
            return {.pageName = "StatusCuPage",
                    .stem = "cu",
                    .group = StatusPage::tr("Printer Status"),
                    .button = StatusPage::tr("^CU Command Test"),
                    .left = ErrorBits(),
                    .right = {StatusOk()}};
        case Status::ErrorCode:
            return {
                .pageName = "StatusEePage",
                .stem = "ee",
                .group = StatusPage::tr("Printer Status(Only Seral)"),
                .button = StatusPage::tr("^ee Command Test"),
                .left = {{Box::NoError, StatusPage::tr("No Error"), "NoError"},
                         {Box::SyntaxError, StatusPage::tr("Syntax Error"), "SyntaxError"},
                         {Box::ExceededBorder, StatusPage::tr("Exceeded Border"), "ExceededBorder"},
                         {Box::BarcodeError, StatusPage::tr("BarCode Error"), "BarcodeError"},
                         {Box::InsufficientMemory, StatusPage::tr("Insufficant Mem"),
                          "InsufficientMemory"},
                         {Box::MemoryError, StatusPage::tr("Memory Error"), "MemoryError"},
                         {Box::SerialError, StatusPage::tr("RS-232 Error"), "SerialError"},
                         {Box::Empty, StatusPage::tr("Empty"), "Empty"},
                         {Box::DuplicateName, StatusPage::tr("Duplicate Name"), "DuplicateName"},
                         {Box::NameNotFound, StatusPage::tr("Name Not Found"), "NameNotFound"}},
                .right = {
                    {Box::NotInDataEntry, StatusPage::tr("Not in Data Entry"), "NotInDataEntry"},
                    {Box::PrintHeadUp, StatusPage::tr("Print Head Up"), "PrintHeadUp"},
                    {Box::PauseMode, StatusPage::tr("Pause Mode"), "PauseMode"},
                    {Box::PrinterBusy, StatusPage::tr("Printer Busy"), "PrinterBusy"},
                    {Box::Undefined, StatusPage::tr("Undefined"), "Undefined"},
                    {Box::CutterJammedCode, StatusPage::tr("Cutter Jammed"), "CutterJammed"},
                    {Box::AutoSense, StatusPage::tr("AutoSense"), "AutoSense"},
                    {Box::IllegalInterrupt, StatusPage::tr("Illegal Interrupt"),
                     "IllegalInterrupt"},
                    {Box::ExcessiveFeeding, StatusPage::tr("Excessive Feeding"),
                     "ExcessiveFeeding"}}};
        case Status::MechanismErrors:
            break;
    }
    const QString notDefined = StatusPage::tr("Not defined");
    return {.pageName = "StatusCpsPage",
            .stem = "cps",
            .group = StatusPage::tr("Printer Status"),
            .button = StatusPage::tr("CPS Command Test"),
            .left = {{Box::CoverOpen, StatusPage::tr("Cover Open"), "CoverOpen"},
                     {Box::PaperEmpty, StatusPage::tr("Paper Empty"), "PaperEmpty"},
                     {Box::PaperJam, StatusPage::tr("Paper Jam"), "PaperJam"},
                     {Box::HeadOverheat, StatusPage::tr("TPH overheat"), "HeadOverheat"},
                     {Box::NotDefinedBit4, notDefined, "NotDefinedBit4"},
                     {Box::NotDefinedBit5, notDefined, "NotDefinedBit5"}},
            .right = {{Box::NotDefinedBit6, notDefined, "NotDefinedBit6"},
                      {Box::NotDefinedBit7, notDefined, "NotDefinedBit7"},
                      StatusOk()}};
}

}  // namespace

StatusPage::StatusPage(Status request, const ToolContext& context, QWidget* parent)
    : QWidget(parent),
      request_(request),
      context_(context),
      protocol_(context.port, context.pacer) {
    const Layout layout = LayoutOf(request);
    setObjectName(QLatin1String(layout.pageName));
    const QString stem = QLatin1String(layout.stem);

    auto* group = new QGroupBox(layout.group, this);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(24);
    int column = 0;
    for (const std::vector<Entry>* entries : {&layout.left, &layout.right}) {
        int row = 0;
        for (const Entry& entry : *entries) {
            auto* check = new QCheckBox(entry.text, group);
            check->setObjectName(stem + QLatin1String(entry.key) + QLatin1String("Check"));
            grid->addWidget(check, row++, column);
            indicators_.push_back({entry.box, check});
        }
        ++column;
    }
    // The columns keep to the left; the group takes the page's width.
    grid->setColumnStretch(column, 1);

    QPushButton* test = Controls::Button(this, layout.button, stem + QLatin1String("TestButton"),
                                         this, &StatusPage::Test);
    auto* page = new QVBoxLayout(this);
    page->addWidget(group);
    page->addLayout(Controls::Row({}, {test}));
    page->addStretch();
}

void StatusPage::Test() {
    // The printer answers the error code on its serial line only.
    if (request_ == Status::ErrorCode && context_.port.Kind() != PortKind::Serial) {
        context_.messages.Information(tr("This Command is applied in Serial Interface only!"));
        return;
    }
    const SettingsProtocol::ExactReply reply = protocol_.QueryStatus(
        request_, [this] { context_.messages.Warning(tr("Status Data Read Fail!")); });
    // After a failure too: a late reply caught by the discarding read is still worth seeing.
    Show(StatusDecoding::Decode(request_, reply.bytes));
}

void StatusPage::Show(const StatusDecoding::Boxes& boxes) {
    for (const Indicator& indicator : indicators_) {
        indicator.check->setChecked(boxes.contains(indicator.box));
    }
}

StatusDecoding::Boxes StatusPage::Ticked() const {
    StatusDecoding::Boxes boxes;
    for (const Indicator& indicator : indicators_) {
        if (indicator.check->isChecked()) {
            boxes.insert(indicator.box);
        }
    }
    return boxes;
}
