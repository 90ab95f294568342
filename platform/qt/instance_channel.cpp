// The one-instance channel over QLocalServer and QLocalSocket: a Unix-domain socket in the
// temporary folder on Linux, a named pipe on Windows.
#include "platform/instance_channel.h"

#include <QCoreApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>

namespace abacone {
namespace {

void Serve(QLocalSocket* client, const InstanceChannel::Answer& answer) {
    while (client->canReadLine()) {
        const QByteArray line = client->readLine().chopped(1);
        const std::string reply = answer(line.toStdString());
        if (reply.empty()) continue;
        client->write(QByteArray::fromStdString(reply + '\n'));
        client->flush();
    }
}

class QtInstanceChannel final : public InstanceChannel {
public:
    // The server belongs to the application, which takes it down while the event loop
    // still exists; the channel deletes it only when it outlives it.
    ~QtInstanceChannel() override { delete server_.data(); }

    bool Listen(const std::string& endpoint, Answer answer) override {
        delete server_.data();
        server_ = new QLocalServer(QCoreApplication::instance());
        server_->setSocketOptions(QLocalServer::UserAccessOption);
        QLocalServer* server = server_.data();
        QObject::connect(server, &QLocalServer::newConnection, server, [server, answer = std::move(answer)] {
            while (QLocalSocket* client = server->nextPendingConnection()) {
                QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
                QObject::connect(client, &QLocalSocket::readyRead, client, [client, answer] { Serve(client, answer); });
                Serve(client, answer);  // what came with the connection
                if (client->state() == QLocalSocket::UnconnectedState) client->deleteLater();
            }
        });
        const QString name = QString::fromStdString(endpoint);
        QLocalServer::removeServer(name);
        return server->listen(name);
    }

private:
    QPointer<QLocalServer> server_;
};

}  // namespace

std::unique_ptr<InstanceChannel> MakeInstanceChannel() { return std::make_unique<QtInstanceChannel>(); }

std::string KnockOn(const std::string& endpoint, const std::string& line, int limitMs) {
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(endpoint));
    if (!socket.waitForConnected(limitMs)) return {};
    socket.write(QByteArray::fromStdString(line + '\n'));
    if (!socket.waitForBytesWritten(limitMs)) return {};
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(limitMs)) return {};
    }
    return socket.readLine().chopped(1).toStdString();
}

}  // namespace abacone
