#include "generator/style.h"

#include <cstring>

Style Style::withinRanges() const
{
    Style style = *this;
    for (const StyleOption &option : kStyleOptions) {
        if (option.kind() == StyleOption::Kind::Number)
            setStyleNumber(style, option, styleNumber(style, option));
    }
    return style;
}

const StyleOption &styleOption(const char *key)
{
    for (const StyleOption &option : kStyleOptions) {
        if (std::strcmp(option.key, key) == 0)
            return option;
    }
    Q_UNREACHABLE();
}

int styleNumber(const Style &style, const StyleOption &option)
{
    switch (option.kind()) {
    case StyleOption::Kind::Number:
        return style.*std::get<int Style::*>(option.member);
    case StyleOption::Kind::Switch:
        return style.*std::get<bool Style::*>(option.member) ? 1 : 0;
    case StyleOption::Kind::Choice:
        return std::get<StyleChoice>(option.member).get(style);
    case StyleOption::Kind::Text:
        break;
    }
    return 0;
}

void setStyleNumber(Style &style, const StyleOption &option, int value)
{
    switch (option.kind()) {
    case StyleOption::Kind::Number:
        style.*std::get<int Style::*>(option.member) = option.range.clamp(value);
        break;
    case StyleOption::Kind::Switch:
        style.*std::get<bool Style::*>(option.member) = value != 0;
        break;
    case StyleOption::Kind::Choice:
        if (value >= 0 && value < qsizetype(option.choices.size()))
            std::get<StyleChoice>(option.member).set(style, value);
        break;
    case StyleOption::Kind::Text:
        break;
    }
}

QString styleText(const Style &style, const StyleOption &option)
{
    switch (option.kind()) {
    case StyleOption::Kind::Text:
        return style.*std::get<QString Style::*>(option.member);
    case StyleOption::Kind::Choice:
        return choiceName(option, styleNumber(style, option));
    default:
        return QString::number(styleNumber(style, option));
    }
}

void setStyleText(Style &style, const StyleOption &option, const QString &text)
{
    if (option.kind() == StyleOption::Kind::Text)
        style.*std::get<QString Style::*>(option.member) = text;
    else if (option.kind() == StyleOption::Kind::Choice)
        setStyleNumber(style, option, choiceIndex(option, text));
}

int choiceIndex(const StyleOption &option, QStringView name)
{
    for (size_t i = 0; i < option.choices.size(); ++i) {
        if (name.trimmed().compare(QLatin1StringView(option.choices[i]), Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

QString choiceName(const StyleOption &option, int index)
{
    return index >= 0 && index < qsizetype(option.choices.size())
        ? QString::fromLatin1(option.choices[size_t(index)]) : QString();
}
