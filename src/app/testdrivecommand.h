// SPDX-License-Identifier: MIT
// Build > Test Drive: the unit built for Lazarus (with the code written into
// the Output text) compiled with its host program and started, in the
// background. The status line shows each step and its time; a busy bar with
// a Cancel button sits at its right edge while fpc runs. Compile errors show
// as findings at the unit's lines. Owns the running drive: a second Test
// Drive replaces it, and the window's end ends it.
#pragma once

#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class BuildRun;
class ComponentSpec;
class OutputPage;
class QLabel;
class QProgressBar;
class QToolButton;
class QWidget;
class TestDrive;

class TestDriveCommand : public QObject
{
    Q_OBJECT
public:
    struct Window {
        BuildRun &build;
        const ComponentSpec &spec;
        QLabel *statusLine;              // holds the busy bar and Cancel at its right edge
        std::function<OutputPage &()> output;
        std::function<void(int)> showPage;
        std::function<void(const QString &)> setStatus;
    };

    TestDriveCommand(Window window, QObject *parent);
    ~TestDriveCommand() override;

    // Why the specification cannot be test-driven: its ancestor is no
    // component (a list, a graphic, ...). None when it can.
    static std::optional<QString> unavailableReason(const ComponentSpec &spec);

    void start();
    // Stops the compile; a running window stays.
    void cancel();
    bool isCompiling() const;
    TestDrive &drive() { return *m_drive; }

    // Whether the Output text holds the unit as the last drive compiled it,
    // so that a compile error's line is that line of the text.
    bool outputHoldsCompiledUnit() const;

signals:
    void compilingChanged(bool compiling);

private:
    void failed(const QString &message);
    void setCompiling(bool compiling);

    Window m_window;
    TestDrive *m_drive;
    QWidget *m_progress;
    QStringList m_compiled;   // the unit's lines as the last drive compiled them
};
