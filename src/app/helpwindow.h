// The program's own help, written as HTML pages compiled into the program: a
// contents page and one topic per help context number, shown in a browser
// window of its own.
#pragma once

#include "app/helpviewer.h"

#include <QUrl>
#include <QWidget>

class QTextBrowser;

class HelpWindow : public QWidget, public HelpViewer
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    void showContents() override;
    // An unknown number shows the contents page.
    void showTopic(int context) override;

    QUrl currentPage() const;
    static QUrl contentsUrl();
    static QUrl topicUrl(int context);   // empty when there is no such topic

protected:
    // Escape closes the window, as it does a dialog.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showPage(const QUrl &url);

    QTextBrowser *m_browser;
};
