// SPDX-License-Identifier: MIT
#include "app/outsidefiles.h"

#include "platform/handoversocket.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {
// How often a file waiting for a question to be answered looks again.
constexpr int kRetryMs = 200;
}

OutsideFiles::OutsideFiles(Window window, QObject *parent)
    : QObject(parent)
    , m_window(std::move(window))
    , m_handOver(new HandOverServer(this))
{
    connect(m_handOver, &HandOverServer::fileReceived, this, &OutsideFiles::handedOver);
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &OutsideFiles::openWaiting);
    m_window.widget->setAcceptDrops(true);
    qApp->installEventFilter(this);
}

OutsideFiles::~OutsideFiles()
{
    qApp->removeEventFilter(this);
}

bool OutsideFiles::listen(const QString &socketPath)
{
    return m_handOver->listen(socketPath);
}

void OutsideFiles::handedOver(const QString &path)
{
    // Raised once for the files that arrive together.
    if (!m_waiting.isEmpty()) {
        request(path);
        return;
    }
    QWidget *window = m_window.widget;
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
    request(path);
}

void OutsideFiles::request(const QString &path)
{
    if (m_waiting.size() >= kMaxWaiting)
        m_waiting.removeFirst();
    m_waiting.append(path);
    ++m_arrived;
    if (!m_retry.isActive())
        m_retry.start(0);
}

void OutsideFiles::openWaiting()
{
    while (!m_waiting.isEmpty()) {
        if (QApplication::activeModalWidget() || QApplication::activePopupWidget() || m_window.busy()) {
            m_retry.start(kRetryMs);
            return;
        }
        const QString last = m_waiting.takeLast();
        const qint64 arrived = m_arrived;
        m_waiting.clear();
        m_arrived = 0;
        if (arrived > 1
            && !m_window.confirm(QStringLiteral("%1 specification files were handed over at once. "
                                                "Only one can be open: open the last of them, %2?")
                                     .arg(arrived)
                                     .arg(QDir::toNativeSeparators(last))))
            continue;
        m_window.open(last);
    }
}

QString OutsideFiles::specificationFileOf(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return {};
    const QString path = urls.first().toLocalFile();
    if (QFileInfo(path).suffix().compare(QLatin1String("spc"), Qt::CaseInsensitive) != 0)
        return {};
    return path;
}

bool OutsideFiles::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_window.widget)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    // Text dragged within or into an edit field stays the field's business.
    if (!drop->mimeData()->hasUrls())
        return false;
    const QString path = specificationFileOf(drop->mimeData());
    if (path.isEmpty()) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop)
        request(path);
    return true;
}
