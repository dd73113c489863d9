#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QLockFile>

#include <unistd.h>

namespace {

constexpr int kTimeoutMs = 200;
constexpr const char* kGuid = "5B7D3C2A-9E41-4F86-A0D3-6C1E8B27F4A9";
// A file name longer than this is no hand-over; the connection is dropped.
constexpr qsizetype kMaxMessage = 64 * 1024;

QByteArray TagLine() { return QByteArray(CSingleInstance::kTag) + '\n'; }

}  // namespace

CSingleInstance::CSingleInstance(const QString& name, QObject* parent)
    : QObject(parent), name_(name)
{
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &CSingleInstance::AcceptConnection);
}

QString CSingleInstance::DefaultName()
{
    return QStringLiteral("TAVRIN-%1-%2").arg(QLatin1String(kGuid)).arg(::getuid());
}

CSingleInstance::Claim CSingleInstance::ClaimOrHandOver(const QString& fileName)
{
    // Two copies starting at the same moment take turns here.
    QLockFile turn(QDir::tempPath() + QLatin1Char('/') + name_ + QStringLiteral(".lock"));
    turn.tryLock(kTimeoutMs);
    // Ask first: listening would quietly take the name away from a copy that runs.
    switch (HandOver(name_, fileName)) {
    case HandOverResult::Delivered:
    case HandOverResult::NoAnswer:
        return Claim::AnotherRuns;
    case HandOverResult::NoCopy:
        break;
    }
    // Nobody answers on the name: a socket left by a copy that died goes first.
    QLocalServer::removeServer(name_);
    return server_.listen(name_) ? Claim::First : Claim::Failed;
}

CSingleInstance::HandOverResult CSingleInstance::HandOver(const QString& name,
                                                          const QString& fileName)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(kTimeoutMs))
        return HandOverResult::NoCopy;
    socket.write(TagLine() + fileName.toUtf8() + '\0');
    if (!socket.waitForBytesWritten(kTimeoutMs))
        return HandOverResult::NoAnswer;
    const bool answered = socket.waitForReadyRead(kTimeoutMs) && socket.readAll() == "1";
    socket.disconnectFromServer();
    return answered ? HandOverResult::Delivered : HandOverResult::NoAnswer;
}

void CSingleInstance::AcceptConnection()
{
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadHandOver(socket); });
        if (socket->bytesAvailable() > 0)
            ReadHandOver(socket);
    }
}

void CSingleInstance::ReadHandOver(QLocalSocket* socket)
{
    // The message may come in pieces: it is whole once its closing zero byte has arrived.
    const QByteArray received = socket->peek(socket->bytesAvailable());
    const qsizetype end = received.indexOf('\0');
    if (end < 0) {
        if (received.size() > kMaxMessage)
            socket->abort();
        return;
    }
    socket->readAll();
    const QByteArray message = received.left(end);
    if (!message.startsWith(TagLine())) {
        socket->abort();
        return;
    }
    socket->write("1");
    socket->flush();
    // The receiver may open a dataset and ask questions: let it run after this socket's event.
    const QString fileName = QString::fromUtf8(message.mid(TagLine().size()));
    QMetaObject::invokeMethod(
        this, [this, fileName] { emit fileNameReceived(fileName); }, Qt::QueuedConnection);
}
