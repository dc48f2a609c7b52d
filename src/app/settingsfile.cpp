// SPDX-License-Identifier: MIT
#include "app/settingsfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include "editor/userprompts.h"
#include "specfile/recentfiles.h"
#include "specfile/stylesettings.h"

namespace {

const QString kReadSection = QStringLiteral("Settings");
const QString kWriteSection = QStringLiteral("settings");
const QString kSyntaxColors = QStringLiteral("SyntaxColors");
const QString kWindowGeometry = QStringLiteral("WindowGeometry");
constexpr int kLargestFont = 1000;   // points or pixels; larger values are clamped

bool isReadyLocation(const QString &location)
{
    const QFileInfo info(location);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    if (!QFileInfo(info.absolutePath()).isWritable())
        return false;
    if (info.exists())
        return true;
    QFile file(location);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

} // namespace

quint32 colorValue(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return quint32(rgb.red()) | quint32(rgb.green()) << 8 | quint32(rgb.blue()) << 16;
}

QColor colorFromValue(quint32 value)
{
    return QColor(int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF));
}

void applyLook(const OutputLook &look, QFont &font, QColor &fontColor, QColor &background)
{
    // A value with its top byte set is not a red-green-blue colour (a Windows
    // system colour, for instance): treated as not set.
    const auto isColor = [](std::optional<quint32> value) { return value && (*value >> 24) == 0; };
    background = isColor(look.background) ? colorFromValue(*look.background) : QColor(Qt::white);
    if (!look.fontName.isEmpty())
        font.setFamily(look.fontName);
    if (isColor(look.fontColor))
        fontColor = colorFromValue(*look.fontColor);
    if (look.fontSize > 0)
        font.setPointSize(std::min(look.fontSize, kLargestFont));
    if (look.fontHeight != 0)
        font.setPixelSize(std::min(std::abs(look.fontHeight), kLargestFont));
    if (look.bold)
        font.setBold(true);
    if (look.italic)
        font.setItalic(true);
}

OutputLook lookOf(const QFont &font, const QColor &fontColor, const QColor &background, qreal dpi)
{
    OutputLook look;
    look.background = colorValue(background);
    look.fontColor = colorValue(fontColor);
    look.fontName = font.family();
    look.bold = font.bold();
    look.italic = font.italic();
    if (font.pixelSize() > 0) {
        look.fontHeight = -font.pixelSize();
        look.fontSize = qRound(font.pixelSize() * 72.0 / dpi);
    } else {
        const qreal points = font.pointSizeF();
        look.fontSize = qRound(points);
        look.fontHeight = -qRound(points * dpi / 72.0);
    }
    return look;
}

SettingsFile::SettingsFile(QStringList locations)
    : m_locations(std::move(locations))
{
}

bool SettingsFile::open()
{
    for (const QString &location : std::as_const(m_locations)) {
        if (isReadyLocation(location) && m_profile.load(location) == ProfileFile::LoadResult::Loaded)
            return true;
    }
    return false;
}

std::optional<Settings> SettingsFile::read(UserPrompts &prompts)
{
    m_open = open();
    if (!m_open) {
        prompts.message(UserPrompts::Kind::Warning, QStringLiteral("Ini file error"),
                        UserPrompts::Buttons::Ok);
        return std::nullopt;
    }
    const QLocale locale;
    const QDateTime now = QDateTime::currentDateTime();
    m_profile.writeString(kReadSection, QStringLiteral("CreateDate"),
                          locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ')
                              + locale.toString(now.time(), QLocale::LongFormat));
    // A failure here shows when the settings are written at close.
    m_profile.save();

    const auto integer = [this](const char *key, int def) {
        return m_profile.readInteger(kReadSection, QLatin1String(key), def);
    };
    Settings settings;
    Style &style = settings.style;
    style = readStyle(m_profile, kReadSection);
    OutputLook &look = settings.look;
    // A stored 0 is black; only an absent or unreadable key means the default.
    const auto color = [this](const char *key) -> std::optional<quint32> {
        const std::optional<int> value =
            ProfileFile::parseInteger(m_profile.readString(kReadSection, QLatin1String(key)));
        return value ? std::optional<quint32>(quint32(*value)) : std::nullopt;
    };
    look.background = color("bColor");
    look.fontColor = color("bFontcolor");
    look.fontSize = integer("bFontsize", 0);
    look.fontHeight = integer("bFontheight", 0);
    look.bold = integer("bFontBold", 0) != 0;
    look.italic = integer("bFontItalic", 0) != 0;
    look.fontName = m_profile.readString(kReadSection, QStringLiteral("bFontname"),
                                         QStringLiteral("Courier"));
    settings.matchFont = m_profile.readInteger(kWriteSection, QStringLiteral("matchfont"), 0) == 1;
    settings.syntaxColors = m_profile.readInteger(kReadSection, kSyntaxColors, 1) != 0;
    settings.recentFiles = RecentFiles::read(m_profile).files();
    settings.windowGeometry =
        QByteArray::fromBase64(m_profile.readString(kReadSection, kWindowGeometry).toLatin1());
    return settings;
}

bool SettingsFile::write(const Settings &settings, UserPrompts &prompts)
{
    if (!m_open)
        return true;
    const auto integer = [this](const char *key, int value) {
        m_profile.writeInteger(kWriteSection, QLatin1String(key), value);
    };
    const Style &style = settings.style;
    const OutputLook &look = settings.look;
    writeStyleHead(m_profile, kWriteSection, style);
    integer("bcolor", int(look.background.value_or(colorValue(Qt::white))));
    m_profile.writeString(kWriteSection, QStringLiteral("bfontname"), look.fontName);
    integer("bfontcolor", int(look.fontColor.value_or(0)));
    integer("bfontsize", look.fontSize);
    integer("bfontheight", look.fontHeight);
    writeStyleTail(m_profile, kWriteSection, style);
    integer("Matchfont", settings.matchFont ? 1 : 0);
    integer("bfontbold", look.bold ? 1 : 0);
    integer("bfontitalic", look.italic ? 1 : 0);
    m_profile.writeInteger(kWriteSection, kSyntaxColors, settings.syntaxColors ? 1 : 0);
    writeStyleEnd(m_profile, kWriteSection, style);
    RecentFiles(settings.recentFiles).write(m_profile);
    if (!settings.windowGeometry.isEmpty())
        m_profile.writeString(kWriteSection, kWindowGeometry,
                              QString::fromLatin1(settings.windowGeometry.toBase64()));
    if (m_profile.save())
        return true;
    prompts.message(UserPrompts::Kind::Error,
                    m_profile.errorString() + QStringLiteral(": ") + m_profile.writeFailureReason(),
                    UserPrompts::Buttons::Ok);
    return false;
}
