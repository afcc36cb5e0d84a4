#include "forms/Validation.h"

#include <QWidget>
#include <cmath>

#include "forms/Messages.h"

namespace {

void Refuse(const QString& text, QWidget* field, Messages& messages) {
    messages.Warning(text);
    if (field != nullptr) {
        field->setFocus();
    }
}

}  // namespace

std::optional<int> Validation::ParseInteger(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype i = 0;
    if (i < trimmed.size() && (trimmed[i] == QLatin1Char('-') || trimmed[i] == QLatin1Char('+'))) {
        ++i;
    }
    if (i == trimmed.size()) {
        return std::nullopt;
    }
    for (qsizetype j = i; j < trimmed.size(); ++j) {
        if (trimmed[j] < QLatin1Char('0') || trimmed[j] > QLatin1Char('9')) {
            return std::nullopt;
        }
    }
    bool ok = false;
    const int value = trimmed.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<double> Validation::ParseNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    // Letters other than an exponent mark are never part of a number typed into a form.
    for (const QChar c : trimmed) {
        if (c.isLetter() && c != QLatin1Char('e') && c != QLatin1Char('E')) {
            return std::nullopt;
        }
    }
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> Validation::ReadInteger(const QString& text, QWidget* field,
                                           Messages& messages) {
    const auto value = ParseInteger(text);
    if (!value) {
        Refuse(tr("Please enter an integer."), field, messages);
    }
    return value;
}

std::optional<int> Validation::ReadInteger(const QString& text, int low, int high, QWidget* field,
                                           Messages& messages) {
    const auto value = ReadInteger(text, field, messages);
    if (value && (*value < low || *value > high)) {
        Refuse(tr("Please enter an integer between %1 and %2.").arg(low).arg(high), field,
               messages);
        return std::nullopt;
    }
    return value;
}

std::optional<double> Validation::ReadNumber(const QString& text, QWidget* field,
                                             Messages& messages) {
    const auto value = ParseNumber(text);
    if (!value) {
        Refuse(tr("Please enter a number."), field, messages);
    }
    return value;
}

std::optional<double> Validation::ReadNumber(const QString& text, double low, double high,
                                             QWidget* field, Messages& messages) {
    const auto value = ReadNumber(text, field, messages);
    if (value && (*value < low || *value > high)) {
        Refuse(tr("Please enter a number between %1 and %2.").arg(low).arg(high), field, messages);
        return std::nullopt;
    }
    return value;
}
