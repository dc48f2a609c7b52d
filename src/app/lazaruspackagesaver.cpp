// SPDX-License-Identifier: MIT
#include "app/lazaruspackagesaver.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>

#include "generator/lazaruspackage.h"
#include "generator/paletteicon.h"
#include "model/componentspec.h"
#include "model/unitname.h"
#include "platform/prompts.h"
#include "specfile/packagefolder.h"

using namespace Qt::StringLiterals;

std::optional<QByteArray> paletteIconFromImage(const QString &path)
{
    QImage image(path);
    if (image.isNull())
        return std::nullopt;
    if (image.size() != QSize(kPaletteIconSize, kPaletteIconSize)) {
        image = image.scaled(kPaletteIconSize, kPaletteIconSize, Qt::KeepAspectRatio,
                             Qt::SmoothTransformation);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return std::nullopt;
    return bytes;
}

std::optional<QString> saveLazarusPackage(const ComponentSpec &spec, const QStringList &unitLines,
                                          Prompts &prompts)
{
    const QString unit = unitIdentifier(spec.Filename);
    Prompts::FileRequest where;
    where.title = u"Save Lazarus Package"_s;
    where.filter = u"Lazarus Packages (*.lpk)"_s;
    where.defaultSuffix = u"lpk"_s;
    where.directory = directoryPart(spec.Filename).contains(u':') ? QString() : directoryPart(spec.Filename);
    where.proposedName = lazarusPackageName(unit).toLower() + u".lpk"_s;
    where.confirmOverwrite = true;
    const QString chosen = prompts.saveFileName(where);
    if (chosen.isEmpty())
        return std::nullopt;
    const QString folder = QFileInfo(chosen).absolutePath();

    QByteArray icon = defaultPaletteIconPng();
    const auto ownIcon = prompts.message(Prompts::Kind::Confirm,
                                         u"Use an image of your own as the palette icon? "
                                         "(No: the program draws one)"_s,
                                         Prompts::Buttons::YesNoCancel);
    if (ownIcon == Prompts::Answer::Cancel)
        return std::nullopt;
    if (ownIcon == Prompts::Answer::Yes) {
        Prompts::FileRequest image;
        image.title = u"Palette Icon"_s;
        image.filter = u"Images (*.png *.bmp *.xpm *.jpg *.jpeg *.gif)"_s;
        const QString imagePath = prompts.openFileName(image);
        if (imagePath.isEmpty())
            return std::nullopt;
        const auto picked = paletteIconFromImage(imagePath);
        if (!picked) {
            prompts.message(Prompts::Kind::Error,
                            imagePath + u" is no image that can be read; the package was not written"_s,
                            Prompts::Buttons::Ok);
            return std::nullopt;
        }
        icon = *picked;
    }

    QString error;
    if (!writePackageFolder(folder, lazarusPackageFiles(spec, unitLines, icon), &error)) {
        prompts.message(Prompts::Kind::Error, error, Prompts::Buttons::Ok);
        return std::nullopt;
    }
    return u"Lazarus package written to "_s + folder;
}
