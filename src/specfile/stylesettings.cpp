#include "specfile/stylesettings.h"

#include "specfile/profilefile.h"

namespace {
const QString kLineChar = QStringLiteral("linechar");
const QString kNumChars = QStringLiteral("numchars");
const QString kCommentsBefore = QStringLiteral("commentsbefore");
const QString kLineBreak = QStringLiteral("linebreak");
const QString kIndent = QStringLiteral("indent");
const QString kTarget = QStringLiteral("Target");
} // namespace

Style readStyle(const ProfileFile &file, const QString &section, const Style &defaults)
{
    Style style;
    style.separatorChar = file.readString(section, kLineChar, defaults.separatorChar);
    style.separatorLength = file.readInteger(section, kNumChars, defaults.separatorLength);
    style.commentsBefore = file.readInteger(section, kCommentsBefore, defaults.commentsBefore) != 0;
    style.blankLines = file.readInteger(section, kLineBreak, defaults.blankLines);
    style.indent = file.readInteger(section, kIndent, defaults.indent);
    style.target = targetFromName(file.readString(section, kTarget, targetName(defaults.target)))
                       .value_or(defaults.target);
    return style.withinRanges();
}

void writeStyleHead(ProfileFile &file, const QString &section, const Style &style)
{
    file.writeInteger(section, kLineBreak, style.blankLines);
    file.writeInteger(section, kCommentsBefore, style.commentsBefore ? 1 : 0);
    file.writeInteger(section, kIndent, style.indent);
}

void writeStyleTail(ProfileFile &file, const QString &section, const Style &style)
{
    file.writeInteger(section, kNumChars, style.separatorLength);
    file.writeString(section, kLineChar, style.separatorChar);
}

void writeStyleTarget(ProfileFile &file, const QString &section, const Style &style)
{
    file.writeString(section, kTarget, targetName(style.target));
}
