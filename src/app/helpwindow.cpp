#include "app/helpwindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    Q_INIT_RESOURCE(help);
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Unitforge Help"));
    resize(520, 440);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setOpenLinks(true);

    auto *contents = new QPushButton(QStringLiteral("&Contents"), this);
    contents->setObjectName(QStringLiteral("HelpContents"));
    auto *back = new QPushButton(QStringLiteral("&Back"), this);
    auto *close = new QPushButton(QStringLiteral("C&lose"), this);
    connect(contents, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    back->setEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
}

QUrl HelpWindow::contentsUrl()
{
    return QUrl(QStringLiteral("qrc:/help/contents.html"));
}

QUrl HelpWindow::topicUrl(int context)
{
    const QString path = QStringLiteral(":/help/%1.html").arg(context);
    if (!QFile::exists(path))
        return {};
    return QUrl(QStringLiteral("qrc") + path);
}

void HelpWindow::showContents()
{
    showPage(contentsUrl());
}

void HelpWindow::showTopic(int context)
{
    const QUrl url = topicUrl(context);
    showPage(url.isEmpty() ? contentsUrl() : url);
}

QUrl HelpWindow::currentPage() const
{
    return m_browser->source();
}

void HelpWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpWindow::showPage(const QUrl &url)
{
    m_browser->setSource(url);
    show();
    raise();
    activateWindow();
}
