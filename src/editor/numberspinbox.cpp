#include "editor/numberspinbox.h"

int NumberSpinBox::number() const
{
    bool ok = false;
    const int value = cleanText().toInt(&ok);
    if (!ok)
        return minimum();
    return qBound(minimum(), value, maximum());
}

void NumberSpinBox::fixup(QString &input) const
{
    bool ok = false;
    input.trimmed().toInt(&ok);
    if (ok)
        QSpinBox::fixup(input);
    else
        input = QString::number(minimum());
}
