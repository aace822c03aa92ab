#include "platform/qt/window_raiser.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>
#include <unistd.h>

namespace quillan {
namespace {

constexpr int kConnectMs = 500;

QString ServerName(const std::string& windowTitle) {
    const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(windowTitle), QCryptographicHash::Sha1);
    return QString("quillan-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash.toHex().left(16)));
}

}  // namespace

bool RequestRaise(const std::string& windowTitle) {
    QLocalSocket socket;
    socket.connectToServer(ServerName(windowTitle));
    if (!socket.waitForConnected(kConnectMs)) return false;
    socket.write("raise\n");
    const bool sent = socket.waitForBytesWritten(kConnectMs);
    socket.disconnectFromServer();
    return sent;
}

RaiseServer::RaiseServer(QWidget* window, const std::string& windowTitle)
    : QObject(window), window_(window), server_(new QLocalServer(this)) {
    const QString name = ServerName(windowTitle);
    // A socket left behind by a copy that crashed would block listening.
    if (!server_->listen(name) && server_->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalSocket probe;
        probe.connectToServer(name);
        if (!probe.waitForConnected(kConnectMs)) {
            QLocalServer::removeServer(name);
            server_->listen(name);
        }
    }
    connect(server_, &QLocalServer::newConnection, this, &RaiseServer::OnConnection);
}

bool RaiseServer::Listening() const { return server_->isListening(); }

void RaiseServer::OnConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->readAll().contains("raise")) return;
            window_->showNormal();
            window_->raise();
            window_->activateWindow();
        });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
}

}  // namespace quillan
