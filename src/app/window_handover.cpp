// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window_handover.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <system_error>

#include "core/files/runtime_folder.h"
#include "platform/bring_forward.h"

namespace tallyfox {
namespace {

const QByteArray kRequest = QByteArrayLiteral("tallyfox-raise\n");
const QByteArray kAnswer = QByteArrayLiteral("raised\n");
constexpr int kAnswerWithinMs = 2000;
constexpr int kRetryEveryMs = 50;

// One name for every way of writing the folder's path; empty where there is
// no private folder to put the socket in.
QString SocketPath(const std::filesystem::path& dataFolder) {
  const std::filesystem::path runtime = UserRuntimeFolder();
  if (runtime.empty()) return {};
  std::error_code error;
  std::filesystem::path canonical = std::filesystem::canonical(dataFolder, error);
  if (error) canonical = dataFolder;
  const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(canonical.native()),
                                                   QCryptographicHash::Sha256);
  const std::string name = "tallyfox-" + hash.toHex().left(32).toStdString();
  return QFile::decodeName(QByteArray::fromStdString((runtime / name).native()));
}

// Answers the one request, once; a caller that sends anything else, or
// nothing for two seconds, is dropped.
void Serve(QLocalSocket* caller) {
  caller->setReadBufferSize(kRequest.size());
  QObject::connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
  QTimer::singleShot(kAnswerWithinMs, caller, [caller] { caller->abort(); });
  QObject::connect(caller, &QLocalSocket::readyRead, caller, [caller] {
    if (caller->bytesAvailable() < kRequest.size()) return;
    QObject::disconnect(caller, &QLocalSocket::readyRead, nullptr, nullptr);
    if (caller->read(kRequest.size()) == kRequest) {
      BringForward();
      caller->write(kAnswer);
    }
    caller->disconnectFromServer();
  });
}

}  // namespace

WindowHandoverListener::WindowHandoverListener(const std::filesystem::path& dataFolder) {
  const QString path = SocketPath(dataFolder);
  if (path.isEmpty()) return;
  // The lock is ours, so whatever holds the name was left by a program that
  // was killed.
  QLocalServer::removeServer(path);
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  QLocalServer* server = server_.get();
  QObject::connect(server, &QLocalServer::newConnection, server, [server] {
    while (QLocalSocket* caller = server->nextPendingConnection()) Serve(caller);
  });
  // Without the socket the program runs as before: a second start says it
  // is already running.
  if (!server_->listen(path)) server_.reset();
}

WindowHandoverListener::~WindowHandoverListener() = default;

bool AskRunningProgramToRaise(const std::filesystem::path& dataFolder) {
  const QString path = SocketPath(dataFolder);
  if (path.isEmpty()) return false;
  const QDeadlineTimer deadline(kAnswerWithinMs);
  QLocalSocket socket;
  // The running program may have just taken the lock and not listen yet.
  for (;;) {
    socket.connectToServer(path);
    if (socket.waitForConnected(deadline.remainingTime())) break;
    if (deadline.hasExpired()) return false;
    QThread::msleep(kRetryEveryMs);
  }
  socket.write(kRequest);
  if (!socket.waitForBytesWritten(deadline.remainingTime())) return false;
  QByteArray answer;
  while (answer.size() < kAnswer.size() && socket.waitForReadyRead(deadline.remainingTime())) {
    answer += socket.read(kAnswer.size() - answer.size());
  }
  return answer == kAnswer;
}

}  // namespace tallyfox
