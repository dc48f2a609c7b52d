// SPDX-License-Identifier: MIT
// TPathForm, the "Select Path" dialog: a drive selector linked to a directory
// list and a label showing the chosen directory. One instance lives for the
// whole run and keeps its place between uses.
#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

class TPathForm : public QDialog
{
    Q_OBJECT
public:
    explicit TPathForm(QWidget *parent = nullptr);

    // The directory the list shows, without a trailing "/" except for the root.
    QString directory() const { return m_directory; }
    // Shows dir; a directory that does not exist is ignored.
    void setDirectory(const QString &dir);
    // Mount points offered by the drive selector; "/" alone when none are known.
    static QStringList drives();

public slots: // handlers
    void OKBtnClick();
    void CancelBtnClick();

public: // controls
    QComboBox *DriveComboBox1;
    QListWidget *DirectoryListBox1;
    QLabel *Label1;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillDirectoryList();
    void DirectoryListBox1Open(QListWidgetItem *item);
    void DriveComboBox1Change(int index);
    void selectDriveOf(const QString &dir);
    int driveIndexOf(const QString &dir) const;

    QString m_directory;
};
