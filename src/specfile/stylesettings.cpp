// SPDX-License-Identifier: MIT
#include "specfile/stylesettings.h"

#include "specfile/profilefile.h"

Style readStyle(const ProfileFile &file, const QString &section, const Style &defaults)
{
    Style style = defaults;
    for (const StyleOption &option : kStyleOptions) {
        const QString key = QLatin1StringView(option.key);
        switch (option.kind()) {
        case StyleOption::Kind::Number:
        case StyleOption::Kind::Switch:
            setStyleNumber(style, option,
                           file.readInteger(section, key, styleNumber(defaults, option)));
            break;
        case StyleOption::Kind::Text:
        case StyleOption::Kind::Choice:
            setStyleText(style, option, file.readString(section, key, styleText(defaults, option)));
            break;
        }
    }
    return style;
}

static void writeStyleKeys(ProfileFile &file, const QString &section, const Style &style,
                           bool afterLook)
{
    for (const StyleOption &option : kStyleOptions) {
        if (option.afterLook == afterLook && !option.last)
            file.writeString(section, QLatin1StringView(option.key), styleText(style, option));
    }
}

void writeStyleHead(ProfileFile &file, const QString &section, const Style &style)
{
    writeStyleKeys(file, section, style, false);
}

void writeStyleTail(ProfileFile &file, const QString &section, const Style &style)
{
    writeStyleKeys(file, section, style, true);
}

void writeStyleEnd(ProfileFile &file, const QString &section, const Style &style)
{
    for (const StyleOption &option : kStyleOptions) {
        if (option.last)
            file.writeString(section, QLatin1StringView(option.key), styleText(style, option));
    }
}
