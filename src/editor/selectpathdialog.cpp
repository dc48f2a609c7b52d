// SPDX-License-Identifier: MIT
#include "editor/selectpathdialog.h"

#include "editor/glyphs.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QVBoxLayout>

namespace {
constexpr int kPathRole = Qt::UserRole;
}

TPathForm::TPathForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PathForm"));
    setWindowTitle(QStringLiteral("Select Path"));

    DriveComboBox1 = new QComboBox(this);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));

    DirectoryListBox1 = new QListWidget(this);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setMinimumWidth(1);   // long paths must not widen the dialog

    OKBtn = new QPushButton(glyphIcon(Glyph::Ok), QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(glyphIcon(Glyph::Cancel), QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

    auto *left = new QVBoxLayout;
    left->addWidget(Label1);
    left->addWidget(DirectoryListBox1, 1);
    left->addWidget(DriveComboBox1);
    auto *right = new QVBoxLayout;
    right->addWidget(OKBtn);
    right->addWidget(CancelBtn);
    right->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);
    setFixedSize(340, 260);

    setTabOrder(OKBtn, CancelBtn);
    setTabOrder(CancelBtn, DirectoryListBox1);
    setTabOrder(DirectoryListBox1, DriveComboBox1);

    connect(OKBtn, &QPushButton::clicked, this, &TPathForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TPathForm::CancelBtnClick);
    connect(DirectoryListBox1, &QListWidget::itemActivated, this, &TPathForm::DirectoryListBox1Open);
    connect(DriveComboBox1, &QComboBox::activated, this, &TPathForm::DriveComboBox1Change);

    // The volumes and the folders are read when the dialog is first shown
    // (or told a directory): reading them at start-up would slow it down.
    m_directory = QDir::cleanPath(QDir::currentPath());
    Label1->setText(m_directory);
    OKBtn->setFocus();
}

// Centred on the screen, not over the main window as Qt places dialogs.
// The list is read again at every showing: folders made since show up.
void TPathForm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        if (DirectoryListBox1->count() == 0)
            setDirectory(m_directory);
        if (const QScreen *screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
        if (!QFileInfo(m_directory).isDir())
            m_directory = QDir::rootPath();
        setDirectory(m_directory);
    }
    QDialog::showEvent(event);
}

QStringList TPathForm::drives()
{
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !roots.contains(volume.rootPath()))
            roots.append(volume.rootPath());
    }
    roots.sort();
    if (roots.isEmpty())
        roots.append(QStringLiteral("/"));
    return roots;
}

void TPathForm::setDirectory(const QString &dir)
{
    const QFileInfo info(dir);
    if (!info.isDir())
        return;
    if (DriveComboBox1->count() == 0)
        DriveComboBox1->addItems(drives());
    m_directory = QDir::cleanPath(info.absoluteFilePath());
    Label1->setText(m_directory);
    Label1->setToolTip(m_directory);
    selectDriveOf(m_directory);
    fillDirectoryList();
}

// Like a directory tree opened down to the current directory: the path's
// folders from the root, then the current directory's sub-folders, indented.
void TPathForm::fillDirectoryList()
{
    DirectoryListBox1->clear();
    const QIcon closed = glyphIcon(Glyph::FolderClosed);
    const QIcon open = glyphIcon(Glyph::FolderOpen);

    QStringList chain;
    for (QDir d(m_directory);; ) {
        chain.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp())
            break;
    }
    int depth = 0;
    for (const QString &path : chain) {
        const QString name = depth == 0 ? path : QFileInfo(path).fileName();
        auto *item = new QListWidgetItem(open, QString(depth * 2, u' ') + name, DirectoryListBox1);
        item->setData(kPathRole, path);
        ++depth;
    }
    DirectoryListBox1->setCurrentRow(DirectoryListBox1->count() - 1);

    const QStringList subdirs = QDir(m_directory).entryList(
        QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &sub : subdirs) {
        auto *item = new QListWidgetItem(closed, QString(depth * 2, u' ') + sub, DirectoryListBox1);
        item->setData(kPathRole, QDir(m_directory).filePath(sub));
    }
}

void TPathForm::DirectoryListBox1Open(QListWidgetItem *item)
{
    if (item)
        setDirectory(item->data(kPathRole).toString());
}

void TPathForm::DriveComboBox1Change(int index)
{
    if (index != driveIndexOf(m_directory))
        setDirectory(DriveComboBox1->itemText(index));
}

int TPathForm::driveIndexOf(const QString &dir) const
{
    // The drive is the longest mount point that holds dir.
    int best = -1;
    for (int i = 0; i < DriveComboBox1->count(); ++i) {
        QString root = DriveComboBox1->itemText(i);
        const QString prefix = root.endsWith(u'/') ? root : root + u'/';
        if ((dir == root || dir.startsWith(prefix))
            && (best < 0 || root.size() > DriveComboBox1->itemText(best).size()))
            best = i;
    }
    return best;
}

void TPathForm::selectDriveOf(const QString &dir)
{
    const QSignalBlocker block(DriveComboBox1);
    DriveComboBox1->setCurrentIndex(driveIndexOf(dir));
}

void TPathForm::OKBtnClick()
{
    accept();
}

void TPathForm::CancelBtnClick()
{
    reject();
}
