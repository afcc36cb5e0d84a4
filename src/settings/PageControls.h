#pragma once

#include <QString>
#include <initializer_list>

class Messages;
class QWidget;

// How every settings page lays out its controls and reports an exchange.
namespace PageControls {

// A page of one group above a row of buttons: `left` at its start, `right` at its end.
void Arrange(QWidget* page, QWidget* group, std::initializer_list<QWidget*> left,
             std::initializer_list<QWidget*> right);

// The outcome of an exchange: information on success, warning on failure. An empty caption is
// the program's name.
void Report(Messages& messages, bool success, const QString& successText,
            const QString& failureText, const QString& successCaption = {});

}  // namespace PageControls
