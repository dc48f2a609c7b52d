// SPDX-License-Identifier: MIT
// Specification files that reach the window from outside its Open dialog: the
// file named on the command line, files handed over by later starts of the
// program, and a .spc file dropped on the window. Each is opened through the
// window's own open function once no message box or dialog is up and no build
// runs, so a file never arrives in the middle of a question. Since the window
// holds one specification, several files waiting at that moment make one
// question: whether to open the last of them.
#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

class HandOverServer;
class QMimeData;
class QWidget;

class OutsideFiles : public QObject
{
    Q_OBJECT
public:
    // The most files that wait; an older one goes when a newer one comes.
    static constexpr qsizetype kMaxWaiting = 100;

    struct Window {
        QWidget *widget = nullptr;                      // raised for a handed-over file
        std::function<void(const QString &)> open;      // Open's questions, then the file
        std::function<bool()> busy;                     // a build runs
        // Asks whether to open the last of several waiting files.
        std::function<bool(const QString &question)> confirm;
    };

    explicit OutsideFiles(Window window, QObject *parent = nullptr);
    ~OutsideFiles() override;

    // Takes files from later starts on socketPath.
    bool listen(const QString &socketPath);
    // Opens path as soon as the window is free to.
    void request(const QString &path);
    // Whether files wait for the window.
    bool hasWaitingFiles() const { return !m_waiting.isEmpty(); }

    // The specification file a drag carries: exactly one local file whose
    // name ends in ".spc" (in any letter case); empty for anything else.
    static QString specificationFileOf(const QMimeData *data);

protected:
    // Drags with files, anywhere in the window: a specification file is taken,
    // anything else refused, so that no edit field takes a file name as text.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void handedOver(const QString &path);
    void openWaiting();

    Window m_window;
    HandOverServer *m_handOver;
    QStringList m_waiting;
    qint64 m_arrived = 0;   // files requested since the window last took them
    QTimer m_retry;
};
