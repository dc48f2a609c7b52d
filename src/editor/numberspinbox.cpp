#include "editor/numberspinbox.h"

#include <algorithm>

namespace {

// More digits than an int holds are refused as they are typed.
constexpr qsizetype kMostDigits = 9;

bool isWholeNumber(const QString &text)
{
    if (text.isEmpty() || text.size() > kMostDigits)
        return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

} // namespace

int NumberSpinBox::number() const
{
    bool ok = false;
    const int value = cleanText().toInt(&ok);
    if (!ok)
        return minimum();
    return qBound(minimum(), value, maximum());
}

QString NumberSpinBox::numberText(const QString &input) const
{
    QStringView text(input);
    if (!prefix().isEmpty() && text.startsWith(prefix()))
        text = text.mid(prefix().size());
    if (!suffix().isEmpty() && text.endsWith(suffix()))
        text.chop(suffix().size());
    return text.trimmed().toString();
}

QValidator::State NumberSpinBox::validate(QString &input, int &pos) const
{
    const QValidator::State state = QSpinBox::validate(input, pos);
    if (state == QValidator::Invalid && isWholeNumber(numberText(input)))
        return QValidator::Intermediate;
    return state;
}

void NumberSpinBox::fixup(QString &input) const
{
    bool ok = false;
    const int value = numberText(input).toInt(&ok);
    input = prefix() + QString::number(ok ? qBound(minimum(), value, maximum()) : minimum()) + suffix();
}
