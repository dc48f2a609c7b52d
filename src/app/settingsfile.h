// The settings file: the formatting style, the Output page's look and the
// printer font choice, kept from one run to the next in "uforge.ini". It reads
// into and writes from a plain Settings value; the window only applies it.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <optional>

#include "generator/style.h"
#include "specfile/profilefile.h"
#include "specfile/settingslocation.h"

class UserPrompts;

// The Output text's look as the file stores it: colours as 0x00BBGGRR values
// (0 is black), sizes and names 0 or empty meaning "not set".
struct OutputLook {
    std::optional<quint32> background;   // absent: white
    std::optional<quint32> fontColor;    // absent: the colour stays
    int fontSize = 0;          // points; 0: the size stays
    int fontHeight = 0;        // pixels, negative for a character height; 0: stays
    bool bold = false;         // bold and italic are only ever added
    bool italic = false;
    QString fontName;          // empty: the name stays
};

struct Settings {
    Style style;
    OutputLook look;
    bool matchFont = false;    // "Match Output Window Font" ticked
    bool syntaxColors = true;  // the Output text coloured as Pascal
    QStringList recentFiles;   // newest first
    // The main window's size, place and maximised state, as Qt saves them;
    // empty: none stored, the window starts at its own size.
    QByteArray windowGeometry;
};

// The platform colour value of a colour and back.
quint32 colorValue(const QColor &color);
QColor colorFromValue(quint32 value);

// Applies a look over the Output text's current font and colours: the
// background always (white when not set), the rest only when set, the height
// after the size so that it wins.
void applyLook(const OutputLook &look, QFont &font, QColor &fontColor, QColor &background);
// The look that writing the settings stores for that font and those colours;
// dpi converts between points and pixels.
OutputLook lookOf(const QFont &font, const QColor &fontColor, const QColor &background,
                  qreal dpi);

class SettingsFile
{
public:
    // locations: where the file is looked for, in order.
    explicit SettingsFile(QStringList locations = SettingsLocation::defaultLocations());

    // Opens the first location that exists or can be created, records the
    // start time in it, and reads the settings. Nothing when no location can
    // be created; the warning "Ini file error" has then been shown.
    std::optional<Settings> read(UserPrompts &prompts);
    // Writes every setting and saves the file; shows "Unable to write to ..."
    // and returns false when the file cannot be written. Does nothing when
    // read() found no file.
    bool write(const Settings &settings, UserPrompts &prompts);

    QString path() const { return m_profile.path(); }

private:
    bool open();

    QStringList m_locations;
    ProfileFile m_profile;
    bool m_open = false;
};
