// The component specification file (*.spc): writing a specification into it
// and reading one back, with no user interface. Reading never fails: whatever
// is missing or damaged reads as its default.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

#include "model/specstore.h"

class ComponentSpec;
class ProfileFile;
class TAwk;

// The event and method loops, which add an entry for every index up to the
// largest key present, stop after this many: it keeps a damaged file from
// exhausting memory. Reading says so when it cuts a loop short.
inline constexpr int kMaxSpecListEntries = 1000000;

// Writes spec into the file at path, keeping the sections and keys that a
// specification does not use (hand-written bodies among them). The file is
// replaced atomically: on failure it is unchanged, *error says
// "Unable to write to " + its full name, and false is returned.
// currentFile, when it names another file, is the specification file the
// specification came from: its sections that a save does not write (the
// hand-written bodies) are read from it at this moment and go along into
// path, replacing sections of the same name there.
bool saveSpecification(const ComponentSpec &spec, const QString &path, QString *error,
                       BuildCounts counts = {}, const QString &currentFile = QString());

// The writes of a save, applied to a profile held in memory.
void writeSpecification(const ComponentSpec &spec, ProfileFile &file, BuildCounts counts = {});

// Reads the file at path into spec. The caller resets spec first. Fills the
// lists, the defined-name lists of the pages, the standard message selection,
// the header fields, and the ancestor's members when the ancestor is in the
// ancestor list.
// *warning, when given, receives a message when the file was too large to
// read whole.
void readSpecification(ComponentSpec &spec, const QString &path, TAwk &awk,
                       QString *warning = nullptr);
void readSpecification(ComponentSpec &spec, const ProfileFile &file, TAwk &awk,
                       QString *warning = nullptr);

// No specification comes near this size; a larger file is refused unread.
inline constexpr qint64 kMaxSpecificationFileSize = 64 * 1024 * 1024;

// Reads the specification file at path into file, refusing before it reads
// the whole file one that is no specification: not a regular file (a device
// or a pipe), larger than kMaxSpecificationFileSize, or not beginning with
// the "Component" section.
struct SpecificationFileLoad {
    enum class Result { Loaded, Unreadable, Refused };
    Result result = Result::Loaded;
    QString message;   // why it was not loaded
};
SpecificationFileLoad loadSpecificationFile(ProfileFile &file, const QString &path);

// Whether head, the first bytes of a file, begin like a specification: after
// a byte-order mark, blank lines and ";" comment lines, the header of the
// "Component" section (in any letter case).
bool beginsLikeSpecification(QByteArrayView head);

// Why a file read as a profile is no component specification file: it has no
// "Component" section. Nothing when it is one.
std::optional<QString> notASpecificationFile(const ProfileFile &file, const QString &path);

// The file name Save proposes for a specification without a current file:
// the directory part of the unit name (up to its last "\", ":" or "/"), the
// unit identifier and ".spc".
QString proposedSpecificationPath(const QString &filename);

// The specification files as a document reaches them: reading refuses a file
// that cannot be read or has no "Component" section.
const SpecStore &specificationFiles();
