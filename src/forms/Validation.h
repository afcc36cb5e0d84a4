#pragma once

#include <QCoreApplication>
#include <QString>
#include <optional>

class Messages;
class QWidget;

// Reading numeric fields of a form. A failed reading shows the standard message, puts the focus
// on the field and gives nothing back; the window decides whether its action stops.
class Validation {
    Q_DECLARE_TR_FUNCTIONS(Validation)
public:
    // Whole text as a 32-bit integer (blanks around it allowed), or nothing.
    static std::optional<int> ParseInteger(const QString& text);
    // Whole text as a decimal number (blanks around it allowed), or nothing.
    static std::optional<double> ParseNumber(const QString& text);

    static std::optional<int> ReadInteger(const QString& text, QWidget* field, Messages& messages);
    static std::optional<int> ReadInteger(const QString& text, int low, int high, QWidget* field,
                                          Messages& messages);
    static std::optional<double> ReadNumber(const QString& text, QWidget* field,
                                            Messages& messages);
    static std::optional<double> ReadNumber(const QString& text, double low, double high,
                                            QWidget* field, Messages& messages);
};
